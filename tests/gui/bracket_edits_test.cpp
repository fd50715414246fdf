// Protects bracket edits in the window: a drag is a change that New, Open and Exit ask about and one undo step that
// Undo and Redo walk, and the force read-out and arrows turn grey while the loads no longer meet the right bracket.
#include <QLabel>

#include "display_mouse.h"
#include "mainwindow/stale_loads.h"
#include "render/load_units.h"

namespace torvik::test {
namespace {

class TBracketEditsTest : public TDisplayMouseTest {
protected:
    TDesign& OpenLoop() {
        FFile = WriteLoop("loop.tvk");
        FDialogs->openNames.push_back(FFile);
        Trigger("ActionFileOpen");
        return FForm->Design();
    }
    TPoint RightBracketAt() const {
        const TPointReal& o = *FForm->Design().RightBracket.Origin();
        return TPointReal(o.x * 100, o.y * 100).AsTPoint();
    }
    // A drag of the right bracket in several moves.
    void DragRightBracket(int aDx, int aDy) {
        const TPoint from = RightBracketAt();
        Press(from);
        for (int i = 1; i <= 4; ++i) Move(TPoint{from.X + aDx * i / 4, from.Y + aDy * i / 4}, Qt::LeftButton);
        Release(TPoint{from.X + aDx, from.Y + aDy});
    }
    void RunToStop() {
        Trigger("ActionRun");
        ASSERT_TRUE(ProcessUntil([this] { return !FForm->Running(); }));
    }
    int Asked() const { return static_cast<int>(FDialogs->Of("ask").size()); }

    // Both panels grey with the stale sentence leading their tooltip, or in
    // the panel's own colours with the units alone; and the arrows in grey or in their colours.
    void ExpectStale(bool aStale, int aLine) const {
        SCOPED_TRACE(aLine);
        for (const char* name : {"PanelForceLeft", "PanelForceRight"}) {
            const auto* panel = FForm->findChild<QLabel*>(name);
            EXPECT_EQ(panel->palette().color(QPalette::WindowText) == QColor(128, 128, 128), aStale) << name;
            EXPECT_EQ(panel->toolTip().toStdString(), ForcePanelTip(aStale)) << name;
        }
        EXPECT_EQ(FForm->CurrentViewSettings().LoadsStale, aStale);
        // The force arrow: blue only while current (no other layer is blue).
        const QImage image = FForm->DisplayImage().convertToFormat(QImage::Format_RGB32);
        int blue = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) blue += image.pixel(x, y) == qRgb(0, 0, 255);
        EXPECT_EQ(blue > 0, !aStale) << blue;
    }

    QString FFile;
};

TEST_F(TBracketEditsTest, ADragIsOneUndoStepAndAChangeThatNewOpenAndExitAskAbout) {
    TMainForm& form = Start();
    TDesign& d = OpenLoop();
    const TPointReal start = *d.RightBracket.Origin();
    ASSERT_FALSE(d.Changed());

    // A click on the bracket, and one back in rotate mode, change nothing.
    Click(RightBracketAt());
    ASSERT_EQ(form.CurrentTool(), ToolRotate);
    Click(RightBracketAt());
    ASSERT_EQ(form.CurrentTool(), ToolBracket);
    EXPECT_FALSE(form.Action("ActionUndo")->isEnabled());
    EXPECT_FALSE(d.Changed());

    // A drag of four moves is one step, and a change of the design alone.
    DragRightBracket(250, 150);
    const TPointReal moved = *d.RightBracket.Origin();
    ASSERT_NE(moved, start);
    EXPECT_EQ(d.UndoCount(), 1);
    EXPECT_TRUE(form.Action("ActionUndo")->isEnabled());
    EXPECT_TRUE(d.Changed());
    EXPECT_FALSE(d.CurrentWire->dirty);

    // Exit, New and Open ask before the move is lost; Cancel keeps it.
    EXPECT_FALSE(form.close());
    Trigger("ActionFileNew");
    FDialogs->openNames.push_back(FFile);
    Trigger("ActionFileOpen");
    ASSERT_EQ(Asked(), 3);
    for (const TShownBox& box : FDialogs->Of("ask")) EXPECT_EQ(box.text, "Wire has changed. Save current wire?");
    ASSERT_EQ(&form.Design(), &d);
    EXPECT_EQ(*d.RightBracket.Origin(), moved);

    // Undo puts the bracket back with its load; Redo moves it again.
    Trigger("ActionUndo");
    EXPECT_EQ(*d.RightBracket.Origin(), start);
    EXPECT_EQ(d.RightForce.origin.get(), d.RightBracket.Origin().get());
    EXPECT_FALSE(form.Action("ActionUndo")->isEnabled());
    Trigger("ActionRedo");
    EXPECT_EQ(*d.RightBracket.Origin(), moved);

    // Saving clears the change: nothing more is asked, and the file keeps
    // the bracket where it was dragged.
    Trigger("ActionFileSave");
    EXPECT_FALSE(d.Changed());
    EXPECT_TRUE(form.AskAndSave());
    EXPECT_EQ(Asked(), 3);
    FDialogs->openNames.push_back(FFile);
    Trigger("ActionFileOpen");
    EXPECT_NEAR(Distance(*form.Design().RightBracket.Origin(), moved), 0, 1e-9);
    EXPECT_FALSE(form.Design().Changed());
    EXPECT_EQ(form.Design().UndoCount(), 0);
}

TEST_F(TBracketEditsTest, LoadsThatNoLongerMeetTheBracketAreGreyUntilARunMeetsItAgain) {
    Start();
    TDesign& d = OpenLoop();
    FForm->Settings().SnapGrid = false;
    // The opened design's zero load does not bring its wire into the bracket.
    ExpectStale(true, __LINE__);
    RunToStop();
    ExpectStale(false, __LINE__);

    // After a drag the panels keep their texts, in grey, with the tooltip.
    const QString right = FForm->findChild<QLabel*>("PanelForceRight")->text();
    DragRightBracket(30, 50);
    ExpectStale(true, __LINE__);
    EXPECT_EQ(FForm->findChild<QLabel*>("PanelForceRight")->text(), right);
    RunToStop();
    ExpectStale(false, __LINE__);

    // Undo takes the bracket back and the wire to its recorded, unloaded
    // shape: the loads shown belong to neither.
    Trigger("ActionUndo");
    ExpectStale(true, __LINE__);
    EXPECT_NE(d.RightForce.x, 0);
    // A run stopped by hand after its first step, short of the target,
    // leaves its loads grey.
    const double before = d.RightForce.x;
    Trigger("ActionRun");
    for (int i = 0; i < 1000 && d.RightForce.x == before; ++i) QApplication::processEvents();
    ASSERT_NE(d.RightForce.x, before);
    Trigger("ActionStopRun");
    ExpectStale(true, __LINE__);
}

}  // namespace
}  // namespace torvik::test
