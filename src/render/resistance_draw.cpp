#include "render/resistance_draw.h"

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
    TPoint from, to, axis0, axis1, across0, across1;
    const double arm = ResistanceCrossArm / 100.0;  // mm
    if (!Logical(o.x, o.y, from) || !Logical(centre.x, centre.y, to) ||
        !Logical(centre.x - arm * n.x, centre.y - arm * n.y, axis0) ||
        !Logical(centre.x + arm * n.x, centre.y + arm * n.y, axis1) ||
        !Logical(centre.x - arm * n.y, centre.y + arm * n.x, across0) ||
        !Logical(centre.x + arm * n.y, centre.y - arm * n.x, across1))
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
