// Protects the tools in the real window: mouse events on the display at logical points, the cursors per tool
// and over a node, the status panel and the node hint, the display keys, undo of tool edits, the zoom box.
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <QToolTip>

#include "display_mouse.h"
#include "mainwindow/cursors.h"
#include "qt/locale_numbers.h"

namespace torvik::test {
namespace {

class TToolsTest : public TDisplayMouseTest {
protected:
    void TearDown() override {
        QLocale::setDefault(FLocale);
        QToolTip::hideText();
        TDisplayMouseTest::TearDown();
    }

    // The display shows that cursor.
    bool Shows(TCursorId aId) const {
        const QCursor shown = Display()->cursor();
        const QCursor wanted = ToolCursor(aId);
        if (shown.shape() != wanted.shape()) return false;
        return shown.shape() != Qt::BitmapCursor || shown.pixmap().toImage() == wanted.pixmap().toImage();
    }

    QLocale FLocale;
};

TEST_F(TToolsTest, BracketDragRotateAndModeClicks) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TMainForm& form = Start();
    TDesign& d = form.Design();
    ASSERT_EQ(form.CurrentTool(), ToolBracket);
    const QImage before = form.DisplayImage().copy();

    // A snapped drag of the left bracket, read out in the user's format.
    Press(TPoint{1000, 1000});
    Move(TPoint{1100, 800}, Qt::LeftButton);
    Move(TPoint{1234, 567}, Qt::LeftButton);
    EXPECT_EQ(*d.LeftBracket.Origin(), TPointReal(12, 6));
    EXPECT_EQ(Status(), " x: 12,00  y: 6,00");
    // The ghost shows over the picture, which is not composed afresh.
    EXPECT_NE(form.DisplayImage(), before);
    Release(TPoint{1234, 567});
    EXPECT_EQ(d.CurrentWire->Origin().get(), d.LeftBracket.Origin().get());
    EXPECT_EQ(d.LeftForce.origin.get(), d.LeftBracket.Origin().get());
    EXPECT_EQ(*d.CurrentWire->Origin(), TPointReal(12, 6));
    // The picture after the release is the composed one, without a ghost.
    const QImage released = form.DisplayImage().copy();
    form.DrawDisplay();
    EXPECT_EQ(form.DisplayImage(), released);
    // A bracket move is a change of the design, not of the wire, and a step
    // of its history.
    EXPECT_TRUE(form.Action("ActionUndo")->isEnabled());
    EXPECT_TRUE(d.Changed());
    EXPECT_FALSE(d.CurrentWire->dirty);

    // With the 0.25 mm step.
    form.Settings().SnapGridDensity = 2;
    Press(TPoint{1200, 600});
    Move(TPoint{1234, 567}, Qt::LeftButton);
    Release(TPoint{1234, 567});
    EXPECT_EQ(*d.LeftBracket.Origin(), TPointReal(12.25, 5.75));

    // A click on the right bracket: rotate mode, with its cursor.
    Click(TPoint{2000, 1000});
    EXPECT_EQ(form.CurrentTool(), ToolRotate);
    EXPECT_TRUE(form.Action("ActionToolBracket")->isChecked());
    EXPECT_EQ(form.Action("ActionToolBracket")->data().toInt(), 1);
    EXPECT_TRUE(Shows(TCursorId::Rotate));
    // A quarter turn clockwise about its centre, snapped to whole degrees.
    Press(TPoint{2500, 1000});
    Move(TPoint{2000, 1500}, Qt::LeftButton);
    Release(TPoint{2000, 1500});
    EXPECT_NEAR(ToDegrees(d.RightBracket.Direction()), 90, 1e-9);
    EXPECT_EQ(Status(), " angulation: 90,00");
    EXPECT_EQ(d.RightForce.origin.get(), d.RightBracket.Origin().get());
    // A click anywhere: back to moving.
    Click(TPoint{5000, 5000});
    EXPECT_EQ(form.CurrentTool(), ToolBracket);
    EXPECT_TRUE(Shows(TCursorId::Default));
    // New (the moved brackets not saved) starts in move mode again.
    Click(TPoint{2000, 1000});
    ASSERT_EQ(form.CurrentTool(), ToolRotate);
    FDialogs->answers.push_back(TAnswer::No);
    Trigger("ActionFileNew");
    EXPECT_EQ(form.CurrentTool(), ToolBracket);
    EXPECT_EQ(form.Action("ActionToolBracket")->data().toInt(), 0);
}

TEST_F(TToolsTest, WireToolsEditAndUndoStepsBack) {
    TMainForm& form = Start();
    form.Settings().UndoLevels = UndoUnlimited;
    Trigger("ActionToolPencil");
    ASSERT_EQ(form.CurrentTool(), ToolPencil);
    // 2.5 mm to the right of the wire's end: ten segments.
    Click(TPoint{1025 + 250, 1000});
    ASSERT_EQ(Wire().Count(), 11);
    EXPECT_TRUE(form.Action("ActionUndo")->isEnabled());

    Trigger("ActionToolSpool");
    Click(Node(3), Qt::RightButton);
    EXPECT_EQ(Wire().Count(), 15);
    Click(Node(3), Qt::MiddleButton);
    EXPECT_EQ(Wire().Count(), 15);

    Trigger("ActionToolCutter");
    Click(Node(14));  // nothing after the last node
    Click(Node(10), Qt::RightButton);
    EXPECT_EQ(Wire().Count(), 11);

    Trigger("ActionToolPlier");
    Click(Node(5), Qt::RightButton);
    Click(Node(5), Qt::RightButton);
    EXPECT_NEAR(ToDegrees(Wire().Segment(5).angle), 20, 1e-12);
    EXPECT_EQ(Status(), " Angle: " + FormatLocal(20, "0.0") + "  Strain angle: " + FormatLocal(0, "0.000"));
    Click(Node(5), Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_NEAR(ToDegrees(Wire().Segment(5).angle), 19, 1e-12);
    EXPECT_TRUE(Wire().dirty);

    // Undo steps back through every edit, one per press that changed the
    // wire: three bends, the cut, the insertion and the pencil stroke.
    const int counts[] = {11, 11, 11, 15, 11, 1};
    const double bends[] = {20, 10, 0, 0, 0, 0};
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(form.Action("ActionUndo")->isEnabled()) << i;
        Trigger("ActionUndo");
        ASSERT_EQ(Wire().Count(), counts[i]) << i;
        if (Wire().Count() > 5) {
            EXPECT_NEAR(ToDegrees(Wire().Segment(5).angle), bends[i], 1e-12) << i;
        }
    }
    EXPECT_EQ(Wire().UndoCount(), 0);
    Trigger("ActionRedo");
    EXPECT_EQ(Wire().Count(), 11);
}

TEST_F(TToolsTest, CursorsPerToolAndOverANode) {
    TMainForm& form = Start();
    const std::pair<const char*, TCursorId> tools[] = {
        {"ActionToolZoom", TCursorId::Zoom},       {"ActionToolSpool", TCursorId::Default},
        {"ActionToolCutter", TCursorId::Default},  {"ActionToolPlier", TCursorId::Default},
        {"ActionToolPencil", TCursorId::Default},  {"ActionToolImageMove", TCursorId::ImageTrans},
        {"ActionToolBracket", TCursorId::Default},
    };
    for (const auto& [name, cursor] : tools) {
        Trigger(name);
        EXPECT_TRUE(Shows(cursor)) << name;
    }
    // Every drawn cursor is a picture of its own.
    std::vector<QImage> pictures;
    for (int id = 1; id <= 9; ++id) {
        const QCursor c = ToolCursor(static_cast<TCursorId>(id));
        ASSERT_EQ(c.shape(), Qt::BitmapCursor) << id;
        EXPECT_EQ(c.pixmap().size(), QSize(32, 32)) << id;
        for (const QImage& other : pictures) EXPECT_NE(c.pixmap().toImage(), other) << id;
        pictures.push_back(c.pixmap().toImage());
    }

    const TPoint node = Node(0);
    const TPoint away{5000, 5000};
    Trigger("ActionToolSpool");
    Move(node);
    EXPECT_TRUE(Shows(TCursorId::Spool));
    Move(away);
    EXPECT_TRUE(Shows(TCursorId::Default));
    Trigger("ActionToolCutter");
    Move(node);
    EXPECT_TRUE(Shows(TCursorId::Cutter));
    Trigger("ActionToolPlier");
    Move(node);
    EXPECT_TRUE(Shows(TCursorId::Plier10));
    Move(node, {}, Qt::ShiftModifier);
    EXPECT_TRUE(Shows(TCursorId::Plier90));
    Move(node, {}, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_TRUE(Shows(TCursorId::Plier1));
    Move(away);
    EXPECT_TRUE(Shows(TCursorId::Default));
    // The image tool without an image does nothing.
    Trigger("ActionToolImageMove");
    Click(TPoint{1000, 1000});
    EXPECT_EQ(*form.Design().LeftBracket.Origin(), TPointReal(10, 10));
    EXPECT_FALSE(form.Action("ActionUndo")->isEnabled());
}

TEST_F(TToolsTest, NodeReadoutPopsUpNextToTheMouse) {
    TMainForm& form = Start();
    Trigger("ActionToolPlier");
    form.Design().CurrentWire->BendSeg(0, ToRadians(12.5));
    const QString readout = " Angle: " + FormatLocal(12.5, "0.0") + "  Strain angle: " + FormatLocal(0, "0.000");
    Move(Node(0));
    EXPECT_EQ(Status(), readout);
    ASSERT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), readout);
    QWidget* tip = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "qtooltip_label" && w->isVisible()) tip = w;
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->pos(), Display()->mapToGlobal(At(Node(0))) + QPoint(32, 32));
    // Off the node the read-out and the hint go.
    Move(TPoint{5000, 5000});
    EXPECT_EQ(Status(), "");
    EXPECT_TRUE(ProcessUntil([] { return !QToolTip::isVisible(); }, 2000));
}

TEST_F(TToolsTest, KeysRunNodeAndBendCommands) {
    TMainForm& form = Start();
    QStringList ran;
    for (const char* name : {"ActionNextNode", "ActionPreviousNode", "ActionBendWire90L", "ActionBendWire10L",
                             "ActionBendWire1L", "ActionBendWire90R", "ActionBendWire10R", "ActionBendWire1R"}) {
        QAction* action = form.Action(name);
        action->setEnabled(true);
        QObject::connect(action, &QAction::triggered, &form, [&ran, name] { ran << name; });
    }
    auto keys = [&](int aKey, Qt::KeyboardModifiers aMods = {}) {
        ran.clear();
        QTest::keyClick(&form, static_cast<Qt::Key>(aKey), aMods);
        return ran;
    };
    // Arrows select nodes only while the markers are shown.
    // The display has the keyboard at start.
    EXPECT_EQ(QApplication::focusWidget(), Display());
    EXPECT_EQ(keys(Qt::Key_Right), QStringList());
    form.Settings().View.MarkersShown = true;
    EXPECT_EQ(keys(Qt::Key_Right), QStringList({"ActionNextNode"}));
    EXPECT_EQ(keys(Qt::Key_Left), QStringList({"ActionPreviousNode"}));
    // Up and Down bend only with the plier.
    EXPECT_EQ(keys(Qt::Key_Up), QStringList());
    Trigger("ActionToolPlier");
    EXPECT_EQ(keys(Qt::Key_Up), QStringList({"ActionBendWire10L"}));
    EXPECT_EQ(keys(Qt::Key_Up, Qt::ShiftModifier), QStringList({"ActionBendWire90L"}));
    EXPECT_EQ(keys(Qt::Key_Up, Qt::ControlModifier), QStringList({"ActionBendWire1L"}));
    EXPECT_EQ(keys(Qt::Key_Up, Qt::ShiftModifier | Qt::ControlModifier),
              QStringList({"ActionBendWire90L", "ActionBendWire1L"}));
    EXPECT_EQ(keys(Qt::Key_Down), QStringList({"ActionBendWire10R"}));
    EXPECT_EQ(keys(Qt::Key_Down, Qt::ShiftModifier), QStringList({"ActionBendWire90R"}));
    EXPECT_EQ(keys(Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier),
              QStringList({"ActionBendWire90R", "ActionBendWire1R"}));
    // Keys typed into the zoom box stay there.
    auto* zoomBox = form.findChild<QComboBox*>("ZoomCB");
    zoomBox->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), zoomBox);
    ran.clear();
    QTest::keyClick(zoomBox->lineEdit(), Qt::Key_Right);
    QTest::keyClick(&form, Qt::Key_Left);
    EXPECT_EQ(ran, QStringList());
    Display()->setFocus();

    // Shift and Ctrl change the plier's cursor and read-out at once, where
    // the mouse stands. (One key event each, as the keyboard sends them.)
    auto key = [&](QEvent::Type aType, int aKey, Qt::KeyboardModifiers aMods) {
        QKeyEvent event(aType, aKey, aMods);
        QApplication::sendEvent(Display(), &event);
    };
    form.Design().CurrentWire->BendSeg(0, ToRadians(5));
    Move(Node(0));
    ASSERT_TRUE(Shows(TCursorId::Plier10));
    key(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier);
    EXPECT_TRUE(Shows(TCursorId::Plier90));
    key(QEvent::KeyPress, Qt::Key_Control, Qt::ShiftModifier);
    EXPECT_TRUE(Shows(TCursorId::Plier1));
    key(QEvent::KeyRelease, Qt::Key_Control, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_TRUE(Shows(TCursorId::Plier90));
    key(QEvent::KeyRelease, Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_TRUE(Shows(TCursorId::Plier10));
    // The bends above ran at the selected node 0 as well.
    const double angle = ToDegrees(form.Design().CurrentWire->Segment(0).angle);
    EXPECT_EQ(Status(), " Angle: " + FormatLocal(angle, "0.0") + "  Strain angle: " + FormatLocal(0, "0.000"));
    // Not while the mouse is elsewhere.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(Display(), &leave);
    key(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier);
    EXPECT_TRUE(Shows(TCursorId::Plier10));
    key(QEvent::KeyRelease, Qt::Key_Shift, Qt::ShiftModifier);
}

TEST_F(TToolsTest, KeyBendsRefreshTheReadoutUnderTheMouse) {
    TMainForm& form = Start();
    form.findChild<QToolButton*>("SpeedButton0")->click();
    Trigger("ActionToolPlier");
    // The mouse rests on node 2, the selected node, which the keys bend.
    form.SetSelectedNode(2);
    Move(Node(2));
    const auto readout = [](double aAngle) {
        return " Angle: " + FormatLocal(aAngle, "0.0") + "  Strain angle: " + FormatLocal(0, "0.000");
    };
    ASSERT_EQ(Status(), readout(0));
    QTest::keyClick(&form, Qt::Key_Up);
    EXPECT_EQ(Status(), readout(-10));
    EXPECT_EQ(QToolTip::text(), readout(-10));
    QTest::keyClick(&form, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Status(), readout(80));
    // Over another node the read-out stays that node's.
    Move(Node(3));
    QTest::keyClick(&form, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_NEAR(ToDegrees(Wire().Segment(2).angle), 79, 1e-12);
    EXPECT_EQ(Status(), readout(0));
}

TEST_F(TToolsTest, ZoomBoxTakesTypedNumbersAsTyped) {
    TMainForm& form = Start();
    auto* box = form.findChild<QComboBox*>("ZoomCB");
    auto type = [&](const char* aText) {
        // As the user clicks into the box and types.
        box->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), box);
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), aText);
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    };
    for (const auto& [text, zoom] : std::vector<std::pair<const char*, int>>{{"30", 300}, {"60", 600}, {"120", 1200}}) {
        type(text);
        EXPECT_EQ(form.Mapping().Zoom(), zoom) << text;
        EXPECT_EQ(box->currentText(), QString(text) + "%");
    }
    EXPECT_TRUE(FDialogs->Of("error").empty());
    for (const char* text : {"2", "10"}) {
        type(text);
        EXPECT_EQ(form.Mapping().Zoom(), 1200) << text;
        EXPECT_EQ(box->currentText(), text);
    }
    const auto errors = FDialogs->Of("error");
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[1].text, "This is not a valid zoom value.\nUse an integer number in the range 25 - 1200.");
}

}  // namespace
}  // namespace torvik::test
