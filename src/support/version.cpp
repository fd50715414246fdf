// Version texts from the version compiled into the program.

#include "support/version.h"

#include "support/version_config.h"

namespace torvik {

std::string GetProgramVersion()
{
    return std::to_string(TORVIK_VERSION_MAJOR) + "." + std::to_string(TORVIK_VERSION_MINOR) + "." +
           std::to_string(TORVIK_VERSION_PATCH) + "." + std::to_string(TORVIK_VERSION_TWEAK);
}

std::string GetModuleVersion(const std::string& aModuleName)
{
    return aModuleName.empty() ? GetProgramVersion() : std::string("0");
}

}  // namespace torvik
