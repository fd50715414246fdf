#include "wire/bracket.h"

#include <cmath>

namespace torvik {

namespace {
// Corner offsets from the origin in mm at direction 0.
constexpr double kCornerOffsets[6][2] = {
    {-1, -0.5}, {0, -0.3}, {1, -0.3}, {-1, 0.5}, {0, 0.3}, {1, 0.3},
};
}  // namespace

TBracket::TBracket() : FOrigin(MakePoint(0, 0)) { Rebuild(); }

void TBracket::SetOrigin(TPointRef aOrigin) {
    FOrigin = std::move(aOrigin);
    Rebuild();
}

void TBracket::SetDirection(double aDirection) {
    FDirection = aDirection;
    Rebuild();
}

void TBracket::Rebuild() {
    FDirection = NormalizeAngle(FDirection);
    const TPointReal centre(FOrigin->x * 100, FOrigin->y * 100);
    for (int i = 0; i < 6; ++i) {
        FCorners[i] = TPointReal((FOrigin->x + kCornerOffsets[i][0]) * 100, (FOrigin->y + kCornerOffsets[i][1]) * 100);
        FCorners[i].Rotate(centre, FDirection);
    }
}

bool TBracket::Contains(int ax, int ay) const {
    // The area between the two walls, flare included: corners 1, 2, 3, 6, 5, 4.
    static constexpr int order[6] = {0, 1, 2, 5, 4, 3};
    TPoint poly[6];
    for (int i = 0; i < 6; ++i) poly[i] = FCorners[order[i]].AsTPoint();
    // Even-odd crossing test; points on the outline may fall either way.
    bool inside = false;
    for (int i = 0, j = 5; i < 6; j = i++) {
        const double xi = poly[i].X, yi = poly[i].Y, xj = poly[j].X, yj = poly[j].Y;
        if ((yi > ay) != (yj > ay)) {
            const double xCross = xi + (ay - yi) * (xj - xi) / (yj - yi);
            if (ax < xCross) inside = !inside;
        }
    }
    return inside;
}

TRect TBracket::BoundsRect() const {
    return TRect{RoundToInt32((FOrigin->x - 0.3) * 100), RoundToInt32((FOrigin->y - 0.3) * 100),
                 RoundToInt32((FOrigin->x + 0.3) * 100), RoundToInt32((FOrigin->y + 0.3) * 100)};
}

std::vector<TMarker> TBracket::Markers() const {
    std::vector<TMarker> result(6);
    for (int i = 0; i < 6; ++i) result[i].origin = FCorners[i].AsTPoint();
    return result;
}

}  // namespace torvik
