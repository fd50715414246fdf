#include "render/grid.h"

#include <array>

namespace torvik {

namespace {
// The side of the design area in logical units (100 mm); the grid covers it
// and nothing outside it.
constexpr int GridExtent = 10000;
}  // namespace

int GridSpacing(int aGridDensity) {
    constexpr std::array<int, 4> spacing{1000, 500, 200, 100};
    if (aGridDensity < 0 || aGridDensity >= static_cast<int>(spacing.size())) aGridDensity = 2;
    return spacing[static_cast<std::size_t>(aGridDensity)];
}

void DrawGrid(TCanvas& aCanvas, int aGridDensity) {
    // The gaps of the dotted lines show what lies below.
    aCanvas.transparentBackground = true;
    aCanvas.pen.width = 0;
    aCanvas.pen.mode = TPenMode::Copy;
    aCanvas.pen.color = colors::Grey;
    const int s = GridSpacing(aGridDensity);
    for (int a = 0; a <= GridExtent; a += s) {
        aCanvas.pen.style = a % 1000 == 0 ? TPenStyle::Solid : TPenStyle::Dot;
        aCanvas.MoveTo(a, 0);
        aCanvas.LineTo(a, GridExtent);
        aCanvas.MoveTo(0, a);
        aCanvas.LineTo(GridExtent, a);
    }
}

}  // namespace torvik
