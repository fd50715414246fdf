// The main window's life: start-up, the first design, showing, closing,
// hints to the status panel, the general error handler, and the message
// boxes and file dialogs that go through the dialog seam.

#include "mainwindow/main_form.h"

#include <exception>
#include <stdexcept>
#include <utility>

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QTimer>

#include "mainwindow/curve_commands.h"
#include "mainwindow/resistance_commands.h"
#include "mainwindow/design_drop.h"
#include "mainwindow/display_keys.h"
#include "mainwindow/display_widget.h"
#include "mainwindow/edit_commands.h"
#include "mainwindow/engagement_commands.h"
#include "mainwindow/export_commands.h"
#include "mainwindow/image_commands.h"
#include "mainwindow/info_commands.h"
#include "mainwindow/print_commands.h"
#include "mainwindow/recent_designs.h"
#include "mainwindow/shortcuts.h"
#include "mainwindow/sweep_fit_commands.h"
#include "mainwindow/template_commands.h"
#include "mainwindow/tool_dispatch.h"
#include "mainwindow/force_commands.h"
#include "mainwindow/options_command.h"
#include "qt/file_names.h"
#include "settings/settings_place.h"
#include "support/version.h"

namespace torvik {

namespace {

// Counts the open modal boxes for as long as one is shown.
class TModalScope {
public:
    explicit TModalScope(int& aDepth) : FDepth(aDepth) { ++FDepth; }
    ~TModalScope() { --FDepth; }
    TModalScope(const TModalScope&) = delete;
    TModalScope& operator=(const TModalScope&) = delete;

private:
    int& FDepth;
};

constexpr int InitialClientWidth = 673;
constexpr int InitialClientHeight = 487;

}  // namespace

TMainForm::TMainForm(const TPaths& aPaths, std::unique_ptr<TDialogs> aDialogs, QWidget* aParent)
    : QMainWindow(aParent), FPaths(aPaths), FDialogs(std::move(aDialogs)) {
    if (!FDialogs) FDialogs = std::make_unique<TQtDialogs>();
    setObjectName("MainForm");

    // A settings file where earlier versions kept it moves to its place;
    // should it not move, it is read and written where it is.
    const TSettingsPlace settings = PlaceSettingsFile(FPaths.FormerSettingsFilePath, FPaths.SettingsFilePath);
    FPaths.SettingsFilePath = settings.File;
    FSettingsProblem = QString::fromStdString(settings.Problem);
    // The user's copy of the default data, when the settings are missing or
    // belong to another version of the program.
    if (DefaultDataNeeded(FPaths.SettingsFilePath, GetModuleVersion("")))
        CopyDefaultData(FPaths.CommonDataFolder, FPaths.UserDataFolder, FPaths.SettingsFilePath);

    CreateActions();
    CreateMenus();
    CreateToolBars();
    CreatePanels();
    CreateTools();
    ConnectActions();
    ApplyShortcuts([this](const char* aName) { return Action(aName); });
    new TEditCommands(*this);
    new TDesignDrop(*this);
    new TEngagementCommands(*this);
    new TCurveCommands(*this);
    new TResistanceCommands(*this);
    new TInfoCommands(*this);
    new TForceCommands(*this);
    new TOptionsCommand(*this);
    new TPrintCommands(*this);
    new TExportCommands(*this);
    new TTemplateCommands(*this);
    new TSweepFitCommands(*this);
    FImageCommands = new TImageCommands(*this);
    // The client area lies below the menu bar.
    resize(InitialClientWidth, InitialClientHeight + menuBar()->sizeHint().height());

    FRunTimer = new QTimer(this);
    FRunTimer->setObjectName("RunTimer");
    FRunTimer->setInterval(0);
    connect(FRunTimer, &QTimer::timeout, this, [this] { Guarded([this] { RunIteration(); }); });

    // The settings are read before the first design is made, so that it gets
    // the saved material, cross-section and segment size as New does.
    Guarded([this] { ReadIniSettings(); });
    Guarded([this] { ResetNew(); });
    new TRecentDesigns(*this);
}

TMainForm::~TMainForm() {
    FRunning = false;
    if (FRunTimer) FRunTimer->stop();
}

const QImage& TMainForm::DisplayImage() const { return FDisplay->Image(); }

void TMainForm::ResetNew() { ResetNew(std::make_unique<TDesign>(FSettings.SegmentSize, FSettings.Stock)); }

void TMainForm::ResetNew(std::unique_ptr<TDesign> aDesign) {
    FTools->DesignReplaced();
    FDesign = std::move(aDesign);
    FCurrentFileName = TFileName();
    SetCaption();
    QAction* bracketTool = Action("ActionToolBracket");
    bracketTool->setData(static_cast<int>(ToolBracket));
    bracketTool->setChecked(true);
    ActionToolExecute(bracketTool);
}

void TMainForm::showEvent(QShowEvent* aEvent) {
    QMainWindow::showEvent(aEvent);
    if (FShown) return;
    FShown = true;
    // Keys go to the design, not to the zoom box, until the user chooses.
    FDisplay->setFocus();
    Guarded([this] {
        ZoomCenterInDisplay(2000, 0, 0);
        PostZoomTextMessage();
        UpdateActionsAndMenus();
    });
    // Once the window is up.
    if (!FSettingsProblem.isEmpty())
        QMetaObject::invokeMethod(
            this, [this] { WarnBox(std::exchange(FSettingsProblem, QString())); }, Qt::QueuedConnection);
}

void TMainForm::closeEvent(QCloseEvent* aEvent) {
    bool mayClose = false;
    Guarded([this, &mayClose] { mayClose = AskAndSave(); });
    if (!mayClose) {
        aEvent->ignore();
        return;
    }
    // The run must not outlive the design it works on.
    FRunning = false;
    FRunTimer->stop();
    WriteIniSettings();
    aEvent->accept();
}

bool TMainForm::event(QEvent* aEvent) {
    // Long hints go to the status panel.
    if (aEvent->type() == QEvent::StatusTip) {
        if (FPanelBottom) FPanelBottom->setText(static_cast<QStatusTipEvent*>(aEvent)->tip());
        return true;
    }
    return QMainWindow::event(aEvent);
}

bool TMainForm::eventFilter(QObject* aWatched, QEvent* aEvent) {
    // The zoom box's keys reach the box itself, which hands them to its line
    // edit directly; a key sent to the line edit comes here by its own filter.
    if (FZoomCB && (aWatched == FZoomCB || aWatched == FZoomCB->lineEdit()) && aEvent->type() == QEvent::KeyPress) {
        bool consumed = false;
        Guarded([this, aEvent, &consumed] { consumed = ZoomCBKeyPress(static_cast<QKeyEvent*>(aEvent)); });
        return consumed;
    }
    return QMainWindow::eventFilter(aWatched, aEvent);
}

void TMainForm::Guarded(const std::function<void()>& aCommand) {
    try {
        aCommand();
    } catch (const std::exception& e) {
        ErrorBox(QString::fromUtf8(e.what()));
    } catch (...) {
        ErrorBox("Unknown error");
    }
}

TAnswer TMainForm::AskBox(const QString& aTitle, const QString& aText) {
    TModalScope modal(FModalDepth);
    return FDialogs->Ask(this, aTitle, aText);
}

TAnswer TMainForm::AskYesNoBox(const QString& aTitle, const QString& aText) {
    TModalScope modal(FModalDepth);
    return FDialogs->AskYesNo(this, aTitle, aText);
}

void TMainForm::InformBox(const QString& aTitle, const QString& aText) {
    TModalScope modal(FModalDepth);
    FDialogs->Inform(this, aTitle, aText);
}

void TMainForm::WarnBox(const QString& aText, const QString& aTitle) {
    TModalScope modal(FModalDepth);
    FDialogs->Warn(this, aTitle, aText);
}

void TMainForm::ErrorBox(const QString& aText, const QString& aTitle) {
    TModalScope modal(FModalDepth);
    FDialogs->Error(this, aTitle, aText);
}

int TMainForm::ExecDialog(QDialog& aDialog) {
    TModalScope modal(FModalDepth);
    return FDialogs->Exec(aDialog);
}

void TMainForm::RecordUndo() {
    FDesign->KeepState(FSettings.UndoLevels);
    UpdateActionsAndMenus();
}

void TMainForm::Bind(const QString& aActionName, std::function<void()> aHandler) {
    QAction* action = Action(aActionName);
    if (!action) throw std::logic_error("No action " + aActionName.toStdString());
    connect(action, &QAction::triggered, this, [this, aHandler = std::move(aHandler)] { Guarded(aHandler); });
    action->setEnabled(true);
}

QString TMainForm::DialogFolder() const {
    // The open file's folder, or the user's data folder with its loops.
    if (!FCurrentFileName.Empty()) return QtFileName(TFileName(FCurrentFileName.Folder()));
    return QtFileName(TFileName(FPaths.UserDataFolder));
}

QString TMainForm::OpenFileBox(const QString& aTitle, const QString& aFilter) {
    return OpenFileBox(aTitle, aFilter, DialogFolder());
}

QString TMainForm::SaveFileBox(const QString& aTitle, const QString& aFilter, const QString& aSuffix) {
    return SaveFileBox(aTitle, aFilter, aSuffix, DialogFolder());
}

QString TMainForm::OpenFileBox(const QString& aTitle, const QString& aFilter, const QString& aFolder) {
    TModalScope modal(FModalDepth);
    return FDialogs->GetOpenFileName(this, aTitle, aFilter, aFolder);
}

QString TMainForm::OpenImageBox(const QString& aTitle, const QString& aFilter, const QString& aFolder) {
    TModalScope modal(FModalDepth);
    return FDialogs->GetOpenImageName(this, aTitle, aFilter, aFolder);
}

QString TMainForm::SaveFileBox(const QString& aTitle, const QString& aFilter, const QString& aSuffix,
                               const QString& aFolder) {
    TModalScope modal(FModalDepth);
    return FDialogs->GetSaveFileName(this, aTitle, aFilter, aSuffix, aFolder);
}

}  // namespace torvik
