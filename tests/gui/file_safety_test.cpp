// Protects the user's data through the window's Open, Save and closing: a bad file never replaces the open design,
// a damaged one is told, a save never replaces what it cannot keep and says why it failed, links are written through,
// and hostile settings files are survived.
#include <QFileInfo>
#include <QGuiApplication>

#include <unistd.h>

#include <filesystem>

#include "gui_fixture.h"
#include "support/errors.h"
#include "support/ini_file.h"

namespace torvik::test {
namespace {

namespace fs = std::filesystem;

class TFileSafetyTest : public TGuiTest {
protected:
    void Open(const QString& aFile) {
        FDialogs->openNames.push_back(aFile);
        Trigger("ActionFileOpen");
    }
    void SaveAs(const QString& aFile) {
        FDialogs->saveNames.push_back(aFile);
        Trigger("MenuFileSaveAs");
    }
    // The texts of the error boxes shown since the last call.
    QStringList NewErrors() {
        QStringList texts;
        const auto errors = FDialogs->Of("error");
        for (std::size_t i = FErrorsSeen; i < errors.size(); ++i) texts << errors[i].text;
        FErrorsSeen = errors.size();
        return texts;
    }
    // Records whether a busy cursor is up while any box is shown.
    void WatchCursor() {
        FDialogs->whileShown = [this] { FCursorOverBox = FCursorOverBox || QGuiApplication::overrideCursor(); };
    }

    std::size_t FErrorsSeen = 0;
    bool FCursorOverBox = false;
};

TEST_F(TFileSafetyTest, ABadFileNeverReplacesTheOpenDesign) {
    TMainForm& form = Start();
    WatchCursor();
    const QString loop = WriteLoop("loop.tvk");
    Open(loop);
    ASSERT_TRUE(NewErrors().isEmpty());
    ASSERT_EQ(form.Design().CurrentWire->Count(), 40);
    const TDesign* opened = &form.Design();

    // Files that hold no design: refused, and never written.
    const QString text = Path("notes.tvk");
    for (const QByteArray& content : {QByteArray(), QByteArray("Dear diary,\nSegments=3\n"),
                                      QByteArray("\x7F" "ELF\x02\x01\x01\x00\x00[", 10)}) {
        QFile file(text);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        Open(text);
        EXPECT_EQ(NewErrors(), QStringList(text + " is not a Torvik design."));
        EXPECT_EQ(&form.Design(), opened);
        EXPECT_EQ(form.Design().CurrentWire->Count(), 40);
        EXPECT_EQ(form.windowTitle(), "Torvik - loop.tvk");
        EXPECT_EQ(form.CurrentFileName().Native(), loop.toStdString());
        QFile check(text);
        ASSERT_TRUE(check.open(QIODevice::ReadOnly));
        EXPECT_EQ(check.readAll(), content);
    }

    // A file that fails part-way: the open design stays as it was, changes
    // included, and the message names the file and the key.
    form.Design().CurrentWire->AddSeg(0.25, 0.1);
    const QString broken = Path("broken.tvk");
    WriteText(broken, "[Wire]\nSegments=3\nSeg 1=0.000000, 5.00\nSeg 2=abc, 5.00\nSeg 3=0.000000, 5.00\n");
    FDialogs->answers.push_back(TAnswer::No);  // do not save the changes first
    Open(broken);
    EXPECT_EQ(NewErrors(), QStringList(broken + ": Seg 2: 'abc' is not a valid floating point value."));
    EXPECT_EQ(&form.Design(), opened);
    EXPECT_EQ(form.Design().CurrentWire->Count(), 41);
    EXPECT_TRUE(form.Design().CurrentWire->dirty);
    EXPECT_EQ(form.windowTitle(), "Torvik - loop.tvk");

    // An unchanged design that survived a failed open is not "changed".
    FDialogs->answers.push_back(TAnswer::No);
    Trigger("ActionFileNew");
    const std::size_t asked = FDialogs->Of("ask").size();
    Open(loop);
    Open(broken);
    EXPECT_EQ(NewErrors().size(), 1);
    EXPECT_FALSE(form.Design().CurrentWire->dirty);
    EXPECT_TRUE(form.close());
    EXPECT_EQ(FDialogs->Of("ask").size(), asked);
    FForm.reset();

    // No busy cursor over the boxes, and none left behind.
    EXPECT_FALSE(FCursorOverBox);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(TFileSafetyTest, DamagedDesignsAreToldOrRefused) {
    TMainForm& form = Start();
    // A design cut short: the segments whose keys are missing are read as
    // short straight pieces, and the user is told once the design is shown.
    const QString cut = WriteLoop("cut.tvk");
    TIniFile ini;
    ASSERT_TRUE(ini.Load(cut.toStdString()));
    const std::string whole = ini.Text();
    TIniFile shortened;
    shortened.Parse(whole.substr(0, whole.find("Seg 20=")));
    shortened.Save(cut.toStdString());
    QString shownTitle;
    int shownSegments = 0;
    FDialogs->whileShown = [&] {
        shownTitle = form.windowTitle();
        shownSegments = form.Design().CurrentWire->Count();
    };
    Open(cut);
    ASSERT_EQ(FDialogs->Of("warning").size(), 1u);
    EXPECT_EQ(FDialogs->Of("warning")[0].text,
              cut + ": 20 of 39 segments are missing; each was read as a straight 0.0125 mm piece.");
    EXPECT_EQ(shownTitle, "Torvik - cut.tvk");
    EXPECT_EQ(shownSegments, 40);
    EXPECT_EQ(form.Design().CurrentWire->Segment(39).length, 0.0125);
    EXPECT_TRUE(NewErrors().isEmpty());

    // A bracket value that is there but does not read is refused as a bad
    // segment is: the open design stays.
    const QString bad = WriteLoop("bad.tvk");
    ASSERT_TRUE(ini.Load(bad.toStdString()));
    ini.WriteString("Right Bracket", "X", "abc");
    ini.Save(bad.toStdString());
    Open(bad);
    EXPECT_EQ(NewErrors(), QStringList(bad + ": Right Bracket: X: 'abc' is not a valid floating point value."));
    EXPECT_EQ(form.windowTitle(), "Torvik - cut.tvk");
    EXPECT_EQ(FDialogs->Of("warning").size(), 1u);
}

TEST_F(TFileSafetyTest, SaveAsReplacesWhatIsNoDesignAndWriteErrorsSayWhy) {
    TMainForm& form = Start();
    form.Design().CurrentWire->AddSeg(0.25, 0.1);
    SaveAs(Path("fresh.tvk"));
    // Replacing a text file (the dialog asked first) writes the design
    // alone, not the text with the design after it.
    const QString text = Path("notes.tvk");
    WriteText(text, "Dear diary,\nSegments=3\n[Mine]\nk=v\n");
    SaveAs(text);
    EXPECT_TRUE(NewErrors().isEmpty());
    EXPECT_EQ(ReadText(text), ReadText(Path("fresh.tvk")));
    // A design file keeps its other sections.
    const QString design = WriteLoop("design.tvk");
    WriteText(design, ReadText(design) + "[Mine]\r\nk=v\r\n");
    SaveAs(design);
    EXPECT_TRUE(ReadText(design).contains(ReadText(Path("fresh.tvk"))));
    EXPECT_TRUE(ReadText(design).contains("[Mine]\r\nk=v\r\n"));

    // A write that fails gives the system's reason on a second line.
    SaveAs(Path("no/such/folder/loop.tvk"));
    EXPECT_EQ(NewErrors(), QStringList("Unable to write to " + Path("no/such/folder/loop.tvk") + ".\n" +
                                       QString::fromStdString(SystemReason(ENOENT)) + "."));
    // A folder the user may not write to (the administrator may).
    if (::geteuid() != 0) {
        ASSERT_TRUE(QDir().mkpath(Path("locked")));
        fs::permissions(Path("locked").toStdString(), fs::perms::owner_read | fs::perms::owner_exec);
        SaveAs(Path("locked/loop.tvk"));
        EXPECT_EQ(NewErrors(), QStringList("Unable to write to " + Path("locked/loop.tvk") + ".\n" +
                                           QString::fromStdString(SystemReason(EACCES)) + "."));
        fs::permissions(Path("locked").toStdString(), fs::perms::owner_all);
    }
    EXPECT_EQ(form.windowTitle(), "Torvik - design.tvk");
}

TEST_F(TFileSafetyTest, OldLineEndsAndByteOrderMarksOpenAndSaveBackTheSameDesign) {
    TMainForm& form = Start();
    const QString file = Path("old.tvk");
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("\xEF\xBB\xBF\xEF\xBB\xBF[Wire]\rSegments=2\rSeg 1=0.100000, 5.00\rSeg 2=0.000000, 4.00\r"
              "[Left Bracket]\rX=220\rY=200\rAngulation=3.141593\r");
    out.close();
    Open(file);
    ASSERT_TRUE(NewErrors().isEmpty());
    ASSERT_EQ(form.Design().CurrentWire->Count(), 3);
    form.Design().CurrentWire->Segment(2).angle = 0.2;
    form.Design().CurrentWire->dirty = true;
    Trigger("ActionFileSave");
    ASSERT_TRUE(NewErrors().isEmpty());
    FDialogs->answers.push_back(TAnswer::No);
    Trigger("ActionFileNew");
    Open(file);
    ASSERT_EQ(form.Design().CurrentWire->Count(), 3);
    EXPECT_EQ(form.Design().CurrentWire->Segment(1).angle, 0.1);
    EXPECT_EQ(form.Design().CurrentWire->Segment(2).angle, 0.2);
    EXPECT_EQ(form.Design().CurrentWire->Segment(2).length, 0.2);
    EXPECT_EQ(form.Design().LeftBracket.Origin()->x, 11);
    EXPECT_EQ(ReadText(file).count("[Wire]"), 1);
}

TEST_F(TFileSafetyTest, SaveNeverReplacesWhatItCannotKeep) {
    TMainForm& form = Start();
    WatchCursor();
    form.Design().CurrentWire->AddSeg(0.25, 0.1);

    // A file too large to be read: its contents could not be kept.
    const QString big = Path("big.tvk");
    WriteText(big, "[Notes]\nmine=1\n");
    fs::resize_file(big.toStdString(), TIniFile::MaxFileSize + 1);
    SaveAs(big);
    EXPECT_EQ(NewErrors(),
              QStringList("Unable to write to " + big + ": it cannot be read, and its other contents would be lost."));
    EXPECT_EQ(QFileInfo(big).size(), qint64(TIniFile::MaxFileSize + 1));
    EXPECT_EQ(form.windowTitle(), "Torvik [Untitled]");
    EXPECT_TRUE(form.Design().CurrentWire->dirty);

    // A read-only file, refused although the folder is writable and the
    // tests may run as the administrator.
    const QString locked = Path("locked.tvk");
    WriteText(locked, "[Wire]\nSegments=0\n");
    fs::permissions(locked.toStdString(), fs::perms::owner_read | fs::perms::group_read);
    SaveAs(locked);
    EXPECT_EQ(NewErrors(), QStringList("Unable to write to " + locked + ": the file is read-only."));
    EXPECT_EQ(ReadText(locked), "[Wire]\nSegments=0\n");
    EXPECT_TRUE(form.CurrentFileName().Empty());
    EXPECT_FALSE(FCursorOverBox);

    // A design opened through a link is saved through it: the link stays a
    // link and the file it leads to takes the design, its notes kept.
    ASSERT_TRUE(QDir().mkpath(Path("real")));
    const QString real = WriteLoop("real/loop.tvk");
    TIniFile notes;
    ASSERT_TRUE(notes.Load(real.toStdString()));
    notes.WriteString("Notes", "patient", "A. B.");
    notes.Save(real.toStdString());
    fs::create_symlink("real/loop.tvk", Path("link.tvk").toStdString());
    FDialogs->answers.push_back(TAnswer::No);
    Open(Path("link.tvk"));
    ASSERT_TRUE(NewErrors().isEmpty());
    form.Design().CurrentWire->AddSeg(0.25, 0);
    Trigger("ActionFileSave");
    EXPECT_TRUE(NewErrors().isEmpty());
    EXPECT_TRUE(fs::is_symlink(Path("link.tvk").toStdString()));
    auto saved = LoadDesign(real.toStdString(), 0.25, DefaultStock());
    EXPECT_EQ(saved->CurrentWire->Count(), 41);
    ASSERT_TRUE(notes.Load(real.toStdString()));
    EXPECT_EQ(notes.ReadString("Notes", "patient", ""), "A. B.");
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(TFileSafetyTest, TheLargestDesignOpensShowsAndSaves) {
    TMainForm& form = Start();
    // As many segments as a file may hold, as long as a wire may be.
    TDesign d(0.25, DefaultStock());
    for (int i = 0; i < MaxFileSegments; ++i)
        d.CurrentWire->AddSeg(MaxFileWireLength / MaxFileSegments, i % 2 ? 0.001 : -0.001);
    const QString file = Path("long.tvk");
    SaveDesign(file.toStdString(), *d.CurrentWire, d.LeftBracket, d.RightBracket);
    Open(file);
    ASSERT_TRUE(NewErrors().isEmpty());
    EXPECT_EQ(form.Design().CurrentWire->Count(), MaxFileSegments + 1);
    SaveAs(Path("copy.tvk"));
    EXPECT_TRUE(NewErrors().isEmpty());
    EXPECT_EQ(ReadText(Path("copy.tvk")), ReadText(file));
}

TEST_F(TFileSafetyTest, ClosingKeepsASettingsFileItCannotReadAndSaysSoOnce) {
    QDir().mkpath(QFileInfo(SettingsFile()).path());
    WriteText(SettingsFile(), "[General]\nVersion=" + QString::fromStdString(GetProgramVersion()) + "\n[Mine]\nk=v\n");
    fs::resize_file(SettingsFile().toStdString(), TIniFile::MaxFileSize + 1);
    TMainForm& form = Start();
    EXPECT_TRUE(FDialogs->shown.empty());  // the defaults, silently
    EXPECT_TRUE(form.close());
    EXPECT_EQ(NewErrors(), QStringList("Could not save preferences to INI file.\nUnable to write to " + SettingsFile() +
                                       ": it cannot be read, and its other contents would be lost."));
    FForm.reset();
    EXPECT_EQ(QFileInfo(SettingsFile()).size(), qint64(TIniFile::MaxFileSize + 1));
    QFile file(SettingsFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(64).startsWith("[General]\nVersion="));
}

TEST_F(TFileSafetyTest, HostileSettingsAreSurvivedAndWrittenBackSane) {
    QDir().mkpath(QFileInfo(SettingsFile()).path());
    WriteText(SettingsFile(), "[General]\nVersion=" + QString::fromStdString(GetProgramVersion()) +
                                  "\nTorvik Rect=2147483647 10 500 400\n"
                                  "[Calculation]\nTolerance Angle=1e308\nTolerance Distance=1e308\n"
                                  "[Wire]\nMaterial 0=Stainless\r Steel, 172000\nCross Section 0=0.016, 1e308 x 1e308\n"
                                  "Segment Size=0.001\n[View]\nStrain Max Range=1e308\n");
    TMainForm& form = Start();
    EXPECT_DOUBLE_EQ(form.Settings().SegmentSize, 0.25);
    EXPECT_DOUBLE_EQ(form.Settings().Stock.Size.CrossA, 4);
    // A wire of that cross-section is drawn without an error.
    form.Design().CurrentWire->AddSeg(5, 0);
    form.DrawDisplay();
    EXPECT_TRUE(FDialogs->shown.empty());
    FDialogs->answers.push_back(TAnswer::No);
    EXPECT_TRUE(form.close());
    EXPECT_TRUE(NewErrors().isEmpty());
    FForm.reset();
    TIniFile ini;
    ASSERT_TRUE(ini.Load(SettingsFile().toStdString()));
    EXPECT_EQ(ini.ReadString("General", "Torvik Rect", ""), "Default");
    EXPECT_EQ(ini.ReadString("Calculation", "Tolerance Angle", ""), "1.00");
    EXPECT_EQ(ini.ReadString("Calculation", "Tolerance Distance", ""), "0.100");
    EXPECT_EQ(ini.ReadString("Wire", "Cross Section 0", ""), "0.016, 4.000 x 4.000");
    EXPECT_EQ(ini.ReadString("Wire", "Segment Size", ""), "0.25");
    EXPECT_EQ(ini.ReadString("View", "Strain Max Range", ""), "2.0");
}

}  // namespace
}  // namespace torvik::test
