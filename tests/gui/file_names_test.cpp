// Protects file names through the window: a name that is not UTF-8 keeps its bytes from the command line, a drop or
// the recent designs to every save, a name the file dialogs cannot show is never written to, and every message and
// the caption show names escaped and shortened.
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include <filesystem>

#include "gui_fixture.h"
#include "mainwindow/application.h"
#include "mainwindow/command_line.h"
#include "mainwindow/display_widget.h"
#include "support/ini_file.h"

namespace torvik::test {
namespace {

namespace fs = std::filesystem;

class TFileNamesTest : public TGuiTest {
protected:
    // Qt cannot remove a name that is not UTF-8 (it lists the folder as text).
    void TearDown() override {
        TGuiTest::TearDown();
        std::error_code ec;
        fs::remove_all(Folder(), ec);
    }
    TMainForm& StartWith(const std::string& aArgument) {
        auto dialogs = std::make_unique<TScriptedDialogs>();
        FDialogs = dialogs.get();
        FForm = std::make_unique<TMainForm>(FPaths, std::move(dialogs));
        StartMainForm(*FForm, ParseCommandLine({"torvik", aArgument}));
        QApplication::processEvents();
        return *FForm;
    }
    void Open(const QString& aFile) {
        FDialogs->openNames.push_back(aFile);
        Trigger("ActionFileOpen");
    }
    void SaveAs(const QString& aFile) {
        FDialogs->saveNames.push_back(aFile);
        Trigger("MenuFileSaveAs");
    }
    // A loop saved under the name aBytes in the test's folder; its full name.
    std::string WriteLoopAs(const std::string& aBytes) {
        const std::string file = Folder() + "/" + aBytes;
        TDesign d(0.25, DefaultStock());
        for (int i = 0; i < 8; ++i) d.CurrentWire->AddSeg(0.25, 0.1);
        SaveDesign(file, *d.CurrentWire, d.LeftBracket, d.RightBracket);
        return file;
    }
    std::string Folder() const { return FHome.path().toStdString(); }
    std::size_t FilesInFolder() const {
        return std::distance(fs::directory_iterator(Folder()), fs::directory_iterator());
    }
    QString RecentItem(int aNumber) const {
        const auto* item = FForm->findChild<QMenu*>("MenuFileRecent")->findChild<QAction*>(
            QString("MenuFileRecent%1").arg(aNumber));
        return item ? item->text() : QString();
    }
};

TEST_F(TFileNamesTest, ANameThatIsNotUtf8KeepsItsBytesFromOpenToSaveAndTheRecentDesigns) {
    const std::string raw = WriteLoopAs("bad\xFF\xFEname.tvk");
    TMainForm& form = StartWith(raw);
    EXPECT_TRUE(FDialogs->shown.empty());
    EXPECT_EQ(form.CurrentFileName().Native(), raw);
    EXPECT_EQ(form.windowTitle(), "Torvik - bad\\xFF\\xFEname.tvk");
    EXPECT_EQ(form.Design().CurrentWire->Count(), 9);

    // Save writes the same file, under no other name.
    const std::size_t files = FilesInFolder();
    form.Design().CurrentWire->AddSeg(0.25, 0);
    Trigger("ActionFileSave");
    EXPECT_TRUE(FDialogs->shown.empty());
    EXPECT_EQ(LoadDesign(raw, 0.25, DefaultStock())->CurrentWire->Count(), 10);
    EXPECT_EQ(FilesInFolder(), files);

    // The file dialogs show such a name with U+FFFD in place of its bytes:
    // nothing is written under that name, and nothing opens by it.
    const QString asQtShowsIt = QString::fromUtf8(raw.data(), qsizetype(raw.size()));
    ASSERT_TRUE(asQtShowsIt.contains(QChar(0xFFFD)));
    form.Design().CurrentWire->AddSeg(0.25, 0);
    SaveAs(asQtShowsIt);
    ASSERT_EQ(FDialogs->Of("error").size(), 1u);
    EXPECT_TRUE(FDialogs->Of("error")[0].text.startsWith("The file dialog cannot show every character of the name "))
        << FDialogs->Of("error")[0].text.toStdString();
    EXPECT_EQ(FilesInFolder(), files);
    EXPECT_EQ(form.CurrentFileName().Native(), raw);
    FDialogs->answers.push_back(TAnswer::No);
    Open(asQtShowsIt);
    ASSERT_EQ(FDialogs->Of("error").size(), 2u);
    EXPECT_TRUE(FDialogs->Of("error")[1].text.startsWith("File could not be found: "));
    EXPECT_EQ(form.CurrentFileName().Native(), raw);

    // The recent designs keep the bytes, in the settings file too, and open
    // the file again after a restart.
    EXPECT_EQ(RecentItem(1), "&1 bad\\xFF\\xFEname.tvk");
    FDialogs->answers.assign(1, TAnswer::No);
    ASSERT_TRUE(form.close());
    FForm.reset();
    TIniFile ini;
    ASSERT_TRUE(ini.Load(FPaths.SettingsFilePath));
    EXPECT_EQ(ini.ReadString("Recent Designs", "Design 1", ""), raw);
    Start();
    FForm->findChild<QMenu*>("MenuFileRecent")->findChild<QAction*>("MenuFileRecent1")->trigger();
    EXPECT_EQ(FForm->CurrentFileName().Native(), raw);
    EXPECT_EQ(FForm->Design().CurrentWire->Count(), 10);

    // A file manager's drop names the bytes in percent escapes.
    Trigger("ActionFileNew");
    QMimeData data;
    data.setUrls({QUrl::fromEncoded("file://" + QByteArray::fromStdString(raw).toPercentEncoding("/"))});
    auto* display = FForm->findChild<TDisplayWidget*>("Display");
    QDragEnterEvent enter(QPoint(40, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(display, &enter);
    QDropEvent drop(QPointF(40, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(display, &drop);
    QApplication::processEvents();
    EXPECT_EQ(FForm->CurrentFileName().Native(), raw);
    EXPECT_TRUE(FDialogs->Of("error").empty());
}

TEST_F(TFileNamesTest, NamesAreShownEscapedAndShortenedInMessagesAndTheCaption) {
    Start();
    // A line break and an escape sequence in the name, deep in a folder.
    const std::string folder = std::string(100, 'f') + "/";
    ASSERT_TRUE(fs::create_directories(Folder() + "/" + folder));
    const std::string name = folder + "red\x1B[31m\nloop.tvk";
    const std::string file = WriteLoopAs(name);
    const QString shownEnd = "red\\x1B[31m\\nloop.tvk";

    // Not a design: the error box names it on one line, shortened.
    WriteText(QString::fromStdString(file), "Dear diary,\n");
    Open(QString::fromStdString(file));
    ASSERT_EQ(FDialogs->Of("error").size(), 1u);
    const QString error = FDialogs->Of("error")[0].text;
    EXPECT_FALSE(error.contains('\n')) << error.toStdString();
    EXPECT_FALSE(error.contains(QChar(0x1B))) << error.toStdString();
    EXPECT_TRUE(error.endsWith("ffff/" + shownEnd + " is not a Torvik design.")) << error.toStdString();
    EXPECT_EQ(error.count(QChar(0x2026)), 1) << error.toStdString();
    EXPECT_EQ(error.size(), 80 + QString(" is not a Torvik design.").size()) << error.toStdString();

    // A design: the caption shows the name escaped.
    WriteLoopAs(name);
    Open(QString::fromStdString(file));
    EXPECT_EQ(FForm->windowTitle(), "Torvik - " + shownEnd);
}

}  // namespace
}  // namespace torvik::test
