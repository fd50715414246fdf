#pragma once
// The thin drawing surface every picture of the program goes through: the
// screen's off-screen image, the clipboard picture and the printer page in
// the program, and a recording canvas in the tests. Coordinates are logical
// units (0.01 mm), y growing downwards.

#include <cstdint>
#include <string>
#include <vector>

#include "geometry/point.h"

namespace torvik {

struct TColor {
    std::uint8_t r = 0, g = 0, b = 0;
    constexpr TColor() = default;
    constexpr TColor(int red, int green, int blue)
        : r(static_cast<std::uint8_t>(red)), g(static_cast<std::uint8_t>(green)), b(static_cast<std::uint8_t>(blue)) {}
    friend bool operator==(const TColor&, const TColor&) = default;
};

namespace colors {
constexpr TColor Black{0, 0, 0};
constexpr TColor White{255, 255, 255};
constexpr TColor Red{255, 0, 0};
constexpr TColor Blue{0, 0, 255};
constexpr TColor Grey{128, 128, 128};
}  // namespace colors

enum class TPenStyle { Solid, Dot, Clear };
// Copy paints the pen colour; NotXor inverts what is below, so drawing the
// same figure twice restores the pixels.
enum class TPenMode { Copy, NotXor };
enum class TBrushStyle { Solid, Clear };

struct TPen {
    TColor color = colors::Black;
    int width = 1;  // logical units; 0 is one device pixel
    TPenStyle style = TPenStyle::Solid;
    TPenMode mode = TPenMode::Copy;
    friend bool operator==(const TPen&, const TPen&) = default;
};

struct TBrush {
    TColor color = colors::White;
    TBrushStyle style = TBrushStyle::Solid;
    friend bool operator==(const TBrush&, const TBrush&) = default;
};

struct TRect {
    std::int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    friend bool operator==(const TRect&, const TRect&) = default;
};

struct TSize {
    int cx = 0, cy = 0;
};

class TCanvas {
public:
    virtual ~TCanvas() = default;

    // The current pen and brush; every figure is drawn with the values they
    // hold when it is drawn.
    TPen pen;
    TBrush brush;
    // Gaps of dotted lines show what lies below when true.
    bool transparentBackground = false;

    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    // Outlined with the pen and filled with the brush (right and bottom
    // exclusive, as on the platform's drawing surfaces).
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    // An open arc of the circle of radius r about (cx, cy), from startAngle
    // through sweepAngle, both in radians in the model's sense (positive from
    // +x towards +y, clockwise as displayed).
    virtual void Arc(int cx, int cy, int r, double startAngle, double sweepAngle) = 0;
    virtual void Polygon(const std::vector<TPoint>& points) = 0;
    // Fills a rectangle with the brush colour, no outline.
    virtual void FillRect(const TRect& r) = 0;
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    virtual TSize TextExtent(const std::string& text) = 0;
    // Device pixels to logical units under the canvas's current mapping.
    virtual TPoint DeviceToLogical(TPoint p) const = 0;
};

}  // namespace torvik
