#include "render/resistance_draw.h"

#include <cmath>
#include <cstdint>

#include "wire/bracket.h"

namespace torvik {

namespace {

bool Logical(double aX, double aY, TPoint& aOut) {
    return TryRoundToInt32(aX * 100, aOut.X) && TryRoundToInt32(aY * 100, aOut.Y);
}

void DrawCentre(TCanvas& c, const TBracket& b, const TToothSettings& aTooth) {
    const TPointReal& o = *b.Origin();
    const TPointReal n = RootNormal(b.Direction(), aTooth.Roots);
    const TPointReal centre = CentreOfResistance(o, b.Direction(), aTooth);
    // The arms stand at 45 degrees to the tooth's axis, so that they do not
    // vanish in the grid lines that the axis and the bracket often lie on.
    const double arm = ResistanceCrossArm / 100.0 / std::sqrt(2.0);  // mm along each of n and t
    const TPointReal d1(arm * (n.x - n.y), arm * (n.y + n.x));
    const TPointReal d2(arm * (n.x + n.y), arm * (n.y - n.x));
    TPoint from, to, axis0, axis1, across0, across1;
    if (!Logical(o.x, o.y, from) || !Logical(centre.x, centre.y, to) ||
        !Logical(centre.x - d1.x, centre.y - d1.y, axis0) || !Logical(centre.x + d1.x, centre.y + d1.y, axis1) ||
        !Logical(centre.x - d2.x, centre.y - d2.y, across0) || !Logical(centre.x + d2.x, centre.y + d2.y, across1))
        return;
    c.pen = TPen{ResistanceColor, 0, TPenStyle::Dot, TPenMode::Copy};
    c.MoveTo(from.X, from.Y);
    c.LineTo(to.X, to.Y);
    c.pen.style = TPenStyle::Solid;
    c.MoveTo(axis0.X, axis0.Y);
    c.LineTo(axis1.X, axis1.Y);
    c.MoveTo(across0.X, across0.Y);
    c.LineTo(across1.X, across1.Y);
}

}  // namespace

void DrawResistanceCentres(TCanvas& aCanvas, const TBracket& aLeft, const TBracket& aRight,
                           const TToothSettings& aTooth) {
    const TPen pen = aCanvas.pen;
    const bool transparent = aCanvas.transparentBackground;
    aCanvas.transparentBackground = true;
    DrawCentre(aCanvas, aLeft, aTooth);
    DrawCentre(aCanvas, aRight, aTooth);
    aCanvas.pen = pen;
    aCanvas.transparentBackground = transparent;
}

}  // namespace torvik
