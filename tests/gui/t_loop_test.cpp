// Protects the whole way from New to a saved, activated T-loop made with the mouse tools alone: pencil, spool, cutter and plier, the right bracket dragged and turned with snapping (each one undo step), the run, the file and the undo history.
#include <QToolButton>

#include "display_mouse.h"
#include "qt/locale_numbers.h"

namespace torvik::test {
namespace {

class TTLoopTest : public TDisplayMouseTest {
protected:
    // A tool press that changes the wire; keeps the wire it leaves.
    void Step(const std::function<void()>& aGesture) {
        const int undos = Wire().UndoCount();
        aGesture();
        EXPECT_EQ(Wire().UndoCount(), undos + 1) << FStates.size();
        FStates.push_back(WireShape(Wire()));
    }
    void Pencil(double aX, double aY) {
        Step([&] { Click(TPointReal(aX * 100, aY * 100).AsTPoint()); });
    }
    void Preset(const char* aButton) {
        Step([&] { FForm->findChild<QToolButton*>(aButton)->click(); });
    }
    TPointReal End() const { return Wire().Corner(); }

    std::vector<TWireShape> FStates;
};

TEST_F(TTLoopTest, FromNewWithTheToolsToASavedActivatedLoopAndBackThroughItsHistory) {
    TMainForm& form = Start();
    Trigger("ActionFileNew");
    form.Settings().UndoLevels = UndoUnlimited;
    TDesign& d = form.Design();
    FStates.push_back(WireShape(Wire()));

    // The horizontal arm and a first leg 6 mm high; the spool's right button
    // in the leg makes it 1 mm longer.
    Trigger("ActionToolPencil");
    Pencil(14, 10);
    const int base1 = Wire().Count() - 1;
    EXPECT_NEAR(End().x, 14, 0.15);
    Pencil(14, 4);
    Trigger("ActionToolSpool");
    Step([&] { Click(Node(base1 + 2), Qt::RightButton); });
    EXPECT_NEAR(End().y, 3, 0.15);

    // The wings and the top of the T, the second leg and arm, 0.5 mm too
    // long; the cutter takes two segments off the end.
    Trigger("ActionToolPencil");
    Pencil(11, 3);
    Preset("SpeedButton3");
    Pencil(End().x + 8, End().y);
    Preset("SpeedButton3");
    Pencil(16, 3);
    Pencil(16, 10);
    const int base2 = Wire().Count() - 1;
    Pencil(20.5, 10);
    Trigger("ActionToolCutter");
    Step([&] { Click(Node(Wire().Count() - 3)); });
    Step([&] { Click(Node(Wire().Count() - 2), Qt::RightButton); });
    EXPECT_NEAR(End().x, 20, 0.15);
    EXPECT_NEAR(End().y, 10, 0.15);

    // Gable bends at the base of both legs, 10 degrees anticlockwise.
    Trigger("ActionToolPlier");
    const double bend1 = Wire().Segment(base1).angle;
    const double bend2 = Wire().Segment(base2).angle;
    Step([&] { Click(Node(base1)); });
    Step([&] { Click(Node(base2)); });
    EXPECT_NEAR(Wire().Segment(base1).angle, bend1 - ToRadians(10), 1e-12);
    EXPECT_NEAR(Wire().Segment(base2).angle, bend2 - ToRadians(10), 1e-12);
    const TWireShape built = FStates.back();
    const int undos = Wire().UndoCount();
    ASSERT_EQ(undos, static_cast<int>(FStates.size()) - 1);
    ASSERT_TRUE(FDialogs->Of("error").empty());

    // The right bracket 1 mm to the right, snapped to whole millimetres ...
    // (each bracket gesture one step of the history, the wire unchanged)
    Trigger("ActionToolBracket");
    Step([&] {
        Press(TPoint{2000, 1000});
        Move(TPoint{2060, 1010}, Qt::LeftButton);
        Move(TPoint{2104, 1003}, Qt::LeftButton);
        Release(TPoint{2104, 1003});
    });
    EXPECT_EQ(*d.RightBracket.Origin(), TPointReal(21, 10));
    EXPECT_EQ(Status(), " x: " + FormatLocal(21, "0.00") + "  y: " + FormatLocal(10, "0.00"));
    // ... and, after a click on it, turned by a few whole degrees clockwise
    // about its centre; a click anywhere returns to moving.
    Click(TPoint{2100, 1000});
    ASSERT_EQ(form.CurrentTool(), ToolRotate);
    Step([&] {
        Press(TPoint{2100, 1200});
        Move(TPoint{2096, 1200}, Qt::LeftButton);
        Move(TPoint{2092, 1200}, Qt::LeftButton);
        Release(TPoint{2092, 1200});
    });
    const double degrees = ToDegrees(d.RightBracket.Direction());
    EXPECT_EQ(degrees, std::round(degrees));
    EXPECT_GE(degrees, 1);
    EXPECT_LE(degrees, 3);
    EXPECT_EQ(Status(), " angulation: " + FormatLocal(degrees, "0.00"));
    Click(TPoint{5000, 5000});
    EXPECT_EQ(form.CurrentTool(), ToolBracket);
    EXPECT_EQ(Wire().UndoCount(), undos + 2);
    EXPECT_EQ(WireShape(Wire()), built);
    EXPECT_EQ(d.RightForce.origin.get(), d.RightBracket.Origin().get());

    // The run opens the loop until the end sits in the turned slot.
    Trigger("ActionRun");
    ASSERT_TRUE(ProcessUntil([&] { return form.Action("ActionRun")->isEnabled(); }));
    ASSERT_TRUE(FDialogs->Of("error").empty());
    EXPECT_LE(EndDistance(d), form.Settings().Activation.ToleranceDistance);
    EXPECT_LE(EndAngle(d), form.Settings().Activation.ToleranceAngle);
    EXPECT_GT(d.RightForce.x, 0.0);  // the end pulled out to the right
    EXPECT_GT(Wire().MaxStrain(), 0.0);
    EXPECT_LT(Wire().MaxStrain(), MaxElasticStrain);

    FDialogs->saveNames.push_back(Path("t-loop.tvk"));
    Trigger("MenuFileSaveAs");
    ASSERT_TRUE(QFile::exists(Path("t-loop.tvk")));

    // Undo steps back through every tool press and bracket gesture to the
    // one-segment wire and the brackets of a new design, Redo forward to the
    // loop as built, in the turned bracket.
    ASSERT_EQ(FStates.front().size(), 1u);
    ExpectUndoAndRedoThrough(FStates);
    EXPECT_EQ(*d.RightBracket.Origin(), TPointReal(21, 10));
    EXPECT_EQ(ToDegrees(d.RightBracket.Direction()), degrees);

    // Reopened: the same wire and brackets, as far as the file keeps them.
    Trigger("ActionFileNew");
    FDialogs->openNames.push_back(Path("t-loop.tvk"));
    Trigger("ActionFileOpen");
    ASSERT_TRUE(FDialogs->Of("error").empty());
    ExpectShapeAsFileKeepsIt(built);
    EXPECT_EQ(*form.Design().RightBracket.Origin(), TPointReal(21, 10));
    EXPECT_NEAR(ToDegrees(form.Design().RightBracket.Direction()), degrees, 1e-4);
    EXPECT_EQ(form.CurrentTool(), ToolBracket);
}

}  // namespace
}  // namespace torvik::test
