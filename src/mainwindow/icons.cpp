#include "mainwindow/icons.h"

#include <functional>

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

namespace torvik {

namespace {

// Pictures are drawn in a 20 x 20 unit space on a pixmap of twice that size.
constexpr int Units = 20;
constexpr int Factor = 2;

const QColor Ink(40, 40, 40);
const QColor WireBlue(30, 70, 160);
const QColor Steel(120, 130, 140);

using TPainterFn = std::function<void(QPainter&)>;

QPixmap Paint(const TPainterFn& aDraw, int aUnits = Units) {
    QPixmap pixmap(aUnits * Factor, aUnits * Factor);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(Factor, Factor);
    aDraw(p);
    return pixmap;
}

QPen Pen(const QColor& aColor, double aWidth) {
    QPen pen(aColor, aWidth);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void Arrow(QPainter& p, QPointF aFrom, QPointF aTo, const QColor& aColor) {
    p.setPen(Pen(aColor, 1.8));
    p.drawLine(aFrom, aTo);
    const QLineF line(aTo, aFrom);
    QLineF barb1 = line, barb2 = line;
    barb1.setLength(4.5);
    barb2.setLength(4.5);
    barb1.setAngle(line.angle() + 30);
    barb2.setAngle(line.angle() - 30);
    p.setBrush(aColor);
    p.drawPolygon(QPolygonF({aTo, barb1.p2(), barb2.p2()}));
}

void Page(QPainter& p) {
    p.setPen(Pen(Ink, 1.0));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{4, 2}, {12, 2}, {16, 6}, {16, 18}, {4, 18}}));
    p.drawPolyline(QPolygonF({{12, 2}, {12, 6}, {16, 6}}));
}

void Folder(QPainter& p) {
    p.setPen(Pen(QColor(150, 110, 20), 1.0));
    p.setBrush(QColor(240, 200, 80));
    p.drawPolygon(QPolygonF({{2, 5}, {7, 5}, {9, 7}, {17, 7}, {17, 16}, {2, 16}}));
    p.setBrush(QColor(250, 220, 120));
    p.drawPolygon(QPolygonF({{2, 16}, {5, 10}, {19, 10}, {17, 16}}));
}

void Floppy(QPainter& p) {
    p.setPen(Pen(QColor(20, 40, 90), 1.0));
    p.setBrush(QColor(60, 100, 180));
    p.drawPolygon(QPolygonF({{3, 3}, {15, 3}, {17, 5}, {17, 17}, {3, 17}}));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 3, 8, 5));
    p.drawRect(QRectF(5, 11, 10, 6));
}

void Picture(QPainter& p) {
    p.setPen(Pen(Ink, 1.0));
    p.setBrush(QColor(200, 230, 255));
    p.drawRect(QRectF(2, 4, 16, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 150, 70));
    p.drawPolygon(QPolygonF({{3, 15}, {8, 8}, {12, 13}, {14, 11}, {17, 15}}));
    p.setBrush(QColor(240, 190, 40));
    p.drawEllipse(QPointF(14, 7.5), 1.6, 1.6);
}

void TurnArrow(QPainter& p, bool aLeft) {
    if (!aLeft) {
        p.translate(Units, 0);
        p.scale(-1, 1);
    }
    QPainterPath path;
    path.moveTo(16, 15);
    path.cubicTo(16, 6, 10, 5, 5, 8);
    p.setPen(Pen(QColor(30, 90, 170), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setBrush(QColor(30, 90, 170));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({{2, 9.5}, {8, 4}, {8.5, 12}}));
}

QPolygonF NodeWire() { return QPolygonF({{2, 14}, {7, 10}, {12, 12}, {18, 6}}); }

void Wire(QPainter& p, const QPolygonF& aLine) {
    p.setPen(Pen(WireBlue, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(aLine);
}

void Markers(QPainter& p, const QPolygonF& aLine) {
    p.setPen(Pen(Qt::red, 0.8));
    p.setBrush(Qt::black);
    for (const QPointF& pt : aLine) p.drawRect(QRectF(pt.x() - 1.5, pt.y() - 1.5, 3, 3));
}

void Letter(QPainter& p, const QRectF& aBox, const QString& aText, const QColor& aColor) {
    QFont font = p.font();
    font.setPixelSize(9);
    font.setBold(true);
    p.setFont(font);
    p.setPen(aColor);
    p.drawText(aBox, Qt::AlignCenter, aText);
}

void Magnifier(QPainter& p) {
    p.setPen(Pen(Ink, 2.0));
    p.setBrush(QColor(220, 240, 255, 200));
    p.drawEllipse(QPointF(8, 8), 5, 5);
    p.setPen(Pen(Ink, 3.0));
    p.drawLine(QPointF(12, 12), QPointF(17.5, 17.5));
}

void Bracket(QPainter& p) {
    p.setPen(Pen(Ink, 1.0));
    p.setBrush(Steel);
    p.drawPolygon(QPolygonF({{3, 5}, {17, 5}, {17, 8}, {11, 8}, {11, 12}, {17, 12}, {17, 15}, {3, 15}}));
    Wire(p, QPolygonF({{8, 10}, {19, 10}}));
}

void Spool(QPainter& p) {
    p.setPen(Pen(Ink, 1.0));
    p.setBrush(QColor(180, 140, 90));
    p.drawEllipse(QPointF(8, 10), 6.5, 6.5);
    p.setBrush(WireBlue.lighter(160));
    p.drawEllipse(QPointF(8, 10), 4, 4);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 10), 1.2, 1.2);
    Wire(p, QPolygonF({{11, 6.5}, {19, 6.5}}));
}

void Cutter(QPainter& p) {
    p.setPen(Pen(Ink, 1.0));
    p.setBrush(Steel);
    p.drawPolygon(QPolygonF({{3, 3}, {11, 10}, {9, 12}}));
    p.drawPolygon(QPolygonF({{3, 17}, {11, 10}, {9, 8}}));
    p.setBrush(QColor(200, 50, 50));
    p.drawRoundedRect(QRectF(10, 8, 9, 4), 2, 2);
}

void Plier(QPainter& p) {
    p.setPen(Pen(Ink, 1.0));
    p.setBrush(Steel);
    p.drawPolygon(QPolygonF({{2, 8.5}, {9, 8}, {9, 10}, {2, 10}}));
    p.drawPolygon(QPolygonF({{2, 10}, {9, 10}, {9, 12}, {2, 11.5}}));
    p.setBrush(QColor(200, 50, 50));
    p.drawPolygon(QPolygonF({{9, 8}, {18, 4}, {19, 6}, {10, 10}}));
    p.drawPolygon(QPolygonF({{9, 12}, {18, 16}, {19, 14}, {10, 10}}));
}

void Pencil(QPainter& p) {
    p.setPen(Pen(Ink, 1.0));
    p.setBrush(QColor(245, 200, 60));
    p.drawPolygon(QPolygonF({{14, 2}, {18, 6}, {7, 17}, {3, 13}}));
    p.setBrush(QColor(240, 220, 180));
    p.drawPolygon(QPolygonF({{3, 13}, {7, 17}, {2, 18}}));
}

void FourWay(QPainter& p) {
    Arrow(p, {10, 10}, {10, 2}, Ink);
    Arrow(p, {10, 10}, {10, 18}, Ink);
    Arrow(p, {10, 10}, {2, 10}, Ink);
    Arrow(p, {10, 10}, {18, 10}, Ink);
}

// The preset shapes of the tool panel, drawn in a 30-unit space.
constexpr int PresetUnits = 30;

void Preset(QPainter& p, int aIndex) {
    QPainterPath path;
    switch (aIndex) {
        case 0:
            path.moveTo(3, 15);
            path.lineTo(27, 15);
            break;
        case 1:  // 90 degrees right, y down as displayed
            path.moveTo(3, 8);
            path.lineTo(14, 8);
            path.arcTo(QRectF(6, 8, 16, 16), 90, -90);
            path.lineTo(22, 27);
            break;
        case 2:
            path.moveTo(3, 22);
            path.lineTo(14, 22);
            path.arcTo(QRectF(6, 6, 16, 16), -90, 90);
            path.lineTo(22, 3);
            break;
        case 3:
            path.moveTo(3, 6);
            path.lineTo(16, 6);
            path.arcTo(QRectF(7, 6, 18, 18), 90, -180);
            path.lineTo(3, 24);
            break;
        default:
            path.moveTo(3, 24);
            path.lineTo(16, 24);
            path.arcTo(QRectF(7, 6, 18, 18), -90, 180);
            path.lineTo(3, 6);
            break;
    }
    p.setPen(Pen(WireBlue, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    if (aIndex == 0) {
        p.setPen(Pen(Qt::red, 1.2));
        for (int x = 3; x <= 27; x += 6) p.drawLine(QPointF(x, 12.5), QPointF(x, 17.5));
    } else {
        // Where the piece joins the wire's end: the two half turns differ
        // only there.
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::red);
        p.drawEllipse(path.elementAt(0), 2.2, 2.2);
    }
}

const QHash<QString, TPainterFn>& Painters() {
    static const QHash<QString, TPainterFn> painters = {
        {"ActionFileNew", Page},
        {"ActionFileOpen", Folder},
        {"ActionFileSave", Floppy},
        {"ActionFileOpenImage", Picture},
        {"ActionUndo", [](QPainter& p) { TurnArrow(p, true); }},
        {"ActionRedo", [](QPainter& p) { TurnArrow(p, false); }},
        {"ActionShowMarkers",
         [](QPainter& p) {
             Wire(p, NodeWire());
             Markers(p, NodeWire());
         }},
        {"ActionPreviousNode",
         [](QPainter& p) {
             Wire(p, QPolygonF({{2, 15}, {18, 15}}));
             Arrow(p, {16, 7}, {4, 7}, QColor(30, 90, 170));
         }},
        {"ActionNextNode",
         [](QPainter& p) {
             Wire(p, QPolygonF({{2, 15}, {18, 15}}));
             Arrow(p, {4, 7}, {16, 7}, QColor(30, 90, 170));
         }},
        {"ActionGotoSeg",
         [](QPainter& p) {
             Wire(p, QPolygonF({{2, 15}, {18, 15}}));
             p.setPen(Pen(Qt::blue, 1.2));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(10, 15), 2.5, 2.5);
             Letter(p, QRectF(2, 0, 16, 11), "#", Ink);
         }},
        {"ActionForceEdit",
         [](QPainter& p) {
             Arrow(p, {3, 17}, {15, 5}, QColor(200, 30, 30));
             Letter(p, QRectF(1, 1, 10, 10), "F", Ink);
         }},
        {"ActionForceZero",
         [](QPainter& p) {
             Arrow(p, {3, 17}, {15, 5}, QColor(200, 30, 30, 110));
             Letter(p, QRectF(1, 1, 10, 10), "0", Ink);
         }},
        {"ActionRun",
         [](QPainter& p) {
             p.setPen(Pen(QColor(20, 110, 30), 1.0));
             p.setBrush(QColor(40, 170, 60));
             p.drawPolygon(QPolygonF({{5, 3}, {17, 10}, {5, 17}}));
         }},
        {"ActionStopRun",
         [](QPainter& p) {
             p.setPen(Pen(QColor(130, 20, 20), 1.0));
             p.setBrush(QColor(210, 40, 40));
             p.drawRect(QRectF(4, 4, 12, 12));
         }},
        {"ActionToolZoom", Magnifier},
        {"ActionToolBracket", Bracket},
        {"ActionToolSpool", Spool},
        {"ActionToolCutter", Cutter},
        {"ActionToolPlier", Plier},
        {"ActionToolPencil", Pencil},
        {"ActionToolImageMove", FourWay},
    };
    return painters;
}

}  // namespace

QIcon DrawnIcon(const QString& aName) {
    if (aName.startsWith("SpeedButton")) {
        bool ok = false;
        const int index = aName.mid(11).toInt(&ok);
        if (!ok || index < 0 || index > 4) return {};
        return QIcon(Paint([index](QPainter& p) { Preset(p, index); }, PresetUnits));
    }
    const auto it = Painters().find(aName);
    if (it == Painters().end()) return {};
    return QIcon(Paint(*it));
}

QCursor ZoomCursor() {
    const QPixmap pixmap = Paint([](QPainter& p) {
        p.setPen(Pen(Qt::white, 4.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(8, 8), 5, 5);
        p.drawLine(QPointF(12, 12), QPointF(17.5, 17.5));
        Magnifier(p);
    });
    return QCursor(pixmap.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation), 13, 13);
}

}  // namespace torvik
