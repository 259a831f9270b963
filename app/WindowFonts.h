#pragma once

class QWidget;

// The window is designed in "MS Sans Serif" and "Times New Roman"; where they
// are missing the metric-compatible Liberation fonts stand in. Call once,
// before the window is built.
void InstallFontSubstitutes();

// Character heights of the window are pixel heights, which a Designer form
// cannot express (it knows point sizes only): they are set here by control name.
void ApplyPixelHeights(QWidget& form);
