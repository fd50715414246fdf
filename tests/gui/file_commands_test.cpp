// Protects New, Open, Save, Save As and the question before a changed wire is discarded, including failed reads and saves.
#include <QFileInfo>

#include "display_mouse.h"
#include "support/ini_file.h"
#include "wire/design_file.h"

namespace torvik::test {
namespace {

class TFileCommandsTest : public TGuiTest {
protected:
    void Open(const QString& aFile) {
        FDialogs->openNames.push_back(aFile);
        Trigger("ActionFileOpen");
    }

    void MakeDirty() { FForm->Design().CurrentWire->AddSeg(0.25, 0.1); }
};

TEST_F(TFileCommandsTest, OpenBestFitSaveAsAndReopen) {
    TMainForm& form = Start();
    const QString file = WriteLoop("loop.tvk");
    Open(file);
    ASSERT_TRUE(FDialogs->Of("error").empty());
    EXPECT_EQ(FDialogs->Of("open").at(0).title, "Open Loop");
    EXPECT_EQ(FDialogs->Of("open").at(0).text, "Torvik files (*.tvk);;All files (*)");
    // The first dialog starts in the user's data folder, later ones in the
    // open file's folder.
    EXPECT_EQ(QDir(FDialogs->folders.at(0)), QDir(QString::fromStdString(FPaths.UserDataFolder)));
    EXPECT_EQ(form.windowTitle(), "Torvik - loop.tvk");
    EXPECT_EQ(form.CurrentFileName().Native(), file.toStdString());
    EXPECT_EQ(form.Design().CurrentWire->Count(), 40);
    EXPECT_FALSE(form.Design().CurrentWire->dirty);
    // Opened with Best Fit: the wire and the right bracket fill the display.
    TViewMapping expected;
    expected.SetDisplaySize(form.Mapping().Width(), form.Mapping().Height());
    expected.ZoomRect(BestFitRect(form.Design().CurrentWire->BoundsRect(), *form.Design().RightBracket.Origin()));
    EXPECT_EQ(form.Mapping().Zoom(), expected.Zoom());
    const auto shape = WireShape(*form.Design().CurrentWire);

    FDialogs->saveNames.push_back(Path("copy.tvk"));
    Trigger("MenuFileSaveAs");
    EXPECT_EQ(FDialogs->Of("save").at(0).title, "Save Loop");
    EXPECT_EQ(QDir(FDialogs->folders.at(1)), QFileInfo(file).dir());
    EXPECT_EQ(form.windowTitle(), "Torvik - copy.tvk");
    ASSERT_TRUE(QFile::exists(Path("copy.tvk")));

    Trigger("ActionFileNew");
    EXPECT_EQ(form.windowTitle(), "Torvik [Untitled]");
    EXPECT_EQ(form.Design().CurrentWire->Count(), 1);
    Open(Path("copy.tvk"));
    EXPECT_EQ(form.windowTitle(), "Torvik - copy.tvk");
    const auto reread = WireShape(*form.Design().CurrentWire);
    ASSERT_EQ(reread.size(), shape.size());
    for (std::size_t i = 0; i < shape.size(); ++i) {
        EXPECT_NEAR(reread[i].first, shape[i].first, 1e-9);
        EXPECT_NEAR(reread[i].second, shape[i].second, 1e-6);
    }
    // The wire starts at the left bracket's own point.
    EXPECT_EQ(form.Design().CurrentWire->Origin(), form.Design().LeftBracket.Origin());

    // Cancelling the open dialog changes nothing.
    Trigger("ActionFileOpen");
    EXPECT_EQ(form.windowTitle(), "Torvik - copy.tvk");
}

TEST_F(TFileCommandsTest, AskAndSaveAnswers) {
    TMainForm& form = Start();
    // Cancel: New does not go ahead.
    MakeDirty();
    FDialogs->answers.push_back(TAnswer::Cancel);
    Trigger("ActionFileNew");
    ASSERT_EQ(FDialogs->Of("ask").size(), 1u);
    EXPECT_EQ(FDialogs->Of("ask")[0].title, "Confirm");
    EXPECT_EQ(FDialogs->Of("ask")[0].text, "Wire has changed. Save current wire?");
    EXPECT_EQ(form.Design().CurrentWire->Count(), 2);

    // Yes, then the save dialog cancelled: the changes are kept.
    FDialogs->answers.push_back(TAnswer::Yes);
    Trigger("ActionFileNew");
    EXPECT_EQ(FDialogs->Of("save").size(), 1u);
    EXPECT_EQ(form.Design().CurrentWire->Count(), 2);

    // Yes, and the save fails: an error, and the changes are kept.
    FDialogs->answers.push_back(TAnswer::Yes);
    FDialogs->saveNames.push_back(Path("no/such/folder/loop.tvk"));
    Trigger("ActionFileNew");
    const auto errors = FDialogs->Of("error");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].title, "Torvik");
    EXPECT_TRUE(errors[0].text.endsWith(".")) << errors[0].text.toStdString();
    EXPECT_TRUE(errors[0].text.contains("loop.tvk"));
    EXPECT_EQ(form.Design().CurrentWire->Count(), 2);
    EXPECT_EQ(form.windowTitle(), "Torvik [Untitled]");

    // Yes, and the save works: written, then New goes ahead.
    FDialogs->answers.push_back(TAnswer::Yes);
    FDialogs->saveNames.push_back(Path("saved.tvk"));
    Trigger("ActionFileNew");
    EXPECT_TRUE(QFile::exists(Path("saved.tvk")));
    EXPECT_EQ(form.Design().CurrentWire->Count(), 1);

    // No: discarded.
    MakeDirty();
    FDialogs->answers.push_back(TAnswer::No);
    Trigger("ActionFileNew");
    EXPECT_EQ(form.Design().CurrentWire->Count(), 1);

    // Closing asks too; Cancel keeps the window.
    MakeDirty();
    FDialogs->answers.push_back(TAnswer::Cancel);
    EXPECT_FALSE(form.close());
    FDialogs->answers.push_back(TAnswer::No);
    Trigger("ActionFileNew");
    // An unchanged design is discarded without a question.
    const std::size_t asked = FDialogs->Of("ask").size();
    Trigger("ActionFileNew");
    EXPECT_EQ(FDialogs->Of("ask").size(), asked);
}

TEST_F(TFileCommandsTest, SaveAfterTheFileWasDeleted) {
    TMainForm& form = Start();
    const QString file = WriteLoop("gone.tvk");
    Open(file);
    ASSERT_TRUE(QFile::remove(file));
    Trigger("ActionFileSave");
    const auto info = FDialogs->Of("inform");
    ASSERT_EQ(info.size(), 1u);
    EXPECT_EQ(info[0].title, "Information");
    EXPECT_EQ(info[0].text, "File could not be found. Save under another name.");
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(form.windowTitle(), "Torvik [Untitled]");
    // The next Save asks for a name.
    Trigger("ActionFileSave");
    EXPECT_EQ(FDialogs->Of("save").size(), 1u);

    // A name typed into the open dialog that is not there is a mistake: the
    // open design stays, and so does its name.
    Open(WriteLoop("kept.tvk"));
    Open(Path("missing.tvk"));
    ASSERT_EQ(FDialogs->Of("error").size(), 1u);
    EXPECT_EQ(FDialogs->Of("error")[0].text, "File could not be found: " + Path("missing.tvk") + ".");
    EXPECT_EQ(form.windowTitle(), "Torvik - kept.tvk");
    EXPECT_EQ(form.Design().CurrentWire->Count(), 40);
    EXPECT_FALSE(QFile::exists(Path("missing.tvk")));
}

}  // namespace
}  // namespace torvik::test
