#pragma once
// The main window: it owns the design, the settings and the view state, lays
// out the menus, tool bars, tool panel, display, force bar and status bar,
// and runs the commands. Its methods are spread over files by concern:
// main_form.cpp (start-up, closing, hints), main_form_actions.cpp (commands
// and their texts), main_form_layout.cpp (menus, tool bars, panels),
// main_form_settings.cpp, main_form_view.cpp (zoom and scrolling),
// main_form_display.cpp (drawing, clipboard picture), main_form_tools.cpp,
// main_form_files.cpp and main_form_run.cpp (the activation run).
//
// The window stays a thin shell: commands, tools and dialogs live in classes
// of their own (command groups in src/mainwindow, tools, dialogs in
// src/dialogs, logic in the core library). They reach the window only
// through the public part below: the design and settings, undo recording,
// the selected node, redraws, binding an action to a handler, message boxes,
// showing a dialog through the seam, and help.

#include <functional>
#include <memory>
#include <vector>

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include "mainwindow/dialogs_seam.h"
#include "mainwindow/paths.h"
#include "settings/settings.h"
#include "support/file_name.h"
#include "render/scene.h"
#include "render/shapes.h"
#include "render/view_mapping.h"
#include "tools/tool.h"
#include "wire/activation_run.h"
#include "wire/design.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QScrollBar;
class QSplitter;
class QTimer;
class QToolBar;
class QToolButton;
class QMouseEvent;
class QDialog;

namespace torvik {

class TDisplayWidget;
class TImageCommands;
class TStockPanel;
class THelpWindow;
class TDisplayKeys;
class TToolDispatch;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // aDialogs answers every message box and file dialog; the real Qt ones
    // when null. Copies the default data when needed, sets every start value,
    // reads the settings file and creates the first design.
    explicit TMainForm(const TPaths& aPaths, std::unique_ptr<TDialogs> aDialogs = nullptr,
                       QWidget* aParent = nullptr);
    ~TMainForm() override;

    // State, for the commands of later parts and for tests.
    TSettings& Settings() { return FSettings; }
    TDesign& Design() { return *FDesign; }
    const TViewMapping& Mapping() const { return FMapping; }
    bool Running() const { return FRunning; }
    // The open design's file, as the system names it; empty when untitled.
    const TFileName& CurrentFileName() const { return FCurrentFileName; }
    // The current tool's number (TToolNumber), the tag of its action.
    int CurrentTool() const;
    int SelectedNode() const { return FSelectedNode; }
    const QImage& DisplayImage() const;
    // The action (or menu item) of that object name; null when there is none.
    QAction* Action(const QString& aName) const;

    // Redraws the off-screen image and shows it.
    void DrawDisplay();
    // Rebuilds the bracket markers, then redraws.
    void RefreshMarkers();
    // Enables Undo, Redo, Run and Stop and checks Show/Hide Image.
    void UpdateActionsAndMenus();
    // Offers to save a changed design (its wire or a bracket moved or
    // turned); whether the caller may discard it.
    bool AskAndSave();
    // Opens a design named from outside the program (command line, a drop,
    // the recent designs) as File > Open does once its dialog has named the
    // file, after offering to save a changed wire. A file that is not there
    // is an error that changes nothing. Whether the design was opened.
    bool OpenDesignFile(const TFileName& aFileName);
    // Replaces the design by a new, empty one.
    void ResetNew();
    void ReadIniSettings();
    void WriteIniSettings();
    // Ends a running activation and redraws.
    void ActionStopRunExecute();
    // Makes the window follow the settings: the activation target
    // (TargetCaption) and the stop rule in the status panels, the check
    // marks of Snap to Grid, Show Grid, Show Strain and "Wire Slides in
    // Slot". Called at start and whenever a setting changes. The open
    // design's wire keeps its stock (the Options command changes it).
    void ApplySettings();

    // For the command groups, tools and dialogs.
    // Records one undo state of the design, the wire and both brackets (at
    // the chosen undo level), and enables Undo and Redo accordingly; called
    // right before a change of the wire or of a bracket.
    void RecordUndo();
    // Selects a node; the caller keeps it within 0 .. segment count - 1.
    void SetSelectedNode(int aNode) { FSelectedNode = aNode; }
    // Binds an action's trigger to aHandler, run through Guarded, and
    // enables the action.
    void Bind(const QString& aActionName, std::function<void()> aHandler);
    // Runs a command; an error it raises is shown in an error box and the
    // program goes on.
    void Guarded(const std::function<void()>& aCommand);
    // Message boxes and the program's dialogs through the seam; the
    // activation pauses while one is open.
    TAnswer AskBox(const QString& aTitle, const QString& aText);
    // An information question answered Yes or No.
    TAnswer AskYesNoBox(const QString& aTitle, const QString& aText);
    void InformBox(const QString& aTitle, const QString& aText);
    // A warning with an OK button: something was let pass that the user
    // should know of.
    void WarnBox(const QString& aText, const QString& aTitle = QStringLiteral("Torvik"));
    void ErrorBox(const QString& aText, const QString& aTitle = QStringLiteral("Torvik"));
    int ExecDialog(QDialog& aDialog);
    // The file dialogs through the seam, starting in aFolder; the chosen
    // file name, empty when cancelled.
    QString OpenFileBox(const QString& aTitle, const QString& aFilter, const QString& aFolder);
    // The open dialog for pictures, with its preview.
    QString OpenImageBox(const QString& aTitle, const QString& aFilter, const QString& aFolder);
    QString SaveFileBox(const QString& aTitle, const QString& aFilter, const QString& aSuffix, const QString& aFolder);
    // Where the file dialogs start: the open file's folder, or the user's
    // data folder.
    QString DialogFolder() const;
    // The view settings the design is drawn with now.
    TViewSettings CurrentViewSettings() const;
    // The design as pictures show it (the display, the clipboard, exports),
    // with the teeth's centres of resistance when they are shown.
    TScene PictureScene(const std::vector<TMarker>* aBracketMarkers = nullptr) const;
    // The background picture and its commands.
    TImageCommands* ImageCommands() const { return FImageCommands; }
    // Help: the table of contents, and a topic by its number.
    void ShowHelpContents();
    void ShowHelp(int aTopic);

signals:
    // An open or a save gave the design the name of this existing file.
    void designFileNamed(const torvik::TFileName& aFileName);

protected:
    void showEvent(QShowEvent* aEvent) override;
    void closeEvent(QCloseEvent* aEvent) override;
    bool event(QEvent* aEvent) override;
    bool eventFilter(QObject* aWatched, QEvent* aEvent) override;

private:
    // Layout (main_form_layout.cpp).
    void CreateMenus();
    void CreateToolBars();
    void CreatePanels();
    QWidget* CreateToolPanel();
    QWidget* CreateDisplayArea();
    QMenu* AddMenu(QMenu* aParent, const char* aName, const char* aCaption);
    void AddItem(QMenu* aMenu, const char* aActionName, const char* aMenuItemName = nullptr);
    void AddSeparator(QMenu* aMenu, const char* aName);
    QToolBar* AddToolBar(const char* aName, const std::vector<std::pair<const char*, const char*>>& aButtons);

    // Commands (main_form_actions.cpp).
    void CreateActions();
    QAction* NewAction(const char* aName, const char* aCaption, const char* aHint);
    void OnTrigger(const char* aName, void (TMainForm::*aHandler)());
    void ConnectActions();
    void ActionUndoExecute();
    void ActionRedoExecute();
    // Undo (true) or Redo, then limit the selected node and redraw.
    void ActionRestoreExecute(bool aUndo);
    void MenuViewShowGridClick();
    void MenuViewSnaptoGridClick();
    void ActionFileExitExecute();

    // Settings (main_form_settings.cpp).
    void ApplyWindowPlacement(const TWindowPlacement& aPlacement);

    // View mapping (main_form_view.cpp).
    void SyncScrollBars();
    void ZoomTextMessage();
    void PostZoomTextMessage();
    void ZoomCenterInDisplay(int aZ, int X, int Y);
    void MenuViewZoomInClick();
    void MenuViewZoomOutClick();
    void MenuActualSizeClick();
    void MenuFitAllClick();
    void ZoomCBClick(const QString& aText);
    void ZoomCBEnter();
    bool ZoomCBKeyPress(QKeyEvent* aEvent);
    void ScrollBarMainScroll(bool aHorizontal, int aPos);
    void PanelDisplayResize();

    // Display (main_form_display.cpp).
    // The force read-out panels, sized to their texts; grey with a tooltip
    // that says so when aStale.
    void DrawStatusForces(bool aStale);
    void MenuEditCopyClick();

    // Tools (main_form_tools.cpp; the tools themselves in tool_dispatch.cpp
    // and the core, their keys in display_keys.cpp).
    void CreateTools();
    void ActionToolExecute(QAction* aAction);
    void SelectTool(QAction* aAction);
    void DisplayMouseDown(QMouseEvent* aEvent);
    void DisplayMouseMove(QMouseEvent* aEvent);
    void DisplayMouseUp(QMouseEvent* aEvent);

    // Files (main_form_files.cpp).
    // Replaces the design by aDesign, as ResetNew does by a new one.
    void ResetNew(std::unique_ptr<TDesign> aDesign);
    void ActionFileNewExecute();
    void ActionFileOpenExecute();
    void ActionFileSaveExecute();
    void FileSaveAsClick();
    // Replaces the design by the one read from aFileName: Open once a file
    // is named. Whether it was read without an error.
    bool LoadDesign(const TFileName& aFileName);
    // Save and Save As; whether the design was written.
    bool SaveDesign();
    bool SaveDesignAs();
    bool WriteDesign(const TFileName& aFileName);
    void SetCaption();

    // Run (main_form_run.cpp).
    void ActionRunExecute();
    void RunIteration();

    QString OpenFileBox(const QString& aTitle, const QString& aFilter);
    QString SaveFileBox(const QString& aTitle, const QString& aFilter, const QString& aSuffix);

    TPaths FPaths;
    // Why the settings file could not be moved to its place, told once the
    // window is shown; empty when there is nothing to tell.
    QString FSettingsProblem;
    std::unique_ptr<TDialogs> FDialogs;
    TSettings FSettings;
    std::unique_ptr<TDesign> FDesign;
    TViewMapping FMapping;
    TWindowPlacement FPlacement;

    // Activation.
    bool FRunning = false;
    TActivationRun FRun;
    QTimer* FRunTimer = nullptr;
    int FModalDepth = 0;

    // View and tool state.
    TFileName FCurrentFileName;
    int FSelectedNode = 0;
    TImageCommands* FImageCommands = nullptr;
    bool FShown = false;
    bool FUpdatingScrollBars = false;

    // Widgets.
    QHash<QString, QAction*> FActions;
    TDisplayWidget* FDisplay = nullptr;
    QScrollBar* FScrollBarHorz = nullptr;
    QScrollBar* FScrollBarVert = nullptr;
    QToolButton* FScrollBestFitSB = nullptr;
    QComboBox* FZoomCB = nullptr;
    QToolBar* FToolBarTools = nullptr;
    QLabel* FPanelBottom = nullptr;
    QLabel* FPanelInSlot = nullptr;
    QLabel* FPanelAuto = nullptr;
    TStockPanel* FPanelStock = nullptr;
    QLabel* FPanelForceLeft = nullptr;
    QLabel* FPanelForceRight = nullptr;
    QWidget* FPanelLeft = nullptr;
    QSplitter* FSplitter = nullptr;
    // Made at the first help request (main_form_help.cpp).
    QPointer<THelpWindow> FHelpWindow;

    // The mouse tools and their keys; the keys go first.
    std::unique_ptr<TToolDispatch> FTools;
    std::unique_ptr<TDisplayKeys> FKeys;
};

}  // namespace torvik
