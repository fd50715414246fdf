#include "qt/qt_canvas.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>

#include "qt/view_transform.h"
#include "support/errors.h"

namespace torvik {

namespace {

QRectF FigureRect(int x1, int y1, int x2, int y2) {
    return QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)), QPointF(std::max(x1, x2), std::max(y1, y2)));
}

}  // namespace

QColor ToQColor(TColor aColor) { return QColor(aColor.r, aColor.g, aColor.b); }

TQtCanvas::TQtCanvas(QPainter& aPainter) : FPainter(aPainter), FTransform(aPainter.worldTransform()) {}

void TQtCanvas::SetMapping(const TViewMapping& aMapping) {
    FMapping = aMapping;
    FTransform = MappingTransform(aMapping);
    FPainter.setWorldTransform(FTransform);
}

void TQtCanvas::SetTransform(const QTransform& aTransform) {
    FMapping.reset();
    FTransform = aTransform;
    FPainter.setWorldTransform(FTransform);
}

double TQtCanvas::DeviceScale() const {
    return std::sqrt(std::abs(FTransform.m11() * FTransform.m22() - FTransform.m12() * FTransform.m21()));
}

QTransform TQtCanvas::StrokeTransform(QPointF aShift) const {
    const QPaintEngine* engine = FPainter.paintEngine();
    if (engine && engine->type() == QPaintEngine::Raster)
        return FTransform * QTransform::fromTranslate(aShift.x(), aShift.y());
    return FTransform;
}

template <class F>
void TQtCanvas::DrawFigure(bool aFilled, F&& aOp, QPointF aShift) {
    Prepare(aFilled);
    const QPen qpen = FPainter.pen();
    const bool stroked = qpen.style() != Qt::NoPen;
    const bool filled = FPainter.brush().style() != Qt::NoBrush;
    const QTransform stroke = StrokeTransform(aShift);
    if (stroked && filled && stroke != FTransform) {
        FPainter.setWorldTransform(FTransform);
        FPainter.setPen(Qt::NoPen);
        aOp();
        FPainter.setPen(qpen);
        FPainter.setBrush(Qt::NoBrush);
    }
    FPainter.setWorldTransform(stroked ? stroke : FTransform);
    aOp();
}

void TQtCanvas::Prepare(bool aFilled) {
    const bool notXor = pen.mode == TPenMode::NotXor;
    FPainter.setRenderHint(QPainter::Antialiasing, antialiased && !notXor);
    // Not-xor with black inverts what lies below; drawn twice it restores
    // every pixel. It needs an RGB32 or ARGB32 image to draw on.
    FPainter.setCompositionMode(notXor ? QPainter::RasterOp_NotSourceXorDestination
                                       : QPainter::CompositionMode_SourceOver);

    QPen qpen(Qt::NoPen);
    if (pen.style != TPenStyle::Clear) {
        qpen = QPen(notXor ? QColor(Qt::black) : ToQColor(pen.color));
        qpen.setStyle(pen.style == TPenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
        if (pen.width <= 0 || pen.width * DeviceScale() < 1.0) {
            // One device pixel whatever the mapping; a logical width thinner
            // than a pixel still shows as one.
            qpen.setWidth(0);
            qpen.setCosmetic(true);
            qpen.setCapStyle(Qt::FlatCap);
        } else {
            qpen.setWidthF(pen.width);
            qpen.setCosmetic(false);
            qpen.setCapStyle(Qt::RoundCap);
            qpen.setJoinStyle(Qt::RoundJoin);
        }
    }
    FPainter.setPen(qpen);

    if (aFilled && brush.style == TBrushStyle::Solid)
        FPainter.setBrush(notXor ? QColor(Qt::black) : ToQColor(brush.color));
    else
        FPainter.setBrush(Qt::NoBrush);

    // Gaps of dotted lines: white unless the background is transparent. In
    // not-xor mode the gaps leave the pixels alone.
    if (transparentBackground || notXor) {
        FPainter.setBackgroundMode(Qt::TransparentMode);
    } else {
        FPainter.setBackgroundMode(Qt::OpaqueMode);
        FPainter.setBackground(QBrush(Qt::white));
    }
}

void TQtCanvas::MoveTo(int x, int y) { FPenPos = TPoint{x, y}; }

void TQtCanvas::LineTo(int x, int y) {
    // A line to the current position draws nothing, as on the platforms the
    // program's pictures were designed for; a round cap would leave a dot.
    if (FPenPos.X != x || FPenPos.Y != y) {
        const QLineF line(FPenPos.X, FPenPos.Y, x, y);
        // Shifted across the line only: along it, the line lights the pixels
        // from its rounded start to its rounded end, as a fill does, so that
        // a band filled next to it (the wire's next segment) cannot cover
        // its last pixel while leaving its own line's first pixel unlit.
        const QLineF device = FTransform.map(line);
        const QPointF across = std::abs(device.dx()) >= std::abs(device.dy()) ? QPointF(0.0, 0.5) : QPointF(0.5, 0.0);
        DrawFigure(false, [&] { FPainter.drawLine(line); }, across);
    }
    FPenPos = TPoint{x, y};
}

void TQtCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    const QRectF rect = FigureRect(x1, y1, x2, y2);
    DrawFigure(true, [&] { FPainter.drawRect(rect); });
}

void TQtCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    const QRectF rect = FigureRect(x1, y1, x2, y2);
    DrawFigure(true, [&] { FPainter.drawEllipse(rect); });
}

void TQtCanvas::Arc(int cx, int cy, int r, double startAngle, double sweepAngle) {
    if (r == 0) return;  // no circle, nothing to draw
    const double radius = std::abs(static_cast<double>(r));
    const QRectF box(cx - radius, cy - radius, 2.0 * radius, 2.0 * radius);
    // The model's angles turn clockwise as displayed, the painter's
    // counter-clockwise: negate both.
    const double start = -startAngle * 180.0 / Pi;
    const double sweep = -sweepAngle * 180.0 / Pi;
    QPainterPath path;
    path.arcMoveTo(box, start);
    path.arcTo(box, start, sweep);
    DrawFigure(false, [&] { FPainter.drawPath(path); });
}

void TQtCanvas::Polygon(const std::vector<TPoint>& points) {
    if (points.empty()) return;
    QPolygonF poly;
    poly.reserve(static_cast<qsizetype>(points.size()));
    for (const TPoint& p : points) poly.append(QPointF(p.X, p.Y));
    DrawFigure(true, [&] { FPainter.drawPolygon(poly, Qt::OddEvenFill); });
}

void TQtCanvas::FillRect(const TRect& r) {
    FPainter.setWorldTransform(FTransform);
    FPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    FPainter.setRenderHint(QPainter::Antialiasing, antialiased);
    FPainter.fillRect(FigureRect(r.Left, r.Top, r.Right, r.Bottom), ToQColor(brush.color));
}

void TQtCanvas::TextOut(int x, int y, const std::string& text) {
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFontMetricsF fm(FPainter.font(), FPainter.device());
    FPainter.setWorldTransform(FTransform);
    FPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    FPainter.setRenderHint(QPainter::Antialiasing, antialiased);
    FPainter.setRenderHint(QPainter::TextAntialiasing, antialiased);
    FPainter.setBackgroundMode(Qt::TransparentMode);
    if (!transparentBackground && brush.style == TBrushStyle::Solid)
        FPainter.fillRect(QRectF(x, y, fm.horizontalAdvance(s), fm.height()), ToQColor(brush.color));
    FPainter.setPen(QPen(textColor));
    FPainter.drawText(QPointF(x, y + fm.ascent()), s);
}

TSize TQtCanvas::TextExtent(const std::string& text) {
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFontMetricsF fm(FPainter.font(), FPainter.device());
    return TSize{static_cast<int>(std::ceil(fm.horizontalAdvance(s))), static_cast<int>(std::ceil(fm.height()))};
}

TPoint TQtCanvas::DeviceToLogical(TPoint p) const {
    if (FMapping) return FMapping->DeviceToLogical(p);
    bool invertible = false;
    const QTransform inverse = FTransform.inverted(&invertible);
    if (!invertible) throw TArithmeticError();
    const QPointF l = inverse.map(QPointF(p.X, p.Y));
    return TPoint{RoundToInt32(l.x()), RoundToInt32(l.y())};
}

}  // namespace torvik
