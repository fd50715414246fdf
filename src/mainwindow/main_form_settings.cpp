// The main window's side of the settings file: reading it at start (with
// the window placement, the status panels and the check marks that follow
// the settings) and writing it when the window closes.

#include <exception>

#include <QAction>
#include <QLabel>

#include "mainwindow/main_form.h"
#include "support/ini_file.h"

namespace torvik {

void TMainForm::ReadIniSettings() {
    TIniFile ini;
    ini.Load(FPaths.SettingsFilePath);
    FPlacement = ReadSettings(ini, FSettings);
    ApplyWindowPlacement(FPlacement);
    ShowTargetAndStop();
    Action("MenuViewSnaptoGrid")->setChecked(FSettings.SnapGrid);
    Action("MenuViewShowGrid")->setChecked(FSettings.ShowGrid);
    Action("MenuViewStrain")->setChecked(FSettings.View.ViewStrain);
    if (FDesign) FDesign->CurrentWire->Stock = FSettings.Stock;
}

void TMainForm::ApplyWindowPlacement(const TWindowPlacement& aPlacement) {
    if (aPlacement.Maximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    // Left, top, width and height one after the other, as far as they read.
    const std::vector<int>& v = aPlacement.Values;
    if (v.size() > 0) move(v[0], y());
    if (v.size() > 1) move(x(), v[1]);
    if (v.size() > 2) resize(v[2], height());
    if (v.size() > 3) resize(width(), v[3]);
}

void TMainForm::ShowTargetAndStop() {
    FPanelInSlot->setText(QString::fromLatin1(TargetName(FSettings.Activation.TargetMode)));
    FPanelAuto->setText(FSettings.Activation.AutoStop ? "Auto Stop" : "Manual Stop");
}

void TMainForm::WriteIniSettings() {
    try {
        TIniFile ini;
        ini.Load(FPaths.SettingsFilePath);
        WriteSettings(ini, FSettings,
                      WindowPlacementText(FSettings.RememberWindowRect, isMaximized(), x(), y(), width(), height()));
        ini.Save(FPaths.SettingsFilePath);
    } catch (const std::exception&) {
        ErrorBox("Could not save preferences to INI file.");
    }
}

}  // namespace torvik
