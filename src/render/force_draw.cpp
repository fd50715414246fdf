// How a force-moment draws itself: a blue arrow for the force and a red
// three-quarter circle for the moment, anchored at its point of application;
// both grey while the loads are stale.

#include <cstdint>

#include "geometry/force_moment.h"
#include "render/drawable.h"
#include "render/shapes.h"
#include "render/view_settings.h"

namespace torvik {

namespace {

constexpr int ForcePenWidth = 10;  // 0.1 mm

TPen ForcePen(TColor aColor) {
    TPen p;
    p.color = aColor;
    p.width = ForcePenWidth;
    p.style = TPenStyle::Solid;
    p.mode = TPenMode::Copy;
    return p;
}

}  // namespace

void TForceMoment::Draw(TCanvas& aCanvas, const TViewSettings& aView) const {
    // A point of application far outside any drawing surface (the end of a
    // wildly overstrained sliding wire) anchors the arrows at the edge of
    // the drawable range, where no one sees them, rather than failing.
    const TPoint P = DrawablePoint(TPointReal(origin->x * 100.0, origin->y * 100.0));
    const bool onBrackets = (aView.ViewFlags & ViewBracketForcesBit) != 0;

    if (aView.ViewFlags & ViewForcesBit) {
        TArrow arrow;
        arrow.origin = P;
        arrow.corner = P;
        std::int32_t rx = 0, ry = 0, cx = 0, cy = 0;
        // The reaction on the bracket points the other way. Rounding half to
        // even is symmetric, so negating before rounding is the same as after.
        const double sign = onBrackets ? -1.0 : 1.0;
        if (TryRoundToInt32(sign * x / aView.ForceScale, rx) && TryRoundToInt32(sign * y / aView.ForceScale, ry) &&
            TryRoundToInt32(static_cast<double>(P.X) + rx, cx) && TryRoundToInt32(static_cast<double>(P.Y) + ry, cy))
            arrow.corner = TPoint{cx, cy};
        // A tip whose head would not fit either is drawn as an arrow of zero
        // length, so an absurd force never makes the picture fail.
        if (!arrow.Fits()) arrow.corner = P;
        arrow.pen = ForcePen(aView.LoadsStale ? colors::Grey : colors::Blue);
        arrow.Draw(aCanvas);
    }

    if (aView.ViewFlags & ViewMomentsBit) {
        TCircularArrow moment;
        moment.origin = P;
        std::int32_t r = 0;
        double v = m / aView.ForceScale / 5.0;
        if (onBrackets) v = -v;
        if (!TryRoundToInt32(v, r)) r = 0;
        moment.corner = TPoint{r, r};
        if (!moment.Fits()) moment.corner = TPoint{0, 0};
        moment.pen = ForcePen(aView.LoadsStale ? colors::Grey : colors::Red);
        moment.Draw(aCanvas);
    }
}

}  // namespace torvik
