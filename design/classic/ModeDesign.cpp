#include "ModeDesign.h"

namespace transcalc {

Extended MilliHenry(double henry) {
    return Extended(Round(Extended(henry) * 100000000)) * 0.00001L;
}

}  // namespace transcalc
