// Protects the activation run in the window: automatic stop, pausing under a modal box, stopping before the design is replaced, and an overstrain far beyond the drawing reported as such.
#include "gui_fixture.h"
#include "wire/design_file.h"

namespace torvik::test {
namespace {

class TRunTest : public TGuiTest {
protected:
    // Opens an L-shaped wire whose end lies 0.36 mm from the right bracket.
    void OpenLoop() {
        FDialogs->openNames.push_back(WriteLoop("run.tvk"));
        Trigger("ActionFileOpen");
        ASSERT_EQ(FForm->Design().CurrentWire->Count(), 40);
    }
};

TEST_F(TRunTest, RunsUntilTheAutomaticStop) {
    TMainForm& form = Start();
    OpenLoop();
    Trigger("ActionRun");
    EXPECT_TRUE(form.Running());
    EXPECT_FALSE(form.Action("ActionRun")->isEnabled());
    EXPECT_TRUE(form.Action("ActionStopRun")->isEnabled());
    ASSERT_TRUE(ProcessUntil([&] { return form.Action("ActionRun")->isEnabled(); }));
    EXPECT_FALSE(form.Running());
    EXPECT_FALSE(form.Action("ActionStopRun")->isEnabled());
    EXPECT_TRUE(FDialogs->Of("error").empty());
    const TDesign& d = form.Design();
    EXPECT_LE(EndDistance(d), form.Settings().Activation.ToleranceDistance);
    EXPECT_LE(EndAngle(d), form.Settings().Activation.ToleranceAngle);
    EXPECT_NE(d.RightForce.x, 0.0);
    EXPECT_EQ(d.LeftForce.x, -d.RightForce.x);
    // Activating does not mark the design as changed.
    EXPECT_FALSE(d.CurrentWire->dirty);
}

TEST_F(TRunTest, PausesUnderAModalBoxAndStopsBeforeNew) {
    TMainForm& form = Start();
    OpenLoop();
    form.Settings().Activation.AutoStop = false;
    Trigger("ActionRun");
    ASSERT_TRUE(ProcessUntil([&] { return form.Design().RightForce.x != 0.0; }));

    // While the open dialog is up, no iteration runs.
    double during = 0.0, after = 0.0;
    FDialogs->whileShown = [&] {
        const double at = form.Design().RightForce.x;
        ProcessUntil([] { return false; }, 150);
        during = form.Design().RightForce.x - at;
    };
    Trigger("ActionFileOpen");  // cancelled
    FDialogs->whileShown = nullptr;
    EXPECT_EQ(during, 0.0);
    EXPECT_TRUE(form.Running());
    const double before = form.Design().RightForce.x;
    ProcessUntil([&] { return form.Design().RightForce.x != before; }, 2000);
    after = form.Design().RightForce.x;
    EXPECT_NE(after, before);  // and it goes on afterwards

    // New stops the run before it replaces the design.
    Trigger("ActionFileNew");
    EXPECT_FALSE(form.Running());
    EXPECT_TRUE(form.Action("ActionRun")->isEnabled());
    EXPECT_EQ(form.Design().RightForce.x, 0.0);
    QApplication::processEvents();
    EXPECT_EQ(form.Design().RightForce.x, 0.0);

    // Stop by the user.
    Trigger("ActionRun");
    EXPECT_TRUE(form.Running());
    Trigger("ActionStopRun");
    EXPECT_FALSE(form.Running());

    // Closing stops the run before the design goes.
    Trigger("ActionRun");
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.Running());
}

TEST_F(TRunTest, ActivationErrorIsReported) {
    TMainForm& form = Start();
    // The new design's single segment cannot reach the bracket 10 mm away in
    // Point mode: the run ends with an error or an overstrain, and says so.
    form.Settings().Activation.TargetMode = TargetPoint;
    Trigger("ActionRun");
    ASSERT_TRUE(ProcessUntil([&] { return !form.Running(); }));
    const auto errors = FDialogs->Of("error");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].text == "Error in activation!" || errors[0].text == "Excessive activation detected!")
        << errors[0].text.toStdString();
}

TEST_F(TRunTest, AnOverstrainFarBeyondTheDrawingStopsWithItsMessageAndZoomsAfterwards) {
    // Ten straight segments bent at the clamp by 999 radians, and one segment
    // 10 m long, tilted by a thousandth of a radian, with the bracket near
    // its far end: either run flings the wire end billions of logical units
    // away. The same segment lying straight cannot move its end along itself
    // at all: that run fails, and says so.
    QString tenSegments = "[Wire]\nSegments=9\nFirst Bend=999\n";
    for (int i = 1; i <= 9; ++i) tenSegments += QString("Seg %1=0, 5\n").arg(i);
    const QString longSegment = "[Wire]\nSegments=1\n%1Seg 1=0, 200000\n[Right Bracket]\nX=199999\n";
    const std::pair<QString, const char*> designs[] = {
        {tenSegments, "Excessive activation detected!"},
        {longSegment.arg("First Bend=0.001\n"), "Excessive activation detected!"},
        {longSegment.arg(""), "Error in activation!"},
    };
    TMainForm& form = Start();
    for (const auto& [design, message] : designs) {
        const QString file = Path("overstrain.tvk");
        WriteText(file, design);
        FDialogs->shown.clear();
        FDialogs->openNames.push_back(file);
        Trigger("ActionFileOpen");
        ASSERT_TRUE(FDialogs->Of("error").empty()) << design.toStdString();
        Trigger("ActionRun");
        ASSERT_TRUE(ProcessUntil([&] { return !form.Running(); }));
        const auto errors = FDialogs->Of("error");
        ASSERT_EQ(errors.size(), 1u) << design.toStdString();
        EXPECT_EQ(errors[0].text, message) << design.toStdString();
        // Every zoom draws the wire again, without a word.
        for (const char* zoom : {"MenuViewZoomIn", "MenuViewZoomOut", "MenuViewBestFit", "MenuViewFitAll"}) Trigger(zoom);
        EXPECT_EQ(FDialogs->Of("error").size(), 1u) << design.toStdString() << FDialogs->Of("error").back().text.toStdString();
    }
}

}  // namespace
}  // namespace torvik::test
