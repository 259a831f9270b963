#pragma once

#include <memory>

#include <QWidget>

namespace transcalc::testing {

// A stand-in for the main window: every control the state file names, with
// its type, object name and design state (texts, captions, visibility).
std::unique_ptr<QWidget> BuildDesignForm();

}  // namespace transcalc::testing
