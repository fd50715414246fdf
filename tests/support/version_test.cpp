// Protects the version texts compared at start-up to decide whether default data is copied again.

#include "support/version.h"
#include "support/version_config.h"

#include <gtest/gtest.h>

namespace torvik {
namespace {

TEST(SupportVersion, FourPartsFromTheBuild)
{
    const std::string expected = std::to_string(TORVIK_VERSION_MAJOR) + "." + std::to_string(TORVIK_VERSION_MINOR) +
                                 "." + std::to_string(TORVIK_VERSION_PATCH) + "." +
                                 std::to_string(TORVIK_VERSION_TWEAK);
    EXPECT_EQ(GetProgramVersion(), expected);
    EXPECT_EQ(GetModuleVersion(""), GetProgramVersion());
    EXPECT_EQ(GetModuleVersion("libsomething.so"), "0");
}

}  // namespace
}  // namespace torvik
