#pragma once
// The program's version, "major.minor.patch.tweak", as compiled in from the
// build's project version.

#include <string>

namespace torvik {

// The program's own four-part version, e.g. "1.0.0.0".
std::string GetProgramVersion();

// The version of a module: the program's own for an empty name. Other
// modules carry no version the program can read, so they give "0".
std::string GetModuleVersion(const std::string& aModuleName);

}  // namespace torvik
