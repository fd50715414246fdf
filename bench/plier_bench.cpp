// One plier bend at the middle node of a 1,000-segment wire as the window
// performs it: the press finds the node under the mouse, records an undo
// state (five levels), bends, and redraws the display the way the main
// window composes it (white fill, 2 mm grid, the wire at true thickness with
// its node markers, brackets, forces and bracket markers) through the
// QPainter canvas onto an 800 x 600 RGB32 image. At 200 % around the node,
// and at Best Fit with the whole wire in view.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "qt/qt_canvas.h"
#include "render/scene.h"
#include "render/view_mapping.h"
#include "render/view_settings.h"
#include "support/numbers.h"
#include "tools/wire_tools.h"
#include "wire/design.h"

namespace {

using namespace torvik;

constexpr int kSegments = 1000;
constexpr int kNode = kSegments / 2;
constexpr int kGridDensity2mm = 2;

// What the window gives the plier: the design, undo at the start level,
// and a redraw into the off-screen image.
class TBenchContext : public TToolContext {
public:
    TDesign design{0.25, DefaultStock()};
    TViewMapping mapping;
    TViewSettings view;
    QImage image{800, 600, QImage::Format_RGB32};
    std::vector<TMarker> bracketMarkers;

    TBenchContext() {
        // A ring of 1,000 segments of 0.25 mm (about 80 mm across) hanging
        // from the left bracket in the middle of the design area.
        design.LeftBracket.SetOrigin(MakePoint(50, 10));
        design.AttachToBrackets();
        for (int i = 1; i < kSegments; ++i) design.CurrentWire->AddSeg(0.25, TwoPi / kSegments);
        design.RightBracket.SetOrigin(MakePoint(60, 10));
        design.RightForce.x = 40;
        design.RightForce.m = 300;
        design.CalcLeftForce();
        view.MarkersShown = true;
        view.SelectedNode = kNode;
        bracketMarkers = design.RightBracket.Markers();
        mapping.SetDisplaySize(image.width(), image.height());
    }

    TDesign& Design() override { return design; }
    bool SnapGrid() const override { return true; }
    double SnapStep() const override { return 1.0; }
    double SegmentSize() const override { return 0.25; }
    int SelectedNode() const override { return kNode; }
    void SetSelectedNode(int) override {}
    TBracket* SelectedBracket() const override { return nullptr; }
    void SetSelectedBracket(TBracket*) override {}
    void SetBracketMarkers(std::vector<TMarker>) override {}
    void SelectBracketMode(int) override {}
    void RecordUndo() override { design.CurrentWire->KeepState(Undo5); }
    void RefreshMarkers() override { DrawDisplay(); }
    void DrawDisplay() override {
        image.fill(Qt::white);
        QPainter painter(&image);
        TQtCanvas canvas(painter);
        canvas.antialiased = false;
        canvas.SetMapping(mapping);
        DrawDesignLayers(canvas, SceneOf(design, &bracketMarkers), view, true, kGridDensity2mm, true);
    }
    void DrawOverlay(const std::function<void(TCanvas&)>&) override {}
    void SetStatus(const std::string& aText) override { status = aText; }
    void SetHint(const std::string& aText) override { hint = aText; }
    void SetCursor(TCursorId) override {}
    std::string FormatNumber(double aValue, std::string_view aMask) const override { return FormatMask(aValue, aMask); }
    TViewMapping& Mapping() override { return mapping; }
    void ViewChanged() override {}
    bool ImageShown() const override { return false; }

    std::string status;
    std::string hint;
};

void Bend(benchmark::State& state, bool aBestFit) {
    TBenchContext ctx;
    const TPointReal node = ctx.design.CurrentWire->Segment(kNode).Corner();
    const TPoint at = TPointReal(node.x * 100, node.y * 100).AsTPoint();
    if (aBestFit)
        ctx.mapping.ZoomRect(BestFitRect(ctx.design.CurrentWire->BoundsRect(), *ctx.design.RightBracket.Origin()));
    else
        ctx.mapping.ZoomCenterInDisplay(2000, at.X, at.Y);
    TPlierTool plier(ctx);
    bool right = true;
    for (auto _ : state) {
        // Alternately clockwise and back, so that the wire keeps its shape.
        plier.MouseDown(right ? TMouseButton::Right : TMouseButton::Left, TShiftState{}, at.X, at.Y);
        right = !right;
        benchmark::DoNotOptimize(ctx.image.constBits());
    }
    if (ctx.status.empty()) state.SkipWithError("the press missed the node");
}

void BM_PlierBend1000At200(benchmark::State& state) { Bend(state, false); }
void BM_PlierBend1000BestFit(benchmark::State& state) { Bend(state, true); }

BENCHMARK(BM_PlierBend1000At200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlierBend1000BestFit)->Unit(benchmark::kMillisecond);

}  // namespace
