// The background picture: one redraw of the display with a 4000 x 3000
// pixel scan under the design (as the window composes it) at 100 % and at
// 1200 % zoom, and decoding that scan from a JPEG file's bytes.

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include "qt/background_image.h"
#include "qt/jpeg_reader.h"
#include "qt/qt_canvas.h"
#include "render/image_placement.h"
#include "render/scene.h"
#include "render/view_mapping.h"
#include "render/view_settings.h"
#include "wire/design.h"

namespace {

using namespace torvik;

// A 4000 x 3000 scan (A4 width at about 480 dpi) with some detail.
QImage Scan() {
    QImage scan(4000, 3000, QImage::Format_RGB32);
    QPainter p(&scan);
    QLinearGradient g(0, 0, 4000, 3000);
    g.setColorAt(0, QColor(240, 220, 200));
    g.setColorAt(1, QColor(150, 110, 90));
    p.fillRect(scan.rect(), g);
    p.setPen(QPen(QColor(80, 50, 40), 9));
    for (int i = 0; i < 60; ++i) p.drawEllipse(QPoint(60 * i + 100, 1500), 40 + i, 700 - 5 * i);
    return scan;
}

void RedrawWithImage(benchmark::State& state, int aZoom) {
    const QImage scan = Scan();
    TImagePlacement placement;
    placement.SetPicture(scan.width(), scan.height());
    placement.SetResolution(480);
    TDesign design(0.25, DefaultStock());
    for (int i = 1; i < 400; ++i) design.CurrentWire->AddSeg(0.25, TwoPi / 400);
    const TScene scene = SceneOf(design);
    TViewSettings view;
    TViewMapping mapping;
    mapping.SetDisplaySize(800, 600);
    mapping.ZoomCenterInDisplay(aZoom, 1500, 1200);
    QImage image(800, 600, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        TQtCanvas canvas(painter);
        canvas.SetMapping(mapping);
        DrawBackgroundImage(canvas, scan, placement, mapping.VisibleRect(), true);
        DrawDesignLayers(canvas, scene, view, true, 3, true);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_RedrawWithImage100(benchmark::State& state) { RedrawWithImage(state, 1000); }
void BM_RedrawWithImage1200(benchmark::State& state) { RedrawWithImage(state, 12000); }

void BM_DecodeJpeg4000x3000(benchmark::State& state) {
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    Scan().save(&buffer, "JPG", 90);
    for (auto _ : state) {
        const QImage decoded = DecodeJpeg(jpeg);
        benchmark::DoNotOptimize(decoded.constBits());
    }
}

BENCHMARK(BM_RedrawWithImage100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawWithImage1200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeJpeg4000x3000)->Unit(benchmark::kMillisecond);

}  // namespace
