// The main window's side of the settings file: reading it at start (with
// the window placement, the status panels and the check marks that follow
// the settings) and writing it when the window closes.

#include <algorithm>
#include <exception>

#include <QAction>
#include <QLabel>
#include <QScreen>

#include "mainwindow/main_form.h"
#include "support/errors.h"
#include "support/ini_file.h"

namespace torvik {

namespace {

// How much of a restored window must lie on the desktop, in pixels.
constexpr int MinVisibleWidth = 100;
constexpr int MinVisibleHeight = 50;

}  // namespace

void TMainForm::ReadIniSettings() {
    TIniFile ini;
    ini.Load(FPaths.SettingsFilePath);
    FPlacement = ReadSettings(ini, FSettings);
    ApplyWindowPlacement(FPlacement);
    ApplySettings();
}

void TMainForm::ApplyWindowPlacement(const TWindowPlacement& aPlacement) {
    if (aPlacement.Maximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    // Left, top, width and height one after the other, as far as they read.
    const std::vector<int>& v = aPlacement.Values;
    int left = v.size() > 0 ? v[0] : x();
    int top = v.size() > 1 ? v[1] : y();
    int w = v.size() > 2 ? v[2] : width();
    int h = v.size() > 3 ? v[3] : height();
    // A placement remembered on a larger or another desktop must not put the
    // window out of reach: it is made no larger than the desktop, and a
    // position that would leave its top edge or too little of its width on
    // the desktop is not taken.
    if (const QScreen* desktop = screen()) {
        const QRect area = desktop->availableVirtualGeometry();
        w = std::min(w, area.width());
        h = std::min(h, area.height());
        const int grip = std::min(w, MinVisibleWidth);
        if (top < area.top() || top > area.bottom() - MinVisibleHeight || left + w < area.left() + grip ||
            left > area.right() - grip) {
            left = x();
            top = y();
        }
    }
    move(left, top);
    resize(w, h);
}

void TMainForm::ApplySettings() {
    FPanelInSlot->setText(QString::fromLatin1(TargetCaption(FSettings.Activation)));
    FPanelAuto->setText(FSettings.Activation.AutoStop ? "Auto Stop" : "Manual Stop");
    Action("MenuRunWireSlides")->setChecked(FSettings.Activation.WireSlides);
    Action("MenuViewSnaptoGrid")->setChecked(FSettings.SnapGrid);
    Action("MenuViewShowGrid")->setChecked(FSettings.ShowGrid);
    Action("MenuViewStrain")->setChecked(FSettings.View.ViewStrain);
}

void TMainForm::WriteIniSettings() {
    const QString failed = QStringLiteral("Could not save preferences to INI file.");
    try {
        TIniFile ini;
        // A settings file that is there but cannot be read is left as it is:
        // writing our keys alone would lose the rest of it.
        ini.LoadForUpdate(FPaths.SettingsFilePath);
        WriteSettings(ini, FSettings,
                      WindowPlacementText(FSettings.RememberWindowRect, isMaximized(), x(), y(), width(), height()));
        ini.Save(FPaths.SettingsFilePath);
    } catch (const TFileError& e) {
        ErrorBox(failed + "\n" + QString::fromUtf8(e.what()) + ".");
    } catch (const std::exception&) {
        ErrorBox(failed);
    }
}

}  // namespace torvik
