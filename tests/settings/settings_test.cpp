// Protects the settings file: keys, formats, defaults, fallbacks, the window placement text and the first-start copy.
#include <filesystem>
#include <fstream>
#include <limits>

#include <unistd.h>

#include <gtest/gtest.h>

#include "settings/settings.h"
#include "support/ini_file.h"

namespace torvik {
namespace {

TIniFile Parse(const std::string& aText) {
    TIniFile ini;
    ini.Parse(aText);
    return ini;
}

TEST(SettingsTest, EmptyFileGivesTheReadDefaults) {
    TSettings s;
    const TWindowPlacement placement = ReadSettings(TIniFile(), s);
    EXPECT_FALSE(placement.Complete());
    EXPECT_FALSE(s.RememberWindowRect);
    EXPECT_TRUE(s.Activation.AutoStop);
    EXPECT_DOUBLE_EQ(s.Activation.ToleranceDistance, 0.1);
    EXPECT_DOUBLE_EQ(s.Activation.ToleranceAngle, ToRadians(1));
    EXPECT_EQ(s.Activation.TargetMode, TargetSlot);
    EXPECT_TRUE(s.Activation.RefineLoads);
    EXPECT_EQ(s.GridDensity, 2);
    EXPECT_EQ(s.SnapGridDensity, 4);
    EXPECT_EQ(s.UndoLevels, 1);
    EXPECT_DOUBLE_EQ(s.SegmentSize, 0.25);
    // Forces, moments and bracket forces are all shown after reading.
    EXPECT_EQ(s.View.ViewFlags, ViewForcesBit | ViewMomentsBit | ViewBracketForcesBit);
    EXPECT_TRUE(s.View.StrainAutoRange);
    EXPECT_FALSE(s.View.ViewStrain);
    EXPECT_DOUBLE_EQ(s.View.StrainMaxRange, ToRadians(2));
    EXPECT_EQ(s.Stock.Material, DefaultMaterialTable()[0]);
    EXPECT_EQ(s.Stock.Size, DefaultCrossSectionTable()[0]);
}

TEST(SettingsTest, WrittenKeysFormatsAndOrder) {
    TSettings s;
    s.Activation.ToleranceDistance = 0.1;
    s.View.StrainMaxRange = ToRadians(2);
    TIniFile ini;
    ini.Parse("[General]\r\nVersion=1.0.0.0\r\n");
    WriteSettings(ini, s, "Default");
    EXPECT_EQ(ini.ReadString("Calculation", "Tolerance Distance", ""), "0.100");
    EXPECT_EQ(ini.ReadString("Calculation", "Tolerance Angle", ""), "1.00");
    EXPECT_EQ(ini.ReadString("Wire", "Material 0", ""), "Stainless Steel, 172000");
    EXPECT_EQ(ini.ReadString("Wire", "Segment Size", ""), "0.25");
    EXPECT_EQ(ini.ReadString("View", "Strain Max Range", ""), "2.0");
    EXPECT_EQ(ini.ReadString("General", "Torvik Rect", ""), "Default");
    EXPECT_EQ(ini.ReadString("General", "Version", ""), "1.0.0.0");  // kept
    const std::vector<std::string> calc = ini.KeyNames("Calculation");
    EXPECT_EQ(calc, (std::vector<std::string>{"Auto Stop", "Tolerance Distance", "Tolerance Angle", "Target",
                                              "Refine Loads"}));
    EXPECT_EQ(ini.ReadString("Calculation", "Refine Loads", ""), "1");
    const std::vector<std::string> wire = ini.KeyNames("Wire");
    ASSERT_EQ(wire.size(), 5u + 8u + 4u);
    EXPECT_EQ(wire[0], "Material 0");
    EXPECT_EQ(wire[5], "Cross Section 0");
    EXPECT_EQ(wire[13], "Default Material");
    EXPECT_EQ(wire[16], "Draw Thickness");
    EXPECT_EQ(ini.KeyNames("View").size(), 10u);
    EXPECT_EQ(ini.KeyNames("General"),
              (std::vector<std::string>{"Version", "Best Fit on Open", "Undo Levels", "Torvik Rect"}));
}

TEST(SettingsTest, RoundTripKeepsEveryValue) {
    TSettings s;
    s.Activation = {TargetAngle, false, 0.25, ToRadians(2.5)};
    s.Activation.RefineLoads = false;
    s.GridDensity = 3;
    s.SnapGridDensity = 0;
    s.ShowGrid = false;
    s.SnapGrid = false;
    s.View.ViewFlags = ViewMomentsBit;
    s.View.ViewStrain = true;
    s.View.StrainAutoRange = false;
    s.View.StrainMaxRange = ToRadians(4.5);
    s.View.DrawThickness = false;
    s.MaterialTable[3].Name = "Beta III";
    s.MaterialTable[3].Modulus = 68000;
    s.Stock.Material = s.MaterialTable[3];
    s.Stock.Size = s.CrossSectionTable[5];
    s.SegmentSize = 0.5;
    s.UndoLevels = 4;
    s.BestFitOnOpen = false;
    TIniFile ini;
    WriteSettings(ini, s, "10 20 800 600");

    TSettings r;
    const TWindowPlacement placement = ReadSettings(Parse(ini.Text()), r);
    EXPECT_EQ(placement.Values, (std::vector<int>{10, 20, 800, 600}));
    EXPECT_TRUE(r.RememberWindowRect);
    EXPECT_EQ(r.Activation.TargetMode, TargetAngle);
    EXPECT_FALSE(r.Activation.AutoStop);
    EXPECT_FALSE(r.Activation.RefineLoads);
    EXPECT_DOUBLE_EQ(r.Activation.ToleranceDistance, 0.25);
    EXPECT_NEAR(r.Activation.ToleranceAngle, ToRadians(2.5), 1e-12);
    EXPECT_EQ(r.GridDensity, 3);
    EXPECT_EQ(r.SnapGridDensity, 0);
    EXPECT_FALSE(r.ShowGrid);
    EXPECT_FALSE(r.SnapGrid);
    EXPECT_EQ(r.View.ViewFlags, ViewMomentsBit);
    EXPECT_TRUE(r.View.ViewStrain);
    EXPECT_FALSE(r.View.StrainAutoRange);
    EXPECT_NEAR(r.View.StrainMaxRange, ToRadians(4.5), 1e-12);
    EXPECT_FALSE(r.View.DrawThickness);
    EXPECT_EQ(r.MaterialTable, s.MaterialTable);
    EXPECT_EQ(r.CrossSectionTable, s.CrossSectionTable);
    EXPECT_EQ(r.Stock.Material, s.MaterialTable[3]);
    EXPECT_EQ(r.Stock.Size, s.CrossSectionTable[5]);
    EXPECT_DOUBLE_EQ(r.SegmentSize, 0.5);
    EXPECT_EQ(r.UndoLevels, 4);
    EXPECT_FALSE(r.BestFitOnOpen);
}

TEST(SettingsTest, SmallTolerancesAreWrittenWithTheDecimalsTheyNeed) {
    TSettings s;
    s.Activation.ToleranceDistance = 0.0004;
    s.Activation.ToleranceAngle = ToRadians(0.004);
    TIniFile ini;
    WriteSettings(ini, s, "Default");
    EXPECT_EQ(ini.ReadString("Calculation", "Tolerance Distance", ""), "0.0004");
    EXPECT_EQ(ini.ReadString("Calculation", "Tolerance Angle", ""), "0.004");
    TSettings r;
    ReadSettings(Parse(ini.Text()), r);
    EXPECT_DOUBLE_EQ(r.Activation.ToleranceDistance, 0.0004);
    EXPECT_NEAR(r.Activation.ToleranceAngle, ToRadians(0.004), 1e-15);
}

TEST(SettingsTest, UnreadableValuesFallBack) {
    TSettings s;
    s.Activation.TargetMode = TargetPoint;  // stays when "Target" is out of range
    s.Activation.RefineLoads = false;  // an unreadable value turns it on
    ReadSettings(Parse("[Calculation]\nTolerance Distance=0,2\nTolerance Angle=x\nTarget=7\nRefine Loads=yes\n"
                       "[Wire]\nMaterial 1=Titanium\nCross Section 2=Odd, 3 by 4\nSegment Size=-1\n"
                       "Default Material=Unobtainium\n"
                       "[View]\nGrid Density=4\nSnap Grid Density=-1\nStrain Max Range=lots\n"
                       "[General]\nUndo Levels=9\n"),
                 s);
    EXPECT_DOUBLE_EQ(s.Activation.ToleranceDistance, 0.1);
    EXPECT_DOUBLE_EQ(s.Activation.ToleranceAngle, ToRadians(1));
    EXPECT_EQ(s.Activation.TargetMode, TargetPoint);
    EXPECT_TRUE(s.Activation.RefineLoads);
    // A material text without ", ": empty name, the text after its first
    // character read as the modulus, which fails.
    EXPECT_EQ(s.MaterialTable[1].Name, "");
    EXPECT_DOUBLE_EQ(s.MaterialTable[1].Modulus, 100000);
    EXPECT_EQ(s.CrossSectionTable[2].Name, "Odd");
    EXPECT_DOUBLE_EQ(s.CrossSectionTable[2].CrossA, 4);
    EXPECT_DOUBLE_EQ(s.CrossSectionTable[2].CrossB, 4);
    EXPECT_DOUBLE_EQ(s.SegmentSize, 0.25);
    EXPECT_EQ(s.Stock.Material, s.MaterialTable[0]);
    EXPECT_EQ(s.GridDensity, 2);
    EXPECT_EQ(s.SnapGridDensity, 4);
    EXPECT_EQ(s.UndoLevels, 1);
    EXPECT_DOUBLE_EQ(s.View.StrainMaxRange, ToRadians(2));

    for (const char* size : {"0", "10.5", "1e999", "nan"}) {
        TSettings t;
        ReadSettings(Parse(std::string("[Wire]\nSegment Size=") + size + "\n"), t);
        EXPECT_DOUBLE_EQ(t.SegmentSize, 0.25) << size;
    }
    TSettings t;
    ReadSettings(Parse("[Wire]\nSegment Size=10\n[Calculation]\nTarget=0\n"), t);
    EXPECT_DOUBLE_EQ(t.SegmentSize, 10);
    EXPECT_EQ(t.Activation.TargetMode, TargetPoint);
}

TEST(SettingsTest, NumbersOutsideTheirRangesFallBackAndWhatIsWrittenReadsBack) {
    TSettings s;
    const TWindowPlacement placement = ReadSettings(
        Parse("[General]\nTorvik Rect=2147483647 10 500 400\n"
              "[Calculation]\nTolerance Distance=-0.5\nTolerance Angle=1e308\n"
              "[Wire]\nMaterial 0=Steel, 1e308\nMaterial 1=Soft, 0\nCross Section 0=0.016, 1e308 x 1e308\n"
              "Cross Section 1=Round, 4.5 x 0\nCross Section 2=Flat, -1 x 0.001\nSegment Size=0.001\n"
              "[View]\nStrain Max Range=0\n"),
        s);
    // A window position beyond any desktop would overflow the placement.
    EXPECT_TRUE(placement.Values.empty());
    EXPECT_FALSE(s.RememberWindowRect);
    EXPECT_DOUBLE_EQ(s.Activation.ToleranceDistance, 0.1);
    EXPECT_DOUBLE_EQ(s.Activation.ToleranceAngle, ToRadians(1));
    EXPECT_EQ(s.MaterialTable[0].Name, "Steel");
    EXPECT_DOUBLE_EQ(s.MaterialTable[0].Modulus, 100000);
    EXPECT_DOUBLE_EQ(s.MaterialTable[1].Modulus, 100000);
    EXPECT_EQ(s.CrossSectionTable[0].Name, "0.016");
    EXPECT_DOUBLE_EQ(s.CrossSectionTable[0].CrossA, 4);
    EXPECT_DOUBLE_EQ(s.CrossSectionTable[0].CrossB, 4);
    EXPECT_DOUBLE_EQ(s.CrossSectionTable[1].CrossA, 4.5);
    EXPECT_DOUBLE_EQ(s.CrossSectionTable[1].CrossB, 0);  // a round wire
    EXPECT_DOUBLE_EQ(s.CrossSectionTable[2].CrossA, 4);
    EXPECT_DOUBLE_EQ(s.CrossSectionTable[2].CrossB, 4);
    EXPECT_DOUBLE_EQ(s.SegmentSize, 0.25);  // 0.001 mm could only be written as 0.00
    EXPECT_DOUBLE_EQ(s.View.StrainMaxRange, ToRadians(2));
    EXPECT_EQ(ParseWindowPlacement("10 10 2147483647 400").Values, (std::vector<int>{10, 10}));
    EXPECT_EQ(ParseWindowPlacement("-2147483648 0 500 400").Values, (std::vector<int>{}));
    EXPECT_TRUE(ParseWindowPlacement("-100000 100000 100000 1").Complete());

    // Both ends of every range are written as text that reads back as the
    // same setting.
    for (const bool low : {true, false}) {
        const auto end = [low](TSettingRange r) { return low ? r.Min : r.Max; };
        TSettings w;
        w.Activation.ToleranceDistance = end(ToleranceDistanceRange);
        w.Activation.ToleranceAngle = ToRadians(end(ToleranceAngleRange));
        w.SegmentSize = end(SegmentSizeRange);
        w.View.StrainMaxRange = ToRadians(end(StrainMaxRangeRange));
        w.MaterialTable[4].Modulus = low ? 1 : 1e7;
        w.CrossSectionTable[7].CrossA = low ? 0.01 : 100;
        w.CrossSectionTable[7].CrossB = low ? 0 : 100;
        TIniFile ini;
        WriteSettings(ini, w, "Default");
        TSettings r;
        ReadSettings(Parse(ini.Text()), r);
        EXPECT_NEAR(r.Activation.ToleranceDistance, w.Activation.ToleranceDistance, 1e-12) << ini.Text();
        EXPECT_NEAR(r.Activation.ToleranceAngle, w.Activation.ToleranceAngle, 1e-12) << ini.Text();
        EXPECT_NEAR(r.SegmentSize, w.SegmentSize, 1e-12) << ini.Text();
        EXPECT_NEAR(r.View.StrainMaxRange, w.View.StrainMaxRange, 1e-12) << ini.Text();
        EXPECT_EQ(r.MaterialTable[4], w.MaterialTable[4]) << ini.Text();
        EXPECT_EQ(r.CrossSectionTable[7], w.CrossSectionTable[7]) << ini.Text();
    }

    // Values outside their ranges in memory are written as their defaults,
    // never as text that fails to write or to read back.
    TSettings bad;
    bad.Activation.ToleranceDistance = std::numeric_limits<double>::infinity();
    bad.Activation.ToleranceAngle = std::numeric_limits<double>::quiet_NaN();
    bad.SegmentSize = 0.001;
    bad.View.StrainMaxRange = 1e308;
    bad.MaterialTable[2].Modulus = -std::numeric_limits<double>::infinity();
    bad.CrossSectionTable[3].CrossA = 1e308;
    TIniFile ini;
    ASSERT_NO_THROW(WriteSettings(ini, bad, "Default"));
    EXPECT_EQ(ini.ReadString("Calculation", "Tolerance Distance", ""), "0.100");
    EXPECT_EQ(ini.ReadString("Calculation", "Tolerance Angle", ""), "1.00");
    EXPECT_EQ(ini.ReadString("Wire", "Segment Size", ""), "0.25");
    EXPECT_EQ(ini.ReadString("View", "Strain Max Range", ""), "2.0");
    EXPECT_EQ(ini.ReadString("Wire", "Material 2", ""), bad.MaterialTable[2].Name + ", 100000");
    EXPECT_EQ(ini.ReadString("Wire", "Cross Section 3", ""), bad.CrossSectionTable[3].Name + ", 4.000 x 4.064");
}

TEST(SettingsTest, WindowPlacementVariants) {
    EXPECT_TRUE(ParseWindowPlacement("Maximized").Maximized);
    EXPECT_TRUE(ParseWindowPlacement("Maximized").Complete());
    EXPECT_EQ(ParseWindowPlacement("5 6 700 500").Values, (std::vector<int>{5, 6, 700, 500}));
    EXPECT_TRUE(ParseWindowPlacement("-5 -6 700 500 9").Complete());
    // Two numbers: left and top apply, the placement is not remembered.
    const TWindowPlacement two = ParseWindowPlacement("30 40");
    EXPECT_EQ(two.Values, (std::vector<int>{30, 40}));
    EXPECT_FALSE(two.Complete());
    EXPECT_EQ(ParseWindowPlacement("30 x 700 500").Values, (std::vector<int>{30}));
    EXPECT_EQ(ParseWindowPlacement("30 40 0 500").Values, (std::vector<int>{30, 40}));
    EXPECT_EQ(ParseWindowPlacement("1 2 3 99999999999").Values, (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(ParseWindowPlacement("").Values.empty());

    TSettings s;
    EXPECT_TRUE(ReadSettings(Parse("[General]\nTorvik Rect=Maximized\n"), s).Maximized);
    EXPECT_TRUE(s.RememberWindowRect);
    EXPECT_FALSE(ReadSettings(Parse("[General]\nTorvik Rect=Default\n"), s).Complete());
    EXPECT_FALSE(s.RememberWindowRect);

    EXPECT_EQ(WindowPlacementText(false, true, 1, 2, 3, 4), "Default");
    EXPECT_EQ(WindowPlacementText(true, true, 1, 2, 3, 4), "Maximized");
    EXPECT_EQ(WindowPlacementText(true, false, -1, 2, 300, 400), "-1 2 300 400");
}

TEST(SettingsTest, DefaultDataIsCopiedWhenMissingOrOfAnotherVersion) {
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / ("torvik_settings_test_" + std::to_string(::getpid()));
    fs::remove_all(root);
    const fs::path common = root / "common";
    fs::create_directories(common / "Settings");
    std::ofstream(common / "Settings" / "TorvikSettings.ini") << "[General]\nVersion=1.2.3.4\n";
    std::ofstream(common / "readme.txt") << "default data\n";
    const fs::path user = root / "docs" / "Kelmar Torvik";
    const std::string settings = (user / "Settings" / "TorvikSettings.ini").string();

    EXPECT_TRUE(DefaultDataNeeded(settings, "1.2.3.4"));
    CopyDefaultData(common.string(), user.string(), settings);
    // One pass copies the top-level files too.
    EXPECT_TRUE(fs::exists(user / "readme.txt"));
    EXPECT_EQ(SettingsFileVersion(settings), "1.2.3.4");
    EXPECT_FALSE(DefaultDataNeeded(settings, "1.2.3.4"));
    EXPECT_TRUE(DefaultDataNeeded(settings, "1.2.3.5"));

    // An existing settings file is never replaced by the copy.
    std::ofstream(settings) << "[General]\nVersion=0.9\n[View]\nGrid Density=3\n";
    CopyDefaultData(common.string(), user.string(), settings);
    EXPECT_EQ(SettingsFileVersion(settings), "0.9");
    // A missing default data folder copies nothing and raises nothing.
    EXPECT_NO_THROW(CopyDefaultData((root / "nowhere").string(), (root / "other").string(),
                                    (root / "other.ini").string()));
    fs::remove_all(root);
}

}  // namespace
}  // namespace torvik
