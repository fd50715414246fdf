// Protects opening a design from outside the window: the command line at start, and a file dropped on the window.
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "gui_fixture.h"
#include "mainwindow/application.h"
#include "mainwindow/command_line.h"
#include "mainwindow/design_drop.h"
#include "mainwindow/display_widget.h"
#include "support/ini_file.h"

namespace torvik::test {
namespace {

using TRequest = TCommandLine::TRequest;

class TOpenFromOutsideTest : public TGuiTest {
protected:
    // The program's start with these arguments after the program's name.
    TMainForm& StartWith(const std::string& aArgument) {
        auto dialogs = std::make_unique<TScriptedDialogs>();
        FDialogs = dialogs.get();
        FForm = std::make_unique<TMainForm>(FPaths, std::move(dialogs));
        const TCommandLine commandLine = ParseCommandLine({"torvik", aArgument});
        EXPECT_EQ(commandLine.Request, TRequest::Run);
        StartMainForm(*FForm, commandLine);
        QApplication::processEvents();
        return *FForm;
    }

    // Drags aUrls over the display and drops them there, as a file manager
    // does; whether the window took the drag and the drop.
    std::pair<bool, bool> Drop(const QList<QUrl>& aUrls) {
        QMimeData data;
        data.setUrls(aUrls);
        auto* display = FForm->findChild<TDisplayWidget*>("Display");
        const QPointF at(40, 40);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(display, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(display, &drop);
        QApplication::processEvents();
        return {enter.isAccepted(), drop.isAccepted()};
    }

    int BestFitZoom() const {
        TViewMapping expected;
        expected.SetDisplaySize(FForm->Mapping().Width(), FForm->Mapping().Height());
        expected.ZoomRect(BestFitRect(FForm->Design().CurrentWire->BoundsRect(), *FForm->Design().RightBracket.Origin()));
        return expected.Zoom();
    }
};

TEST(CommandLine, FileHelpVersionAndMistakes) {
    const TCommandLine none = ParseCommandLine({"torvik"});
    EXPECT_EQ(none.Request, TRequest::Run);
    EXPECT_TRUE(none.DesignFile.Empty());
    // A relative name is taken from the folder the program started in.
    const auto designFile = [](const std::string& aArgument) {
        return ParseCommandLine({"torvik", aArgument}).DesignFile.Native();
    };
    EXPECT_EQ(designFile("loops/a.tvk"), QDir::current().absoluteFilePath("loops/a.tvk").toStdString());
    EXPECT_EQ(designFile("file:///tmp/my%20loop.tvk"), "/tmp/my loop.tvk");
    EXPECT_EQ(ParseCommandLine({"torvik", "--", "--help"}).DesignFile.Native(),
              QDir::current().absoluteFilePath("--help").toStdString());

    for (const char* help : {"--help", "-h"}) {
        const TCommandLine c = ParseCommandLine({"torvik", help});
        EXPECT_EQ(c.Request, TRequest::Help);
        EXPECT_TRUE(c.Text.startsWith("Usage: torvik [options] [design.tvk]\n")) << c.Text.toStdString();
        EXPECT_TRUE(c.Text.contains("--version"));
    }
    for (const char* version : {"--version", "-v"})
        EXPECT_EQ(ParseCommandLine({"torvik", version}).Text, "torvik " + QString::fromStdString(GetProgramVersion()) + "\n");
    // Help and version are answered before the toolkit's own options are
    // taken out, so those must not spoil them, nor pass for them.
    EXPECT_EQ(ParseCommandLine({"torvik", "-platform", "xcb", "--help"}).Request, TRequest::Help);
    EXPECT_EQ(ParseCommandLine({"torvik", "-reverse"}).Request, TRequest::Error);

    const TCommandLine unknown = ParseCommandLine({"torvik", "--frobnicate"});
    EXPECT_EQ(unknown.Request, TRequest::Error);
    EXPECT_EQ(unknown.Text, "Unknown option 'frobnicate'.");
    EXPECT_EQ(ParseCommandLine({"torvik", "a.tvk", "b.tvk"}).Request, TRequest::Error);
    const TCommandLine remote = ParseCommandLine({"torvik", "https://example.org/a.tvk"});
    EXPECT_EQ(remote.Request, TRequest::Error);
    EXPECT_EQ(remote.Text, "'https://example.org/a.tvk' names no local file.");
}

TEST_F(TOpenFromOutsideTest, DesignOnTheCommandLineOpensAtStart) {
    const QString file = WriteLoop("loop.tvk");
    TMainForm& form = StartWith(file.toStdString());
    EXPECT_TRUE(FDialogs->shown.empty());
    EXPECT_EQ(form.windowTitle(), "Torvik - loop.tvk");
    EXPECT_EQ(form.CurrentFileName().Native(), file.toStdString());
    EXPECT_EQ(form.Design().CurrentWire->Count(), 40);
    EXPECT_EQ(form.Design().CurrentWire->Origin(), form.Design().LeftBracket.Origin());
    // Opened once the window is up, Best Fit uses the display's real size.
    EXPECT_EQ(form.Mapping().Zoom(), BestFitZoom());
}

TEST_F(TOpenFromOutsideTest, UnreadableDesignOnTheCommandLineGivesTheUsualErrorAndAnUntitledDesign) {
    const QString broken = WriteLoop("broken.tvk");
    TIniFile ini;
    ASSERT_TRUE(ini.Load(broken.toStdString()));
    ini.WriteString("Wire", "Seg 30", "0.000000, ten");
    ini.Save(broken.toStdString());
    TMainForm& form = StartWith(broken.toStdString());
    ASSERT_EQ(FDialogs->Of("error").size(), 1u);
    EXPECT_EQ(FDialogs->Of("error")[0].text, broken + ": Seg 30: 'ten' is not a valid floating point value.");
    EXPECT_EQ(form.windowTitle(), "Torvik [Untitled]");
    EXPECT_TRUE(form.CurrentFileName().Empty());
    FForm->close();
    FForm.reset();

    // A folder is no design.
    ASSERT_TRUE(QDir().mkpath(Path("folder.tvk")));
    StartWith(Path("folder.tvk").toStdString());
    ASSERT_EQ(FDialogs->Of("error").size(), 1u);
    EXPECT_EQ(FDialogs->Of("error")[0].text, "Unable to read " + Path("folder.tvk") + ".");
    EXPECT_EQ(FForm->windowTitle(), "Torvik [Untitled]");
    FForm->close();
    FForm.reset();

    // A name that is not there is a mistake, not a new design of that name.
    StartWith(Path("typo.tvk").toStdString());
    ASSERT_EQ(FDialogs->Of("error").size(), 1u);
    EXPECT_EQ(FDialogs->Of("error")[0].text, "File could not be found: " + Path("typo.tvk") + ".");
    EXPECT_EQ(FForm->windowTitle(), "Torvik [Untitled]");
    EXPECT_FALSE(QFile::exists(Path("typo.tvk")));
}

TEST_F(TOpenFromOutsideTest, DroppedDesignOpensAfterTheQuestion) {
    TMainForm& form = Start();
    const QString file = WriteLoop("dropped.TVK");
    // Only local design files are taken.
    EXPECT_EQ(Drop({QUrl::fromLocalFile(Path("picture.jpg"))}), std::make_pair(false, false));
    EXPECT_EQ(Drop({QUrl("https://example.org/remote.tvk")}), std::make_pair(false, false));
    EXPECT_EQ(form.windowTitle(), "Torvik [Untitled]");

    // A changed wire: Cancel keeps it.
    form.Design().CurrentWire->AddSeg(0.25, 0.1);
    FDialogs->answers.push_back(TAnswer::Cancel);
    EXPECT_EQ(Drop({QUrl::fromLocalFile(Path("picture.jpg")), QUrl::fromLocalFile(file)}), std::make_pair(true, true));
    ASSERT_EQ(FDialogs->Of("ask").size(), 1u);
    EXPECT_EQ(FDialogs->Of("ask")[0].text, "Wire has changed. Save current wire?");
    EXPECT_EQ(form.Design().CurrentWire->Count(), 2);
    EXPECT_EQ(form.windowTitle(), "Torvik [Untitled]");

    // No: the dropped design replaces it.
    FDialogs->answers.push_back(TAnswer::No);
    Drop({QUrl::fromLocalFile(file)});
    EXPECT_EQ(form.windowTitle(), "Torvik - dropped.TVK");
    EXPECT_EQ(form.Design().CurrentWire->Count(), 40);
    EXPECT_EQ(form.Mapping().Zoom(), BestFitZoom());
    EXPECT_TRUE(FDialogs->Of("error").empty());
}

}  // namespace
}  // namespace torvik::test
