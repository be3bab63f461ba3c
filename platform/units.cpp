#include "platform/units.h"

#include <cfenv>
#include <cmath>

namespace sorvo {

int32_t Runden(double x) {
    return static_cast<int32_t>(std::trunc(x + 0.5));
}

int32_t RundenGerade(double x) {
    // nearbyint follows the rounding mode; make sure it is to-nearest-even.
    const int alt = std::fegetround();
    if (alt != FE_TONEAREST)
        std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(x);
    if (alt != FE_TONEAREST)
        std::fesetround(alt);
    return static_cast<int32_t>(r);
}

} // namespace sorvo
