// How a bracket draws itself: the two walls of its slot, solid, or dotted in
// not-xor mode as the ghost that follows a drag.

#include "wire/bracket.h"

namespace torvik {

namespace {

void DrawWalls(TCanvas& aCanvas, const std::array<TPointReal, 6>& corners) {
    TPoint c[6];
    for (int i = 0; i < 6; ++i) c[i] = corners[static_cast<std::size_t>(i)].AsTPoint();
    aCanvas.MoveTo(c[0].X, c[0].Y);
    aCanvas.LineTo(c[1].X, c[1].Y);
    aCanvas.LineTo(c[2].X, c[2].Y);
    aCanvas.MoveTo(c[3].X, c[3].Y);
    aCanvas.LineTo(c[4].X, c[4].Y);
    aCanvas.LineTo(c[5].X, c[5].Y);
}

}  // namespace

void TBracket::Draw(TCanvas& aCanvas) const {
    aCanvas.pen = TPen{colors::Black, 7, TPenStyle::Solid, TPenMode::Copy};
    DrawWalls(aCanvas, FCorners);
}

void TBracket::DrawGhost(TCanvas& aCanvas) const {
    aCanvas.pen = TPen{colors::Black, 0, TPenStyle::Dot, TPenMode::NotXor};
    DrawWalls(aCanvas, FCorners);
}

}  // namespace torvik
