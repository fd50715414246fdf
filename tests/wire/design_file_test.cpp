// Protects design files: the exact text written, round trips, tolerant
// reading of brackets, the errors of bad segments naming file and key, the
// refusal of what is not a design, old line ends and byte order marks, and
// saves that never replace what they cannot keep.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/errors.h"
#include "support/ini_file.h"
#include "wire/design.h"
#include "wire/design_file.h"
#include "design_folder.h"

using namespace torvik;
namespace fs = std::filesystem;

namespace {

class DesignFileTest : public test::DesignFolderTest {};

}  // namespace

TEST_F(DesignFileTest, NewDesignWithFourSegmentsIsWrittenExactly) {
    TDesign d(0.25, DefaultStock());
    for (int i = 0; i < 4; ++i) d.CurrentWire->AddSeg(0.25, 0);
    SaveDesign(Path("a.tvk"), *d.CurrentWire, d.LeftBracket, d.RightBracket);
    EXPECT_FALSE(d.CurrentWire->dirty);
    EXPECT_EQ(Slurp(Path("a.tvk")),
              "[Wire]\r\nSegments=4\r\nSeg 1=0.000000, 5.00\r\nSeg 2=0.000000, 5.00\r\n"
              "Seg 3=0.000000, 5.00\r\nSeg 4=0.000000, 5.00\r\n"
              "Material=Stainless Steel, 172000\r\nCross Section=0.016, 4.064 x 0\r\n"
              "[Left Bracket]\r\nX=200\r\nY=200\r\nAngulation=3.141593\r\n"
              "[Right Bracket]\r\nX=400\r\nY=200\r\nAngulation=0\r\n");

    // An empty design writes no segment keys; a shorter design removes the
    // surplus keys of a longer one, and foreign sections stay.
    Write(Path("b.tvk"), "[Notes]\r\nwho=me\r\n[Wire]\r\nSegments=9\r\nSeg 9=1, 1\r\nExtra=1\r\n");
    TDesign e(0.25, DefaultStock());
    SaveDesign(Path("b.tvk"), *e.CurrentWire, e.LeftBracket, e.RightBracket);
    TIniFile ini;
    ASSERT_TRUE(ini.Load(Path("b.tvk")));
    EXPECT_EQ(ini.ReadString("Wire", "Segments", ""), "0");
    EXPECT_FALSE(ini.Read("Wire", "Seg 9").has_value());
    EXPECT_FALSE(ini.Read("Wire", "Extra").has_value());
    EXPECT_EQ(ini.ReadString("notes", "WHO", ""), "me");
}

TEST_F(DesignFileTest, RoundTripToTheFilesPrecision) {
    TDesign d(0.25, DefaultStock());
    TWire& w = *d.CurrentWire;
    w.AddSeg(0.3, 0.1234567);
    w.AddSeg(1.23456, -0.5);
    w.AddSeg(0.25, Pi / 2);
    d.LeftBracket.Origin()->SetXY(12.34567, 8.9);
    d.LeftBracket.SetDirection(Pi + 0.25);
    d.RightBracket.Origin()->SetXY(30.03125, 11);
    d.RightBracket.SetDirection(-Pi / 2);
    d.AttachToBrackets();
    SaveDesign(Path("r.tvk"), w, d.LeftBracket, d.RightBracket);

    TDesign r(0.25, DefaultStock());
    ReadDesign(Path("r.tvk"), *r.CurrentWire, r.LeftBracket, r.RightBracket);
    ASSERT_EQ(r.CurrentWire->Count(), w.Count());
    EXPECT_FALSE(r.CurrentWire->dirty);
    EXPECT_EQ(r.CurrentWire->Segment(1).length, 0.3);  // stored as 6.00
    for (int i = 1; i < w.Count(); ++i) {
        EXPECT_NEAR(r.CurrentWire->Segment(i).length, w.Segment(i).length, 0.0005 / 2 + 1e-12);
        EXPECT_NEAR(r.CurrentWire->Segment(i).angle, w.Segment(i).angle, 0.5e-6 + 1e-12);
    }
    EXPECT_NEAR(r.LeftBracket.Origin()->x, 12.34567, 0.00005 / 20 * 1.0001);
    EXPECT_EQ(r.RightBracket.Origin()->x, 30.03125);
    EXPECT_NEAR(r.RightBracket.Direction(), 3 * Pi / 2, 1e-6);
    EXPECT_NEAR(r.LeftBracket.Direction(), Pi + 0.25, 1e-6);
    // The wire is re-attached to the left bracket as it was read.
    EXPECT_EQ(r.CurrentWire->Origin(), r.LeftBracket.Origin());
    EXPECT_NEAR(r.CurrentWire->Direction(), 0.25, 1e-6);
    EXPECT_NEAR(r.CurrentWire->Corner().x, w.Corner().x, 1e-4);
    EXPECT_NEAR(r.CurrentWire->Corner().y, w.Corner().y, 1e-4);
}

TEST_F(DesignFileTest, ABendAtNodeZeroIsKept) {
    // The first segment is not stored, but a bend at its end turns the whole
    // wire after it: a plier at node 0, or a pencil stroke from a new wire.
    TDesign d(0.25, DefaultStock());
    TWire& w = *d.CurrentWire;
    w.BendSeg(0, -0.3);
    for (int i = 0; i < 8; ++i) w.AddSeg(0.25, 0);
    SaveDesign(Path("b.tvk"), w, d.LeftBracket, d.RightBracket);
    EXPECT_NE(Slurp(Path("b.tvk")).find("[Wire]\r\nSegments=8\r\nFirst Bend=-0.300000\r\nSeg 1="), std::string::npos);

    TDesign r(0.25, DefaultStock());
    ReadDesign(Path("b.tvk"), *r.CurrentWire, r.LeftBracket, r.RightBracket);
    EXPECT_EQ(r.CurrentWire->Segment(0).angle, -0.3);
    EXPECT_FALSE(r.CurrentWire->dirty);
    // (The left bracket's direction is stored to 1e-6 rad.)
    EXPECT_NEAR(r.CurrentWire->Corner().x, w.Corner().x, 1e-5);
    EXPECT_NEAR(r.CurrentWire->Corner().y, w.Corner().y, 1e-5);

    // Straightened again, the key goes: the file is as it always was.
    w.BendSeg(0, 0.3);
    SaveDesign(Path("b.tvk"), w, d.LeftBracket, d.RightBracket);
    EXPECT_EQ(Slurp(Path("b.tvk")).find("First Bend"), std::string::npos);

    // A bad value fails as a bad segment does, before any segment is read.
    Write(Path("x.tvk"), "[Wire]\nSegments=1\nFirst Bend=abc\nSeg 1=0, 5\n");
    TDesign x(0.25, DefaultStock());
    EXPECT_THROW(ReadDesign(Path("x.tvk"), *x.CurrentWire, x.LeftBracket, x.RightBracket), std::exception);
    EXPECT_EQ(x.CurrentWire->Count(), 1);
    Write(Path("y.tvk"), "[Wire]\nSegments=1\nFirst Bend=1e9\nSeg 1=0, 5\n");
    TDesign y(0.25, DefaultStock());
    EXPECT_THROW(ReadDesign(Path("y.tvk"), *y.CurrentWire, y.LeftBracket, y.RightBracket), std::exception);
}

TEST_F(DesignFileTest, TolerantReadingOfMissingValuesAndRefusalOfBadBracketValues) {
    Write(Path("m.tvk"),
          "[wire]\nsegments = 3 \nSeg 1=0.1, 10\nSeg 3= -0.2 , 4.00 \n"
          "[Left Bracket]\nY=100\nAngulation=-1.5707963\n");
    TDesignReadNotes notes;
    TDesign d(0.25, DefaultStock());
    ReadDesign(Path("m.tvk"), *d.CurrentWire, d.LeftBracket, d.RightBracket, &notes);
    TWire& w = *d.CurrentWire;
    ASSERT_EQ(w.Count(), 4);
    EXPECT_EQ(MissingSegmentsMessage(Path("m.tvk"), notes),
              Path("m.tvk") + ": 1 of 3 segments is missing; it was read as a straight 0.0125 mm piece.");
    notes.MissingSegments = {2, 3};
    EXPECT_EQ(MissingSegmentsMessage("a\nb.tvk", notes),
              "a\\nb.tvk: 2 of 3 segments are missing; each was read as a straight 0.0125 mm piece.");
    EXPECT_EQ(MissingSegmentsMessage("a.tvk", TDesignReadNotes{}), "");
    EXPECT_EQ(w.Segment(1).length, 0.5);
    EXPECT_EQ(w.Segment(2).length, 0.0125);  // a missing key is a short straight segment
    EXPECT_EQ(w.Segment(2).angle, 0);
    EXPECT_EQ(w.Segment(3).angle, -0.2);
    EXPECT_EQ(d.LeftBracket.Origin()->x, 10);  // a missing X keeps the previous value
    EXPECT_EQ(d.LeftBracket.Origin()->y, 5);
    EXPECT_NEAR(d.LeftBracket.Direction(), 3 * Pi / 2, 1e-7);
    EXPECT_EQ(*d.RightBracket.Origin(), TPointReal(20, 10));

    // Written back, the angulation is folded into one turn.
    SaveDesign(Path("m.tvk"), w, d.LeftBracket, d.RightBracket);
    TIniFile ini;
    ini.Load(Path("m.tvk"));
    EXPECT_EQ(ini.ReadString("Left Bracket", "Angulation", ""), "4.712389");

    // A bracket value that is there but does not read is refused as a bad
    // segment is, before the bracket changes: a bracket quietly left at its
    // default would change the loads without a word.
    for (const char* bad : {"abc", "nan", "inf", "-inf", "1e999", ""}) {
        Write(Path("b.tvk"), std::string("[Wire]\nSegments=1\nSeg 1=0, 5\n[Right Bracket]\nX=") + bad +
                                 "\nY=300\nAngulation=1\n");
        TDesign b(0.25, DefaultStock());
        try {
            ReadDesign(Path("b.tvk"), *b.CurrentWire, b.LeftBracket, b.RightBracket);
            ADD_FAILURE() << bad;
        } catch (const TFileError& e) {
            EXPECT_EQ(std::string(e.what()), Path("b.tvk") + ": Right Bracket: X: '" + bad +
                                                 "' is not a valid floating point value");
        }
        EXPECT_EQ(*b.RightBracket.Origin(), TPointReal(20, 10)) << bad;
        EXPECT_EQ(b.RightBracket.Direction(), 0) << bad;
    }

    // A missing file is an empty design; one that is there but cannot be
    // read is an error that changes nothing.
    TDesign e(0.25, DefaultStock());
    ReadDesign(Path("none.tvk"), *e.CurrentWire, e.LeftBracket, e.RightBracket);
    EXPECT_EQ(e.CurrentWire->Count(), 1);
    EXPECT_EQ(*e.LeftBracket.Origin(), TPointReal(10, 10));
    fs::create_directories(Path("folder.tvk"));
    EXPECT_THROW(ReadDesign(Path("folder.tvk"), *e.CurrentWire, e.LeftBracket, e.RightBracket), TFileError);
    EXPECT_EQ(e.CurrentWire->Count(), 1);
    // Hexadecimal counts read as the program always read them.
    Write(Path("h.tvk"), "[Wire]\nSegments=0x2\n");
    ReadDesign(Path("h.tvk"), *e.CurrentWire, e.LeftBracket, e.RightBracket);
    EXPECT_EQ(e.CurrentWire->Count(), 3);
}

TEST_F(DesignFileTest, BadSegmentsFailNamingTheFileAndTheKey) {
    const std::string bad = Path("bad.tvk");
    const auto readError = [&](const std::string& text, int expectCount) {
        Write(bad, text);
        TDesign d(0.25, DefaultStock());
        try {
            ReadDesign(bad, *d.CurrentWire, d.LeftBracket, d.RightBracket);
        } catch (const std::exception& e) {
            EXPECT_EQ(d.CurrentWire->Count(), expectCount) << text;
            EXPECT_EQ(d.CurrentWire->Origin(), d.LeftBracket.Origin());
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(readError("[Wire]\nSegments=3\nSeg 1=0, 5\nSeg 2=5\n", 2),
              bad + ": Seg 2: '' is not a valid floating point value");
    EXPECT_EQ(readError("[Wire]\nSegments=2\nSeg 1=0.5, 5\nSeg 2=abc, 5.00\n", 2),
              bad + ": Seg 2: 'abc' is not a valid floating point value");
    EXPECT_EQ(readError("[Wire]\nSegments=1\nSeg 1=0, 1e999\n", 1),
              bad + ": Seg 1: '1e999' is not a valid floating point value");
    EXPECT_EQ(readError("[Wire]\nSegments=1\nSeg 1=0, -5\n", 1), bad + ": Seg 1: '-5' is not a valid segment length");
    // A wire far longer than anything that can be drawn.
    std::string longWire = "[Wire]\nSegments=12\n";
    for (int i = 1; i <= 12; ++i) longWire += "Seg " + std::to_string(i) + "=0, 200000\n";
    EXPECT_EQ(readError(longWire, 11), bad + ": Seg 11: the wire would be longer than 100000 mm");
    // An absurd bracket position is refused before that bracket changes.
    EXPECT_EQ(readError("[Right Bracket]\nX=300\nY=1e12\n[Wire]\nSegments=1\n", 1),
              bad + ": Right Bracket: Y: '1e12' is not a valid bracket position");
    {
        TDesign d(0.25, DefaultStock());
        EXPECT_THROW(ReadDesign(bad, *d.CurrentWire, d.LeftBracket, d.RightBracket), std::runtime_error);
        EXPECT_EQ(*d.RightBracket.Origin(), TPointReal(20, 10));
    }
    // An absurd count is refused before anything is read.
    const std::string huge = readError("[Wire]\nSegments=2000000000\n", 1);
    EXPECT_EQ(huge.rfind(bad + ": Segments: ", 0), 0u) << huge;
    EXPECT_NE(huge.find("2000000000"), std::string::npos) << huge;

    // A value is quoted short and on one line: a huge value, control
    // characters and bytes that are not UTF-8 do not reach the message whole.
    const std::string message = readError("[Wire]\nSegments=1\nSeg 1=0, " + std::string(1 << 20, '7') + "x\n", 1);
    EXPECT_LT(message.size(), bad.size() + 120) << message;
    EXPECT_NE(message.find(std::string(60, '7') + "...'"), std::string::npos) << message;
    EXPECT_EQ(readError("[Wire]\nSegments=1\nSeg 1=\x1B[2J\xFF\t\x7F, 5\n", 1),
              bad + ": Seg 1: '\\x1B[2J\\xFF\\t\\x7F' is not a valid floating point value");
}

TEST_F(DesignFileTest, WhatIsNotADesignIsRefusedAndLoadDesignIsAllOrNothing) {
    const std::string text = Path("notes.tvk");
    for (const std::string& content : {std::string(), std::string("just some text\nSegments=3\n"),
                                       std::string("\x7F" "ELF\x02\x01\x01\0\0\0[\x03", 12),
                                       std::string("[Other]\nSegments=2\n")}) {
        Write(text, content);
        TDesign d(0.25, DefaultStock());
        d.CurrentWire->AddSeg(1, 0);
        try {
            ReadDesign(text, *d.CurrentWire, d.LeftBracket, d.RightBracket);
            ADD_FAILURE() << "read: " << content;
        } catch (const TFileError& e) {
            EXPECT_EQ(std::string(e.what()), text + " is not a Torvik design");
        }
        EXPECT_EQ(d.CurrentWire->Count(), 2);  // nothing changed
        EXPECT_EQ(Slurp(text), content);
    }
    // One design section is enough.
    Write(text, "[Right Bracket]\nX=500\n");
    auto design = LoadDesign(text, 0.25, DefaultStock());
    EXPECT_EQ(design->RightBracket.Origin()->x, 25);
    EXPECT_EQ(design->CurrentWire->Count(), 1);
    EXPECT_EQ(design->RightForce.origin, design->RightBracket.Origin());
    EXPECT_EQ(design->CurrentWire->Origin(), design->LeftBracket.Origin());

    // A failure part-way gives no design at all.
    Write(text, "[Wire]\nSegments=3\nSeg 1=0, 5\nSeg 2=abc, 5\n");
    std::unique_ptr<TDesign> partial;
    EXPECT_THROW(partial = LoadDesign(text, 0.25, DefaultStock()), TFileError);
    EXPECT_EQ(partial, nullptr);

    // Missing segment keys are read as short straight segments and noted.
    Write(text, "[Wire]\nSegments=5\nSeg 1=0, 5\nSeg 4=0, 5\n");
    TDesignReadNotes notes;
    design = LoadDesign(text, 0.25, DefaultStock(), &notes);
    EXPECT_EQ(design->CurrentWire->Count(), 6);
    EXPECT_EQ(notes.MissingSegments, (std::vector<int>{2, 3, 5}));
    EXPECT_EQ(design->CurrentWire->Segment(2).length, 0.0125);
}

TEST_F(DesignFileTest, OldLineEndsAndByteOrderMarksReadAndSaveBackTheSameDesign) {
    // Lines ended by CR alone, as old Mac files have them.
    Write(Path("cr.tvk"), "[Wire]\rSegments=2\rSeg 1=0.100000, 5.00\rSeg 2=0.000000, 4.00\r"
                          "[Left Bracket]\rX=220\rY=200\rAngulation=3.141593\r");
    auto cr = LoadDesign(Path("cr.tvk"), 0.25, DefaultStock());
    ASSERT_EQ(cr->CurrentWire->Count(), 3);
    EXPECT_EQ(cr->CurrentWire->Segment(1).angle, 0.1);
    EXPECT_EQ(cr->CurrentWire->Segment(2).length, 0.2);
    EXPECT_EQ(cr->LeftBracket.Origin()->x, 11);

    // One or two byte order marks before the first section.
    for (int marks = 1; marks <= 2; ++marks) {
        const std::string bom = marks == 1 ? "\xEF\xBB\xBF" : "\xEF\xBB\xBF\xEF\xBB\xBF";
        const std::string file = Path("bom" + std::to_string(marks) + ".tvk");
        Write(file, bom + "[Wire]\r\nSegments=2\r\nSeg 1=0.100000, 5.00\r\nSeg 2=0.000000, 4.00\r\n"
                          "[Left Bracket]\r\nX=220\r\n[Notes]\r\nmine=1\r\n");
        auto d = LoadDesign(file, 0.25, DefaultStock());
        ASSERT_EQ(d->CurrentWire->Count(), 3) << marks;
        SaveDesign(file, *d->CurrentWire, d->LeftBracket, d->RightBracket);
        const std::string saved = Slurp(file);
        EXPECT_EQ(saved.rfind("\xEF\xBB\xBF[", 0), 0u) << saved;  // one mark, then the file as it was
        EXPECT_EQ(saved.find("[Wire]"), saved.rfind("[Wire]")) << saved;
        auto again = LoadDesign(file, 0.25, DefaultStock());
        ASSERT_EQ(again->CurrentWire->Count(), 3) << saved;
        EXPECT_EQ(again->CurrentWire->Segment(1).angle, 0.1);
        EXPECT_EQ(again->LeftBracket.Origin()->x, 11);
        TIniFile ini;
        ASSERT_TRUE(ini.Load(file));
        EXPECT_EQ(ini.ReadString("Notes", "mine", ""), "1");
    }
}

TEST_F(DesignFileTest, ADesignSavedAsUtf16ByATextEditorOpensAndSavesBackAsUtf16) {
    const std::string text = "[Wire]\r\nSegments=2\r\nSeg 1=0.100000, 5.00\r\nSeg 2=0.000000, 4.00\r\n"
                             "[Left Bracket]\r\nX=220\r\n[Notes]\r\nmine=1\r\n";
    for (const bool big : {false, true}) {
        std::string wide = big ? "\xFE\xFF" : "\xFF\xFE";
        for (const char c : text) {
            wide += big ? '\0' : c;
            wide += big ? c : '\0';
        }
        const std::string file = Path(big ? "be.tvk" : "le.tvk");
        Write(file, wide);
        auto d = LoadDesign(file, 0.25, DefaultStock());
        ASSERT_EQ(d->CurrentWire->Count(), 3) << big;
        EXPECT_EQ(d->CurrentWire->Segment(1).angle, 0.1);
        EXPECT_EQ(d->LeftBracket.Origin()->x, 11);
        SaveDesign(file, *d->CurrentWire, d->LeftBracket, d->RightBracket);
        const std::string saved = Slurp(file);
        EXPECT_EQ(saved.substr(0, 2), wide.substr(0, 2)) << big;
        auto again = LoadDesign(file, 0.25, DefaultStock());
        ASSERT_EQ(again->CurrentWire->Count(), 3) << big;
        TIniFile ini;
        ASSERT_TRUE(ini.Load(file));
        EXPECT_EQ(ini.ReadString("Notes", "mine", ""), "1");

        // Cut short by a byte: not UTF-16, so it does not open, and a save
        // does not write over it.
        Write(file, wide.substr(0, wide.size() - 1));
        EXPECT_THROW(LoadDesign(file, 0.25, DefaultStock()), TFileError);
        EXPECT_THROW(SaveDesign(file, *d->CurrentWire, d->LeftBracket, d->RightBracket), TFileError);
        EXPECT_EQ(Slurp(file), wide.substr(0, wide.size() - 1));
    }
}

TEST_F(DesignFileTest, SaveRefusesWhatItCannotKeepAndWritesThroughLinks) {
    TDesign d(0.25, DefaultStock());
    d.CurrentWire->AddSeg(1, 0);

    // A file too large to be read as a design keeps all of its contents.
    const std::string big = Path("big.tvk");
    Write(big, "[Notes]\nmine=1\n");
    fs::resize_file(big, TIniFile::MaxFileSize + 1);
    try {
        SaveDesign(big, *d.CurrentWire, d.LeftBracket, d.RightBracket);
        ADD_FAILURE() << "saved";
    } catch (const TFileError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Unable to write to " + big + ": it cannot be read, and its other contents would be lost");
    }
    EXPECT_EQ(fs::file_size(big), TIniFile::MaxFileSize + 1);
    EXPECT_TRUE(d.CurrentWire->dirty);

    // A read-only file stays as it is, even for the administrator.
    const std::string locked = Path("locked.tvk");
    Write(locked, "[Wire]\nSegments=0\n");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read);
    try {
        SaveDesign(locked, *d.CurrentWire, d.LeftBracket, d.RightBracket);
        ADD_FAILURE() << "saved";
    } catch (const TFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + locked + ": the file is read-only");
    }
    EXPECT_EQ(Slurp(locked), "[Wire]\nSegments=0\n");

    // A link is written through: the link stays, the file it leads to changes.
    fs::create_directories(dir / "real");
    Write(Path("real/loop.tvk"), "[Wire]\nSegments=0\n[Notes]\nmine=1\n");
    fs::create_symlink("real/loop.tvk", dir / "link.tvk");
    SaveDesign(Path("link.tvk"), *d.CurrentWire, d.LeftBracket, d.RightBracket);
    EXPECT_TRUE(fs::is_symlink(dir / "link.tvk"));
    auto through = LoadDesign(Path("real/loop.tvk"), 0.25, DefaultStock());
    EXPECT_EQ(through->CurrentWire->Count(), 2);
    EXPECT_NE(Slurp(Path("real/loop.tvk")).find("mine=1"), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "real"), fs::directory_iterator()), 1);
    // Through a chain of links, and through a link whose file is not there yet.
    fs::create_symlink(dir / "link.tvk", dir / "chain.tvk");
    fs::create_symlink("real/new.tvk", dir / "dangling.tvk");
    for (const char* name : {"chain.tvk", "dangling.tvk"}) {
        d.CurrentWire->AddSeg(1, 0);
        SaveDesign(Path(name), *d.CurrentWire, d.LeftBracket, d.RightBracket);
        EXPECT_TRUE(fs::is_symlink(dir / name)) << name;
        EXPECT_EQ(LoadDesign(Path(name), 0.25, DefaultStock())->CurrentWire->Count(), d.CurrentWire->Count());
    }
    EXPECT_TRUE(fs::is_regular_file(dir / "real" / "new.tvk"));
    // A loop of links cannot be written.
    fs::create_symlink("loop-b.tvk", dir / "loop-a.tvk");
    fs::create_symlink("loop-a.tvk", dir / "loop-b.tvk");
    EXPECT_THROW(SaveDesign(Path("loop-a.tvk"), *d.CurrentWire, d.LeftBracket, d.RightBracket), TFileError);
    EXPECT_TRUE(fs::is_symlink(dir / "loop-a.tvk"));
}

TEST_F(DesignFileTest, FailedWriteLeavesTheOldFile) {
    TDesign d(0.25, DefaultStock());
    d.CurrentWire->AddSeg(1, 0);
    // A path whose folder is a regular file cannot be written.
    Write(Path("plain"), "x");
    try {
        SaveDesign(Path("plain") + "/d.tvk", *d.CurrentWire, d.LeftBracket, d.RightBracket);
        FAIL() << "no error";
    } catch (const TFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + Path("plain") + "/d.tvk.\n" + SystemReason(ENOTDIR));
    }
    EXPECT_TRUE(d.CurrentWire->dirty);
    EXPECT_EQ(Slurp(Path("plain")), "x");
}
