// Protects the refinement of torvik-activate's loads: on by default, to full engagement, the stopped run's distance and angle reported beside the refined ones; --no-refine gives the classic run's numbers exactly; a refinement that fails keeps the stopped run's loads, warns and exits with 0.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "cli/activation_job.h"
#include "cli/options.h"
#include "wire/activation_run.h"

#include "../wire/mechanics_test_support.h"
#include "cli_test_support.h"

using namespace torvik;
using namespace torvik::cli;

namespace {

using test::JsonNumber;
using test::JsonValue;
using test::RunProgram;
using test::TOutput;

class CliRefine : public test::TCliFolderTest {};

// |F| and M of a report's bracket, from its JSON.
std::pair<double, double> Right(const std::string& aJson) {
    const auto at = aJson.find("\"right\": {");
    return {JsonNumber(aJson, "f", at), JsonNumber(aJson, "m", at)};
}

}  // namespace

TEST_F(CliRefine, RefinesByDefaultAndNoRefineGivesTheClassicRun) {
    const std::string file = WriteL("l.tvk", 0.3, 0.2);

    // --no-refine: the classic run's numbers, bit for bit.
    TCliOptions o = ParseOptions({file, "--no-refine"});
    EXPECT_FALSE(o.Settings.RefineLoads);
    const auto d = OpenDesign(o);
    const TActivationReport plain = Activate(*d, o);
    const auto classic = OpenDesign(o);
    ASSERT_EQ(test::RunToStop(*classic, o.Settings), TStopReason::Tolerance);
    EXPECT_EQ(plain.right.x, classic->RightForce.x);
    EXPECT_EQ(plain.right.y, classic->RightForce.y);
    EXPECT_EQ(plain.right.m, classic->RightForce.m);
    EXPECT_EQ(plain.left.m, classic->LeftForce.m);
    EXPECT_FALSE(plain.refineTried);
    EXPECT_EQ(plain.stoppedDistance, plain.distance);

    const TOutput off = RunProgram("'" + file + "' --no-refine --format json");
    ASSERT_EQ(off.status, 0) << off.text;
    EXPECT_EQ(JsonValue(off.text, "refined"), "false");
    EXPECT_EQ(JsonValue(off.text, "refine"), "false");
    EXPECT_EQ(JsonValue(off.text, "refine_message"), "null");
    EXPECT_EQ(JsonValue(off.text, "stopped_distance_mm"), JsonValue(off.text, "distance_mm"));

    // By default: the stopped run refined to full engagement, that is to the
    // loads of a run to a micrometre, and where the run stopped beside it.
    const TOutput on = RunProgram("'" + file + "' --format json");
    ASSERT_EQ(on.status, 0) << on.text;
    EXPECT_EQ(JsonValue(on.text, "refined"), "true");
    EXPECT_EQ(JsonValue(on.text, "refine"), "true");
    EXPECT_GE(JsonNumber(on.text, "refine_iterations"), 1);
    EXPECT_EQ(JsonValue(on.text, "iterations"), JsonValue(off.text, "iterations"));
    EXPECT_EQ(JsonValue(on.text, "stopped_distance_mm"), JsonValue(off.text, "distance_mm"));
    EXPECT_EQ(JsonValue(on.text, "stopped_angle_deg"), JsonValue(off.text, "angle_deg"));
    EXPECT_LE(JsonNumber(on.text, "distance_mm"), 1e-6);
    const TOutput tight =
        RunProgram("'" + file + "' --no-refine --tolerance-distance 0.000001 --tolerance-angle 0.00001 --format json");
    ASSERT_EQ(tight.status, 0) << tight.text;
    const auto [force, moment] = Right(on.text);
    EXPECT_NEAR(force, Right(tight.text).first, 5e-4 * force);
    EXPECT_NEAR(moment, Right(tight.text).second, 5e-4 * std::abs(moment));
    EXPECT_GT(force, 1.02 * Right(off.text).first);
    const TOutput csv = RunProgram("'" + file + "' --format csv");
    EXPECT_NE(csv.text.find(",along_mm,refined,refine_iterations,refine_message,stopped_distance_mm,stopped_angle_deg,"),
              std::string::npos)
        << csv.text;

    // The text says so; with --no-refine it is the classic report.
    const TOutput text = RunProgram("'" + file + "'");
    EXPECT_NE(text.text.find("Refined:        to full engagement in "), std::string::npos) << text.text;
    EXPECT_NE(text.text.find(" mm (run stopped at 0.0"), std::string::npos) << text.text;
    const TOutput classicText = RunProgram("'" + file + "' --no-refine");
    EXPECT_EQ(classicText.text.find("Refined"), std::string::npos) << classicText.text;
    EXPECT_EQ(classicText.text.find("run stopped at"), std::string::npos) << classicText.text;

    // A curve is solved to full engagement anyway.
    EXPECT_EQ(RunProgram("'" + file + "' --curve 3 --no-refine").status, 2);
}

TEST_F(CliRefine, ARefinementThatFailsKeepsTheStoppedRunAndWarns) {
    // The L-shaped wire's end turned by 1.25 rad: generous tolerances let
    // the run stop at once, but full engagement would overstrain the wire.
    const std::string file = WriteL("turned.tvk", 0, 0, 1.25);
    const std::string args = "'" + file + "' --tolerance-distance 5 --tolerance-angle 80";
    const TOutput r = RunProgram(args + " --format json");
    EXPECT_EQ(r.status, 0) << r.text;
    EXPECT_EQ(r.text.rfind("torvik-activate: warning: the loads are not refined (a segment would be bent by more "
                           "than 10°); they are those of the stopped run\n",
                           0),
              0u)
        << r.text;
    EXPECT_EQ(JsonValue(r.text, "stop"), "\"tolerance\"");
    EXPECT_EQ(JsonValue(r.text, "refined"), "false");
    EXPECT_EQ(JsonValue(r.text, "refine_message"), "\"a segment would be bent by more than 10°\"");
    EXPECT_EQ(JsonValue(r.text, "distance_mm"), JsonValue(r.text, "stopped_distance_mm"));
    const TOutput plain = RunProgram(args + " --no-refine --format json");
    EXPECT_EQ(Right(r.text), Right(plain.text));
    EXPECT_NE(RunProgram(args).text.find("Refined:        no, the loads are those of the stopped run (a segment"),
              std::string::npos);
}
