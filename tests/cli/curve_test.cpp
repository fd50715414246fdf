// Protects torvik-activate's activation curve and centre-of-resistance
// output: the options are read and checked, every form prints one row per
// step with the documented columns, a curve that cannot be completed exits
// with 1 at the step that failed, and the tooth loads follow the options.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "cli/options.h"
#include "wire/design_file.h"

#include "cli_test_support.h"

using namespace torvik;
using namespace torvik::cli;
namespace fs = std::filesystem;

namespace {

using test::TOutput;
using test::RunProgram;
using test::Lines;
using test::JsonValue;

std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t at = 0;
    while (true) {
        const auto comma = line.find(',', at);
        fields.push_back(line.substr(at, comma - at));
        if (comma == std::string::npos) return fields;
        at = comma + 1;
    }
}

class CliCurve : public test::TCliFolderTest {
protected:
    // The L-shaped wire, quoted for the shell.
    std::string WriteL(const std::string& name, double dx, double dy, double aTurn = 0) {
        return "'" + TCliFolderTest::WriteL(name, dx, dy, aTurn) + "'";
    }
};

}  // namespace

TEST(CliCurveOptions, ReadsAndChecksTheCurveAndToothOptions) {
    const TCliOptions plain = ParseOptions({"a.tvk"});
    EXPECT_EQ(plain.CurveSteps, 0);
    EXPECT_FALSE(plain.ShowCentre);
    EXPECT_DOUBLE_EQ(plain.Settings.ToleranceDistance, 0.1);

    // A curve engages every step fully unless the tolerances are given.
    const TCliOptions c = ParseOptions({"a.tvk", "--curve", "20"});
    EXPECT_EQ(c.CurveSteps, 20);
    EXPECT_DOUBLE_EQ(c.Settings.ToleranceDistance, 1e-6);
    EXPECT_DOUBLE_EQ(c.Settings.ToleranceAngle, ToRadians(1e-5));
    const TCliOptions t = ParseOptions({"a.tvk", "--tolerance-angle", "0.5", "--curve=3", "--target", "point"});
    EXPECT_DOUBLE_EQ(t.Settings.ToleranceDistance, 1e-6);
    EXPECT_DOUBLE_EQ(t.Settings.ToleranceAngle, ToRadians(0.5));
    EXPECT_EQ(t.Settings.TargetMode, TargetPoint);

    const TCliOptions r = ParseOptions({"a.tvk", "--roots", "down"});
    EXPECT_TRUE(r.ShowCentre);
    EXPECT_EQ(r.Tooth.Roots, TRootSide::Down);
    EXPECT_EQ(r.Tooth.Distance, 10);
    const TCliOptions h = ParseOptions({"a.tvk", "--cr-distance=7.5"});
    EXPECT_TRUE(h.ShowCentre);
    EXPECT_EQ(h.Tooth.Distance, 7.5);
    EXPECT_EQ(h.Tooth.Roots, TRootSide::Up);
    EXPECT_NE(UsageText().find("--curve N"), std::string::npos);
    EXPECT_NE(UsageText().find("--roots up|down"), std::string::npos);

    const std::vector<std::vector<std::string>> bad = {
        {"a.tvk", "--curve"},          {"a.tvk", "--curve", "0"},           {"a.tvk", "--curve", "10001"},
        {"a.tvk", "--curve", "2.5"},   {"a.tvk", "--curve", "x"},           {"a.tvk", "--curve", "5", "--manual-stop"},
        {"a.tvk", "--cr-distance", "0"}, {"a.tvk", "--cr-distance", "-3"},  {"a.tvk", "--cr-distance", "1e9"},
        {"a.tvk", "--cr-distance", "ten"}, {"a.tvk", "--roots", "left"},    {"a.tvk", "--roots"},
    };
    for (const auto& args : bad) {
        std::string joined;
        for (const auto& a : args) joined += "[" + a + "]";
        EXPECT_THROW(ParseOptions(args), TUsageError) << joined;
    }
}

TEST_F(CliCurve, PrintsEveryStepInEachForm) {
    const std::string file = WriteL("l.tvk", 0.3, -0.2, 0.02);

    const TOutput csv = RunProgram(file + " --curve 4 --format csv");
    ASSERT_EQ(csv.status, 0) << csv.text;
    const std::vector<std::string> rows = Lines(csv.text);
    ASSERT_EQ(rows.size(), 5u) << csv.text;
    const std::vector<std::string> header = Split(rows[0]);
    EXPECT_EQ(rows[0].rfind("step,activation_mm,turn_deg,right_fx_cN,right_fy_cN,right_m_cNmm,right_f_cN,"
                            "right_m_over_f_mm,right_m_over_fx_mm,left_fx_cN,",
                            0),
              0u)
        << rows[0];
    EXPECT_NE(rows[0].find("max_strain_deg,rate_cN_per_mm,iterations,stop"), std::string::npos);
    const auto column = [&](const std::string& key) {
        return static_cast<std::size_t>(std::find(header.begin(), header.end(), key) - header.begin());
    };
    double previousForce = 0;
    for (int k = 1; k <= 4; ++k) {
        const std::vector<std::string> f = Split(rows[k]);
        ASSERT_EQ(f.size(), header.size()) << rows[k];
        EXPECT_EQ(f[0], std::to_string(k));
        EXPECT_NEAR(std::stod(f[column("activation_mm")]), k / 4.0 * std::hypot(0.3, 0.2), 1e-5);
        EXPECT_EQ(f[column("stop")], "tolerance");
        const double force = std::stod(f[column("right_f_cN")]);
        EXPECT_GT(force, previousForce);
        previousForce = force;
        EXPECT_GT(std::stod(f[column("rate_cN_per_mm")]), 0);
        EXPECT_EQ(std::stod(f[column("left_fx_cN")]), -std::stod(f[column("right_fx_cN")]));
    }

    // JSON: an array of four objects with the same keys.
    const TOutput json = RunProgram(file + " --curve 4 --format json");
    ASSERT_EQ(json.status, 0) << json.text;
    EXPECT_EQ(json.text.rfind("[\n {\"step\": 1, \"activation_mm\": ", 0), 0u) << json.text;
    EXPECT_EQ(json.text.substr(json.text.size() - 4), "}\n]\n");
    EXPECT_EQ(std::count(json.text.begin(), json.text.end(), '{'), 4);
    const auto last = json.text.find("{\"step\": 4");
    ASSERT_NE(last, std::string::npos);
    EXPECT_EQ(JsonValue(json.text, "stop", last), "\"tolerance\"");
    EXPECT_EQ(JsonValue(json.text, "right_f_cN", last).substr(0, 6), Split(rows[4])[column("right_f_cN")].substr(0, 6));
    EXPECT_EQ(json.text.find("nan"), std::string::npos);

    // Text: the path, how the curve ended, and a table with a row per step.
    const TOutput text = RunProgram(file + " --curve 4");
    ASSERT_EQ(text.status, 0) << text.text;
    EXPECT_NE(text.text.find("Curve:          4 steps over 0.3606 mm and 1.146°"), std::string::npos) << text.text;
    EXPECT_NE(text.text.find("Stop:           every step met its target"), std::string::npos);
    EXPECT_NE(text.text.find("0.000001 mm, 0.00001° at every step"), std::string::npos) << text.text;
    const std::vector<std::string> lines = Lines(text.text);
    const auto title = std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("Step", 0) == 0; });
    ASSERT_NE(title, lines.end());
    EXPECT_NE(title->find("Right M/Fx"), std::string::npos);
    EXPECT_NE((title + 1)->find("cN·mm"), std::string::npos);
    EXPECT_EQ(lines.end() - (title + 2), 4);
    EXPECT_NE((title + 5)->find("target met"), std::string::npos);
}

TEST_F(CliCurve, StopsAtTheStepThatFailsAndShowsTheTeeth) {
    // The L-shaped wire's end held in place and turned by 1.25 rad: the
    // sixteenth of twenty steps is the first beyond the strain limit.
    const std::string turned = WriteL("turned.tvk", 0, 0, 1.25);
    const TOutput csv = RunProgram(turned + " --curve 20 --format csv");
    EXPECT_EQ(csv.status, 1) << csv.text;
    const std::vector<std::string> rows = Lines(csv.text);
    ASSERT_EQ(rows.size(), 17u) << csv.text;
    EXPECT_EQ(rows[16].rfind("16,", 0), 0u);
    EXPECT_NE(rows[16].find(",overstrain"), std::string::npos) << rows[16];
    EXPECT_NE(rows[15].find(",tolerance"), std::string::npos) << rows[15];
    const TOutput text = RunProgram(turned + " --curve 20");
    EXPECT_EQ(text.status, 1);
    EXPECT_NE(text.text.find("Stop:           at step 16 of 20: Excessive activation detected!"), std::string::npos)
        << text.text;

    // The centres of resistance: columns of their own, and a table of their
    // own in the text form.
    const std::string file = WriteL("l.tvk", 0.3, -0.2);
    const TOutput cr = RunProgram(file + " --curve 2 --format csv --cr-distance 8 --roots down");
    ASSERT_EQ(cr.status, 0) << cr.text;
    const std::vector<std::string> crRows = Lines(cr.text);
    EXPECT_NE(crRows[0].find(",stop,right_cr_m_cNmm,right_cr_ratio,right_movement,left_cr_m_cNmm,left_cr_ratio,"
                             "left_movement"),
              std::string::npos)
        << crRows[0];
    EXPECT_EQ(Split(crRows[1]).size(), Split(crRows[0]).size());
    const TOutput crText = RunProgram(file + " --curve 2 --cr-distance 8");
    EXPECT_NE(crText.text.find("Centre of res.: 8.000 mm from each bracket, roots up"), std::string::npos)
        << crText.text;
    EXPECT_NE(crText.text.find("Right movement"), std::string::npos);

    // A plain activation shows the teeth below the brackets, and in JSON
    // beside each bracket's load; the ratio agrees with the loads. The L's
    // right bracket stands upright (its slot along +y), so its roots-up
    // normal is -x and the force across the tooth is -Fy.
    const TOutput plain = RunProgram(file + " --cr-distance 8 --format json");
    ASSERT_EQ(plain.status, 0) << plain.text;
    const auto right = plain.text.find("\"right\": {");
    ASSERT_NE(right, std::string::npos);
    const double fy = std::stod(JsonValue(plain.text, "y", right));
    const double m = std::stod(JsonValue(plain.text, "m", right));
    EXPECT_NEAR(std::stod(JsonValue(plain.text, "cr_ratio", right)), m / -fy / 8, 1e-6);
    EXPECT_NEAR(std::stod(JsonValue(plain.text, "cr_m", right)), m + 8 * fy, 1e-6 * std::abs(m + 8 * fy) + 1e-6);
    EXPECT_NE(JsonValue(plain.text, "movement", right), "<missing movement>");
    const TOutput plainText = RunProgram(file + " --roots down");
    EXPECT_NE(plainText.text.find("Right tooth:    Mcr "), std::string::npos) << plainText.text;
    EXPECT_NE(plainText.text.find("roots down"), std::string::npos);
    EXPECT_EQ(RunProgram(file).text.find("tooth"), std::string::npos);
}

TEST_F(CliCurve, AStraightPathHasNoTurnInAnyForm) {
    // The bracket keeps the wire end's direction; the file's six decimals
    // leave a turn far below the angle tolerance, which is no turn at all.
    const std::string file = WriteL("straight.tvk", 0.3, -0.2);
    const TOutput csv = RunProgram(file + " --curve 3 --format csv");
    ASSERT_EQ(csv.status, 0) << csv.text;
    const std::vector<std::string> rows = Lines(csv.text);
    ASSERT_EQ(rows.size(), 4u);
    const std::vector<std::string> header = Split(rows[0]);
    const auto turn = static_cast<std::size_t>(std::find(header.begin(), header.end(), "turn_deg") - header.begin());
    for (std::size_t k = 1; k < rows.size(); ++k) EXPECT_EQ(Split(rows[k])[turn], "0") << rows[k];

    const TOutput json = RunProgram(file + " --curve 3 --format json");
    for (std::size_t at = json.text.find("{\"step\""); at != std::string::npos; at = json.text.find("{\"step\"", at + 1))
        EXPECT_EQ(JsonValue(json.text, "turn_deg", at), "0");

    const TOutput text = RunProgram(file + " --curve 3");
    EXPECT_NE(text.text.find("Curve:          3 steps over 0.3606 mm and 0.000° from"), std::string::npos) << text.text;
    EXPECT_EQ(text.text.find("-0.000"), std::string::npos) << text.text;
}
