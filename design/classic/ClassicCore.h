#pragma once

namespace transcalc {

// The classic cross-section and path of a core from its dimension fields, in
// the 80-bit arithmetic and with the stores of the results pass: Calculate
// writes them into the design state and CoreShape answers them, so both show
// the same digits. Every size is in cm, as the state keeps it; a store that
// overflows throws the classic error.

// A dimension field's millimetres as the state keeps them.
double CentimetresOf(double millimetres);

// A ring of outer diameter D1, inner diameter D2 and height H: its section
// (cm²) and mean circumference (cm).
double ClassicRingArea(double d1, double d2, double h);
double ClassicRingPath(double d1, double d2);

// A Ш (eShaped) or П core of height H1, width H2, leg L1 and depth L2: the
// leg's section (cm²) and the path along the legs (cm).
double ClassicShapedArea(double l1, double l2);
double ClassicShapedPath(bool eShaped, double h1, double h2, double l1);

}  // namespace transcalc
