// Protects the move of the settings file from the user's data folder to the configuration folder: once, never
// replacing a file that is there, never losing the file (on this file system or onto another), and saying why not.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "settings/settings.h"
#include "settings/settings_place.h"
#include "support/errors.h"

namespace torvik {
namespace {

namespace fs = std::filesystem;

class SettingsPlaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("torvik_place_" + std::to_string(::getpid()));
        fs::remove_all(root);
        former = root / "docs" / "Kelmar Torvik" / "Settings" / "TorvikSettings.ini";
        current = root / "config" / "Torvik" / "TorvikSettings.ini";
    }
    void TearDown() override { fs::remove_all(root); }

    static void Write(const fs::path& aFile, const std::string& aText) {
        fs::create_directories(aFile.parent_path());
        std::ofstream(aFile, std::ios::binary) << aText;
    }
    static std::string Read(const fs::path& aFile) {
        std::ifstream in(aFile, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path root, former, current;
};

TEST_F(SettingsPlaceTest, MovesOnceAndNeverReplacesOrLoses) {
    // Nothing anywhere: the configuration folder is the place.
    EXPECT_EQ(PlaceSettingsFile(former, current).File, current.string());
    EXPECT_FALSE(fs::exists(current));

    // A file at the former place moves, bytes and all, and its emptied
    // folder goes; the user's data folder stays.
    const std::string text = "[View]\r\nGrid Density=3\r\n\xFF odd bytes\n";
    Write(former, text);
    TSettingsPlace place = PlaceSettingsFile(former, current);
    EXPECT_EQ(place.File, current.string());
    EXPECT_EQ(place.Problem, "");
    EXPECT_EQ(Read(current), text);
    EXPECT_FALSE(fs::exists(former.parent_path()));
    EXPECT_TRUE(fs::exists(former.parent_path().parent_path()));

    // With a file at both places, the one in the configuration folder wins
    // and the other is left alone.
    Write(former, "[View]\nGrid Density=0\n");
    EXPECT_EQ(PlaceSettingsFile(former, current).File, current.string());
    EXPECT_EQ(Read(current), text);
    EXPECT_EQ(Read(former), "[View]\nGrid Density=0\n");
    fs::remove(current);

    // Onto another file system, where a rename cannot go: copied whole,
    // then the original removed.
    struct stat here {}, shm {};
    if (::stat(root.parent_path().c_str(), &here) == 0 && ::stat("/dev/shm", &shm) == 0 && here.st_dev != shm.st_dev &&
        ::access("/dev/shm", W_OK) == 0) {
        const fs::path elsewhere = fs::path("/dev/shm") / ("torvik_place_" + std::to_string(::getpid())) / "s.ini";
        place = PlaceSettingsFile(former, elsewhere);
        EXPECT_EQ(place.File, elsewhere.string()) << place.Problem;
        EXPECT_EQ(Read(elsewhere), "[View]\nGrid Density=0\n");
        EXPECT_FALSE(fs::exists(former));
        EXPECT_EQ(std::distance(fs::directory_iterator(elsewhere.parent_path()), fs::directory_iterator()), 1);
        fs::remove_all(elsewhere.parent_path());
        Write(former, "[View]\nGrid Density=0\n");
    }

    // A move that fails keeps the file where it was, to be read and saved
    // there, and says why.
    fs::remove_all(root / "config");
    Write(root / "config", "a file where the folder would be");
    place = PlaceSettingsFile(former, current);
    EXPECT_EQ(place.File, former.string());
    EXPECT_EQ(place.Problem, "The settings file could not be moved to " + current.string() + ".\n" +
                                 SystemReason(ENOTDIR) + ".\nThe settings are read from and saved to " +
                                 former.string() + " as before.");
    EXPECT_EQ(Read(former), "[View]\nGrid Density=0\n");
}

TEST_F(SettingsPlaceTest, TheDefaultSettingsGoToTheSettingsFileNotAmongTheData) {
    const fs::path common = root / "common";
    Write(common / "Settings" / "TorvikSettings.ini", "[General]\nVersion=1.2.3.4\n");
    Write(common / "Loops" / "Closing Loop.tvk", "[Wire]\nSegments=0\n");
    const fs::path user = root / "docs" / "Kelmar Torvik";
    CopyDefaultData(common.string(), user.string(), current.string());
    EXPECT_EQ(SettingsFileVersion(current.string()), "1.2.3.4");
    EXPECT_TRUE(fs::exists(user / "Loops" / "Closing Loop.tvk"));
    EXPECT_FALSE(fs::exists(user / "Settings"));
}

}  // namespace
}  // namespace torvik
