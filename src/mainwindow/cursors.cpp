#include "mainwindow/cursors.h"

#include <algorithm>
#include <functional>

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include "mainwindow/icons.h"

namespace torvik {

namespace {

constexpr int Size = 32;

const QColor Ink(30, 30, 30);
const QColor Steel(115, 125, 135);
const QColor Grip(200, 45, 45);
const QColor CutterGrip(40, 90, 180);
const QColor WireBlue(30, 70, 160);
const QColor Number(20, 20, 140);

using TDraw = std::function<void(QPainter&)>;

QPen Pen(const QColor& aColor, double aWidth) {
    QPen pen(aColor, aWidth);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// The figure on a transparent 32 x 32 picture with a white rim about two
// pixels wide around everything it covers.
QPixmap Picture(const TDraw& aDraw) {
    QImage figure(Size, Size, QImage::Format_ARGB32_Premultiplied);
    figure.fill(Qt::transparent);
    {
        QPainter p(&figure);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        aDraw(p);
    }
    QImage picture(Size, Size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            int rim = 0;
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx) {
                    if (dx * dx + dy * dy > 5) continue;
                    const int sx = x + dx, sy = y + dy;
                    if (sx < 0 || sy < 0 || sx >= Size || sy >= Size) continue;
                    rim = std::max(rim, qAlpha(figure.pixel(sx, sy)));
                }
            if (rim > 0) picture.setPixel(x, y, qRgba(rim, rim, rim, rim));
        }
    QPainter p(&picture);
    p.drawImage(0, 0, figure);
    p.end();
    return QPixmap::fromImage(picture);
}

// A plier lying along +x from its jaw tip at the origin, turned so that the
// handles point down and to the right of the tip at (3, 3).
void PlierShape(QPainter& p, const QColor& aGrip, bool aCutter) {
    p.save();
    p.translate(3, 3);
    p.rotate(45);
    p.setPen(Pen(Ink, 0.8));
    p.setBrush(Steel);
    if (aCutter) {
        // Short, wide nippers whose edges meet at the tip.
        p.drawPolygon(QPolygonF({{0, 0}, {7, -4.2}, {11, -2}, {11, 0}}));
        p.drawPolygon(QPolygonF({{0, 0}, {7, 4.2}, {11, 2}, {11, 0}}));
    } else {
        // Long, slender round-nosed jaws.
        p.drawPolygon(QPolygonF({{0, -0.9}, {11, -2.6}, {11, 0}, {0, 0}}));
        p.drawPolygon(QPolygonF({{0, 0.9}, {11, 2.6}, {11, 0}, {0, 0}}));
    }
    p.setPen(Pen(aGrip, 3.4));
    p.drawLine(QPointF(12, -1), QPointF(26, -5.5));
    p.drawLine(QPointF(12, 1), QPointF(26, 5.5));
    p.setPen(Pen(Ink, 0.8));
    p.setBrush(QColor(225, 225, 225));
    p.drawEllipse(QPointF(11, 0), 2.2, 2.2);
    p.restore();
}

void Label(QPainter& p, const QString& aText) {
    QFont font = p.font();
    font.setPixelSize(aText.size() > 1 ? 11 : 13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Number);
    p.drawText(QRectF(15, 0, 17, 13), Qt::AlignRight | Qt::AlignVCenter, aText);
}

void Rotate(QPainter& p) {
    // Three quarters of a circle about the hot spot, with an arrowhead.
    const QPointF c(16, 16);
    const double r = 10;
    p.setPen(Pen(Ink, 2.4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 100 * 16, 270 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    // The arc ends at 10 degrees past the top, counter-clockwise (Qt's
    // angles run counter-clockwise from 3 o'clock).
    p.drawPolygon(QPolygonF({{c.x() - 1.5, c.y() - r - 5}, {c.x() - 1.5, c.y() - r + 5}, {c.x() + 5, c.y() - r}}));
    p.setBrush(Ink);
    p.drawEllipse(c, 1.6, 1.6);
}

void Spool(QPainter& p) {
    // A reel with wire running off it to the hot spot.
    const QPointF c(21, 21);
    p.setPen(Pen(WireBlue, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(3, 3), QPointF(c.x() - 1, c.y() - 8.5));
    p.setPen(Pen(Ink, 1.0));
    p.setBrush(QColor(185, 145, 95));
    p.drawEllipse(c, 9, 9);
    p.setBrush(WireBlue.lighter(170));
    p.drawEllipse(c, 6, 6);
    p.setPen(Pen(WireBlue, 0.9));
    for (double rr : {3.5, 4.7}) p.drawEllipse(c, rr, rr);
    p.setPen(Pen(Ink, 1.0));
    p.setBrush(Qt::white);
    p.drawEllipse(c, 1.8, 1.8);
}

void FourWay(QPainter& p) {
    const QPointF c(16, 16);
    p.setPen(Pen(Ink, 2.0));
    p.drawLine(QPointF(5, 16), QPointF(27, 16));
    p.drawLine(QPointF(16, 5), QPointF(16, 27));
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawPolygon(QPolygonF({{16, 1}, {11.5, 7}, {20.5, 7}}));
    p.drawPolygon(QPolygonF({{16, 31}, {11.5, 25}, {20.5, 25}}));
    p.drawPolygon(QPolygonF({{1, 16}, {7, 11.5}, {7, 20.5}}));
    p.drawPolygon(QPolygonF({{31, 16}, {25, 11.5}, {25, 20.5}}));
    p.setBrush(Qt::white);
    p.setPen(Pen(Ink, 1.0));
    p.drawEllipse(c, 2.2, 2.2);
}

QCursor Make(TCursorId aId) {
    const QPoint tip(3, 3), centre(16, 16);
    switch (aId) {
        case TCursorId::Plier:
            return QCursor(Picture([](QPainter& p) { PlierShape(p, Grip, false); }), tip.x(), tip.y());
        case TCursorId::Plier1:
        case TCursorId::Plier10:
        case TCursorId::Plier90: {
            const QString amount = aId == TCursorId::Plier1 ? "1" : aId == TCursorId::Plier10 ? "10" : "90";
            return QCursor(Picture([amount](QPainter& p) {
                               PlierShape(p, Grip, false);
                               Label(p, amount);
                           }),
                           tip.x(), tip.y());
        }
        case TCursorId::Cutter:
            return QCursor(Picture([](QPainter& p) { PlierShape(p, CutterGrip, true); }), tip.x(), tip.y());
        case TCursorId::Rotate:
            return QCursor(Picture(Rotate), centre.x(), centre.y());
        case TCursorId::Spool:
            return QCursor(Picture(Spool), tip.x(), tip.y());
        case TCursorId::Zoom:
            return ZoomCursor();
        case TCursorId::ImageTrans:
            return QCursor(Picture(FourWay), centre.x(), centre.y());
        case TCursorId::Default:
            break;
    }
    return QCursor(Qt::ArrowCursor);
}

}  // namespace

QCursor ToolCursor(TCursorId aId) {
    static QHash<int, QCursor> cursors;
    const int key = static_cast<int>(aId);
    auto it = cursors.find(key);
    if (it == cursors.end()) it = cursors.insert(key, Make(aId));
    return *it;
}

}  // namespace torvik
