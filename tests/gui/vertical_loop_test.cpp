// Protects the whole way from New to a saved, activated vertical loop built with the editing commands alone, and its undo history.
#include <QToolButton>

#include "dialog_script.h"
#include "display_mouse.h"

namespace torvik::test {
namespace {

class TVerticalLoopTest : public TDisplayMouseTest {
protected:
    // Runs a command and keeps the wire it leaves.
    void Step(const std::function<void()>& aCommand) {
        aCommand();
        FStates.push_back(WireShape(Wire()));
    }
    void Click(const char* aButton) {
        Step([&] { FForm->findChild<QToolButton*>(aButton)->click(); });
    }
    void Command(const char* aAction) {
        Step([&] { Trigger(aAction); });
    }
    void SelectLastNode() {
        FDialogs->dialogScripts.push_back(FillDialog({{"InputEd", QString::number(Wire().Count() - 1)}}));
        Trigger("ActionGotoSeg");
    }

    std::vector<TWireShape> FStates;
};

TEST_F(TVerticalLoopTest, FromNewToASavedActivatedLoopAndBackThroughItsHistory) {
    TMainForm& form = Start();
    Trigger("ActionFileNew");
    form.Settings().UndoLevels = UndoUnlimited;
    FStates.push_back(WireShape(Wire()));

    // 4.25 mm to the right, up 2 mm, a 2 mm turn over to the right, down
    // 2 mm, and on to the right: a vertical loop.
    for (int i = 0; i < 4; ++i) Click("SpeedButton0");
    SelectLastNode();
    Command("ActionBendWire90L");
    for (int i = 0; i < 2; ++i) Click("SpeedButton0");
    Click("SpeedButton3");
    for (int i = 0; i < 2; ++i) Click("SpeedButton0");
    SelectLastNode();
    Command("ActionBendWire90L");
    // A little toe-in: 10 degrees down and back up, a node apart.
    for (int i = 0; i < 4; ++i) Click("SpeedButton0");
    SelectLastNode();
    Command("ActionBendWire10R");
    Click("SpeedButton0");
    SelectLastNode();
    Command("ActionBendWire10L");
    Click("SpeedButton0");
    ASSERT_TRUE(FDialogs->Of("error").empty());

    const TDesign& d = form.Design();
    ASSERT_EQ(Wire().Count(), 1 + 4 * 4 + 2 * 4 + 13 + 2 * 4 + 4 * 4 + 4 + 4);
    ASSERT_EQ(Wire().UndoCount(), static_cast<int>(FStates.size()) - 1);
    // The loop's legs: both vertical, the second 2 cos(180/26) mm to the
    // right of the first; the turn's first chord lifts the wire's end, the
    // toe-in lowers it again.
    EXPECT_NEAR(Wire().Segment(17).direction, 3 * Pi / 2, 1e-12);
    EXPECT_NEAR(Wire().Segment(17 + 8 + 13).direction, Pi / 2, 1e-12);
    EXPECT_NEAR(Wire().Segment(17 + 8 + 13).origin->x - Wire().Segment(17).origin->x, 2 * std::cos(Pi / 26),
                1e-9);
    const double chord = 2 * std::sin(Pi / 26);
    EXPECT_NEAR(Wire().Corner().y, 10 - chord + 4 * 0.25 * std::sin(10 * Pi / 180), 1e-9);
    EXPECT_NEAR(AngleDiff(Wire().EndDirection(), 0), 0, 1e-12);
    const TWireShape built = FStates.back();

    // The right bracket a little off the wire's end, in its direction.
    const TPointReal tip = Wire().Corner();
    form.Design().RightBracket.Origin()->SetXY(tip.x + 0.3, tip.y - 0.2);
    form.Design().RightBracket.SetDirection(Wire().EndDirection());
    form.RefreshMarkers();

    Trigger("ActionRun");
    ASSERT_TRUE(ProcessUntil([&] { return form.Action("ActionRun")->isEnabled(); }));
    ASSERT_TRUE(FDialogs->Of("error").empty());
    EXPECT_LE(EndDistance(d), form.Settings().Activation.ToleranceDistance);
    EXPECT_LE(EndAngle(d), form.Settings().Activation.ToleranceAngle);
    EXPECT_NE(d.RightForce.x, 0.0);
    EXPECT_GT(Wire().MaxStrain(), 0.0);

    FDialogs->saveNames.push_back(Path("vertical.tvk"));
    Trigger("MenuFileSaveAs");
    ASSERT_TRUE(QFile::exists(Path("vertical.tvk")));
    EXPECT_EQ(form.windowTitle(), "Torvik - vertical.tvk");

    // Undo steps back through every change to the one-segment wire, Redo
    // forward to the loop as built.
    ASSERT_EQ(FStates.front().size(), 1u);
    ExpectUndoAndRedoThrough(FStates);

    // Reopened: the same wire and bracket, with no question asked, as far as
    // the file keeps them (lengths to 1/2000 mm, bends to 1e-6 rad).
    Trigger("ActionFileNew");
    EXPECT_TRUE(FDialogs->Of("ask").empty());
    ASSERT_EQ(Wire().Count(), 1);
    FDialogs->openNames.push_back(Path("vertical.tvk"));
    Trigger("ActionFileOpen");
    ASSERT_TRUE(FDialogs->Of("error").empty());
    ExpectShapeAsFileKeepsIt(built);
    EXPECT_NEAR(form.Design().RightBracket.Origin()->x, tip.x + 0.3, 1e-6);
    EXPECT_NEAR(form.Design().RightBracket.Origin()->y, tip.y - 0.2, 1e-6);
    EXPECT_NEAR(Wire().Corner().x, tip.x, 2e-3);
    EXPECT_NEAR(Wire().Corner().y, tip.y, 2e-3);
}

}  // namespace
}  // namespace torvik::test
