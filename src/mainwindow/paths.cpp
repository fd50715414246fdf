#include "mainwindow/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace torvik {

namespace {

std::string DefaultDataFolder() {
    const QDir exeDir(QCoreApplication::applicationDirPath());
    const QString installed = exeDir.absoluteFilePath("../share/torvik/default-data");
    const QString buildTree = exeDir.absoluteFilePath("../resources/default-data");
    const QString chosen = QFileInfo(installed).isDir() || !QFileInfo(buildTree).isDir() ? installed : buildTree;
    return QDir::cleanPath(chosen).toStdString() + "/";
}

}  // namespace

TPaths DefaultPaths() {
    const std::string documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
    TPaths paths;
    paths.SettingsFilePath = documents + "/Kelmar Torvik/Settings/TorvikSettings.ini";
    paths.UserDataFolder = documents + "/Kelmar Torvik/";
    paths.CommonDataFolder = DefaultDataFolder();
    return paths;
}

}  // namespace torvik
