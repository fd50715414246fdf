// One full redraw of the display as the main window composes it: white
// fill, 1 mm grid, a 400-segment wire at true thickness, both brackets and
// the force and moment arrows, through the QPainter canvas onto an 800 x 600
// RGB32 image, at 100 % and at 1200 % zoom.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QtGlobal>

#include "qt/qt_canvas.h"
#include "render/scene.h"
#include "render/view_mapping.h"
#include "render/view_settings.h"
#include "wire/design.h"

namespace {

using namespace torvik;

constexpr int kSegments = 400;
constexpr int kGridDensity1mm = 3;

// A closed circle of 400 segments of 0.25 mm (100 mm round, about 16 mm
// across) starting at the left bracket, with a load on it.
std::unique_ptr<TDesign> MakeDesign() {
    auto d = std::make_unique<TDesign>(0.25, DefaultStock());
    for (int i = 1; i < kSegments; ++i) d->CurrentWire->AddSeg(0.25, TwoPi / kSegments);
    d->RightForce.x = 40;
    d->RightForce.y = -25;
    d->RightForce.m = 300;
    d->CalcLeftForce();
    return d;
}

void Redraw(benchmark::State& state, int aZoom, bool aAntialiased) {
    const auto design = MakeDesign();
    const TScene scene = SceneOf(*design);
    TViewSettings view;
    TViewMapping mapping;
    mapping.SetDisplaySize(800, 600);
    // Centred on the circle's top, where wire, grid and bracket meet.
    mapping.ZoomCenterInDisplay(aZoom, 1500, 1200);
    QImage image(800, 600, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        TQtCanvas canvas(painter);
        canvas.antialiased = aAntialiased;
        canvas.SetMapping(mapping);
        DrawDesignLayers(canvas, scene, view, true, kGridDensity1mm, true);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_Redraw100(benchmark::State& state) { Redraw(state, 1000, true); }
void BM_Redraw1200(benchmark::State& state) { Redraw(state, 12000, true); }
void BM_Redraw100Aliased(benchmark::State& state) { Redraw(state, 1000, false); }
void BM_Redraw1200Aliased(benchmark::State& state) { Redraw(state, 12000, false); }

BENCHMARK(BM_Redraw100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Redraw1200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Redraw100Aliased)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Redraw1200Aliased)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
