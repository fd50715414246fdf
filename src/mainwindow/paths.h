#pragma once
// Where the program keeps its files: the user's settings file in the user's
// configuration folder, the user's data folder in the documents folder, the
// installed default data folder that is copied into it at first start, and
// the help pages.

#include <string>

namespace torvik {

struct TPaths {
    std::string SettingsFilePath;  // <config>/Torvik/TorvikSettings.ini
    // Where earlier versions kept the settings file, moved from there once:
    // <Documents>/Kelmar Torvik/Settings/TorvikSettings.ini
    std::string FormerSettingsFilePath;
    std::string UserDataFolder;    // <Documents>/Kelmar Torvik/
    std::string CommonDataFolder;  // <prefix>/share/torvik/default-data/
    std::string HelpFolder;        // <prefix>/share/torvik/help/
};

// The paths of the running program: the user's configuration folder
// ($XDG_CONFIG_HOME, ~/.config by default, with the application's name) and
// documents folder as the desktop reports them (the documents part is empty
// when there is none), and the default data installed beside the executable
// (<exe dir>/../share/torvik/default-data/), or, for a program run from its
// build folder, the build's copy (<exe dir>/../resources/default-data/); the
// help pages likewise (share/torvik/help/ or the build's resources/help/).
// Asked for once the application has its name.
TPaths DefaultPaths();

}  // namespace torvik
