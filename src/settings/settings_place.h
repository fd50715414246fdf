#pragma once
// Where the settings file lives: in the user's configuration folder, as
// Linux programs keep their settings. Earlier versions kept it in the user's
// data folder (<Documents>/<data folder>/Settings/); such a file is moved to
// the configuration folder once, at start, and never lost on the way.

#include <string>

namespace torvik {

struct TSettingsPlace {
    std::string File;     // the settings file to read and write from now on
    std::string Problem;  // why a file at the former place could not be moved; empty when it was, or was not there
};

// Moves the settings file from aFormer to aCurrent when there is one at
// aFormer and none at aCurrent, creating aCurrent's folder; a file at
// aCurrent is never replaced. When the move fails, the file stays at
// aFormer, which is then the one to read and write, and Problem says so
// (for one message). An emptied former settings folder is removed.
TSettingsPlace PlaceSettingsFile(const std::string& aFormer, const std::string& aCurrent);

}  // namespace torvik
