// The arrangement of the main window: menu bar, the four tool bars, the
// force bar, the tool panel with its preset buttons, the splitter, the
// display with its scroll bars and best-fit button, and the status bar.

#include <QAction>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QLayout>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "mainwindow/display_widget.h"
#include "mainwindow/hints.h"
#include "mainwindow/icons.h"
#include "mainwindow/main_form.h"
#include "mainwindow/stock_panel.h"
#include "qt/menu_style.h"

namespace torvik {

namespace {

struct TPresetText {
    const char* name;
    const char* hint;
};

// The preset buttons of the tool panel, from the top.
constexpr TPresetText PresetTexts[] = {
    {"SpeedButton0", "Add 4 segments.|"},
    {"SpeedButton1", "Right turn 90\u00b0##1.5mm diameter.|"},
    {"SpeedButton2", "Left turn 90\u00b0##1.5mm diameter.|"},
    {"SpeedButton3", "Right turn 180\u00b0##2mm diameter.|"},
    {"SpeedButton4", "Left turn 180\u00b0##2mm diameter.|"},
    {"SpeedButton5", "User-defined Loop|Add a loop segment to the end of the wire."},
};

constexpr int PresetButtonSize = 37;
constexpr int ToolPanelWidth = 53;
constexpr int MaxToolPanelWidth = 200;
constexpr int SplitterWidth = 3;

QLabel* Panel(QWidget* aParent, const char* aName, const QString& aText) {
    auto* label = new QLabel(aText, aParent);
    label->setObjectName(aName);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMargin(1);
    return label;
}

}  // namespace

QMenu* TMainForm::AddMenu(QMenu* aParent, const char* aName, const char* aCaption) {
    QMenu* menu = aParent ? aParent->addMenu(QString::fromUtf8(aCaption))
                          : menuBar()->addMenu(QString::fromUtf8(aCaption));
    menu->setObjectName(aName);
    menu->menuAction()->setObjectName(aName);
    menu->setStyle(MenuStyle());
    if (!aParent) {
        connect(menu, &QMenu::aboutToShow, this, &TMainForm::UpdateActionsAndMenus);
        // Sub-menus that commands add later get the menus' look too.
        connect(menu, &QMenu::aboutToShow, menu, [menu] { UseMenuStyle(menu); });
    }
    return menu;
}

void TMainForm::AddItem(QMenu* aMenu, const char* aActionName, const char* aMenuItemName) {
    QAction* action = Action(aActionName);
    aMenu->addAction(action);
    // A menu item bound to an action is the action itself; it keeps the menu
    // item's own name as a property.
    if (aMenuItemName) action->setProperty("menuItem", QString::fromLatin1(aMenuItemName));
}

void TMainForm::AddSeparator(QMenu* aMenu, const char* aName) { aMenu->addSeparator()->setObjectName(aName); }

void TMainForm::CreateMenus() {
    menuBar()->setObjectName("MainMenu");

    QMenu* file = AddMenu(nullptr, "MenuFile", "&File");
    AddItem(file, "ActionFileNew", "MenuFileNew");
    AddItem(file, "ActionFileNewFromTemplate", "MenuFileNewFromTemplate");
    AddItem(file, "ActionFileEditTemplate", "MenuFileEditTemplate");
    AddItem(file, "ActionFileOpen", "MenuFileOpen");
    AddItem(file, "ActionFileSave", "MenuFileSave");
    AddItem(file, "MenuFileSaveAs");
    AddSeparator(file, "MenuSep10");
    AddItem(file, "ActionFileOpenImage", "MenuImageOpen");
    AddSeparator(file, "MenuSep1");
    AddItem(file, "MenuFilePrint");
    AddItem(file, "MenuFileExportPicture");
    AddSeparator(file, "MenuSep7");
    AddItem(file, "ActionFileExit", "MenuFileExit");

    QMenu* edit = AddMenu(nullptr, "MenuEdit", "&Edit");
    AddItem(edit, "ActionUndo", "MenuEditUndo");
    AddItem(edit, "ActionRedo", "MenuEditRedo");
    AddSeparator(edit, "MenuSep11");
    QMenu* bend = AddMenu(edit, "MenuEditBendWire", "Bend Wire");
    for (const char* name : {"ActionBendWire10L", "ActionBendWire10R", "ActionBendWire1L", "ActionBendWire1R",
                             "ActionBendWireUser"})
        AddItem(bend, name);
    QMenu* cut = AddMenu(edit, "MenuEditCutWire", "Cut Wire");
    AddItem(cut, "ActionCutOneSeg");
    AddItem(cut, "ActionCutOneMm");
    cut->addSeparator();
    AddItem(cut, "ActionCutToEnd");
    AddSeparator(edit, "MenuSep8");
    AddItem(edit, "MenuEditWire");
    AddItem(edit, "MenuEditFreeze");
    AddItem(edit, "MenuEditFlipV");
    AddSeparator(edit, "MenuSep2");
    AddItem(edit, "ActionForceEdit", "MenuEditForce");
    AddSeparator(edit, "MenuSep6");
    AddItem(edit, "MenuEditCopy");

    QMenu* view = AddMenu(nullptr, "MenuView", "&View");
    AddItem(view, "MenuViewZoomIn");
    AddItem(view, "MenuViewZoomOut");
    AddItem(view, "MenuViewBestFit");
    AddItem(view, "MenuViewFitAll");
    AddSeparator(view, "MenuSep9");
    QMenu* forces = AddMenu(view, "MenuZoomForces", "Zoom &Forces");
    AddItem(forces, "MenuViewZoomForcesIn");
    AddItem(forces, "MenuViewZoomForcesOut");
    AddSeparator(view, "MenuSep4");
    AddItem(view, "MenuViewShowGrid");
    AddItem(view, "MenuViewSnaptoGrid");
    AddSeparator(view, "MenuSep14");
    AddItem(view, "ActionShowMarkers", "MenuViewShowHideMarkers");
    AddItem(view, "MenuViewStrain");
    AddItem(view, "MenuViewCentre");
    AddSeparator(view, "MenuSep13");
    AddItem(view, "ActionViewImage", "MenuImageShow");
    AddItem(view, "ActionSetImageRes", "MenuImageRes");
    AddSeparator(view, "MenuSep5");
    AddItem(view, "MenuEditOptions");

    QMenu* run = AddMenu(nullptr, "MenuRun", "&Run");
    AddItem(run, "ActionRun", "MenuRunRun");
    AddItem(run, "ActionStopRun", "MenuRunStop");
    AddSeparator(run, "MenuSepSliding");
    AddItem(run, "MenuRunWireSlides");
    AddSeparator(run, "MenuSepCurve");
    AddItem(run, "ActionActivationCurve", "MenuRunCurve");
    AddItem(run, "ActionParameterSweep", "MenuRunSweep");
    AddItem(run, "ActionFitLoop", "MenuRunFit");

    QMenu* help = AddMenu(nullptr, "MenuHelp", "&Help");
    AddItem(help, "MenuHelpContents");
    AddSeparator(help, "MenuSep3");
    AddItem(help, "MenuHelpAbout");
}

QToolBar* TMainForm::AddToolBar(const char* aName,
                                const std::vector<std::pair<const char*, const char*>>& aButtons) {
    QToolBar* bar = addToolBar(QString::fromLatin1(aName));
    bar->setObjectName(aName);
    // 16-pixel images keep the buttons 24 pixels high, so that all four
    // bars fit the window's initial width.
    bar->setIconSize(QSize(16, 16));
    bar->layout()->setSpacing(0);
    bar->layout()->setContentsMargins(0, 0, 0, 0);
    for (const auto& [button, action] : aButtons) {
        if (!action) {
            bar->addSeparator();
            continue;
        }
        bar->addAction(Action(action));
        bar->widgetForAction(Action(action))->setObjectName(button);
    }
    return bar;
}

void TMainForm::CreateToolBars() {
    AddToolBar("ToolBarMain", {{"TBNew", "ActionFileNew"},
                               {"TBOpen", "ActionFileOpen"},
                               {"TBSave", "ActionFileSave"},
                               {nullptr, nullptr},
                               {"TBOpenImage", "ActionFileOpenImage"},
                               {nullptr, nullptr},
                               {"TBUndo", "ActionUndo"},
                               {"TBRedo", "ActionRedo"}});
    AddToolBar("ToolBarNodes", {{"TBShowMarkers", "ActionShowMarkers"},
                                {nullptr, nullptr},
                                {"TBPrevious", "ActionPreviousNode"},
                                {"TBGotoNode", "ActionGotoSeg"},
                                {"TBNext", "ActionNextNode"}});
    AddToolBar("ToolBarRun", {{"TBForceEdit", "ActionForceEdit"},
                              {"TBForceZero", "ActionForceZero"},
                              {nullptr, nullptr},
                              {"TBRun", "ActionRun"},
                              {"TBStopRun", "ActionStopRun"}});

    FToolBarTools = AddToolBar("ToolBarTools", {});
    FZoomCB = new QComboBox(FToolBarTools);
    FZoomCB->setObjectName("ZoomCB");
    FZoomCB->setEditable(true);
    FZoomCB->setInsertPolicy(QComboBox::NoInsert);
    // Typed text is taken as typed: "30" is 30 %, not the list's "300%".
    FZoomCB->setCompleter(nullptr);
    for (std::string_view item : ZoomBoxItems) FZoomCB->addItem(QString::fromUtf8(item.data(), item.size()));
    FZoomCB->setMaxVisibleItems(11);
    FZoomCB->setFixedWidth(80);
    FZoomCB->setEditText("100%");
    ApplyHint(FZoomCB, QString::fromUtf8(ZoomBoxHint.data(), ZoomBoxHint.size()));
    FZoomCB->installEventFilter(this);
    FZoomCB->lineEdit()->installEventFilter(this);
    connect(FZoomCB, &QComboBox::activated, this,
            [this](int index) { Guarded([this, index] { ZoomCBClick(FZoomCB->itemText(index)); }); });
    FToolBarTools->addWidget(FZoomCB);
    FToolBarTools->addSeparator();
    for (const auto& [button, action] :
         std::vector<std::pair<const char*, const char*>>{{"TBZoom", "ActionToolZoom"},
                                                          {"TBBracket", "ActionToolBracket"},
                                                          {"TBSpool", "ActionToolSpool"},
                                                          {"TBCutter", "ActionToolCutter"},
                                                          {"TBPlier", "ActionToolPlier"},
                                                          {"TBPencil", "ActionToolPencil"},
                                                          {"TBImageMove", "ActionToolImageMove"}}) {
        FToolBarTools->addAction(Action(action));
        FToolBarTools->widgetForAction(Action(action))->setObjectName(button);
    }
}

QWidget* TMainForm::CreateToolPanel() {
    FPanelLeft = new QWidget;
    FPanelLeft->setObjectName("PanelLeft");
    FPanelLeft->setMinimumWidth(0);
    FPanelLeft->setMaximumWidth(MaxToolPanelWidth);
    auto* outer = new QVBoxLayout(FPanelLeft);
    outer->setContentsMargins(0, 0, 0, 0);

    auto* scroll = new QScrollArea(FPanelLeft);
    scroll->setObjectName("ScrollBoxLeft");
    scroll->setWidgetResizable(true);
    scroll->setFrameStyle(QFrame::NoFrame);
    // The scroll box would otherwise ask for room for its own scroll bar and
    // keep the panel wider than its 53 pixels; the splitter may narrow it
    // down to nothing.
    scroll->setMinimumWidth(1);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    outer->addWidget(scroll);

    auto* inside = new QWidget;
    auto* column = new QVBoxLayout(inside);
    column->setContentsMargins(0, 4, 0, 4);
    column->setSpacing(2);
    for (const TPresetText& preset : PresetTexts) {
        auto* button = new QToolButton(inside);
        button->setObjectName(preset.name);
        button->setFixedSize(PresetButtonSize, PresetButtonSize);
        button->setAutoRaise(true);
        button->setIconSize(QSize(30, 30));
        const QIcon icon = DrawnIcon(preset.name);
        if (icon.isNull()) {
            button->setText("Loop");
            QFont bold = button->font();
            bold.setBold(true);
            button->setFont(bold);
        } else {
            button->setIcon(icon);
        }
        ApplyHint(button, QString::fromUtf8(preset.hint));
        button->setEnabled(false);
        column->addWidget(button, 0, Qt::AlignHCenter);
    }
    column->addStretch(1);
    scroll->setWidget(inside);
    return FPanelLeft;
}

QWidget* TMainForm::CreateDisplayArea() {
    auto* area = new QWidget;
    area->setObjectName("PanelDisplay");
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent);

    FDisplay = new TDisplayWidget(area);
    FDisplay->setObjectName("Display");
    FDisplay->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    FDisplay->OnResize = [this] { Guarded([this] { PanelDisplayResize(); }); };
    FDisplay->OnMousePress = [this](QMouseEvent* e) { Guarded([this, e] { DisplayMouseDown(e); }); };
    FDisplay->OnMouseMove = [this](QMouseEvent* e) { Guarded([this, e] { DisplayMouseMove(e); }); };
    FDisplay->OnMouseRelease = [this](QMouseEvent* e) { Guarded([this, e] { DisplayMouseUp(e); }); };
    grid->addWidget(FDisplay, 0, 0);

    FScrollBarVert = new QScrollBar(Qt::Vertical, area);
    FScrollBarVert->setObjectName("ScrollBarVert");
    FScrollBarVert->setFixedWidth(extent);
    grid->addWidget(FScrollBarVert, 0, 1);

    auto* horzPanel = new QWidget(area);
    horzPanel->setObjectName("PanelScrollHorz");
    horzPanel->setFixedHeight(extent);
    auto* horzRow = new QHBoxLayout(horzPanel);
    horzRow->setContentsMargins(0, 0, 0, 0);
    FScrollBarHorz = new QScrollBar(Qt::Horizontal, horzPanel);
    FScrollBarHorz->setObjectName("ScrollBarHorz");
    horzRow->addWidget(FScrollBarHorz);
    grid->addWidget(horzPanel, 1, 0);

    auto* corner = new QWidget(area);
    corner->setObjectName("PanelScrollHorzSm");
    corner->setFixedSize(extent, extent);
    FScrollBestFitSB = new QToolButton(corner);
    FScrollBestFitSB->setObjectName("ScrollBestFitSB");
    FScrollBestFitSB->setFixedSize(extent, extent);
    ApplyHint(FScrollBestFitSB, "Best Fit|Zoom to best fit.");
    connect(FScrollBestFitSB, &QToolButton::clicked, this, [this] { Guarded([this] { MenuActualSizeClick(); }); });
    grid->addWidget(corner, 1, 1);

    for (QScrollBar* bar : {FScrollBarHorz, FScrollBarVert}) {
        bar->setFocusPolicy(Qt::NoFocus);
        bar->setSingleStep(1);
        const bool horizontal = bar == FScrollBarHorz;
        connect(bar, &QScrollBar::valueChanged, this, [this, horizontal](int value) {
            if (!FUpdatingScrollBars) Guarded([this, horizontal, value] { ScrollBarMainScroll(horizontal, value); });
        });
    }
    return area;
}

void TMainForm::CreatePanels() {
    auto* central = new QWidget(this);
    central->setObjectName("PanelMain");
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* forces = new QFrame(central);
    forces->setObjectName("PanelForces");
    forces->setFrameStyle(QFrame::Panel | QFrame::Raised);
    // The read-out sizes the bar to its text (DrawStatusForces).
    forces->setFixedHeight(fontMetrics().height() + 7);
    auto* forceRow = new QHBoxLayout(forces);
    forceRow->setContentsMargins(4, 2, 4, 2);
    FPanelForceLeft = new QLabel(forces);
    FPanelForceLeft->setObjectName("PanelForceLeft");
    FPanelForceRight = new QLabel(forces);
    FPanelForceRight->setObjectName("PanelForceRight");
    FPanelForceRight->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    forceRow->addWidget(FPanelForceLeft);
    forceRow->addStretch(1);
    forceRow->addWidget(FPanelForceRight);
    column->addWidget(forces);

    FSplitter = new QSplitter(Qt::Horizontal, central);
    FSplitter->setObjectName("SplitterMain");
    FSplitter->setHandleWidth(SplitterWidth);
    FSplitter->setOpaqueResize(false);
    FSplitter->addWidget(CreateToolPanel());
    FSplitter->addWidget(CreateDisplayArea());
    FSplitter->setStretchFactor(0, 0);
    FSplitter->setStretchFactor(1, 1);
    FSplitter->setCollapsible(0, true);
    FSplitter->setCollapsible(1, false);
    FSplitter->handle(1)->setObjectName("PanelScroll");
    FSplitter->setSizes({ToolPanelWidth, 600});
    column->addWidget(FSplitter, 1);

    auto* lower = new QFrame(central);
    lower->setObjectName("PanelLower");
    auto* lowerRow = new QHBoxLayout(lower);
    lowerRow->setContentsMargins(0, 1, 0, 0);
    lowerRow->setSpacing(2);
    FPanelBottom = Panel(lower, "PanelBottom", QString());
    FPanelBottom->setMinimumWidth(1);
    FPanelBottom->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    FPanelInSlot = Panel(lower, "PanelInSlot", "Slot");
    FPanelAuto = Panel(lower, "PanelAuto", "Auto Stop");
    FPanelInSlot->setAlignment(Qt::AlignCenter);
    FPanelAuto->setAlignment(Qt::AlignCenter);
    // Wide enough for the longest target name, "Slot (sliding)".
    FPanelInSlot->setFixedWidth(std::max(42, fontMetrics().horizontalAdvance(SlidingTargetName) + 12));
    FPanelAuto->setFixedWidth(std::max(72, fontMetrics().horizontalAdvance("Manual Stop") + 12));
    ApplyHint(FPanelInSlot,
              "Point / Angle / Slot|Double click to change wire activation option (Point contact / Same angulation as "
              "bracket / Wire in slot).");
    ApplyHint(FPanelAuto,
              "Auto / Manual Stop|Stop wire activation automatically when desired position is reached. Double click "
              "to change.");
    // The stock of the wire on screen, before the activation's panels.
    FPanelStock = new TStockPanel(lower);
    lowerRow->addWidget(FPanelBottom, 1);
    lowerRow->addWidget(FPanelStock);
    lowerRow->addWidget(FPanelInSlot);
    lowerRow->addWidget(FPanelAuto);
    lower->setFixedHeight(std::max(19, fontMetrics().height() + 6));
    column->addWidget(lower);

    setCentralWidget(central);
}

}  // namespace torvik
