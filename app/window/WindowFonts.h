#pragma once

class QWidget;

namespace transcalc {

// The window is designed in "MS Sans Serif" and "Times New Roman"; where they
// are missing the metric-compatible Liberation fonts stand in. Call once,
// before the window is built.
void InstallFontSubstitutes();

// Character heights of the window are pixel heights, which a Designer form
// cannot express (it knows point sizes only). Where a designed family is
// missing, the fonts name its stand-in, so that each is found once.
//
// The form's font, which its controls inherit: call before they are built.
void ApplyFormFont(QWidget& form);
// The controls with fonts of their own, by control name: call once they are built.
void ApplyPixelHeights(QWidget& form);

}  // namespace transcalc
