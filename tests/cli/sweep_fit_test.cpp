// Protects torvik-design --sweep and --fit: a fitted T-loop's file activates to the wanted M/F in torvik-activate, a target no value reaches exits 1 with the best design written and the miss reported, the sweep's forms carry their inputs and units and a failed step exits 1, and bad input gets one message and exit status 2.
#include "cli_test_support.h"

#include <fstream>

namespace torvik::test {
namespace {

using TSweepFitCliTest = TCliFolderTest;

TOutput Design(const std::string& args) { return RunProgram(args, TORVIK_DESIGN_EXE); }

const char* const TLoop = "t-loop --material TMA --cross-section '0.017 x 0.025' --height 13 --activation 0.5 ";

TEST_F(TSweepFitCliTest, AFittedTLoopActivatesToTheWantedRatioAtBothBrackets) {
    const std::string file = (dir / "fit.tvk").string();
    const TOutput fit = Design(std::string(TLoop) +
                               "--fit gable-left=-45:45 --fit gable-right=-45:45 --target mf_right=10 "
                               "--target mf_left=-10 --format json --out '" + file + "'");
    ASSERT_EQ(fit.status, 0) << fit.text;
    EXPECT_EQ(JsonValue(fit.text, "met"), "true");
    EXPECT_EQ(JsonValue(fit.text, "stop"), "\"met\"");
    EXPECT_EQ(JsonValue(fit.text, "written"), "true");
    EXPECT_EQ(JsonValue(fit.text, "angle"), "\"degrees\"");
    EXPECT_EQ(JsonValue(fit.text, "unit", fit.text.find("\"free\"")), "\"deg\"");
    const double found = JsonNumber(fit.text, "found", fit.text.find("\"gable-left\""));
    EXPECT_EQ(JsonNumber(fit.text, "gable_left_deg"), found);

    // torvik-activate, refining to 0.000001 mm, finds what the fit reports,
    // but for the rounding of the file (lengths to 1/2000 mm).
    const TOutput run = RunProgram("'" + file + "' --format json");
    ASSERT_EQ(run.status, 0) << run.text;
    EXPECT_EQ(JsonValue(run.text, "refined"), "true");
    EXPECT_LE(JsonNumber(run.text, "distance_mm"), 1e-6);
    const double right = JsonNumber(run.text, "m_over_f", run.text.find("\"right\""));
    const double left = JsonNumber(run.text, "m_over_f", run.text.find("\"left\""));
    EXPECT_NEAR(right, 10.0, 0.05);
    EXPECT_NEAR(left, -10.0, 0.05);
    EXPECT_NEAR(right, JsonNumber(fit.text, "reached", fit.text.find("\"mf_right\"")), 0.005);
    EXPECT_NEAR(left, JsonNumber(fit.text, "reached", fit.text.find("\"mf_left\"")), 0.005);
}

TEST_F(TSweepFitCliTest, AMissedTargetExitsOneWithTheBestDesignWritten) {
    const std::string file = (dir / "high.tvk").string();
    const TOutput fit = Design("t-loop --height 6 --fit height=4:8 --target mf_right=40 --out '" + file + "'");
    EXPECT_EQ(fit.status, 1) << fit.text;
    EXPECT_NE(fit.text.find("Result:         1 of 1 target missed\n"), std::string::npos) << fit.text;
    EXPECT_NE(fit.text.find("No further progress is possible"), std::string::npos);
    EXPECT_NE(fit.text.find("MISSED"), std::string::npos);
    EXPECT_EQ(fit.text.find("every target met"), std::string::npos);
    ASSERT_TRUE(std::filesystem::exists(file));
    const auto d = LoadDesign(file, 0.25, DefaultStock());
    ASSERT_TRUE(d->Template);
    EXPECT_EQ(d->Template->Value("height"), 8.0);

    const TOutput csv = Design("t-loop --height 6 --fit height=4:8 --target mf_right=40 --format csv --out '" +
                               file + "'");
    EXPECT_EQ(csv.status, 1);
    const std::vector<std::string> lines = Lines(csv.text);
    ASSERT_EQ(lines.size(), 3u) << csv.text;
    EXPECT_EQ(lines[0], "item,name,unit,activation_mm,wanted,tolerance,low,high,start,value,met");
    EXPECT_EQ(lines[1].substr(0, 28), "target,mf_right,mm,1,40,0.05");
    EXPECT_EQ(lines[1].substr(lines[1].size() - 6), ",false");
    EXPECT_EQ(lines[2], "parameter,height,mm,,,,4,8,6,8,");
}

TEST_F(TSweepFitCliTest, TheSweepPrintsItsStepsWithInputsAndUnits) {
    // A T-loop 8 mm high takes bends of at most 2 mm: two of five steps fail.
    const TOutput csv = Design("t-loop --sweep radius=1:3:5 --format csv");
    EXPECT_EQ(csv.status, 1) << csv.text;
    const std::vector<std::string> lines = Lines(csv.text);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].substr(0, 30), "step,radius_mm,right_fx_cN,rig");
    EXPECT_EQ(lines[3].substr(0, 6), "3,2,63");
    EXPECT_EQ(lines[5].substr(0, 16), "5,3,,,,,,,,,,,,,");
    EXPECT_NE(lines[5].find(",bad values,\"The height (8 mm) must be at least four times"), std::string::npos);

    const TOutput json = Design("t-loop --gable-left 5 --sweep gable-right=-5:5:3 --format json");
    ASSERT_EQ(json.status, 0) << json.text;
    EXPECT_EQ(JsonValue(json.text, "parameter"), "\"gable-right\"");
    EXPECT_EQ(JsonValue(json.text, "unit"), "\"deg\"");
    EXPECT_EQ(JsonValue(json.text, "gable_left_deg"), "5");
    EXPECT_EQ(JsonValue(json.text, "failed"), "0");
    EXPECT_EQ(JsonValue(json.text, "target"), "\"slot\"");
    EXPECT_EQ(JsonValue(json.text, "moment"), "\"cN·mm\"");
    EXPECT_EQ(JsonNumber(json.text, "gable_right_deg", json.text.find("\"rows\"")), -5);
    EXPECT_EQ(JsonValue(json.text, "stop", json.text.find("\"rows\"")), "\"converged\"");

    const TOutput text = Design("t-loop --sweep height=6:10:3");
    ASSERT_EQ(text.status, 0) << text.text;
    EXPECT_NE(text.text.find("Sweep:          height from 6 mm to 10 mm in 3 steps\n"), std::string::npos);
    EXPECT_NE(text.text.find("Stop:           every step was activated\n"), std::string::npos);
}

TEST_F(TSweepFitCliTest, BadSweepsAndFitsGetOneMessageAndExitStatusTwo) {
    const std::string out = "--out '" + (dir / "x.tvk").string() + "'";
    const auto refused = [&](const std::string& args, const std::string& message) {
        const TOutput o = Design(args);
        EXPECT_EQ(o.status, 2) << args;
        EXPECT_EQ(o.text, "torvik-design: " + message + "\n") << args;
    };
    refused("t-loop --sweep height=30:40:5", "--sweep: Height can be from 1 mm to 20 mm: the sweep's range must lie "
                                             "within that.");
    refused("t-loop --sweep height=6:10", "--sweep takes PARAM=FROM:TO:N, not 'height=6:10'");
    refused("t-loop --sweep height=6:10:1", "--sweep: A sweep takes from 2 to 1000 steps.");
    refused("t-loop --sweep depth=6:10:5", "--sweep: the T-Loop has no parameter 'depth'");
    refused("t-loop --sweep height=6:10:5 " + out, "--sweep prints a table and writes no design: leave out --out");
    refused("t-loop --radius 3 --sweep width=10:20:5",
            "The height (8 mm) must be at least four times the bend radius (12 mm): the feet, the shoulders and the "
            "head's round ends take that much.");
    refused("t-loop --fit height=4:8 " + out, "--fit needs at least one --target (mf_right, mf_left, f_right)");
    refused("t-loop --target mf_right=10 " + out, "--target goes with --fit");
    refused("t-loop --fit height=4:8 --target mf=10 " + out,
            "--target: unknown target 'mf' (one of mf_right, mf_left, f_right)");
    refused("t-loop --fit height=8:4 --target mf_right=10 " + out,
            "--fit: The lower bound of Height must lie below its upper bound.");
    refused("t-loop --fit height=4:8 --target mf_right@9=10 " + out,
            "--fit: The activation of a target must lie within 0 mm to 5 mm.");
    refused("t-loop --fit height=4:8 --sweep height=4:8:3 --target mf_right=10 " + out,
            "--sweep and --fit do not go together");
    refused("t-loop --format json " + out, "--format goes with --sweep or --fit");
    EXPECT_FALSE(std::filesystem::exists(dir / "x.tvk"));
}

}  // namespace
}  // namespace torvik::test
