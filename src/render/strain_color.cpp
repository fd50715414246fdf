#include "render/strain_color.h"

#include <algorithm>
#include <cstdint>

#include "geometry/point.h"

namespace torvik {

TColor StrainColor(double strain, double aRange) {
    // 10.2 is 255 / 25: each colour ramp spans a quarter of the range.
    const double e = strain / aRange * 100.0;
    const double blue = 255.0 - (e - 25.0) * 10.2;
    const double red = (e - 50.0) * 10.2;
    double green = e > 25.0 ? 255.0 : e * 10.2;
    if (e > 75.0) green = 255.0 - (e - 75.0) * 10.2;
    std::int32_t r = 0, g = 0, b = 0;
    if (!TryRoundToInt32(red, r) || !TryRoundToInt32(green, g) || !TryRoundToInt32(blue, b)) return colors::Black;
    return TColor(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
}

}  // namespace torvik
