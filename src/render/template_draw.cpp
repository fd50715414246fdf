#include "render/template_draw.h"

#include <algorithm>

#include "render/drawable.h"
#include "wire/wire.h"
#include "wire/wire_seg.h"

namespace torvik {

namespace {

void DrawSegments(TCanvas& aCanvas, const TWire& aWire, TColor aColor, bool aTrueThickness) {
    aCanvas.pen.mode = TPenMode::Copy;
    aCanvas.pen.style = TPenStyle::Solid;
    aCanvas.pen.color = aColor;
    aCanvas.pen.width = ActivatedLineWidth;
    for (const TWireSeg& seg : aWire.Segments()) {
        // Cross-sections are in tenths of a millimetre, logical units in
        // hundredths.
        if (aTrueThickness) aCanvas.pen.width = std::max(1, RoundToInt32(seg.size.CrossA * 10.0));
        // As far as it is drawable, like the wire on screen.
        const TPointReal end = seg.Corner();
        DrawLine(aCanvas, TPointReal(seg.origin->x * 100.0, seg.origin->y * 100.0),
                 TPointReal(end.x * 100.0, end.y * 100.0));
    }
}

}  // namespace

void DrawBentWire(TCanvas& aCanvas, const TWire& aBent) { DrawSegments(aCanvas, aBent, colors::Black, true); }

void DrawActivatedLine(TCanvas& aCanvas, const TWire& aWire) {
    DrawSegments(aCanvas, aWire, ActivatedLineColor, false);
}

}  // namespace torvik
