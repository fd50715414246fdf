// Protects the main window's start-up, layout, settings at start and close, tools, zoom and display composition.
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "gui_fixture.h"
#include "mainwindow/application.h"
#include "mainwindow/display_widget.h"
#include "support/errors.h"
#include "support/ini_file.h"

namespace torvik::test {
namespace {

using TMainWindowTest = TGuiTest;

QString LabelText(TMainForm& aForm, const char* aName) { return aForm.findChild<QLabel*>(aName)->text(); }

QStringList ItemNames(const QMenu* aMenu) {
    QStringList names;
    for (QAction* a : aMenu->actions()) {
        const QString item = a->property("menuItem").toString();
        names << (item.isEmpty() ? a->objectName() : item);
    }
    return names;
}

QStringList ButtonNames(const QToolBar* aBar) {
    QStringList names;
    for (QAction* a : aBar->actions()) {
        QWidget* w = aBar->widgetForAction(a);
        names << (a->isSeparator() ? QString("-") : w ? w->objectName() : QString("?"));
    }
    return names;
}

int CheckedToolButtons(TMainForm& aForm) {
    int count = 0;
    for (const char* name : {"TBZoom", "TBBracket", "TBSpool", "TBCutter", "TBPlier", "TBPencil", "TBImageMove"})
        count += aForm.findChild<QToolButton*>(name)->isChecked() ? 1 : 0;
    return count;
}

int GreyPixels(const QImage& aImage) {
    int count = 0;
    for (int y = 0; y < aImage.height(); ++y)
        for (int x = 0; x < aImage.width(); ++x)
            if (aImage.pixel(x, y) == qRgb(128, 128, 128)) ++count;
    return count;
}

TEST_F(TMainWindowTest, FirstStartAndClose) {
    ASSERT_FALSE(QFile::exists(SettingsFile()));
    TMainForm& form = Start();
    // The default data was copied, settings file included.
    EXPECT_TRUE(QFile::exists(SettingsFile()));
    EXPECT_EQ(form.windowTitle(), "Torvik [Untitled]");
    // The desktop shows that title unchanged: the program sets no display
    // name of its own, which would be appended to every title.
    SetUpApplication();
    QGuiApplication::setApplicationName("Probe");
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Probe");
    SetUpApplication();
    EXPECT_EQ(QGuiApplication::applicationName(), "Torvik");
    EXPECT_EQ(form.Mapping().Zoom(), 2000);
    EXPECT_EQ(form.Mapping().ScrollBarHorz().Position, 0);
    QApplication::processEvents();
    EXPECT_EQ(form.findChild<QComboBox*>("ZoomCB")->currentText(), "200%");
    EXPECT_EQ(LabelText(form, "PanelInSlot"), "Slot");
    EXPECT_EQ(LabelText(form, "PanelAuto"), "Auto Stop");
    EXPECT_TRUE(form.Action("ActionRun")->isEnabled());
    EXPECT_FALSE(form.Action("ActionStopRun")->isEnabled());
    EXPECT_FALSE(form.Action("ActionUndo")->isEnabled());
    EXPECT_EQ(form.CurrentTool(), ToolBracket);
    // The display shows the white design area with its grid.
    const QImage& image = form.DisplayImage();
    EXPECT_EQ(image.size(), form.findChild<TDisplayWidget*>("Display")->size());
    EXPECT_GT(GreyPixels(image), 500);

    EXPECT_TRUE(form.close());
    FForm.reset();
    TIniFile ini;
    ASSERT_TRUE(ini.Load(SettingsFile().toStdString()));
    for (const char* section : {"Calculation", "Wire", "View", "General"}) EXPECT_TRUE(ini.SectionExists(section));
    EXPECT_EQ(ini.ReadString("General", "Version", ""), GetProgramVersion());
    EXPECT_EQ(ini.ReadString("General", "Torvik Rect", ""), "Default");
    EXPECT_EQ(ini.ReadString("Calculation", "Target", ""), "2");
    EXPECT_EQ(ini.ReadString("Wire", "Segment Size", ""), "0.25");
    EXPECT_EQ(ini.ReadString("View", "Grid Density", ""), "2");
    EXPECT_EQ(ini.ReadString("View", "Bracket Forces", ""), "1");
    EXPECT_EQ(ini.ReadString("General", "Undo Levels", ""), "1");
}

TEST_F(TMainWindowTest, SettingsAtStartAndClose) {
    QDir().mkpath(QFileInfo(SettingsFile()).path());
    WriteText(SettingsFile(), "[General]\nVersion=" + QString::fromStdString(GetProgramVersion()) +
                                  "\nTorvik Rect=30 40\n[Calculation]\nTarget=0\nAuto Stop=0\n"
                                  "[View]\nView Grid=0\nGrid Density=17\n");
    TMainForm& form = Start();
    EXPECT_EQ(LabelText(form, "PanelInSlot"), "Point");
    EXPECT_EQ(LabelText(form, "PanelAuto"), "Manual Stop");
    EXPECT_FALSE(form.Action("MenuViewShowGrid")->isChecked());
    EXPECT_EQ(form.Settings().GridDensity, 2);
    EXPECT_LT(GreyPixels(form.DisplayImage()), 50);  // no grid lines
    EXPECT_EQ(form.pos(), QPoint(30, 40));
    EXPECT_TRUE(form.close());
    FForm.reset();
    TIniFile ini;
    ini.Load(SettingsFile().toStdString());
    EXPECT_EQ(ini.ReadString("General", "Torvik Rect", ""), "Default");
    EXPECT_EQ(ini.ReadString("View", "View Grid", ""), "0");

    // A placement from a far larger desktop keeps the window within reach.
    WriteText(SettingsFile(), "[General]\nTorvik Rect=-90000 -90000 60000 50000\n");
    TMainForm& huge = Start();
    const QRect desktop = huge.screen()->availableVirtualGeometry();
    EXPECT_LE(huge.width(), desktop.width());
    EXPECT_LE(huge.height(), desktop.height());
    EXPECT_TRUE(desktop.intersects(huge.frameGeometry()));
    EXPECT_TRUE(huge.close());
    FForm.reset();

    // A maximised window is remembered as such.
    WriteText(SettingsFile(), "[General]\nTorvik Rect=Maximized\n");
    TMainForm& again = Start();
    EXPECT_TRUE(again.isMaximized());
    EXPECT_TRUE(again.close());
    FForm.reset();
    ini.Load(SettingsFile().toStdString());
    EXPECT_EQ(ini.ReadString("General", "Torvik Rect", ""), "Maximized");
}

TEST_F(TMainWindowTest, UnwritableSettingsStillClose) {
    TMainForm& form = Start();
    const QString folder = QFileInfo(SettingsFile()).path();
    ASSERT_TRUE(QDir(folder).removeRecursively());
    WriteText(folder, "a file where the folder was");
    EXPECT_TRUE(form.close());
    const auto errors = FDialogs->Of("error");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].text,
              "Could not save preferences to INI file.\nUnable to write to " + SettingsFile() + ".\n" +
                  QString::fromStdString(SystemReason(ENOTDIR)) + ".");
    FForm.reset();
}

TEST_F(TMainWindowTest, MenusToolBarsAndHints) {
    TMainForm& form = Start();
    EXPECT_EQ(ItemNames(form.findChild<QMenu*>("MenuFile")),
              QStringList({"MenuFileNew", "MenuFileNewFromTemplate", "MenuFileEditTemplate", "MenuFileOpen",
                           "MenuFileRecent", "MenuFileSave", "MenuFileSaveAs", "MenuSep10", "MenuImageOpen", "MenuSep1",
                           "MenuFilePrint", "MenuFileExportPicture", "MenuSep7", "MenuFileExit"}));
    EXPECT_EQ(ItemNames(form.findChild<QMenu*>("MenuView")),
              QStringList({"MenuViewZoomIn", "MenuViewZoomOut", "MenuViewBestFit", "MenuViewFitAll", "MenuSep9",
                           "MenuZoomForces", "MenuSep4", "MenuViewShowGrid", "MenuViewSnaptoGrid", "MenuSep14",
                           "MenuViewShowHideMarkers", "MenuViewStrain", "MenuViewCentre", "MenuSep13", "MenuImageShow",
                           "MenuImageRes", "MenuSep5", "MenuEditOptions"}));
    EXPECT_EQ(ItemNames(form.findChild<QMenu*>("MenuEditBendWire")),
              QStringList({"ActionBendWire10L", "ActionBendWire10R", "ActionBendWire1L", "ActionBendWire1R",
                           "ActionBendWireUser"}));
    EXPECT_EQ(ItemNames(form.findChild<QMenu*>("MenuRun")),
              QStringList({"MenuRunRun", "MenuRunStop", "MenuSepSliding", "MenuRunWireSlides", "MenuSepCurve",
                           "MenuRunCurve", "MenuRunSweep", "MenuRunFit"}));
    QStringList menus;
    for (QAction* a : form.menuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&View", "&Run", "&Help"}));
    // The client area below the menu bar, and the tool panel.
    EXPECT_EQ(form.width(), 673);
    EXPECT_EQ(form.height() - form.menuBar()->height(), 487);
    EXPECT_EQ(form.findChild<QWidget*>("PanelLeft")->width(), 53);

    EXPECT_EQ(ButtonNames(form.findChild<QToolBar*>("ToolBarMain")),
              QStringList({"TBNew", "TBOpen", "TBSave", "-", "TBOpenImage", "-", "TBUndo", "TBRedo"}));
    EXPECT_EQ(ButtonNames(form.findChild<QToolBar*>("ToolBarRun")),
              QStringList({"TBForceEdit", "TBForceZero", "-", "TBRun", "TBStopRun"}));
    EXPECT_EQ(ButtonNames(form.findChild<QToolBar*>("ToolBarTools")),
              QStringList({"ZoomCB", "-", "TBZoom", "TBBracket", "TBSpool", "TBCutter", "TBPlier", "TBPencil",
                           "TBImageMove"}));

    QAction* run = form.Action("ActionRun");
    EXPECT_EQ(run->text(), "&Run");
    EXPECT_EQ(run->toolTip(), "Run");
    EXPECT_EQ(run->statusTip(), "Start activating the loop.");
    EXPECT_EQ(form.Action("MenuFileSaveAs")->statusTip(), "Specify file and save loop.");
    auto* right = form.findChild<QToolButton*>("SpeedButton1");
    EXPECT_EQ(right->toolTip(), QString::fromUtf8("Right turn 90\u00b0\n1.5mm diameter."));
    EXPECT_EQ(right->size(), QSize(37, 37));
    auto* loop = form.findChild<QToolButton*>("SpeedButton5");
    EXPECT_EQ(loop->text(), "Loop");
    EXPECT_TRUE(loop->font().bold());
    // The long hint of a hovered command goes to the status panel.
    QStatusTipEvent tip("Start activating the loop.");
    QApplication::sendEvent(form.findChild<QToolButton*>("TBRun"), &tip);
    EXPECT_EQ(LabelText(form, "PanelBottom"), "Start activating the loop.");
}

TEST_F(TMainWindowTest, ExactlyOneToolIsDown) {
    TMainForm& form = Start();
    EXPECT_EQ(CheckedToolButtons(form), 1);
    EXPECT_TRUE(form.findChild<QToolButton*>("TBBracket")->isChecked());
    Trigger("ActionToolZoom");
    EXPECT_EQ(CheckedToolButtons(form), 1);
    EXPECT_TRUE(form.findChild<QToolButton*>("TBZoom")->isChecked());
    EXPECT_EQ(form.CurrentTool(), ToolZoom);
    Trigger("ActionFileNew");
    EXPECT_EQ(CheckedToolButtons(form), 1);
    EXPECT_TRUE(form.findChild<QToolButton*>("TBBracket")->isChecked());
    EXPECT_EQ(form.CurrentTool(), ToolBracket);
}

TEST_F(TMainWindowTest, ZoomCommandsAndTypedZoom) {
    TMainForm& form = Start();
    auto* box = form.findChild<QComboBox*>("ZoomCB");
    Trigger("MenuViewZoomIn");
    EXPECT_EQ(form.Mapping().Zoom(), 3000);
    EXPECT_EQ(box->currentText(), "300%");
    // The drop-down list opens on the matching item.
    EXPECT_EQ(box->currentIndex(), box->findText("300%"));
    Trigger("MenuViewZoomOut");
    Trigger("MenuViewZoomOut");
    EXPECT_EQ(form.Mapping().Zoom(), 1500);
    Trigger("MenuViewFitAll");
    QApplication::processEvents();
    EXPECT_EQ(form.Mapping().Zoom(), FitAllZoom(form.Mapping().Width(), form.Mapping().Height()));
    EXPECT_EQ(box->currentText(), QString::fromStdString(ZoomText(form.Mapping().Zoom())));
    // At this zoom the whole area fits: the bars are disabled, with nothing
    // to scroll.
    auto* horz = form.findChild<QScrollBar*>("ScrollBarHorz");
    EXPECT_FALSE(horz->isEnabled());
    EXPECT_EQ(horz->value(), 0);
    EXPECT_EQ(horz->maximum(), 0);

    // Typed keys reach the box itself, as they do from the keyboard.
    box->lineEdit()->selectAll();
    QTest::keyClicks(box, "150%");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(form.Mapping().Zoom(), 1500);
    EXPECT_EQ(box->currentText(), "150%");
    // Letters are refused; an out-of-range number is reported and changes nothing.
    box->lineEdit()->selectAll();
    QTest::keyClicks(box, "x2a4");
    EXPECT_EQ(box->currentText(), "24");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(form.Mapping().Zoom(), 1500);
    const auto errors = FDialogs->Of("error");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].text, "This is not a valid zoom value.\nUse an integer number in the range 25 - 1200.");
    EXPECT_EQ(box->currentText(), "24");
    // Keys sent to the box's line edit follow the same rules.
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), "7b5");
    EXPECT_EQ(box->currentText(), "75");
    QTest::keyClick(box->lineEdit(), Qt::Key_Enter);
    EXPECT_EQ(form.Mapping().Zoom(), 750);

    // Choosing an item: Best Fit frames the new design's bracket to bracket.
    box->setCurrentIndex(box->findText("Best Fit"));
    emit box->activated(box->findText("Best Fit"));
    QApplication::processEvents();
    const TRect fit = BestFitRect(form.Design().CurrentWire->BoundsRect(), *form.Design().RightBracket.Origin());
    TViewMapping expected;
    expected.SetDisplaySize(form.Mapping().Width(), form.Mapping().Height());
    expected.ZoomRect(fit);
    EXPECT_EQ(form.Mapping().Zoom(), expected.Zoom());
    EXPECT_EQ(box->currentText(), QString::fromStdString(ZoomText(expected.Zoom())));
}

TEST_F(TMainWindowTest, ScrollingResizingAndMenuRefresh) {
    TMainForm& form = Start();
    auto* horz = form.findChild<QScrollBar*>("ScrollBarHorz");
    ASSERT_TRUE(horz->isEnabled());
    horz->setValue(2500);
    EXPECT_EQ(form.Mapping().ScrollBarHorz().Position, 2500);
    horz->setValue(horz->maximum());
    EXPECT_EQ(form.Mapping().ScrollBarHorz().Position, form.Mapping().ScrollBarHorz().MaxPosition());
    // Resizing keeps the view's top-left corner where it was.
    horz->setValue(3000);
    const TPoint corner = form.Mapping().DeviceToLogical(0, 0);
    form.resize(form.width() + 120, form.height() + 80);
    QApplication::processEvents();
    EXPECT_EQ(form.Mapping().Width(), form.findChild<TDisplayWidget*>("Display")->width());
    EXPECT_NEAR(form.Mapping().DeviceToLogical(0, 0).X, corner.X, 2);
    EXPECT_EQ(form.DisplayImage().size(), form.findChild<TDisplayWidget*>("Display")->size());

    // Opening the Edit menu brings Undo up to date.
    form.Design().CurrentWire->KeepState(UndoUnlimited);
    EXPECT_FALSE(form.Action("ActionUndo")->isEnabled());
    emit form.findChild<QMenu*>("MenuEdit")->aboutToShow();
    EXPECT_TRUE(form.Action("ActionUndo")->isEnabled());
}

TEST_F(TMainWindowTest, ZoomToolBandIsErasedAndZooms) {
    TMainForm& form = Start();
    Trigger("ActionToolZoom");
    auto* display = form.findChild<TDisplayWidget*>("Display");
    const QImage clean = form.DisplayImage().copy();
    QTest::mousePress(display, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    QMouseEvent move(QEvent::MouseMove, QPointF(120, 80), display->mapToGlobal(QPointF(120, 80)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(display, &move);
    EXPECT_NE(form.DisplayImage(), clean);  // the band shows
    QMouseEvent move2(QEvent::MouseMove, QPointF(160, 100), display->mapToGlobal(QPointF(160, 100)), Qt::NoButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(display, &move2);
    const TPoint first = form.Mapping().DeviceToLogical(20, 20);
    const TPoint second = form.Mapping().DeviceToLogical(160, 100);
    TViewMapping expected = form.Mapping();
    expected.ZoomToolRelease(first, second, second);
    QTest::mouseRelease(display, Qt::LeftButton, Qt::NoModifier, QPoint(160, 100));
    EXPECT_EQ(form.Mapping().Zoom(), expected.Zoom());
    EXPECT_EQ(form.Mapping().ScrollBarHorz().Position, expected.ScrollBarHorz().Position);
    // Nothing of the band is left on the picture.
    const QImage afterZoom = form.DisplayImage().copy();
    form.DrawDisplay();
    EXPECT_EQ(form.DisplayImage(), afterZoom);

    // The right button zooms one step out.
    const int zoom = form.Mapping().Zoom();
    QTest::mousePress(display, Qt::RightButton, Qt::NoModifier, QPoint(50, 50));
    EXPECT_EQ(form.Mapping().Zoom(), NextZoomOut(zoom));
}

TEST_F(TMainWindowTest, WireEdgesAreWholeBlackLines) {
    // The display draws like the program's pictures were designed: one-pixel
    // edges in full black, not smoothed into grey, and without a pixel lost
    // where one segment's band meets the next.
    TMainForm& form = Start();
    TWire& wire = *form.Design().CurrentWire;
    for (int i = 0; i < 39; ++i) wire.AddSeg(0.25, 0);
    Trigger("MenuViewBestFit");
    for (int zoom : {1500, 2190, 2470, 3000}) {
        form.findChild<QComboBox*>("ZoomCB")->setEditText(QString::number(zoom / 10) + "%");
        QTest::keyClick(form.findChild<QComboBox*>("ZoomCB"), Qt::Key_Return);
        ASSERT_EQ(form.Mapping().Zoom(), zoom);
        const QImage& image = form.DisplayImage();
        const TPoint from = form.Mapping().LogicalToDevice(TPoint{1050, 980});
        const TPoint to = form.Mapping().LogicalToDevice(TPoint{1950, 1020});
        ASSERT_GE(from.X, 0);
        ASSERT_LT(to.X, image.width());
        for (int y : {from.Y, to.Y})
            for (int x = from.X; x < to.X; ++x)
                ASSERT_EQ(image.pixel(x, y) & 0xFFFFFF, 0u) << "zoom " << zoom << " at " << x << "," << y;
    }
}

TEST_F(TMainWindowTest, ShowGridAndCopyAsPicture) {
    TMainForm& form = Start();
    EXPECT_GT(GreyPixels(form.DisplayImage()), 500);
    Trigger("MenuViewShowGrid");
    EXPECT_FALSE(form.Settings().ShowGrid);
    EXPECT_LT(GreyPixels(form.DisplayImage()), 50);
    Trigger("MenuViewShowGrid");
    EXPECT_TRUE(form.Settings().ShowGrid);

    Trigger("MenuEditCopy");
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasFormat("image/svg+xml"));
    const QString svg = QString::fromUtf8(data->data("image/svg+xml"));
    EXPECT_TRUE(svg.contains("width=\"100mm\"")) << svg.left(400).toStdString();
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 10000 10000\""));
    ASSERT_TRUE(data->hasImage());
    const QImage png = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(png.size(), QSize(1000, 1000));
    // No background: the corners are transparent; the grid is drawn.
    EXPECT_EQ(qAlpha(png.pixel(510, 10)), 0);
    EXPECT_GT(qAlpha(png.pixel(0, 500)), 0);
}

}  // namespace
}  // namespace torvik::test
