// Protects the command line of torvik-activate: every option is read as
// documented, and bad input is refused with an error instead of a guess.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "cli/options.h"

using namespace torvik;
using namespace torvik::cli;

TEST(CliOptions, ReadsGoodInput) {
    const TCliOptions d = ParseOptions({"loop.tvk"});
    EXPECT_EQ(d.DesignFile, "loop.tvk");
    EXPECT_EQ(d.Settings.TargetMode, TargetSlot);
    EXPECT_TRUE(d.Settings.AutoStop);
    EXPECT_DOUBLE_EQ(d.Settings.ToleranceDistance, 0.1);
    EXPECT_DOUBLE_EQ(d.Settings.ToleranceAngle, Pi / 180);
    EXPECT_DOUBLE_EQ(d.SegmentSize, 0.25);
    EXPECT_EQ(d.MaxIterations, 10000);
    EXPECT_EQ(d.Format, TOutputFormat::Text);
    EXPECT_EQ(d.Stock.Material.Name, "Stainless Steel");
    EXPECT_EQ(d.Stock.Size.Name, "0.016");

    const TCliOptions o = ParseOptions({"--target", "angle", "--material", "tma", "--cross-section=0.016 x 0.022",
                                        "--segment-size", "0.1", "--tolerance-distance=0.001", "--tolerance-angle",
                                        "0.5", "--manual-stop", "--max-iterations", "10000000", "--format", "json",
                                        "--", "-odd name.tvk"});
    EXPECT_EQ(o.DesignFile, "-odd name.tvk");
    EXPECT_EQ(o.Settings.TargetMode, TargetAngle);
    EXPECT_FALSE(o.Settings.AutoStop);
    EXPECT_DOUBLE_EQ(o.Settings.ToleranceDistance, 0.001);
    EXPECT_DOUBLE_EQ(o.Settings.ToleranceAngle, ToRadians(0.5));
    EXPECT_DOUBLE_EQ(o.SegmentSize, 0.1);
    EXPECT_EQ(o.MaxIterations, 10000000);
    EXPECT_EQ(o.Format, TOutputFormat::Json);
    EXPECT_EQ(o.Stock.Material.Name, "TMA");
    EXPECT_EQ(o.Stock.Material.Modulus, 72000);
    EXPECT_EQ(o.Stock.Size.CrossA, 4.064);
    EXPECT_EQ(o.Stock.Size.CrossB, 5.588);

    // Modulus and dimensions override the tables; --cross-a alone is round.
    const TCliOptions m = ParseOptions({"--cross-section", "0.016 x 0.022", "--cross-a", "4.5", "--modulus",
                                        "1.5e5", "--format", "csv", "w.tvk", "--target", "point"});
    EXPECT_EQ(m.Stock.Material.Modulus, 150000);
    EXPECT_EQ(m.Stock.Size.CrossA, 4.5);
    EXPECT_TRUE(m.Stock.Size.IsRound());
    EXPECT_EQ(m.Settings.TargetMode, TargetPoint);
    EXPECT_EQ(m.Format, TOutputFormat::Csv);
    const TCliOptions r = ParseOptions({"w.tvk", "--cross-a", "4", "--cross-b", "6", "--tolerance-distance", "0"});
    EXPECT_EQ(r.Stock.Size.CrossB, 6);
    EXPECT_EQ(r.Settings.ToleranceDistance, 0);

    // The sliding slot is the slot target with the wire sliding; a later
    // --target replaces it.
    const TCliOptions sl = ParseOptions({"w.tvk", "--target", "sliding"});
    EXPECT_EQ(sl.Settings.TargetMode, TargetSlot);
    EXPECT_TRUE(sl.Settings.WireSlides);
    EXPECT_STREQ(TargetOptionName(sl.Settings), "sliding");
    const TCliOptions fixed = ParseOptions({"w.tvk", "--target=sliding", "--target=slot"});
    EXPECT_EQ(fixed.Settings.TargetMode, TargetSlot);
    EXPECT_FALSE(fixed.Settings.WireSlides);
    EXPECT_STREQ(TargetOptionName(fixed.Settings), "slot");
    EXPECT_FALSE(ParseOptions({"w.tvk", "--target", "sliding", "--target", "point"}).Settings.WireSlides);
    EXPECT_FALSE(d.Settings.WireSlides);

    // --help needs no design file.
    EXPECT_TRUE(ParseOptions({"--help"}).Help);
    EXPECT_NE(UsageText().find("--max-iterations"), std::string::npos);
    EXPECT_NE(UsageText().find("point|angle|slot|sliding"), std::string::npos);
}

TEST(CliOptions, RejectsBadInput) {
    const std::vector<std::vector<std::string>> bad = {
        {},                                          // no design file
        {"a.tvk", "b.tvk"},                          // two design files
        {"a.tvk", "--iterations", "5"},              // unknown option
        {"a.tvk", "-x"},                             // unknown short option
        {"a.tvk", "--target"},                       // missing value
        {"a.tvk", "--target", "corner"},
        {"a.tvk", "--target", "slide"},
        {"a.tvk", "--format", "xml"},
        {"a.tvk", "--material", "Steel"},            // not a built-in name
        {"a.tvk", "--cross-section", "0.020"},
        {"a.tvk", "--modulus", "0"},
        {"a.tvk", "--modulus", "-172000"},
        {"a.tvk", "--modulus", "172000,5"},          // comma is not a decimal separator
        {"a.tvk", "--modulus", "1e999"},
        {"a.tvk", "--cross-a", "0"},
        {"a.tvk", "--cross-a", "4", "--cross-b", "-1"},
        {"a.tvk", "--cross-b", "4"},                 // --cross-b without --cross-a
        {"a.tvk", "--segment-size", "0"},
        {"a.tvk", "--segment-size", "nan"},
        {"a.tvk", "--segment-size", "1000"},
        {"a.tvk", "--tolerance-distance", "-0.1"},
        {"a.tvk", "--tolerance-angle", "-1"},
        {"a.tvk", "--tolerance-angle", ""},
        {"a.tvk", "--max-iterations", "0"},
        {"a.tvk", "--max-iterations", "10000001"},
        {"a.tvk", "--max-iterations", "99999999999999999999"},
        {"a.tvk", "--max-iterations", "1.5"},
        {"a.tvk", "--max-iterations", "0x10"},
        {"a.tvk", "--manual-stop=yes"},
    };
    for (const auto& args : bad) {
        std::string joined;
        for (const auto& a : args) joined += "[" + a + "]";
        EXPECT_THROW(ParseOptions(args), TUsageError) << joined;
    }
    // A value echoed in a message is short and stays on one line.
    try {
        ParseOptions({"a.tvk", "--modulus", "\r\x1B[2K" + std::string(100000, '9') + "x"});
        ADD_FAILURE() << "accepted";
    } catch (const TUsageError& e) {
        EXPECT_EQ(std::string(e.what()), "--modulus: '\\r\\x1B[2K" + std::string(55, '9') + "...' is not a number");
    }
}
