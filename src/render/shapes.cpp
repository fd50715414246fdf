#include "render/shapes.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>

namespace torvik {

namespace {

// The two barbs of an arrow head, unrounded.
std::array<double, 4> BarbCoordinates(const TPoint& origin, const TPoint& corner) {
    // Differences in double: exact for any two 32-bit values.
    const double dx = static_cast<double>(corner.X) - origin.X;
    const double dy = static_cast<double>(corner.Y) - origin.Y;
    return {corner.X - dx / 5 + dy / 10, corner.Y - dy / 5 - dx / 10,
            corner.X - dx / 5 - dy / 10, corner.Y - dy / 5 + dx / 10};
}

// The points of a circular arrow, unrounded sums of whole numbers: the
// bounding box corners of the circle and the three points of the head.
struct TCircularArrowPoints {
    std::int64_t radius;  // |r|
    std::array<double, 10> coords;  // left, top, right, bottom, barb1 x/y, tip x/y, barb2 x/y
};

bool CircularArrowPoints(const TPoint& origin, std::int32_t r, TCircularArrowPoints& out) {
    std::int32_t a = 0, b = 0;
    if (!TryRoundToInt32(r / 4.0, a) || !TryRoundToInt32(r / 7.0, b)) return false;
    const double ox = origin.X, oy = origin.Y;
    const std::int64_t R = std::llabs(static_cast<std::int64_t>(r));
    // Clockwise (r >= 0) ends at the lowest point, counter-clockwise at the
    // top; either way oy + r is the tip and the barbs lie to its right.
    const double hx = r >= 0 ? ox + a : ox - a;
    out.radius = R;
    out.coords = {ox - R, oy - R, ox + R, oy + R, hx, oy + r - b, ox, oy + r, hx, oy + r + b};
    return true;
}

bool AllFit(const double* v, std::size_t n) {
    std::int32_t dummy = 0;
    for (std::size_t i = 0; i < n; ++i)
        if (!TryRoundToInt32(v[i], dummy)) return false;
    return true;
}

}  // namespace

void TMyShape::Draw(TCanvas&) const {}

void TMyShape::TransferPen(TCanvas& aCanvas) const {
    aCanvas.pen = pen;
    aCanvas.brush = brush;
}

TMarker::TMarker() {
    pen.color = colors::Red;
    pen.style = TPenStyle::Solid;
    pen.mode = TPenMode::Copy;
    brush.color = colors::Black;
}

void TMarker::Draw(TCanvas& aCanvas) const {
    // The outline takes the pen width and the brush style the canvas already
    // has; only these four values are the marker's own.
    const TColor oldBrushColor = aCanvas.brush.color;
    const TPenStyle oldStyle = aCanvas.pen.style;
    const TPenMode oldMode = aCanvas.pen.mode;
    const TColor oldColor = aCanvas.pen.color;
    struct TRestore {
        TCanvas& c;
        TColor bc;
        TPenStyle s;
        TPenMode m;
        TColor pc;
        ~TRestore() {
            c.brush.color = bc;
            c.pen.style = s;
            c.pen.mode = m;
            c.pen.color = pc;
        }
    } restore{aCanvas, oldBrushColor, oldStyle, oldMode, oldColor};

    aCanvas.brush.color = brush.color;
    aCanvas.pen.mode = pen.mode;
    aCanvas.pen.style = pen.style;
    aCanvas.pen.color = pen.color;

    const bool square = FShape == "square";
    if (!square && FShape != "circle") return;
    const double s = size;
    const int x1 = RoundToInt32(origin.X - s), y1 = RoundToInt32(origin.Y - s);
    const int x2 = RoundToInt32(origin.X + s), y2 = RoundToInt32(origin.Y + s);
    if (square)
        aCanvas.Rectangle(x1, y1, x2, y2);
    else
        aCanvas.Ellipse(x1, y1, x2, y2);
}

bool TMarker::Contains(int ax, int ay) const {
    // 64-bit differences: no overflow for any pair of 32-bit values.
    return std::llabs(static_cast<std::int64_t>(origin.X) - ax) <= size &&
           std::llabs(static_cast<std::int64_t>(origin.Y) - ay) <= size;
}

void TRectangle::Draw(TCanvas& aCanvas) const {
    TransferPen(aCanvas);
    aCanvas.Rectangle(origin.X, origin.Y, corner.X, corner.Y);
}

bool TArrow::Fits() const {
    const std::array<double, 4> barbs = BarbCoordinates(origin, corner);
    return AllFit(barbs.data(), barbs.size());
}

void TArrow::Draw(TCanvas& aCanvas) const {
    const std::array<double, 4> barbs = BarbCoordinates(origin, corner);
    const int b1x = RoundToInt32(barbs[0]), b1y = RoundToInt32(barbs[1]);
    const int b2x = RoundToInt32(barbs[2]), b2y = RoundToInt32(barbs[3]);
    aCanvas.pen = pen;
    aCanvas.MoveTo(origin.X, origin.Y);
    aCanvas.LineTo(corner.X, corner.Y);
    aCanvas.LineTo(b1x, b1y);
    aCanvas.LineTo(corner.X, corner.Y);
    aCanvas.LineTo(b2x, b2y);
}

bool TCircularArrow::Fits() const {
    TCircularArrowPoints pts{};
    return CircularArrowPoints(origin, corner.X, pts) && AllFit(pts.coords.data(), pts.coords.size());
}

void TCircularArrow::Draw(TCanvas& aCanvas) const {
    const std::int32_t r = corner.X;
    TCircularArrowPoints pts{};
    if (!CircularArrowPoints(origin, r, pts) || !AllFit(pts.coords.data(), pts.coords.size()))
        throw std::range_error("Range check error");
    const auto at = [&pts](int i) { return RoundToInt32(pts.coords[static_cast<std::size_t>(i)]); };
    aCanvas.pen = pen;
    // Three quarters of the circle from the leftmost point: over the top to
    // the lowest point when clockwise, under the bottom to the top otherwise.
    const double sweep = r >= 0 ? 1.5 * Pi : -1.5 * Pi;
    aCanvas.Arc(origin.X, origin.Y, static_cast<int>(pts.radius), Pi, sweep);
    aCanvas.MoveTo(at(4), at(5));
    aCanvas.LineTo(at(6), at(7));
    aCanvas.LineTo(at(8), at(9));
}

}  // namespace torvik
