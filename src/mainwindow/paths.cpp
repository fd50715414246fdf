#include "mainwindow/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace torvik {

namespace {

// The installed folder share/torvik/<aName> beside the executable's bin
// folder, or the build's resources/<aName> for a program that was not
// installed.
std::string ResourceFolder(const QString& aName) {
    const QDir exeDir(QCoreApplication::applicationDirPath());
    const QString installed = exeDir.absoluteFilePath("../share/torvik/" + aName);
    const QString buildTree = exeDir.absoluteFilePath("../resources/" + aName);
    const QString chosen = QFileInfo(installed).isDir() || !QFileInfo(buildTree).isDir() ? installed : buildTree;
    return QFile::encodeName(QDir::cleanPath(chosen)).toStdString() + "/";
}

}  // namespace

TPaths DefaultPaths() {
    const auto location = [](QStandardPaths::StandardLocation aWhich) {
        return QFile::encodeName(QStandardPaths::writableLocation(aWhich)).toStdString();
    };
    const std::string documents = location(QStandardPaths::DocumentsLocation);
    const std::string config = location(QStandardPaths::AppConfigLocation);
    TPaths paths;
    paths.SettingsFilePath = config + "/TorvikSettings.ini";
    paths.FormerSettingsFilePath = documents + "/Kelmar Torvik/Settings/TorvikSettings.ini";
    paths.UserDataFolder = documents + "/Kelmar Torvik/";
    paths.CommonDataFolder = ResourceFolder("default-data");
    paths.HelpFolder = ResourceFolder("help");
    return paths;
}

}  // namespace torvik
