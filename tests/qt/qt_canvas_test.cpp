// Protects the QPainter canvas: logical-to-pixel placement, pen widths, dotted gaps, not-xor restore, arc direction, fills, text.
#include "qt/qt_canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include <QImage>
#include <QPainter>

#include "qt/view_transform.h"
#include "render/view_mapping.h"

namespace torvik {
namespace {

QImage MakeImage(int w, int h, QColor fill = Qt::white) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fill);
    return img;
}

// Draws on img through a fresh painter and canvas with the given mapping.
void Paint(QImage& img, const std::function<void(TQtCanvas&)>& draw, const QTransform& t) {
    QPainter painter(&img);
    TQtCanvas canvas(painter);
    canvas.SetTransform(t);
    draw(canvas);
}

void Paint(QImage& img, const std::function<void(TQtCanvas&)>& draw, const TViewMapping& m) {
    QPainter painter(&img);
    TQtCanvas canvas(painter);
    canvas.SetMapping(m);
    draw(canvas);
}

bool IsDark(QRgb c) { return qGray(c) < 100; }

int DarkInColumn(const QImage& img, int x) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y) n += IsDark(img.pixel(x, y));
    return n;
}

int DarkInRow(const QImage& img, int y) {
    int n = 0;
    for (int x = 0; x < img.width(); ++x) n += IsDark(img.pixel(x, y));
    return n;
}

bool DarkNear(const QImage& img, int x, int y) {
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (IsDark(img.pixel(x + dx, y + dy))) return true;
    return false;
}

TViewMapping MakeMapping(int w, int h, int zoom, int cx, int cy) {
    TViewMapping m;
    m.SetDisplaySize(w, h);
    m.ZoomCenterInDisplay(zoom, cx, cy);
    return m;
}

TEST(QtCanvas, NotXorDrawnTwiceRestoresEveryPixel) {
    QImage img(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) img.setPixel(x, y, qRgb(x % 256, (y * 3) % 256, (x * y) % 256));
    const QImage original = img.copy();
    const TViewMapping m = MakeMapping(300, 200, 2000, 5000, 5000);

    auto figures = [](TQtCanvas& c) {
        // The zoom tool's rubber band: black, dotted, width 0, hollow.
        c.pen = TPen{colors::Black, 0, TPenStyle::Dot, TPenMode::NotXor};
        c.brush = TBrush{colors::White, TBrushStyle::Clear};
        c.Rectangle(4700, 4700, 5300, 5200);
        // A coloured wide pen inverts too, and so does a solid fill.
        c.pen = TPen{colors::Red, 30, TPenStyle::Solid, TPenMode::NotXor};
        c.MoveTo(4600, 4600);
        c.LineTo(5400, 4900);
        c.LineTo(4800, 5300);
        c.Arc(5000, 5000, 250, 0.3, 2.0);
        c.brush = TBrush{colors::Blue, TBrushStyle::Solid};
        c.Ellipse(5100, 4650, 5350, 4850);
    };

    Paint(img, figures, m);
    int changed = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            if (img.pixel(x, y) == original.pixel(x, y)) continue;
            ++changed;
            // Every touched pixel is the inverse of what was there.
            ASSERT_EQ(img.pixel(x, y) & 0xFFFFFF, ~original.pixel(x, y) & 0xFFFFFF) << x << "," << y;
        }
    EXPECT_GT(changed, 500);

    Paint(img, figures, m);
    EXPECT_EQ(img, original);
}

TEST(QtCanvas, PenWidths) {
    // Width 0: one device pixel at every zoom.
    for (int zoom : {250, 1000, 2000, 12000}) {
        const TViewMapping m = MakeMapping(400, 300, zoom, 5000, 5000);
        const TRect v = m.VisibleRect();
        const TPoint c = m.DisplayCenter();
        QImage img = MakeImage(400, 300);
        Paint(img, [&](TQtCanvas& cv) {
            cv.pen = TPen{colors::Black, 0, TPenStyle::Solid, TPenMode::Copy};
            cv.MoveTo(v.Left, c.Y);
            cv.LineTo(v.Right, c.Y);
            cv.MoveTo(c.X, v.Top);
            cv.LineTo(c.X, v.Bottom);
        }, m);
        EXPECT_EQ(DarkInColumn(img, 50), 1) << zoom;
        EXPECT_EQ(DarkInRow(img, 30), 1) << zoom;
    }

    // A 10-unit pen is 10 x Scale() pixels wide: about twice as wide at
    // 200 % as at 100 %. Measured as the coverage of a smoothed line.
    auto coverage = [](int zoom, bool smooth) {
        const TViewMapping m = MakeMapping(400, 300, zoom, 5000, 5000);
        const TRect v = m.VisibleRect();
        QImage img = MakeImage(400, 300);
        Paint(img, [&](TQtCanvas& cv) {
            cv.antialiased = smooth;
            cv.pen = TPen{colors::Black, 10, TPenStyle::Solid, TPenMode::Copy};
            cv.MoveTo(v.Left - 100, 5000);
            cv.LineTo(v.Right + 100, 5000);
        }, m);
        double sum = 0;
        for (int y = 0; y < img.height(); ++y) sum += (255 - qGray(img.pixel(200, y))) / 255.0;
        return std::pair{sum, m.Scale()};
    };
    const auto [w100, s100] = coverage(1000, true);
    const auto [w200, s200] = coverage(2000, true);
    EXPECT_NEAR(w100, 10 * s100, 0.15);
    EXPECT_NEAR(w200, 10 * s200, 0.15);
    EXPECT_NEAR(w200 / w100, 2.0, 0.2);
    EXPECT_GE(coverage(2000, false).first, 2.0);
    EXPECT_NEAR(coverage(12000, false).first, 10 * 1.6176, 1.5);

    // A logical width thinner than a pixel still draws one pixel.
    EXPECT_EQ(coverage(250, false).first, 1.0);
}

TEST(QtCanvas, DottedGapsShowBackgroundUnlessTransparent) {
    for (bool transparent : {false, true}) {
        QImage img = MakeImage(200, 20, Qt::red);
        Paint(img, [&](TQtCanvas& cv) {
            cv.transparentBackground = transparent;
            cv.pen = TPen{colors::Black, 0, TPenStyle::Dot, TPenMode::Copy};
            cv.MoveTo(10, 10);
            cv.LineTo(190, 10);
        }, MappingTransform(1.0, 0.0, 0.0));
        int black = 0, white = 0, red = 0;
        for (int x = 20; x < 180; ++x) {
            const QRgb p = img.pixel(x, 10) & 0xFFFFFF;
            black += p == 0x000000;
            white += p == 0xFFFFFF;
            red += p == 0xFF0000;
        }
        EXPECT_GT(black, 30) << transparent;
        EXPECT_GT(transparent ? red : white, 60) << transparent;
        EXPECT_EQ(transparent ? white : red, 0) << transparent;
    }
}

TEST(QtCanvas, ArcTurnsClockwiseForPositiveSweep) {
    auto drawArc = [](double start, double sweep) {
        QImage img = MakeImage(200, 200);
        Paint(img, [&](TQtCanvas& cv) {
            cv.pen = TPen{colors::Black, 3, TPenStyle::Solid, TPenMode::Copy};
            cv.Arc(100, 100, 50, start, sweep);
        }, MappingTransform(1.0, 0.0, 0.0));
        return img;
    };
    // From +x towards +y: the lower right quarter as displayed.
    QImage img = drawArc(0.0, Pi / 2);
    EXPECT_TRUE(DarkNear(img, 135, 135));
    EXPECT_FALSE(DarkNear(img, 135, 65));
    EXPECT_FALSE(DarkNear(img, 65, 135));
    // A negative sweep goes the other way: the upper right quarter.
    img = drawArc(0.0, -Pi / 2);
    EXPECT_TRUE(DarkNear(img, 135, 65));
    EXPECT_FALSE(DarkNear(img, 135, 135));
    // From the leftmost point over the top: the upper left quarter.
    img = drawArc(Pi, Pi / 2);
    EXPECT_TRUE(DarkNear(img, 65, 65));
    EXPECT_FALSE(DarkNear(img, 65, 135));
}

TEST(QtCanvas, LogicalPointsLandOnTheirPixels) {
    // A plain mapping: 0.25 px per unit, origin moved to (5, 7).
    QImage img = MakeImage(200, 100);
    QPainter painter(&img);
    TQtCanvas canvas(painter);
    canvas.SetTransform(MappingTransform(0.25, 5.0, 7.0));
    canvas.brush = TBrush{colors::Red, TBrushStyle::Solid};
    canvas.FillRect(TRect{400, 200, 404, 204});  // exactly the pixel (105, 57)
    EXPECT_EQ(canvas.DeviceToLogical(TPoint{105, 57}), (TPoint{400, 200}));
    EXPECT_EQ(canvas.DeviceToLogical(TPoint{0, 0}), (TPoint{-20, -28}));
    painter.end();
    int red = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) red += (img.pixel(x, y) & 0xFFFFFF) == 0xFF0000;
    EXPECT_EQ(red, 1);
    EXPECT_EQ(img.pixel(105, 57) & 0xFFFFFF, 0xFF0000u);

    // The display's mapping: a cross through the logical point of a pixel
    // crosses at that pixel, and the canvas converts back as the mapping does.
    const TViewMapping m = MakeMapping(400, 300, 2000, 5000, 5000);
    EXPECT_EQ(MappingTransform(m), QTransform(m.Scale(), 0, 0, m.Scale(), m.OffsetX(), m.OffsetY()));
    const TPoint d{123, 77};
    const TPoint p = m.DeviceToLogical(d);
    QImage cross = MakeImage(400, 300);
    QPainter crossPainter(&cross);
    TQtCanvas crossCanvas(crossPainter);
    crossCanvas.SetMapping(m);
    EXPECT_EQ(crossCanvas.Transform(), MappingTransform(m));
    for (TPoint q : {d, TPoint{0, 0}, TPoint{399, 299}, TPoint{-40, 500}})
        EXPECT_EQ(crossCanvas.DeviceToLogical(q), m.DeviceToLogical(q));
    crossCanvas.pen = TPen{colors::Black, 0, TPenStyle::Solid, TPenMode::Copy};
    crossCanvas.MoveTo(p.X - 1000, p.Y);
    crossCanvas.LineTo(p.X + 1000, p.Y);
    crossCanvas.MoveTo(p.X, p.Y - 1000);
    crossCanvas.LineTo(p.X, p.Y + 1000);
    crossPainter.end();
    EXPECT_TRUE(IsDark(cross.pixel(d.X + 60, d.Y)));
    EXPECT_TRUE(IsDark(cross.pixel(d.X, d.Y + 60)));
    EXPECT_EQ(DarkInColumn(cross, d.X + 60), 1);
    EXPECT_EQ(DarkInRow(cross, d.Y + 60), 1);
}

TEST(QtCanvas, BandsSideBySideKeepTheirEdgesWhole) {
    // The wire draws each segment as a white band and then its two edges, one
    // segment after the other: the next band must not cut a pixel out of the
    // edge before it, at any zoom or scroll position.
    for (int zoom : {1000, 1500, 2193, 3000, 4567}) {
        for (int centre : {1500, 1507, 1513}) {
            const TViewMapping m = MakeMapping(600, 400, zoom, centre - 250, 1000);
            QImage img = MakeImage(600, 400);
            Paint(img, [](TQtCanvas& c) {
                for (int x = 1000; x < 1500; x += 25) {
                    c.pen = TPen{colors::Black, 0, TPenStyle::Clear, TPenMode::Copy};
                    c.brush = TBrush{colors::White, TBrushStyle::Solid};
                    c.Polygon({{x, 980}, {x + 25, 980}, {x + 25, 1020}, {x, 1020}});
                    c.pen.style = TPenStyle::Solid;
                    c.MoveTo(x, 980);
                    c.LineTo(x + 25, 980);
                    c.MoveTo(x, 1020);
                    c.LineTo(x + 25, 1020);
                }
            }, m);
            const TPoint from = m.LogicalToDevice(TPoint{1000, 980});
            const TPoint to = m.LogicalToDevice(TPoint{1500, 1020});
            for (int y : {from.Y, to.Y}) {
                // The edge lights the pixels from its rounded start to its
                // rounded end, every one of them.
                int lit = 0;
                for (int x = 0; x < img.width(); ++x) lit += IsDark(img.pixel(x, y));
                EXPECT_EQ(lit, to.X - from.X) << "zoom " << zoom << " centre " << centre << " row " << y;
                for (int x = from.X; x < to.X; ++x) ASSERT_TRUE(IsDark(img.pixel(x, y))) << x << "," << y;
            }
        }
    }
}

TEST(QtCanvas, FiguresOutlineAndFill) {
    QImage img = MakeImage(300, 120);
    const QTransform unit = MappingTransform(1.0, 0.0, 0.0);
    Paint(img, [](TQtCanvas& cv) {
        cv.pen = TPen{colors::Black, 0, TPenStyle::Solid, TPenMode::Copy};
        cv.brush = TBrush{colors::Blue, TBrushStyle::Solid};
        cv.Rectangle(50, 40, 10, 10);  // any corner order
        cv.Ellipse(70, 10, 130, 70);
        // A five-pointed star: its centre is covered twice, so even-odd leaves it empty.
        std::vector<TPoint> star;
        for (int i = 0; i < 5; ++i) {
            const double a = -Pi / 2 + i * 4 * Pi / 5;
            star.push_back(TPoint{static_cast<int>(200 + 50 * std::cos(a)), static_cast<int>(60 + 50 * std::sin(a))});
        }
        cv.Polygon(star);
        cv.brush.style = TBrushStyle::Clear;
        cv.Rectangle(260, 10, 290, 40);
    }, unit);
    const QRgb blue = 0x0000FF, white = 0xFFFFFF;
    EXPECT_EQ(img.pixel(30, 25) & 0xFFFFFF, blue);
    EXPECT_TRUE(IsDark(img.pixel(10, 25)));
    EXPECT_EQ(img.pixel(55, 25) & 0xFFFFFF, white);
    EXPECT_EQ(img.pixel(100, 40) & 0xFFFFFF, blue);
    EXPECT_EQ(img.pixel(73, 13) & 0xFFFFFF, white);  // box corner outside the ellipse
    EXPECT_EQ(img.pixel(200, 62) & 0xFFFFFF, white);  // the star's centre
    EXPECT_EQ(img.pixel(200, 20) & 0xFFFFFF, blue);   // its upper point
    EXPECT_EQ(img.pixel(275, 25) & 0xFFFFFF, white);  // hollow
    EXPECT_TRUE(IsDark(img.pixel(260, 25)));
}

TEST(QtCanvas, TextSitsInItsMeasuredCell) {
    QImage img = MakeImage(300, 100);
    TSize extent;
    Paint(img, [&](TQtCanvas& cv) {
        cv.transparentBackground = false;
        cv.brush = TBrush{TColor(255, 255, 0), TBrushStyle::Solid};
        extent = cv.TextExtent("Torvik 1.25");
        cv.TextOut(20, 30, "Torvik 1.25");
    }, MappingTransform(1.0, 0.0, 0.0));
    ASSERT_GT(extent.cx, 20);
    ASSERT_GT(extent.cy, 5);
    // Glyphs stay in the cell, give or take the overhang of a pixel or two.
    int dark = 0, darkOutside = 0, filledOutside = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const bool inCell = x >= 18 && x < 22 + extent.cx && y >= 28 && y < 32 + extent.cy;
            const QRgb p = img.pixel(x, y) & 0xFFFFFF;
            dark += IsDark(p);
            darkOutside += IsDark(p) && !inCell;
            filledOutside += p == 0xFFFF00 && !inCell;
        }
    EXPECT_EQ(darkOutside, 0);
    EXPECT_EQ(filledOutside, 0);
    EXPECT_GT(dark, 20);
    EXPECT_EQ(img.pixel(20, 30) & 0xFFFFFF, 0xFFFF00u);  // the cell's background
}

}  // namespace
}  // namespace torvik
