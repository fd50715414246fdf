// Protects the window's wire editing commands: preset buttons, loop, bends, cuts, freeze, flip, markers and node selection, with their undo states, dialogs and messages.
#include <cmath>

#include <QLocale>
#include <QMenu>
#include <QToolButton>

#include "dialog_script.h"
#include "dialogs/general_input_form.h"
#include "display_mouse.h"
#include "locale_scope.h"
#include "wire/wire_edit.h"

namespace torvik::test {
namespace {

constexpr double Deg = Pi / 180;
const QString IncorrectValue = "Incorrect value entered.";

class TEditCommandsTest : public TGuiTest {
protected:
    TMainForm& StartUnlimited() {
        TMainForm& form = Start();
        form.Settings().UndoLevels = UndoUnlimited;
        return form;
    }
    void Click(const char* aButton) {
        auto* button = FForm->findChild<QToolButton*>(aButton);
        ASSERT_NE(button, nullptr) << aButton;
        ASSERT_TRUE(button->isEnabled()) << aButton;
        button->click();
    }
    TWire& Wire() { return *FForm->Design().CurrentWire; }
    int Undos() { return Wire().UndoCount(); }
    // The next general input gets aText and OK (or aResult).
    void Input(const QString& aText, int aResult = QDialog::Accepted) {
        FDialogs->dialogScripts.push_back(FillDialog({{"InputEd", aText}}, {}, aResult, &FShown));
    }
    void Loop(const QString& aDiameter, const QString& aAngle, bool aKeep, int aResult = QDialog::Accepted) {
        FDialogs->dialogScripts.push_back(
            FillDialog({{"LpDiameter", aDiameter}, {"LpAngle", aAngle}}, {{"KeepLength", aKeep}}, aResult, &FShown));
    }
    std::vector<QString> Errors() const {
        std::vector<QString> texts;
        for (const TShownBox& box : FDialogs->Of("error")) texts.push_back(box.text);
        return texts;
    }

    std::vector<TShownDialog> FShown;
};

int BluePixels(const QImage& aImage) {
    int count = 0;
    for (int y = 0; y < aImage.height(); ++y)
        for (int x = 0; x < aImage.width(); ++x)
            if (aImage.pixel(x, y) == qRgb(0, 0, 255)) ++count;
    return count;
}

TEST_F(TEditCommandsTest, PresetButtonsAppendPieces) {
    TMainForm& form = StartUnlimited();
    // Each piece's button shows a picture of its own, the two half turns
    // included, which are the same curve traced the other way round.
    std::vector<QImage> pictures;
    for (const char* name : {"SpeedButton0", "SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4"}) {
        const QImage picture = form.findChild<QToolButton*>(name)->icon().pixmap(30, 30).toImage();
        for (const QImage& other : pictures) EXPECT_NE(picture, other) << name;
        pictures.push_back(picture);
    }
    EXPECT_FALSE(form.Action("ActionUndo")->isEnabled());
    const QImage before = form.DisplayImage().copy();
    Click("SpeedButton0");
    EXPECT_EQ(Wire().Count(), 5);
    EXPECT_EQ(Undos(), 1);
    EXPECT_TRUE(form.Action("ActionUndo")->isEnabled());
    EXPECT_NE(form.DisplayImage(), before);  // redrawn

    const struct {
        const char* button;
        int segments;
        double length, bend;
    } turns[] = {{"SpeedButton1", 5, 0.23465, 18}, {"SpeedButton2", 5, 0.23465, -18},
                 {"SpeedButton3", 13, 0.24107, 180.0 / 13}, {"SpeedButton4", 13, 0.24107, -180.0 / 13}};
    for (const auto& turn : turns) {
        const int count = Wire().Count();
        const double direction = Wire().EndDirection();
        const int undos = Undos();
        Click(turn.button);
        ASSERT_EQ(Wire().Count(), count + turn.segments) << turn.button;
        EXPECT_EQ(Undos(), undos + 1);
        EXPECT_NEAR(Wire().Segment(count).length, turn.length, 5e-6);
        EXPECT_NEAR(Wire().Segment(count).angle, turn.bend * Deg, 1e-12);
        EXPECT_NEAR(std::abs(AngleDiff(Wire().EndDirection(), direction)), turn.segments == 5 ? Pi / 2 : Pi, 1e-9);
    }
    // The straight segments follow the segment size setting.
    form.Settings().SegmentSize = 0.5;
    Click("SpeedButton0");
    EXPECT_EQ(Wire().Segment(Wire().Count() - 1).length, 0.5);
    EXPECT_TRUE(Errors().empty());

    // No piece takes the wire beyond the segments a design file may hold.
    while (Wire().Count() < MaxFileSegments - 4) Wire().AddSeg(0.001, 0);
    const int undos = Undos();
    Click("SpeedButton1");
    EXPECT_EQ(Errors(), std::vector<QString>{"The piece would give the wire more than 100000 segments."});
    EXPECT_EQ(Wire().Count(), MaxFileSegments - 4);
    EXPECT_EQ(Undos(), undos);
    Click("SpeedButton0");
    EXPECT_EQ(Wire().Count(), MaxFileSegments);
}

TEST_F(TEditCommandsTest, UserLoopDialog) {
    TMainForm& form = StartUnlimited();
    // The defaults: 13 segments of 0.25 mm bent by 14.36 degrees.
    Loop("2.0", "180", true);
    Click("SpeedButton5");
    ASSERT_EQ(FShown.size(), 1u);
    EXPECT_EQ(FShown[0].name, "UserLoop");
    EXPECT_EQ(FShown[0].title, "User-Defined Loop");
    EXPECT_EQ(FShown[0].texts["LpDiameter"], "2.0");
    EXPECT_EQ(FShown[0].texts["LpAngle"], "180");
    EXPECT_TRUE(FShown[0].checks["KeepLength"]);
    ASSERT_EQ(Wire().Count(), 14);
    EXPECT_EQ(Undos(), 1);
    EXPECT_EQ(Wire().Segment(13).length, 0.25);
    EXPECT_NEAR(Wire().Segment(13).angle / Deg, 14.36, 5e-3);

    // Fitted to the circle, turning left, typed with blanks: the mirror of
    // the 180 degree turn. The dialog keeps what was typed last.
    Loop(" -2.0 ", "-180", false);
    Click("SpeedButton5");
    ASSERT_EQ(Wire().Count(), 27);
    EXPECT_NEAR(Wire().Segment(26).length, 0.24107, 5e-6);
    EXPECT_NEAR(Wire().Segment(26).angle, -Pi / 13, 1e-12);
    FDialogs->dialogScripts.push_back(FillDialog({}, {}, QDialog::Rejected, &FShown));
    Click("SpeedButton5");
    EXPECT_EQ(FShown.back().texts["LpDiameter"], " -2.0 ");
    EXPECT_EQ(FShown.back().texts["LpAngle"], "-180");
    EXPECT_FALSE(FShown.back().checks["KeepLength"]);
    EXPECT_EQ(Wire().Count(), 27);  // cancelled: nothing
    EXPECT_EQ(Undos(), 2);

    // Too small an angle adds nothing and records nothing.
    Loop("2.0", "7", true);
    Click("SpeedButton5");
    EXPECT_EQ(Wire().Count(), 27);
    EXPECT_EQ(Undos(), 2);
    EXPECT_TRUE(Errors().empty());

    // Unreadable values and loops that cannot be built: a message, the wire
    // unchanged, no undo state.
    Loop("x", "180", true);
    Click("SpeedButton5");
    Loop("2.0", "", true);
    Click("SpeedButton5");
    Loop("2,0", "180", true);  // not a number in this locale
    Click("SpeedButton5");
    for (const char* diameter : {"0.25", "0.1", "0", "-0.2"}) {
        Loop(diameter, "180", false);
        Click("SpeedButton5");
    }
    Loop("2.0", "1e9", true);
    Click("SpeedButton5");
    const std::vector<QString> expected = {IncorrectValue,
                                           IncorrectValue,
                                           IncorrectValue,
                                           "The loop diameter must be larger than the segment size.",
                                           "The loop diameter must be larger than the segment size.",
                                           "The loop diameter must be larger than the segment size.",
                                           "The loop diameter must be larger than the segment size.",
                                           "The loop would give the wire more than 100000 segments."};
    EXPECT_EQ(Errors(), expected);
    EXPECT_EQ(Wire().Count(), 27);
    EXPECT_EQ(Undos(), 2);
    EXPECT_EQ(form.Design().CurrentWire->Count(), 27);
}

TEST_F(TEditCommandsTest, UserLoopReadsTheUsersLocale) {
    const TLocaleScope german(QLocale(QLocale::German, QLocale::Germany));
    // The window's loop dialog is made in that locale: its default reads back.
    StartUnlimited();
    Loop("2,0", "90,5", false);
    Click("SpeedButton5");
    ASSERT_EQ(FShown.size(), 1u);
    EXPECT_EQ(FShown[0].texts["LpDiameter"], "2,0");
    EXPECT_TRUE(Errors().empty());
    EXPECT_EQ(Wire().Count(), 1 + 6);  // 90.5 / 14.36 = 6.3
    EXPECT_NEAR(Wire().Segment(6).angle, 90.5 * Deg / 6, 1e-12);
}

TEST_F(TEditCommandsTest, FixedAndTypedBends) {
    TMainForm& form = StartUnlimited();
    ASSERT_TRUE(form.findChild<QMenu*>("MenuEditBendWire")->isEnabled());
    ASSERT_TRUE(form.findChild<QMenu*>("MenuEditCutWire")->isEnabled());
    Click("SpeedButton0");
    Input("2");
    Trigger("ActionGotoSeg");
    ASSERT_EQ(form.SelectedNode(), 2);
    const std::pair<const char*, int> bends[] = {{"ActionBendWire90L", -90}, {"ActionBendWire10L", -10},
                                                 {"ActionBendWire1L", -1},   {"ActionBendWire90R", 90},
                                                 {"ActionBendWire10R", 10},  {"ActionBendWire1R", 1}};
    double total = 0;
    for (const auto& [name, degrees] : bends) {
        ASSERT_TRUE(form.Action(name)->isEnabled()) << name;
        const int undos = Undos();
        Trigger(name);
        total += degrees;
        EXPECT_NEAR(Wire().Segment(2).angle, total * Deg, 1e-12) << name;
        EXPECT_EQ(Undos(), undos + 1);
    }
    EXPECT_EQ(Wire().Segment(1).angle, 0.0);

    // Typed: the prompt and "10" are offered; the typed angle is used.
    FShown.clear();
    Input("-12.5");
    Trigger("ActionBendWireUser");
    ASSERT_EQ(FShown.size(), 1u);
    EXPECT_EQ(FShown[0].name, "GeneralInputForm");
    EXPECT_EQ(FShown[0].title, "Torvik");
    EXPECT_EQ(FShown[0].texts["InputTextLbl"], "Angle of bend: ");
    EXPECT_EQ(FShown[0].texts["InputEd"], "10");
    EXPECT_NEAR(Wire().Segment(2).angle, -12.5 * Deg, 1e-12);
    const int undos = Undos();

    // Unreadable or cancelled: nothing, no undo state.
    Input("x");
    Trigger("ActionBendWireUser");
    Input("1e999");
    Trigger("ActionBendWireUser");
    Input("45", QDialog::Rejected);
    Trigger("ActionBendWireUser");
    EXPECT_EQ((std::vector<QString>{IncorrectValue, IncorrectValue}), Errors());
    EXPECT_NEAR(Wire().Segment(2).angle, -12.5 * Deg, 1e-12);
    EXPECT_EQ(Undos(), undos);
    // A bend that a design file could not hold, as saved, opened again.
    Input("60000");
    Trigger("ActionBendWireUser");
    EXPECT_EQ(Errors().back(), "The node would be bent too far to be saved in a design file.");
    EXPECT_NEAR(Wire().Segment(2).angle, -12.5 * Deg, 1e-12);
    EXPECT_EQ(Undos(), undos);

    // Bending the wire's end changes where the next piece goes.
    Input("4");
    Trigger("ActionGotoSeg");
    const TPointReal end = Wire().Corner();
    Trigger("ActionBendWire90R");
    EXPECT_EQ(Wire().Corner(), end);
    Click("SpeedButton0");
    EXPECT_NEAR(Wire().Segment(5).direction, NormalizeAngle(Wire().Segment(4).direction + Pi / 2), 1e-12);
}

TEST_F(TEditCommandsTest, Cuts) {
    TMainForm& form = StartUnlimited();
    for (int i = 0; i < 3; ++i) Click("SpeedButton0");
    ASSERT_EQ(Wire().Count(), 13);
    Input("3");
    Trigger("ActionGotoSeg");
    int undos = Undos();
    Trigger("ActionCutOneSeg");
    EXPECT_EQ(Wire().Count(), 12);
    Trigger("ActionCutOneMm");  // four segments of 0.25 mm
    EXPECT_EQ(Wire().Count(), 8);
    Trigger("ActionCutToEnd");
    EXPECT_EQ(Wire().Count(), 4);
    EXPECT_EQ(Undos(), undos + 3);
    EXPECT_EQ(form.SelectedNode(), 3);
    // At the wire's end nothing goes, and no empty undo step is recorded.
    Trigger("ActionCutOneSeg");
    Trigger("ActionCutOneMm");
    Trigger("ActionCutToEnd");
    EXPECT_EQ(Wire().Count(), 4);
    EXPECT_EQ(Undos(), undos + 3);

    // With 0.5 mm segments a millimetre is two segments.
    form.Settings().SegmentSize = 0.5;
    Click("SpeedButton0");
    Input("1");
    Trigger("ActionGotoSeg");
    Trigger("ActionCutOneMm");
    EXPECT_EQ(Wire().Count(), 6);
    EXPECT_TRUE(Errors().empty());
}

TEST_F(TEditCommandsTest, NodeSelectionAndMarkers) {
    TMainForm& form = StartUnlimited();
    Click("SpeedButton0");  // nodes 0 to 4
    const int undos = Undos();
    Trigger("ActionPreviousNode");  // at node 0: nothing
    EXPECT_EQ(form.SelectedNode(), 0);
    for (int i = 0; i < 6; ++i) Trigger("ActionNextNode");
    EXPECT_EQ(form.SelectedNode(), 4);  // stops at the last node
    Trigger("ActionPreviousNode");
    EXPECT_EQ(form.SelectedNode(), 3);

    // Goto offers the range and the current node.
    FShown.clear();
    Input("1");
    Trigger("ActionGotoSeg");
    ASSERT_EQ(FShown.size(), 1u);
    EXPECT_EQ(FShown[0].texts["InputTextLbl"], "Select node (0 - 4):");
    EXPECT_EQ(FShown[0].texts["InputEd"], "3");
    EXPECT_EQ(form.SelectedNode(), 1);
    Input("7");  // not a node: ignored without a word
    Trigger("ActionGotoSeg");
    Input("-1");
    Trigger("ActionGotoSeg");
    EXPECT_EQ(form.SelectedNode(), 1);
    EXPECT_TRUE(Errors().empty());
    Input("x");
    Trigger("ActionGotoSeg");
    Input("1.5");
    Trigger("ActionGotoSeg");
    EXPECT_EQ(Errors(), (std::vector<QString>{IncorrectValue, IncorrectValue}));
    Input(" 4 ");
    Trigger("ActionGotoSeg");
    EXPECT_EQ(form.SelectedNode(), 4);
    EXPECT_EQ(Undos(), undos);  // selecting changes no wire

    // The dialog keeps its last caller's prompt until another sets its own.
    TGeneralInputForm& input = TGeneralInputForm::Of(form);
    EXPECT_EQ(input.Prompt(), "Select node (0 - 4):");
    Input("5", QDialog::Rejected);
    Trigger("ActionBendWireUser");
    EXPECT_EQ(input.Prompt(), "Angle of bend: ");

    // Markers: hidden at start; the selected node's marker is blue.
    QAction* markers = form.Action("ActionShowMarkers");
    EXPECT_FALSE(form.Settings().View.MarkersShown);
    EXPECT_FALSE(markers->isChecked());
    EXPECT_EQ(BluePixels(form.DisplayImage()), 0);
    Trigger("ActionShowMarkers");
    EXPECT_TRUE(form.Settings().View.MarkersShown);
    EXPECT_TRUE(markers->isChecked());
    EXPECT_GT(BluePixels(form.DisplayImage()), 0);
    Trigger("ActionShowMarkers");
    EXPECT_FALSE(form.Settings().View.MarkersShown);
    EXPECT_FALSE(markers->isChecked());
    EXPECT_EQ(BluePixels(form.DisplayImage()), 0);
    EXPECT_EQ(Undos(), undos);
}

TEST_F(TEditCommandsTest, FreezeAndFlipAfterARun) {
    TMainForm& form = StartUnlimited();
    FDialogs->openNames.push_back(WriteLoop("run.tvk"));
    Trigger("ActionFileOpen");
    ASSERT_EQ(Wire().Count(), 40);
    const auto rest = WireShape(Wire());
    Trigger("ActionRun");
    ASSERT_TRUE(ProcessUntil([&] { return !form.Running(); }));
    ASSERT_TRUE(Errors().empty());
    const TForceMoment load = form.Design().RightForce;
    ASSERT_NE(load.x, 0.0);
    std::vector<double> activated;
    for (const TWireSeg& s : Wire().Segments()) activated.push_back(s.angle + s.dAngle);

    // No: the load stays and deforms the frozen wire again.
    FDialogs->answers.push_back(TAnswer::No);
    Trigger("MenuEditFreeze");
    const auto asked = FDialogs->Of("askYesNo");
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].title, "Information");
    EXPECT_EQ(asked[0].text, "Wire bent to activated shape.\r\n\r\nReset forces to zero?");
    EXPECT_EQ(Undos(), 1);
    for (int i = 0; i < Wire().Count(); ++i) EXPECT_DOUBLE_EQ(Wire().Segment(i).angle, activated[i]);
    EXPECT_EQ(form.Design().RightForce.x, load.x);
    EXPECT_EQ(form.Design().LeftForce.x, -load.x);
    EXPECT_GT(Wire().MaxStrain(), 0.0);

    // Yes (or closing the box, which is No, tried first): the load goes.
    Trigger("MenuEditFreeze");  // no answer scripted: No
    EXPECT_EQ(form.Design().RightForce.x, load.x);
    FDialogs->answers.push_back(TAnswer::Yes);
    Trigger("MenuEditFreeze");
    EXPECT_EQ(form.Design().RightForce.x, 0.0);
    EXPECT_EQ(form.Design().RightForce.m, 0.0);
    EXPECT_EQ(form.Design().LeftForce.m, 0.0);
    EXPECT_EQ(Wire().MaxStrain(), 0.0);
    EXPECT_EQ(Undos(), 3);

    // Flip: no question, the bends mirrored, no load.
    const auto frozen = WireShape(Wire());
    form.Design().RightForce.x = 12;
    Trigger("MenuEditFlipV");
    EXPECT_EQ(FDialogs->Of("askYesNo").size(), 3u);
    EXPECT_EQ(Undos(), 4);
    EXPECT_EQ(form.Design().RightForce.x, 0.0);
    EXPECT_EQ(form.Design().LeftForce.x, 0.0);
    for (int i = 0; i < Wire().Count(); ++i) EXPECT_EQ(Wire().Segment(i).angle, -frozen[i].second);

    // Undo goes back through all four to the wire as opened.
    for (int i = 0; i < 4; ++i) Trigger("ActionUndo");
    EXPECT_EQ(WireShape(Wire()), rest);
    EXPECT_FALSE(form.Action("ActionUndo")->isEnabled());
    EXPECT_TRUE(Errors().empty());
}

TEST_F(TEditCommandsTest, UndoAndRedoAcrossEveryCommand) {
    TMainForm& form = StartUnlimited();
    std::vector<TWireShape> states{WireShape(Wire())};
    const auto after = [&] { states.push_back(WireShape(Wire())); };
    for (const char* button : {"SpeedButton0", "SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4"}) {
        Click(button);
        after();
    }
    Loop("3.0", "120", true);
    Click("SpeedButton5");
    after();
    Input("20");
    Trigger("ActionGotoSeg");
    for (const char* bend : {"ActionBendWire90L", "ActionBendWire10L", "ActionBendWire1L", "ActionBendWire90R",
                             "ActionBendWire10R", "ActionBendWire1R"}) {
        Trigger(bend);
        after();
    }
    Input("33");
    Trigger("ActionBendWireUser");
    after();
    for (const char* command : {"ActionCutOneSeg", "ActionCutOneMm", "MenuEditFlipV", "MenuEditFreeze"}) {
        Trigger(command);
        after();
    }
    Input("10");
    Trigger("ActionGotoSeg");
    Trigger("ActionCutToEnd");
    after();
    ASSERT_EQ(Wire().Count(), 11);
    ASSERT_EQ(Undos(), static_cast<int>(states.size()) - 1);
    ASSERT_TRUE(Errors().empty());

    // Back through every change; the selected node stays on the wire.
    Input("10");
    Trigger("ActionGotoSeg");
    for (std::size_t i = states.size() - 1; i-- > 0;) {
        Trigger("ActionUndo");
        EXPECT_EQ(WireShape(Wire()), states[i]) << i;
        EXPECT_LT(form.SelectedNode(), Wire().Count());
    }
    EXPECT_EQ(form.SelectedNode(), 0);
    EXPECT_FALSE(form.Action("ActionUndo")->isEnabled());
    // And forward again.
    for (std::size_t i = 1; i < states.size(); ++i) {
        Trigger("ActionRedo");
        EXPECT_EQ(WireShape(Wire()), states[i]) << i;
    }
    EXPECT_FALSE(form.Action("ActionRedo")->isEnabled());
}

}  // namespace
}  // namespace torvik::test
