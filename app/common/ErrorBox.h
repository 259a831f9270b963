#pragma once

#include <QString>

class QWidget;

namespace transcalc {

// The window's error box. A text of a few lines is the classic modal box; a
// longer one (the problems of the user's catalogue files) is shown in a
// scrollable box that fits the screen, so that its OK button stays in reach.
void ShowErrorBox(QWidget* parent, const QString& title, const QString& text);

}  // namespace transcalc
