#pragma once

#include <array>
#include <string>

#include <QString>

#include "InputField.h"
#include "WorkMode.h"

namespace transcalc {

// What the state file keeps of the main window, as a plain value: the window
// captures one on Exit and applies one at start. The comments name the
// controls of the window that each entry belongs to.
struct WindowState {
    std::array<QString, 12> fieldTexts;            // Edit1..Edit12 texts
    std::array<bool, 3> picturesShown{};           // BitBtn2 ring, BitBtn3 Ш, BitBtn4 П
    std::array<bool, 4> dimensionCaptionsShown{};  // Label1..Label4
    std::array<QString, 4> dimensionCaptions;      // Label1..Label4 texts
    std::string mode;                              // the work mode text, UTF-8
    std::array<bool, 12> fieldsShown{};            // Edit1..Edit12
    std::array<bool, 10> captionsShown{};          // Label5..Label14
    std::array<QString, 6> captions;  // Label6, Label7, Label8, Label12, Label13, Label14 texts
    bool resultsShown = false;        // GroupBox1, the results panel

    friend bool operator==(const WindowState&, const WindowState&) = default;
};

// The file keeps one text and one visibility per input field and one
// picture per core kind: a new field or kind must not shift its lines.
static_assert(std::tuple_size_v<decltype(WindowState::fieldTexts)> == kFieldCount);
static_assert(std::tuple_size_v<decltype(WindowState::fieldsShown)> == kFieldCount);
static_assert(std::tuple_size_v<decltype(WindowState::picturesShown)> == kCoreKinds.size());

// The labels whose texts the file keeps, beyond the dimension captions.
inline constexpr std::array<int, 6> kCaptionLabelNumbers = {6, 7, 8, 12, 13, 14};

}  // namespace transcalc
