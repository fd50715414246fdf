// Protects design files: the exact text written, round trips, tolerant
// reading of brackets, the errors of bad segments, and atomic writing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/errors.h"
#include "support/ini_file.h"
#include "wire/design.h"
#include "wire/design_file.h"

using namespace torvik;
namespace fs = std::filesystem;

namespace {

class DesignFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("torvik-design-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string Path(const std::string& name) const { return (dir / name).string(); }
    static std::string Slurp(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    static void Write(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }

    fs::path dir;
};

}  // namespace

TEST_F(DesignFileTest, NewDesignWithFourSegmentsIsWrittenExactly) {
    TDesign d(0.25, DefaultStock());
    for (int i = 0; i < 4; ++i) d.CurrentWire->AddSeg(0.25, 0);
    SaveDesign(Path("a.tvk"), *d.CurrentWire, d.LeftBracket, d.RightBracket);
    EXPECT_FALSE(d.CurrentWire->dirty);
    EXPECT_EQ(Slurp(Path("a.tvk")),
              "[Wire]\r\nSegments=4\r\nSeg 1=0.000000, 5.00\r\nSeg 2=0.000000, 5.00\r\n"
              "Seg 3=0.000000, 5.00\r\nSeg 4=0.000000, 5.00\r\n"
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

TEST_F(DesignFileTest, TolerantReadingOfMissingAndBadValues) {
    Write(Path("m.tvk"),
          "[wire]\nsegments = 3 \nSeg 1=0.1, 10\nSeg 3= -0.2 , 4.00 \n"
          "[Left Bracket]\nX=abc\nY=100\nAngulation=-1.5707963\n");
    TDesign d(0.25, DefaultStock());
    ReadDesign(Path("m.tvk"), *d.CurrentWire, d.LeftBracket, d.RightBracket);
    TWire& w = *d.CurrentWire;
    ASSERT_EQ(w.Count(), 4);
    EXPECT_EQ(w.Segment(1).length, 0.5);
    EXPECT_EQ(w.Segment(2).length, 0.0125);  // a missing key is a short straight segment
    EXPECT_EQ(w.Segment(2).angle, 0);
    EXPECT_EQ(w.Segment(3).angle, -0.2);
    EXPECT_EQ(d.LeftBracket.Origin()->x, 10);  // X=abc keeps the previous value
    EXPECT_EQ(d.LeftBracket.Origin()->y, 5);
    EXPECT_NEAR(d.LeftBracket.Direction(), 3 * Pi / 2, 1e-7);
    EXPECT_EQ(*d.RightBracket.Origin(), TPointReal(20, 10));

    // Written back, the angulation is folded into one turn.
    SaveDesign(Path("m.tvk"), w, d.LeftBracket, d.RightBracket);
    TIniFile ini;
    ini.Load(Path("m.tvk"));
    EXPECT_EQ(ini.ReadString("Left Bracket", "Angulation", ""), "4.712389");

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

TEST_F(DesignFileTest, BadSegmentsFailWithTheirText) {
    const auto readError = [&](const std::string& text, int expectCount) {
        Write(Path("bad.tvk"), text);
        TDesign d(0.25, DefaultStock());
        try {
            ReadDesign(Path("bad.tvk"), *d.CurrentWire, d.LeftBracket, d.RightBracket);
        } catch (const std::exception& e) {
            EXPECT_EQ(d.CurrentWire->Count(), expectCount) << text;
            EXPECT_EQ(d.CurrentWire->Origin(), d.LeftBracket.Origin());
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(readError("[Wire]\nSegments=3\nSeg 1=0, 5\nSeg 2=5\n", 2), "'' is not a valid floating point value");
    EXPECT_EQ(readError("[Wire]\nSegments=2\nSeg 1=0.5, 5\nSeg 2=x, 5\n", 2), "'x' is not a valid floating point value");
    EXPECT_EQ(readError("[Wire]\nSegments=1\nSeg 1=0, 1e999\n", 1), "'1e999' is not a valid floating point value");
    EXPECT_EQ(readError("[Wire]\nSegments=1\nSeg 1=0, -5\n", 1), "'-5' is not a valid segment length");
    // An absurd bracket position is refused before that bracket changes.
    EXPECT_EQ(readError("[Right Bracket]\nX=300\nY=1e12\n[Wire]\nSegments=1\n", 1),
              "'1e12' is not a valid bracket position");
    {
        TDesign d(0.25, DefaultStock());
        EXPECT_THROW(ReadDesign(Path("bad.tvk"), *d.CurrentWire, d.LeftBracket, d.RightBracket), std::runtime_error);
        EXPECT_EQ(*d.RightBracket.Origin(), TPointReal(20, 10));
    }
    // An absurd count is refused before anything is read.
    const std::string huge = readError("[Wire]\nSegments=2000000000\n", 1);
    EXPECT_NE(huge.find("2000000000"), std::string::npos) << huge;
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
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + Path("plain") + "/d.tvk");
    }
    EXPECT_TRUE(d.CurrentWire->dirty);
    EXPECT_EQ(Slurp(Path("plain")), "x");
}
