#pragma once
// The drawing surface on a QPainter: every figure in logical units through
// one scale-and-translate transform, pens of logical width (0 is one device
// pixel), dotted pens, not-xor inversion and text. Serves the screen's
// off-screen image, the clipboard picture and the printer page.

#include <optional>

#include <QColor>
#include <QPainter>
#include <QTransform>

#include "render/canvas.h"
#include "render/view_mapping.h"

namespace torvik {

QColor ToQColor(TColor aColor);

class TQtCanvas : public TCanvas {
public:
    // Draws on aPainter, which must stay active while the canvas is used.
    // The mapping starts as the painter's current world transform.
    explicit TQtCanvas(QPainter& aPainter);

    // The display's mapping: the painter transform of aMapping, and device to
    // logical conversion by aMapping's own exact arithmetic. The canvas keeps
    // a copy: install it again after the zoom, scroll or size changes.
    void SetMapping(const TViewMapping& aMapping);
    // Any scale-and-translate (or other invertible) mapping; device to
    // logical goes through its inverse.
    void SetTransform(const QTransform& aTransform);
    const QTransform& Transform() const { return FTransform; }
    QPainter& Painter() { return FPainter; }

    // Colour of TextOut.
    QColor textColor = Qt::black;
    // Smooth edges for copy-mode figures; not-xor figures are never smoothed,
    // so that drawing them twice restores every pixel.
    bool antialiased = false;

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    // The figure covers QRectF(x1, y1, x2 - x1, y2 - y1) in logical units
    // (corners in any order): x2 and y2 are the far edges, not part of the
    // inside. The brush fills that area; the pen strokes its edge, centred.
    void Rectangle(int x1, int y1, int x2, int y2) override;
    // The ellipse inscribed in the same rectangle as Rectangle's.
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Arc(int cx, int cy, int r, double startAngle, double sweepAngle) override;
    // Outlined with the pen, filled with the brush under the even-odd rule.
    void Polygon(const std::vector<TPoint>& points) override;
    // The brush colour over QRectF(Left, Top, Right - Left, Bottom - Top),
    // whatever the brush style and pen mode.
    void FillRect(const TRect& r) override;
    // (x, y) is the top-left corner of the text's cell. Unless the background
    // is transparent or the brush is clear, the cell is filled with the brush
    // colour first.
    void TextOut(int x, int y, const std::string& text) override;
    // Width and height of the text's cell in logical units, rounded up.
    TSize TextExtent(const std::string& text) override;
    TPoint DeviceToLogical(TPoint p) const override;

private:
    // Sets the painter's pen, brush, raster mode and background mode from
    // the canvas's pen, brush and background flag.
    void Prepare(bool aFilled);
    // Device pixels per logical unit of the current transform.
    double DeviceScale() const;
    // The transform pen strokes are drawn with. Fills cover the pixels
    // between integer device coordinates, but a line at device coordinate y
    // lights the pixel its rounded y names (as the mouse conversion counts
    // pixels); the painter's lines light the pixel containing y, so on
    // raster images strokes move by aShift: half a pixel right and down, or
    // for a straight line only across it, so that along it the line lights
    // the same pixels as a fill that ends where it starts or ends.
    QTransform StrokeTransform(QPointF aShift) const;
    // Draws a figure through aOp: its fill with the mapping's transform, its
    // outline with StrokeTransform(aShift).
    template <class F>
    void DrawFigure(bool aFilled, F&& aOp, QPointF aShift = QPointF(0.5, 0.5));

    QPainter& FPainter;
    QTransform FTransform;
    std::optional<TViewMapping> FMapping;
    TPoint FPenPos;
};

}  // namespace torvik
