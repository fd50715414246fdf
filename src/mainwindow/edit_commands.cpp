#include "mainwindow/edit_commands.h"

#include <QAction>
#include <QDialog>
#include <QToolButton>

#include "dialogs/general_input_form.h"
#include "dialogs/user_loop.h"
#include "mainwindow/main_form.h"
#include "qt/locale_numbers.h"

namespace torvik {

namespace {

const QString IncorrectValue = QStringLiteral("Incorrect value entered.");

}  // namespace

TEditCommands::TEditCommands(TMainForm& aForm)
    : QObject(&aForm), FForm(aForm), FUserLoop(new TUserLoop(&aForm)), FInputForm(&TGeneralInputForm::Of(aForm)) {
    for (TTorvikDialog* dialog : {static_cast<TTorvikDialog*>(FUserLoop), static_cast<TTorvikDialog*>(FInputForm)})
        connect(dialog, &TTorvikDialog::helpRequested, &FForm, &TMainForm::ShowHelp, Qt::UniqueConnection);

    BindPresetButton("SpeedButton0", TPreset::Straight);
    BindPresetButton("SpeedButton1", TPreset::Right90);
    BindPresetButton("SpeedButton2", TPreset::Left90);
    BindPresetButton("SpeedButton3", TPreset::Right180);
    BindPresetButton("SpeedButton4", TPreset::Left180);
    auto* loop = FForm.findChild<QToolButton*>("SpeedButton5");
    connect(loop, &QToolButton::clicked, this, [this] { FForm.Guarded([this] { UserLoopClick(); }); });
    loop->setEnabled(true);

    // The fixed bends carry their angle in degrees.
    for (const char* name : {"ActionBendWire90L", "ActionBendWire10L", "ActionBendWire1L", "ActionBendWire90R",
                             "ActionBendWire10R", "ActionBendWire1R"}) {
        const QAction* action = FForm.Action(name);
        FForm.Bind(name, [this, action] { BendWireExecute(*action); });
    }
    FForm.Bind("ActionBendWireUser", [this] { BendWireUserExecute(); });
    FForm.Bind("ActionCutOneSeg", [this] { CutOneSegExecute(); });
    FForm.Bind("ActionCutOneMm", [this] { CutOneMmExecute(); });
    FForm.Bind("ActionCutToEnd", [this] { CutToEndExecute(); });
    FForm.Bind("MenuEditFreeze", [this] { FreezeClick(); });
    FForm.Bind("MenuEditFlipV", [this] { FlipVClick(); });
    FForm.Bind("ActionShowMarkers", [this] { ShowMarkersExecute(); });
    FForm.Bind("ActionPreviousNode", [this] { PreviousNodeExecute(); });
    FForm.Bind("ActionNextNode", [this] { NextNodeExecute(); });
    FForm.Bind("ActionGotoSeg", [this] { GotoSegExecute(); });
}

void TEditCommands::BindPresetButton(const char* aName, TPreset aPreset) {
    auto* button = FForm.findChild<QToolButton*>(aName);
    connect(button, &QToolButton::clicked, this, [this, aPreset] { FForm.Guarded([this, aPreset] { PresetClick(aPreset); }); });
    button->setEnabled(true);
}

template <typename TEdit>
void TEditCommands::Edit(TEdit aEdit) {
    FForm.RecordUndo();
    aEdit(*FForm.Design().CurrentWire);
    FForm.RefreshMarkers();
}

void TEditCommands::PresetClick(TPreset aPreset) {
    const TPiece piece = PresetPiece(aPreset, FForm.Settings().SegmentSize);
    CheckRoom(*FForm.Design().CurrentWire, piece);
    Edit([&](TWire& aWire) { AppendPiece(aWire, piece); });
}

void TEditCommands::UserLoopClick() {
    if (FForm.ExecDialog(*FUserLoop) != QDialog::Accepted) return;
    double diameter = 0, angle = 0;
    if (!TryReadLocal(FUserLoop->DiameterText(), diameter) || !TryReadLocal(FUserLoop->AngleText(), angle)) {
        FForm.ErrorBox(IncorrectValue);
        return;
    }
    const TWire& wire = *FForm.Design().CurrentWire;
    // A loop that cannot be built says so and leaves the wire alone.
    TPiece piece;
    try {
        piece = UserLoopPiece(diameter, angle, FUserLoop->KeepLength(), FForm.Settings().SegmentSize, wire.Count());
    } catch (const TEditError& e) {
        FForm.ErrorBox(QString::fromUtf8(e.what()));
        return;
    }
    if (piece.count == 0) return;
    Edit([&](TWire& aWire) { AppendPiece(aWire, piece); });
}

void TEditCommands::BendWireExecute(const QAction& aAction) {
    const int degrees = aAction.data().toInt();
    CheckBend(*FForm.Design().CurrentWire, FForm.SelectedNode(), degrees);
    Edit([&](TWire& aWire) { BendNode(aWire, FForm.SelectedNode(), degrees); });
}

void TEditCommands::BendWireUserExecute() {
    const std::optional<QString> text = AskInput("Angle of bend: ", "10");
    if (!text) return;
    double degrees = 0;
    if (!TryReadLocal(*text, degrees)) {
        FForm.ErrorBox(IncorrectValue);
        return;
    }
    CheckBend(*FForm.Design().CurrentWire, FForm.SelectedNode(), degrees);
    Edit([&](TWire& aWire) { BendNode(aWire, FForm.SelectedNode(), degrees); });
}

bool TEditCommands::NothingAfterSelectedNode() const {
    // A cut at the wire's end removes nothing, and an undo step that undoes
    // nothing would only push a real one out of the history.
    return FForm.SelectedNode() >= FForm.Design().CurrentWire->Count() - 1;
}

void TEditCommands::CutOneSegExecute() {
    if (NothingAfterSelectedNode()) return;
    Edit([&](TWire& aWire) { CutOneSegment(aWire, FForm.SelectedNode()); });
}

void TEditCommands::CutOneMmExecute() {
    if (NothingAfterSelectedNode() || RoundHalfEven(1 / FForm.Settings().SegmentSize) < 1) return;
    Edit([&](TWire& aWire) { CutOneMillimetre(aWire, FForm.SelectedNode(), FForm.Settings().SegmentSize); });
}

void TEditCommands::CutToEndExecute() {
    if (NothingAfterSelectedNode()) return;
    Edit([&](TWire& aWire) { CutAfterNode(aWire, FForm.SelectedNode()); });
}

void TEditCommands::FreezeClick() {
    FForm.RecordUndo();
    const TAnswer answer =
        FForm.AskYesNoBox("Information", "Wire bent to activated shape.\r\n\r\nReset forces to zero?");
    FreezeWire(FForm.Design(), answer == TAnswer::Yes);
    FForm.RefreshMarkers();
}

void TEditCommands::FlipVClick() {
    FForm.RecordUndo();
    FlipWire(FForm.Design());
    FForm.RefreshMarkers();
}

void TEditCommands::ShowMarkersExecute() {
    bool& shown = FForm.Settings().View.MarkersShown;
    shown = !shown;
    FForm.Action("ActionShowMarkers")->setChecked(shown);
    FForm.DrawDisplay();
}

void TEditCommands::SelectNode(std::optional<int> aNode) {
    if (!aNode) return;
    FForm.SetSelectedNode(*aNode);
    FForm.RefreshMarkers();
}

void TEditCommands::PreviousNodeExecute() {
    SelectNode(PreviousNode(*FForm.Design().CurrentWire, FForm.SelectedNode()));
}

void TEditCommands::NextNodeExecute() { SelectNode(NextNode(*FForm.Design().CurrentWire, FForm.SelectedNode())); }

void TEditCommands::GotoSegExecute() {
    const TWire& wire = *FForm.Design().CurrentWire;
    const std::optional<QString> text = AskInput(QStringLiteral("Select node (0 - %1):").arg(wire.Count() - 1),
                                                 QString::number(FForm.SelectedNode()));
    if (!text) return;
    int node = 0;
    if (!TryReadLocalInt(*text, node)) {
        FForm.ErrorBox(IncorrectValue);
        return;
    }
    // A node the wire does not have is ignored.
    SelectNode(ExistingNode(*FForm.Design().CurrentWire, node));
}

std::optional<QString> TEditCommands::AskInput(const QString& aPrompt, const QString& aText) {
    FInputForm->SetPrompt(aPrompt);
    FInputForm->SetText(aText);
    if (FForm.ExecDialog(*FInputForm) != QDialog::Accepted) return std::nullopt;
    return FInputForm->Text();
}

}  // namespace torvik
