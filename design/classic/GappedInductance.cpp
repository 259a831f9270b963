#include "GappedInductance.h"

#include "Extended.h"

namespace transcalc {

// The constant 1.3E-8 H/cm is applied as 100, 0.26 and 2000, in this order,
// and rounded to double at the three points where the results depend on it.
double GappedInductance(double turns, DesignState& state) {
    Extended a = Extended(turns) / 100;
    a = a * a;
    a = a * 0.26L;
    a = a * state.CoreArea;
    const double geometric = Store(a / state.PathLength);

    Extended p = Extended(state.GapCm) / state.PathLength;
    p = p * state.Permeability;
    p = p + 1;
    p = Extended(state.Permeability) / p;
    state.PermWithGap = Store(p);

    Extended inductance = Extended(geometric) * state.PermWithGap;
    inductance = inductance / 2000;
    return Store(inductance);
}

}  // namespace transcalc
