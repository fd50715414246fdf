// Protects torvik-activate end to end: designs are opened and activated as
// the program does, the reports hold the documented fields with null for
// undefined ratios, the exit status tells met, not met and bad input apart,
// and every run is bounded.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "cli/activation_job.h"
#include "cli/options.h"
#include "cli/report.h"
#include "support/errors.h"
#include "support/ini_file.h"
#include "support/text_utils.h"
#include "wire/design_file.h"

#include "cli_test_support.h"

using namespace torvik;
using namespace torvik::cli;
namespace fs = std::filesystem;

namespace {

using test::TOutput;
using test::RunProgram;
using test::JsonValue;
using test::JsonNumber;

class CliRun : public test::TCliFolderTest {
protected:
    // A straight wire of 15 mm from the left bracket at (10, 10) with a V-bend
    // of theta at a mm; the right bracket on the left one's line at 15 mm.
    std::string WriteVBend(const std::string& name, double a, double theta) {
        TDesign d(0.25, DefaultStock());
        for (int i = 1; i < 60; ++i) d.CurrentWire->AddSeg(0.25, 0);
        d.CurrentWire->BendSeg(static_cast<int>(std::lround(a / 0.25)) - 1, theta);
        d.RightBracket.Origin()->SetXY(25, 10);
        const std::string file = (dir / name).string();
        SaveDesign(file, *d.CurrentWire, d.LeftBracket, d.RightBracket);
        return file;
    }
    std::string Write(const std::string& name, const std::string& text) {
        const std::string file = (dir / name).string();
        std::ofstream(file) << text;
        return file;
    }
};

}  // namespace

TEST_F(CliRun, SlotRunMeetsTheTargetAndReportsJson) {
    const std::string file = WriteL("l.tvk", 0.3, 0.2);
    const TOutput r = RunProgram("'" + file + "' --format json");
    ASSERT_EQ(r.status, 0) << r.text;
    const std::string& j = r.text;
    EXPECT_EQ(j.front(), '{');
    EXPECT_EQ(j.substr(j.size() - 2), "}\n");
    EXPECT_EQ(JsonValue(j, "stop"), "\"tolerance\"");
    EXPECT_EQ(JsonValue(j, "message"), "null");
    EXPECT_EQ(JsonNumber(j, "segments"), 40);
    EXPECT_GE(JsonNumber(j, "iterations"), 1);
    EXPECT_LE(JsonNumber(j, "distance_mm"), 0.1);
    EXPECT_LE(JsonNumber(j, "angle_deg"), 1);
    EXPECT_GT(JsonNumber(j, "max_strain_deg"), 0);

    const auto right = j.find("\"right\": {"), left = j.find("\"left\": {");
    ASSERT_NE(right, std::string::npos);
    ASSERT_NE(left, std::string::npos);
    const double x = JsonNumber(j, "x", right), y = JsonNumber(j, "y", right), m = JsonNumber(j, "m", right);
    EXPECT_GT(x, 0);  // pulled towards +x and +y
    EXPECT_GT(y, 0);
    EXPECT_NEAR(JsonNumber(j, "f", right), std::hypot(x, y), 1e-6 * std::hypot(x, y));
    EXPECT_NEAR(JsonNumber(j, "m_over_f", right), m / std::hypot(x, y), 1e-6);
    EXPECT_NEAR(JsonNumber(j, "m_over_fx", right), m / x, 1e-6);
    EXPECT_NEAR(JsonNumber(j, "x", left), -x, 1e-6 * std::abs(x));
    // M/Fx divides by |Fx| as the program's read-out does, so the left
    // bracket's ratio keeps the sign of its moment although its Fx is negative.
    const double leftM = JsonNumber(j, "m", left);
    EXPECT_NEAR(JsonNumber(j, "m_over_fx", left), leftM / x, 1e-6);
    EXPECT_EQ(JsonNumber(j, "m_over_fx", left) < 0, leftM < 0);
    EXPECT_EQ(j.find("nan"), std::string::npos);
    EXPECT_EQ(j.find("inf"), std::string::npos);

    // The same run as CSV: a header and one row with as many fields.
    const TOutput c = RunProgram("'" + file + "' --format csv");
    ASSERT_EQ(c.status, 0) << c.text;
    const auto nl = c.text.find('\n');
    const std::string header = c.text.substr(0, nl), row = c.text.substr(nl + 1);
    EXPECT_EQ(header.rfind("stop,message,iterations,segments,right_x,right_y,right_m,right_f,right_m_over_f,", 0), 0u);
    EXPECT_NE(header.find("left_m_over_fx,distance_mm,angle_deg,max_strain_deg"), std::string::npos);
    EXPECT_EQ(std::count(header.begin(), header.end(), ','), std::count(row.begin(), row.end(), ','));
    EXPECT_EQ(row.rfind("tolerance,,", 0), 0u);
    EXPECT_NE(row.find(",slot,"), std::string::npos) << row;
    EXPECT_EQ(JsonValue(j, "target"), "\"slot\"");
}

TEST_F(CliRun, SlidingRunGivesTheVBendCouples) {
    // A 2 degree V-bend at a tenth of the span: the bracket couples of
    // linear beam theory, 2 EI theta (2L - 3a) / L^2 at the left bracket and
    // a right-to-left ratio of 0.41, with no force along the slot.
    const std::string file = WriteVBend("v.tvk", 1.5, ToRadians(2));
    const std::string args = "'" + file + "' --target sliding --tolerance-distance 0.0001 --tolerance-angle 0.001";
    const TOutput r = RunProgram(args + " --format json");
    ASSERT_EQ(r.status, 0) << r.text;
    const std::string& j = r.text;
    EXPECT_EQ(JsonValue(j, "target"), "\"sliding\"");
    const auto right = j.find("\"right\": {"), left = j.find("\"left\": {");
    const double EI = TWireSeg(nullptr, 1, 0, 0, DefaultStock()).Stiffness(), L = 15, a = 1.5;
    const double want = 2 * EI * ToRadians(2) * (2 * L - 3 * a) / (L * L);
    EXPECT_NEAR(JsonNumber(j, "m", left), want, 0.005 * want);
    EXPECT_NEAR(JsonNumber(j, "m", right) / JsonNumber(j, "m", left), 0.41, 0.005);
    EXPECT_EQ(JsonValue(j, "x", right), "0");
    EXPECT_EQ(JsonValue(j, "x", left), "0");
    EXPECT_LE(std::abs(JsonNumber(j, "across_mm")), 0.0001);
    EXPECT_LT(JsonNumber(j, "along_mm"), 0);  // the bent wire is short of the bracket's point

    const TOutput text = RunProgram(args);
    ASSERT_EQ(text.status, 0) << text.text;
    EXPECT_NE(text.text.find("Target:         Slot (sliding), tolerances"), std::string::npos) << text.text;
    EXPECT_NE(text.text.find("In the slot:    "), std::string::npos) << text.text;
    EXPECT_NE(text.text.find("force x 0.000 cN"), std::string::npos) << text.text;
    // No force across the brackets' line: M/Fx is undefined, and has no unit.
    EXPECT_NE(text.text.find("M/Fx undefined\n"), std::string::npos) << text.text;
    const TOutput csv = RunProgram(args + " --format csv");
    EXPECT_NE(csv.text.find(",max_strain_deg,target,across_mm,along_mm,"), std::string::npos) << csv.text;
    EXPECT_NE(csv.text.find(",sliding,"), std::string::npos) << csv.text;
}

TEST(CliText, NoUnitFollowsAnUndefinedNumber) {
    // Every number of the text report undefined at once: each reads
    // "undefined" alone, never "undefined mm" or "undefined°".
    const double nan = std::nan("");
    TActivationReport r;
    r.end = TRunEnd::Tolerance;
    r.right = r.left = {nan, nan, nan};
    r.distance = r.angle = r.maxStrain = r.stoppedDistance = r.stoppedAngle = r.across = r.along = nan;
    r.refineTried = r.refined = true;
    r.rightCentre = r.leftCentre = TResistanceLoad{{}, nan, std::nullopt, TMovement::None};
    TWireStock stock = DefaultStock();
    stock.Size.CrossB = nan;
    stock.Material.Modulus = nan;
    r.stock = {TStockRun{0, 1, stock}};
    TCliOptions o;
    o.DesignFile = "d.tvk";
    o.Settings.TargetMode = TargetSlot;
    o.Settings.WireSlides = true;
    o.Settings.ToleranceDistance = o.Settings.ToleranceAngle = nan;
    o.Tooth.Distance = nan;
    const std::string text = FormatText(r, o);
    std::size_t undefined = 0;
    for (std::size_t at = text.find("undefined"); at != std::string::npos; at = text.find("undefined", at + 1)) {
        ++undefined;
        const std::string after = text.substr(at + 9, 4);
        for (const char* unit : {" mm", " cN", "°", " N/"})
            EXPECT_NE(after.rfind(unit, 0), 0u) << "undefined" << after << " in\n" << text;
    }
    EXPECT_GE(undefined, 20u) << text;
}

TEST_F(CliRun, AngleRunHasNoForceSoTheRatiosAreNull) {
    const std::string file = WriteL("turned.tvk", 0, 0, 0.05);
    const TOutput r = RunProgram("'" + file + "' --target angle --format json");
    ASSERT_EQ(r.status, 0) << r.text;
    for (const char* side : {"\"right\": {", "\"left\": {"}) {
        const auto at = r.text.find(side);
        ASSERT_NE(at, std::string::npos);
        EXPECT_EQ(JsonNumber(r.text, "f", at), 0);
        EXPECT_EQ(JsonValue(r.text, "m_over_f", at), "null");
        EXPECT_EQ(JsonValue(r.text, "m_over_fx", at), "null");
        EXPECT_NE(JsonNumber(r.text, "m", at), 0);
    }
    const TOutput csv = RunProgram("'" + file + "' --target angle --format csv");
    EXPECT_NE(csv.text.find(",,,"), std::string::npos) << csv.text;  // empty ratio fields
}

TEST_F(CliRun, RunsThatDoNotMeetTheTargetExitWithOne) {
    // Far beyond the wire's reach.
    const std::string far = WriteL("far.tvk", 40, 40);
    const TOutput r = RunProgram("'" + far + "' --format json");
    EXPECT_EQ(r.status, 1) << r.text;
    const std::string stop = JsonValue(r.text, "stop");
    EXPECT_TRUE(stop == "\"overstrain\"" || stop == "\"error\"") << r.text;
    EXPECT_NE(JsonValue(r.text, "message"), "null");

    // No automatic stop: the run ends at the iteration limit, however close.
    const std::string near = WriteL("near.tvk", 0.1, 0);
    for (const char* target : {"point", "slot"}) {
        const TOutput m = RunProgram("'" + near + "' --manual-stop --max-iterations 25 --format json --target " + target);
        EXPECT_EQ(m.status, 1) << m.text;
        EXPECT_EQ(JsonValue(m.text, "stop"), "\"max-iterations\"") << target;
        EXPECT_EQ(JsonNumber(m.text, "iterations"), 25) << target;
    }
    // The angle target is met exactly at once; the probes then shrink with
    // the steps until they no longer turn the wire, and the solve fails.
    const TOutput a = RunProgram("'" + near + "' --manual-stop --max-iterations 25 --format json --target angle");
    EXPECT_EQ(a.status, 1) << a.text;
    EXPECT_NE(JsonValue(a.text, "stop"), "\"tolerance\"");
    EXPECT_LE(JsonNumber(a.text, "iterations"), 25);
    // Tolerances of zero are never met: bounded by the iteration limit.
    const TOutput z = RunProgram("'" + near + "' --tolerance-distance 0 --tolerance-angle 0 --max-iterations 40");
    EXPECT_EQ(z.status, 1) << z.text;
    EXPECT_NE(z.text.find("Iterations:     40"), std::string::npos) << z.text;
}

TEST_F(CliRun, BadInputExitsWithTwoAndOneLine) {
    const std::string good = WriteL("good.tvk", 0.1, 0);
    const std::string broken = Write("broken.tvk", "[Wire]\nSegments=2\nSeg 1=0.000000 5.00\n");
    const std::string notDesign = Write("notes.tvk", "just some text\n");
    const std::string cases[] = {
        "'" + (dir / "missing.tvk").string() + "'",
        "'" + dir.string() + "'",  // a folder
        "'" + broken + "'",
        "'" + notDesign + "'",
        "'" + good + "' --modulus 0",
        "'" + good + "' --material Unobtainium",
        "'" + good + "' --frobnicate",
        "'" + good + "' --format",
    };
    for (const std::string& args : cases) {
        const TOutput r = RunProgram(args);
        EXPECT_EQ(r.status, 2) << args << "\n" << r.text;
        EXPECT_EQ(r.text.rfind("torvik-activate: ", 0), 0u) << r.text;
        EXPECT_EQ(std::count(r.text.begin(), r.text.end(), '\n'), 1) << r.text;
    }
    const TOutput help = RunProgram("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.text.find("Usage: torvik-activate"), std::string::npos);
}

TEST_F(CliRun, OpensDesignsWithTheChosenStockAndReportsErrors) {
    TCliOptions o = ParseOptions({WriteL("l.tvk", 0.2, 0), "--segment-size", "0.5", "--material", "Nitinol"});
    const auto d = OpenDesign(o);
    EXPECT_EQ(d->CurrentWire->Count(), 40);
    EXPECT_EQ(d->CurrentWire->Segment(0).length, 0.5);
    EXPECT_EQ(d->CurrentWire->Segment(39).material.Name, "Nitinol");
    EXPECT_EQ(d->CurrentWire->Origin(), d->LeftBracket.Origin());
    EXPECT_EQ(d->RightForce.origin, d->RightBracket.Origin());
    EXPECT_DOUBLE_EQ(d->RightBracket.Origin()->x, 15.2);

    // The text report of a failed run names the error behind it.
    TActivationReport report;
    report.end = TRunEnd::Error;
    report.message = "Error in activation!";
    report.detail = "Floating point division by zero";
    const std::string text = FormatText(report, o);
    EXPECT_NE(text.find("Error in activation! (Floating point division by zero)"), std::string::npos) << text;
    EXPECT_EQ(ExitStatus(report), 1);
    EXPECT_EQ(FormatJson(report).find("division"), std::string::npos);  // the JSON keeps to its fields
}

TEST_F(CliRun, WarnsWhenASegmentKeyIsMissingAndNamesTheBadKey) {
    // The L-shaped design with one segment key taken out: that segment is
    // read as a straight one of 0.0125 mm, which changes the result, so the
    // run says so on stderr (and still runs).
    const std::string good = WriteL("l.tvk", 0.1, 0);
    std::ifstream in(good);
    std::string text, line;
    while (std::getline(in, line))
        if (line.rfind("Seg 7=", 0) != 0) text += line + "\n";
    const std::string holed = Write("holed.tvk", text);

    const TOutput r = RunProgram("'" + holed + "'");
    EXPECT_EQ(r.text.rfind("torvik-activate: warning: " + holed +
                               ": 1 of 39 segments is missing; it was read as a straight 0.0125 mm piece.\n",
                           0),
              0u)
        << r.text;
    EXPECT_NE(r.text.find("Right bracket:"), std::string::npos) << r.text;
    EXPECT_EQ(RunProgram("'" + good + "'").text.find("warning"), std::string::npos);
    // Only stderr carries it: the report on stdout stays what it was.
    std::string json;
    const std::string command = std::string("'") + TORVIK_ACTIVATE_EXE + "' '" + holed + "' --format json 2>/dev/null";
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buf[4096];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) json.append(buf, n);
        pclose(pipe);
    }
    EXPECT_EQ(json.rfind("{", 0), 0u) << json;
    EXPECT_EQ(json.find("warning"), std::string::npos) << json;

    // A bad value: the message names the file and the key, on one line.
    const std::string bad = Write("bad.tvk", "[Wire]\nSegments=2\nSeg 1=0, 5\nSeg 2=abc, 5.00\n");
    const TOutput b = RunProgram("'" + bad + "'");
    EXPECT_EQ(b.status, 2);
    EXPECT_EQ(b.text, "torvik-activate: " + bad + ": Seg 2: 'abc' is not a valid floating point value\n");
}

TEST_F(CliRun, NamesAreShownEscapedBadBracketsRefusedAndWriteErrorsSayWhy) {
    // A name with an escape sequence and a line break, and one whose bytes
    // are not UTF-8: both open, and every line names them escaped.
    for (const std::string& name : {std::string("red\x1B[31m\nloop.tvk"), std::string("bad\xFF\xFEname.tvk")}) {
        const std::string file = WriteL(name, 0.1, 0);
        std::string text, line;
        for (std::ifstream in(file); std::getline(in, line);)
            if (line.rfind("Seg 3=", 0) != 0) text += line + "\n";
        std::ofstream(file, std::ios::trunc) << text;
        // printf hands the bytes to the program as they are.
        std::string bytes = "\"$(printf '";
        for (const char c : file) {
            char octal[8];
            std::snprintf(octal, sizeof octal, "\\%03o", static_cast<unsigned char>(c));
            bytes += octal;
        }
        const TOutput r = RunProgram(bytes + "')\"");
        const std::string shown = ShownFileName(file);
        EXPECT_EQ(r.status, 0) << r.text;
        EXPECT_EQ(r.text.find_first_of("\x1B\xFF"), std::string::npos) << r.text;
        EXPECT_EQ(r.text.rfind("torvik-activate: warning: " + shown + ": 1 of 39 segments is missing;", 0), 0u)
            << r.text;
        EXPECT_NE(r.text.find("Design:         " + shown + " (40 segments)\n"), std::string::npos) << r.text;
    }

    // A bracket key that is there but does not read is refused.
    const std::string good = WriteL("bracket.tvk", 0.1, 0);
    TIniFile ini;
    ASSERT_TRUE(ini.Load(good));
    ini.WriteString("Right Bracket", "X", "abc");
    ini.Save(good);
    const TOutput bad = RunProgram("'" + good + "'");
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.text, "torvik-activate: " + good + ": Right Bracket: X: 'abc' is not a valid floating point value\n");

    // A report that cannot be written says why.
    std::string message;
    const std::string command = std::string("'") + TORVIK_ACTIVATE_EXE + "' '" + WriteL("full.tvk", 0.1, 0) +
                                "' 2>&1 >/dev/full";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char buf[512];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) message.append(buf, n);
    const int status = pclose(pipe);
    EXPECT_EQ(WEXITSTATUS(status), 2);
    EXPECT_EQ(message, "torvik-activate: cannot write the output: " + SystemReason(ENOSPC) + "\n");
}
