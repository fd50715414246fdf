// Protects the window's start with a settings file where earlier versions kept it: moved to the configuration folder
// and read there, or, when it cannot move, read and saved where it is with one message.
#include <QFileInfo>

#include "gui_fixture.h"
#include "support/ini_file.h"

namespace torvik::test {
namespace {

class TSettingsFilePlaceTest : public TGuiTest {
protected:
    QString Former() const { return QString::fromStdString(FPaths.FormerSettingsFilePath); }
    void WriteFormer() {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(Former()).path()));
        WriteText(Former(), "[General]\nVersion=" + QString::fromStdString(GetProgramVersion()) +
                                "\n[View]\nGrid Density=3\n[Mine]\nk=v\n");
    }
    void Close() {
        FDialogs->answers.assign(1, TAnswer::No);
        ASSERT_TRUE(FForm->close());
        FForm.reset();
    }
};

TEST_F(TSettingsFilePlaceTest, AFormerSettingsFileMovesOnceOrStaysAndSaysSo) {
    WriteFormer();
    TMainForm& form = Start();
    EXPECT_TRUE(FDialogs->shown.empty());
    EXPECT_EQ(form.Settings().GridDensity, 3);
    EXPECT_FALSE(QFile::exists(Former()));
    EXPECT_TRUE(ReadText(SettingsFile()).contains("[Mine]\nk=v\n"));
    form.Settings().GridDensity = 1;
    Close();
    TIniFile ini;
    ASSERT_TRUE(ini.Load(FPaths.SettingsFilePath));
    EXPECT_EQ(ini.ReadInteger("View", "Grid Density", -1), 1);
    EXPECT_EQ(ini.ReadString("Mine", "k", ""), "v");
    // The user's data stays where it is.
    EXPECT_TRUE(QDir(QString::fromStdString(FPaths.UserDataFolder)).exists());

    // Where the configuration folder cannot be made, the file is read and
    // saved where it is, and the user is told once.
    ASSERT_TRUE(QFile::remove(SettingsFile()));
    const QString config = QFileInfo(QFileInfo(SettingsFile()).path()).path();
    ASSERT_TRUE(QDir(config).removeRecursively());
    WriteText(config, "a file where the folder would be");
    WriteFormer();
    TMainForm& again = Start();
    ASSERT_EQ(FDialogs->shown.size(), 1u);
    EXPECT_EQ(FDialogs->shown[0].kind, "warning");
    EXPECT_TRUE(FDialogs->shown[0].text.startsWith("The settings file could not be moved to " + SettingsFile() + ".\n"))
        << FDialogs->shown[0].text.toStdString();
    EXPECT_EQ(again.Settings().GridDensity, 3);
    again.Settings().GridDensity = 0;
    Close();
    ASSERT_TRUE(ini.Load(FPaths.FormerSettingsFilePath));
    EXPECT_EQ(ini.ReadInteger("View", "Grid Density", -1), 0);
    EXPECT_EQ(ReadText(config), "a file where the folder would be");
}

}  // namespace
}  // namespace torvik::test
