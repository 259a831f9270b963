#include "ClassicCore.h"

#include "Extended.h"

namespace transcalc {

double CentimetresOf(double millimetres) {
    return Store(Extended(millimetres) * 0.1L);
}

double ClassicRingArea(double d1, double d2, double h) {
    return Store((Extended(d1) - d2) * h / 2);
}

double ClassicRingPath(double d1, double d2) {
    return Store(Abs((Extended(d1) + d2) / 2 * kPi));
}

double ClassicShapedArea(double l1, double l2) {
    return Store(Extended(l2) * l1);
}

// A shaped core with impossible dimensions may give a negative path; it is
// kept as it is, and the echo and the results pass judge it.
double ClassicShapedPath(bool eShaped, double h1, double h2, double l1) {
    if (eShaped) {
        return Store((Extended(4) * h1 + h2) - Extended(3) * l1);
    }
    return Store((Extended(4) * h1 + Extended(2) * h2) - Extended(4) * l1);
}

}  // namespace transcalc
