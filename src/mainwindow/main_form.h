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
#include <QString>

#include "mainwindow/dialogs_seam.h"
#include "mainwindow/paths.h"
#include "mainwindow/settings.h"
#include "render/shapes.h"
#include "render/view_mapping.h"
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

// Tools, by the tag of their actions.
enum TToolNumber : int {
    ToolBracket = 0,
    ToolRotate = 1,
    ToolSpool = 2,
    ToolCutter = 3,
    ToolPlier = 4,
    ToolZoom = 5,
    ToolPencil = 6,
    ToolImage = 7
};

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
    const QString& CurrentFileName() const { return FCurrentFileName; }
    int CurrentTool() const { return FCurrentTool; }
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
    // Offers to save a changed wire; whether the caller may discard it.
    bool AskAndSave();
    // Replaces the design by a new, empty one.
    void ResetNew();
    void ReadIniSettings();
    void WriteIniSettings();
    // Ends a running activation and redraws.
    void ActionStopRunExecute();

    // For the command groups, tools and dialogs.
    // Records one undo state of the wire (at the chosen undo level) and
    // enables Undo and Redo accordingly; called right before a wire edit.
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
    void InformBox(const QString& aTitle, const QString& aText);
    void ErrorBox(const QString& aText, const QString& aTitle = QStringLiteral("Torvik"));
    int ExecDialog(QDialog& aDialog);
    // Help: the table of contents, and a topic by its number.
    void ShowHelpContents();
    void ShowHelp(int aTopic);

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
    void ShowTargetAndStop();

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
    TViewSettings CurrentViewSettings() const;
    void DrawZoomBand();
    void MenuEditCopyClick();

    // Tools (main_form_tools.cpp).
    void ActionToolExecute(QAction* aAction);
    void SelectTool(QAction* aAction);
    void DisplayMouseDown(QMouseEvent* aEvent);
    void DisplayMouseMove(QMouseEvent* aEvent);
    void DisplayMouseUp(QMouseEvent* aEvent);
    TPoint MouseToLogical(QMouseEvent* aEvent) const;
    void ZoomInDown(Qt::MouseButton aButton, int X, int Y);
    void ZoomInMove(int X, int Y);
    void ZoomInUp(int X, int Y);

    // Files (main_form_files.cpp).
    // Replaces the design by aDesign, as ResetNew does by a new one.
    void ResetNew(std::unique_ptr<TDesign> aDesign);
    void ActionFileNewExecute();
    void ActionFileOpenExecute();
    void ActionFileSaveExecute();
    void FileSaveAsClick();
    // Save and Save As; whether the design was written.
    bool SaveDesign();
    bool SaveDesignAs();
    bool WriteDesign(const QString& aFileName);
    void SetCaption();

    // Run (main_form_run.cpp).
    void ActionRunExecute();
    void RunIteration();

    // Where the file dialogs start.
    QString DialogFolder() const;
    QString OpenFileBox(const QString& aTitle, const QString& aFilter);
    QString SaveFileBox(const QString& aTitle, const QString& aFilter, const QString& aSuffix);

    TPaths FPaths;
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
    QString FCurrentFileName;
    int FCurrentTool = ToolBracket;
    int FSelectedNode = 0;
    bool FImageVisible = true;
    std::vector<TMarker> FBracketMarkers;
    const TBracket* FSelectedBracket = nullptr;
    bool FDragging = false;
    TRectangle FZoomBand;
    bool FZoomBandShown = false;
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
    QLabel* FPanelForceLeft = nullptr;
    QLabel* FPanelForceRight = nullptr;
    QWidget* FPanelLeft = nullptr;
    QSplitter* FSplitter = nullptr;
};

}  // namespace torvik
