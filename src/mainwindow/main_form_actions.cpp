// The main window's commands: every action and menu item with its caption
// and hint, which of them this version runs, and the small view commands.

#include <algorithm>

#include <QAction>
#include <QActionGroup>
#include <QApplication>

#include "mainwindow/hints.h"
#include "mainwindow/icons.h"
#include "mainwindow/main_form.h"

namespace torvik {

namespace {

struct TActionText {
    const char* name;
    const char* caption;
    const char* hint;
};

// Commands shared by menu items and tool-bar buttons, and the menu items
// without an action, with their captions and hints.
constexpr TActionText ActionTexts[] = {
    {"ActionFileNew", "&New Loop", "New Loop|Start a new loop."},
    {"ActionFileNewFromTemplate", "New from &Template...",
     "New from Template|Start a new loop from a template: a vertical, T, teardrop, L or box loop of chosen sizes."},
    {"ActionFileEditTemplate", "Edit Te&mplate...",
     "Edit Template|Change the sizes of the template this loop was made from."},
    {"ActionFileOpen", "&Open...", "Open Loop|Load loop from file."},
    {"ActionFileSave", "&Save", "Save|Save loop to file."},
    {"MenuFileSaveAs", "Save &As...", "Specify file and save loop."},
    {"ActionFileOpenImage", "Open &Image...", "Open Image|Load an image from disk."},
    {"MenuFilePrint", "&Print...", "Print loop to printer in actual size."},
    {"MenuFileExportPicture", "&Export Picture...", "Save loop as a picture in actual size (SVG, PDF or PNG)."},
    {"ActionFileExit", "E&xit", "Exit|Exit program."},
    {"ActionUndo", "&Undo", "Undo|Undo last loop change."},
    {"ActionRedo", "&Redo", "Redo|Redo last loop change."},
    {"ActionBendWire90L", "Bend Wire 90\u00b0 Left", ""},
    {"ActionBendWire10L", "Bend Wire 10\u00b0 Left", ""},
    {"ActionBendWire1L", "Bend Wire 1\u00b0 Left", ""},
    {"ActionBendWire90R", "Bend Wire 90\u00b0 Right", ""},
    {"ActionBendWire10R", "Bend Wire 10\u00b0 Right", ""},
    {"ActionBendWire1R", "Bend Wire 1\u00b0 Right", ""},
    {"ActionBendWireUser", "Bend Wire...", ""},
    {"ActionCutOneSeg", "Cut 1 Segment", "Cut One Segment|Cut one segment of the wire."},
    {"ActionCutOneMm", "Cut 1 mm", "Cut 1 mm|Cut one mm of the wire."},
    {"ActionCutToEnd", "Cut To End", "Cut to End|Cut the wire and discard the piece till the end."},
    {"MenuEditWire", "&Wire Info", "Various information on current loop."},
    {"MenuEditFreeze", "Fr&eeze Wire", "Bend wire to activated shape."},
    {"MenuEditFlipV", "Fli&p Wire", "Flip wire over."},
    {"ActionForceEdit", "&Force...", "Edit Force|Change force and moment magnitude."},
    {"ActionForceZero", "Zero Force", "Zero Force|Set forces and moments to zero."},
    {"MenuEditCopy", "&Copy as Picture", "Copy to Clipboard."},
    {"MenuViewZoomIn", "&Zoom In", "Zoom in."},
    {"MenuViewZoomOut", "Zoom &Out", "Zoom out."},
    {"MenuViewBestFit", "&Best Fit", "Center the loop and set the zoom level so that the loop fills the display."},
    {"MenuViewFitAll", "Fit A&ll", "Set the zoom level so that the whole design area fits in the display."},
    {"MenuViewZoomForcesIn", "&In", ""},
    {"MenuViewZoomForcesOut", "&Out", ""},
    {"MenuViewShowGrid", "Show &Grid", "Show a grid to help align and bend the wire."},
    {"MenuViewSnaptoGrid", "&Snap to Grid", "Restrict movement to 1mm and 1 degree steps."},
    {"ActionShowMarkers", "Show/Hide Markers", "Show/Hide Markers|Show or hide node markers on wire."},
    {"ActionPreviousNode", "Select Previous Node", "Select Previous Node|Select previous node of wire."},
    {"ActionNextNode", "Select Next Node", "Select Next Node|Select next node of wire."},
    {"ActionGotoSeg", "Goto Node...", "Select Node|Select a wire node for bending or cutting."},
    {"MenuViewStrain", "Show Str&ain", "Color wire according to areas of high and low strain."},
    {"MenuViewCentre", "&Centre of Resistance",
     "Show each tooth's centre of resistance, the moment there and the tooth movement the load points to."},
    {"ActionViewImage", "Show/Hide Image", "Show/Hide Image|Show or hide the image."},
    {"ActionSetImageRes", "Image Resolution...", "Image Resolution|Set the resolution of the image."},
    {"MenuEditOptions", "O&ptions...", "Change various program options."},
    {"ActionRun", "&Run", "Run|Start activating the loop."},
    {"ActionStopRun", "&Stop", "Stop|Stop activating the loop."},
    {"MenuRunWireSlides", "Wire Slides in Slot",
     "Wire Slides in Slot|In Slot mode the wire slides along the right bracket's slot, free of force along it "
     "(straight wire with V-bends or step bends). Off: the slot holds the wire end in place (loops)."},
    {"ActionActivationCurve", "Activation &Curve...", "Activation Curve|Force, moment and M/F as the loop deactivates."},
    {"ActionParameterSweep", "Parameter S&weep...",
     "Parameter Sweep|Chart the loads as one size of the loop's template varies. For a design made from a template: "
     "File > New from Template... makes one."},
    {"ActionFitLoop", "&Fit Loop...",
     "Fit Loop|Find the sizes of the loop's template that give the wanted M/F and force. For a design made from a "
     "template: File > New from Template... makes one."},
    {"MenuHelpContents", "&Contents", "Open Help file."},
    {"MenuHelpAbout", "&About...", "Information about Torvik."},
};

struct TToolText {
    const char* name;
    int tag;
    const char* hint;
};

// The seven tools, in the order of their tool-bar buttons.
constexpr TToolText ToolTexts[] = {
    {"ActionToolZoom", ToolZoom, "Zoom In/Out|Zoom in (Left Button) / Zoom out (Right Button)."},
    {"ActionToolBracket", ToolBracket, "Reposition Bracket|Select and move brackets. Click: Rotate."},
    {"ActionToolSpool", ToolSpool,
     "Wire Spool|Add wire. Right Click: Insert four segments, Left Click: Insert one segment."},
    {"ActionToolCutter", ToolCutter,
     "Cutter|Cut the wire. Left Button: Remove next segment. Right Button: Cut to end."},
    {"ActionToolPlier", ToolPlier,
     "All-Purpose Plier|Bend the wire by 10\u00b0. (Shift: 90\u00b0, Ctrl: 1\u00b0, Left Button: Anti-clockwise, "
     "Right: Clockwise)"},
    {"ActionToolPencil", ToolPencil, "Pencil|Click to draw from wire end to mouse position"},
    {"ActionToolImageMove", ToolImage,
     "Image Translate|Drag the image with the mouse, drag a marker to resize (Ctrl: Free aspect ratio)"},
};

// Commands that this version of the program carries out; the rest are shown
// disabled.
constexpr const char* WorkingCommands[] = {
    "ActionFileNew", "ActionFileOpen", "ActionFileSave", "MenuFileSaveAs", "ActionFileExit", "ActionUndo",
    "ActionRedo", "MenuEditCopy", "MenuViewZoomIn", "MenuViewZoomOut", "MenuViewBestFit", "MenuViewFitAll",
    "MenuViewShowGrid", "MenuViewSnaptoGrid", "ActionRun", "ActionStopRun", "ActionToolZoom", "ActionToolBracket",
    "ActionToolSpool", "ActionToolCutter", "ActionToolPlier", "ActionToolPencil", "ActionToolImageMove",
};

}  // namespace

QAction* TMainForm::NewAction(const char* aName, const char* aCaption, const char* aHint) {
    auto* action = new QAction(QString::fromUtf8(aCaption), this);
    action->setObjectName(aName);
    ApplyHint(action, QString::fromUtf8(aHint));
    const QIcon icon = DrawnIcon(aName);
    if (!icon.isNull()) action->setIcon(icon);
    action->setEnabled(false);
    FActions.insert(aName, action);
    return action;
}

QAction* TMainForm::Action(const QString& aName) const { return FActions.value(aName, nullptr); }

void TMainForm::CreateActions() {
    for (const TActionText& t : ActionTexts) NewAction(t.name, t.caption, t.hint);
    for (const char* name : {"MenuViewShowGrid", "MenuViewSnaptoGrid", "MenuViewStrain", "ActionShowMarkers",
                             "ActionViewImage", "MenuRunWireSlides"})
        Action(name)->setCheckable(true);
    Action("MenuViewShowGrid")->setChecked(true);
    Action("MenuViewSnaptoGrid")->setChecked(true);
    Action("ActionViewImage")->setChecked(true);
    // The fixed bends carry their angle in degrees.
    const std::pair<const char*, int> bends[] = {{"ActionBendWire90L", -90}, {"ActionBendWire10L", -10},
                                                 {"ActionBendWire1L", -1},   {"ActionBendWire90R", 90},
                                                 {"ActionBendWire10R", 10},  {"ActionBendWire1R", 1}};
    for (const auto& [name, tag] : bends) Action(name)->setData(tag);

    // Exactly one tool is checked at any time.
    auto* tools = new QActionGroup(this);
    tools->setObjectName("ToolsGroup");
    tools->setExclusive(true);
    for (const TToolText& t : ToolTexts) {
        QAction* action = NewAction(t.name, "Tool", t.hint);
        action->setCheckable(true);
        action->setData(t.tag);
        tools->addAction(action);
    }
    for (const char* name : WorkingCommands) Action(name)->setEnabled(true);
}

void TMainForm::OnTrigger(const char* aName, void (TMainForm::*aHandler)()) {
    connect(Action(aName), &QAction::triggered, this, [this, aHandler] { Guarded([this, aHandler] { (this->*aHandler)(); }); });
}

void TMainForm::ConnectActions() {
    OnTrigger("ActionFileNew", &TMainForm::ActionFileNewExecute);
    OnTrigger("ActionFileOpen", &TMainForm::ActionFileOpenExecute);
    OnTrigger("ActionFileSave", &TMainForm::ActionFileSaveExecute);
    OnTrigger("MenuFileSaveAs", &TMainForm::FileSaveAsClick);
    OnTrigger("ActionFileExit", &TMainForm::ActionFileExitExecute);
    OnTrigger("ActionUndo", &TMainForm::ActionUndoExecute);
    OnTrigger("ActionRedo", &TMainForm::ActionRedoExecute);
    OnTrigger("MenuEditCopy", &TMainForm::MenuEditCopyClick);
    OnTrigger("MenuViewZoomIn", &TMainForm::MenuViewZoomInClick);
    OnTrigger("MenuViewZoomOut", &TMainForm::MenuViewZoomOutClick);
    OnTrigger("MenuViewBestFit", &TMainForm::MenuActualSizeClick);
    OnTrigger("MenuViewFitAll", &TMainForm::MenuFitAllClick);
    OnTrigger("MenuViewShowGrid", &TMainForm::MenuViewShowGridClick);
    OnTrigger("MenuViewSnaptoGrid", &TMainForm::MenuViewSnaptoGridClick);
    OnTrigger("ActionRun", &TMainForm::ActionRunExecute);
    OnTrigger("ActionStopRun", &TMainForm::ActionStopRunExecute);
    for (const TToolText& t : ToolTexts) {
        QAction* action = Action(t.name);
        connect(action, &QAction::triggered, this, [this, action] { Guarded([this, action] { ActionToolExecute(action); }); });
    }
}

void TMainForm::ActionUndoExecute() { ActionRestoreExecute(true); }
void TMainForm::ActionRedoExecute() { ActionRestoreExecute(false); }

void TMainForm::ActionRestoreExecute(bool aUndo) {
    // The wire and both brackets as they were.
    if (!(aUndo ? FDesign->Undo() : FDesign->Redo())) return;
    FSelectedNode = std::min(FSelectedNode, FDesign->CurrentWire->Count() - 1);
    UpdateActionsAndMenus();
    RefreshMarkers();
}

void TMainForm::MenuViewShowGridClick() {
    // The check mark has already been inverted by the trigger.
    FSettings.ShowGrid = Action("MenuViewShowGrid")->isChecked();
    DrawDisplay();
}

void TMainForm::MenuViewSnaptoGridClick() { FSettings.SnapGrid = Action("MenuViewSnaptoGrid")->isChecked(); }

void TMainForm::ActionFileExitExecute() { close(); }

}  // namespace torvik
