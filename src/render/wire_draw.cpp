// How the wire draws itself: each segment as a line or as a band of the
// wire's true thickness, optionally coloured by strain, then the node markers.

#include <cmath>
#include <vector>

#include "render/drawable.h"
#include "render/strain_color.h"
#include "render/view_settings.h"
#include "wire/wire.h"
#include "wire/wire_seg.h"

namespace torvik {

namespace {

constexpr int ThinPenWidth = 10;  // 0.1 mm

}  // namespace

void TWireSeg::Draw(TCanvas& aCanvas, const TViewSettings& aView, double aStrainRange) const {
    const TPointReal P(origin->x * 100.0, origin->y * 100.0);
    const TPointReal end = Corner();
    const TPointReal Q(end.x * 100.0, end.y * 100.0);

    if (!aView.DrawThickness) {
        aCanvas.pen.mode = TPenMode::Copy;
        aCanvas.pen.style = TPenStyle::Solid;
        aCanvas.pen.width = ThinPenWidth;
        aCanvas.pen.color = aView.ViewStrain ? StrainColor(std::fabs(dAngle), aStrainRange) : colors::Black;
        DrawLine(aCanvas, P, Q);
        return;
    }

    // A band of the wire's width about the chord, half a thickness each side.
    const double dx = Q.x - P.x, dy = Q.y - P.y;
    const double L = std::hypot(dx, dy);
    const double h = size.CrossA * 100.0 / 10.0 / 2.0;

    // Fill with an invisible pen, then outline the two long edges in black.
    aCanvas.pen.mode = TPenMode::Copy;
    aCanvas.pen.width = 0;
    aCanvas.pen.style = TPenStyle::Clear;
    aCanvas.brush.color = aView.ViewStrain ? StrainColor(std::fabs(dAngle), aStrainRange) : colors::White;
    aCanvas.brush.style = TBrushStyle::Solid;
    // A segment of zero length has no direction, so no band; it leaves the
    // pen as a drawn one would, for the markers drawn after it. A band
    // reaching beyond the drawable range is drawn as far as it goes.
    if (L > 0.0 && std::isfinite(L)) {
        const double nx = dy / L * h, ny = -dx / L * h;
        const TPointReal A(P.x + nx, P.y + ny);
        const TPointReal B(P.x - nx, P.y - ny);
        const TPointReal C(Q.x + nx, Q.y + ny);
        const TPointReal D(Q.x - nx, Q.y - ny);
        DrawPolygon(aCanvas, {A, C, D, B});
        aCanvas.pen.style = TPenStyle::Solid;
        aCanvas.pen.color = colors::Black;
        DrawLine(aCanvas, A, C);
        DrawLine(aCanvas, B, D);
    }
    aCanvas.pen.style = TPenStyle::Solid;
    aCanvas.pen.color = colors::Black;
}

void TWire::Draw(TCanvas& aCanvas, const TViewSettings& aView) const {
    double range = aView.StrainAutoRange ? MaxStrain() : aView.StrainMaxRange;
    // 0, and equally a negative or undefined range, would colour nothing
    // sensibly.
    if (!(range > 0.0)) range = DefaultStrainRange;
    for (const TWireSeg& seg : FSegments) seg.Draw(aCanvas, aView, range);
    if (aView.MarkersShown && !aView.Running) {
        const std::vector<TMarker> markers = Markers(aView.SelectedNode);
        for (const TMarker& marker : markers) marker.Draw(aCanvas);
    }
}

}  // namespace torvik
