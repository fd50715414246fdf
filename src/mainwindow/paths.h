#pragma once
// Where the program keeps its files: the user's settings file, the user's
// data folder in the documents folder, the installed default data folder
// that is copied into it at first start, and the help pages.

#include <string>

namespace torvik {

struct TPaths {
    std::string SettingsFilePath;  // <Documents>/Kelmar Torvik/Settings/TorvikSettings.ini
    std::string UserDataFolder;    // <Documents>/Kelmar Torvik/
    std::string CommonDataFolder;  // <prefix>/share/torvik/default-data/
    std::string HelpFolder;        // <prefix>/share/torvik/help/
};

// The paths of the running program: the user's documents folder as the
// desktop reports it (its part is empty when there is none), and the default
// data installed beside the executable (<exe dir>/../share/torvik/
// default-data/), or, for a program run from its build folder, the build's
// copy (<exe dir>/../resources/default-data/); the help pages likewise
// (share/torvik/help/ or the build's resources/help/).
TPaths DefaultPaths();

}  // namespace torvik
