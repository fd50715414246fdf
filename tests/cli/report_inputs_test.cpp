// Protects what torvik-activate's reports say about their inputs: the design, the wire stock with its sides in mm, the segment size, the stopping rules and the units of the numbers; and --version.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

#include "cli/activation_job.h"
#include "cli/options.h"
#include "cli/report.h"
#include "support/version.h"
#include "wire/design_file.h"

#include "cli_test_support.h"

using namespace torvik;
using namespace torvik::cli;
namespace fs = std::filesystem;

namespace {

using test::JsonValue;
using test::TOutput;

// The fields of one CSV line, quotes taken off.
std::vector<std::string> CsvFields(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

// The CSV report as column name to value; fails when header and row differ in length.
std::map<std::string, std::string> CsvRecord(const std::string& csv) {
    const auto eol = csv.find('\n');
    const std::vector<std::string> header = CsvFields(csv.substr(0, eol));
    const std::vector<std::string> row = CsvFields(csv.substr(eol + 1, csv.find('\n', eol + 1) - eol - 1));
    EXPECT_EQ(header.size(), row.size());
    std::map<std::string, std::string> record;
    for (std::size_t i = 0; i < header.size() && i < row.size(); ++i) record[header[i]] = row[i];
    return record;
}

class CliReportInputs : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("torvik_cli_inputs_test_" + std::to_string(::getpid()));
        fs::create_directories(dir);
        // A short straight wire whose end lies 0.2 mm from the right bracket.
        TDesign d(0.25, DefaultStock());
        for (int i = 1; i < 20; ++i) d.CurrentWire->AddSeg(0.25, 0);
        d.RightBracket.Origin()->SetXY(15.0, 10.2);
        file = (dir / "my \"first\", loop.tvk").string();
        SaveDesign(file, *d.CurrentWire, d.LeftBracket, d.RightBracket);
    }
    void TearDown() override { fs::remove_all(dir); }

    TActivationReport Run(const std::vector<std::string>& aArgs) {
        std::vector<std::string> args = aArgs;
        args.push_back(file);
        options = ParseOptions(args);
        TStockSources sources;
        auto design = OpenDesign(options, nullptr, &sources);
        return Activate(*design, options, sources);
    }

    fs::path dir;
    std::string file;
    TCliOptions options;
};

TEST_F(CliReportInputs, JsonAndCsvNameTheInputsAndTheirUnits) {
    const TActivationReport r = Run({"--material", "TMA", "--cross-section", "0.016 x 0.022", "--segment-size", "0.1",
                                     "--tolerance-distance", "0.05", "--tolerance-angle", "0.5", "--max-iterations",
                                     "500"});
    const std::string json = FormatJson(r);
    EXPECT_EQ(JsonValue(json, "design"), "\"" + fs::path(file).parent_path().string() + "/my \\\"first\\\", loop.tvk\"");
    EXPECT_EQ(JsonValue(json, "material"), "\"TMA\"");
    EXPECT_EQ(JsonValue(json, "modulus"), "72000");
    EXPECT_EQ(JsonValue(json, "cross_section"), "\"0.016 x 0.022\"");
    EXPECT_EQ(JsonValue(json, "cross_section_shape"), "\"rectangular\"");
    // The tables hold tenths of a mm; the report gives mm.
    EXPECT_EQ(JsonValue(json, "cross_a_mm"), "0.4064");
    EXPECT_EQ(JsonValue(json, "cross_b_mm"), "0.5588");
    EXPECT_EQ(JsonValue(json, "segment_size_mm"), "0.1");
    EXPECT_EQ(JsonValue(json, "target"), "\"slot\"");
    EXPECT_EQ(JsonValue(json, "auto_stop"), "true");
    EXPECT_EQ(JsonValue(json, "tolerance_distance_mm"), "0.05");
    EXPECT_EQ(JsonValue(json, "tolerance_angle_deg"), "0.5");
    EXPECT_EQ(JsonValue(json, "max_iterations"), "500");
    EXPECT_NE(json.find(", \"units\": {\"force\": \"cN\", \"moment\": \"cN·mm\", \"length\": \"mm\", \"angle\": "
                        "\"degrees\", \"modulus\": \"N/mm²\"}}\n"),
              std::string::npos)
        << json;

    // The same in the CSV's one row, the inputs and units after the results.
    const std::string csv = FormatCsv(r);
    auto record = CsvRecord(csv);
    EXPECT_EQ(csv.rfind("stop,message,iterations,", 0), 0u);
    EXPECT_EQ(record["design"], file);
    EXPECT_EQ(record["material"], "TMA");
    EXPECT_EQ(record["modulus"], "72000");
    EXPECT_EQ(record["cross_section"], "0.016 x 0.022");
    EXPECT_EQ(record["cross_a_mm"], "0.4064");
    EXPECT_EQ(record["cross_b_mm"], "0.5588");
    EXPECT_EQ(record["segment_size_mm"], "0.1");
    EXPECT_EQ(record["auto_stop"], "true");
    EXPECT_EQ(record["tolerance_distance_mm"], "0.05");
    EXPECT_EQ(record["tolerance_angle_deg"], "0.5");
    EXPECT_EQ(record["unit_force"], "cN");
    EXPECT_EQ(record["unit_moment"], "cN·mm");
    EXPECT_EQ(record["unit_length"], "mm");
    EXPECT_EQ(record["unit_angle"], "degrees");
    EXPECT_EQ(record["unit_modulus"], "N/mm²");

    // A round wire has no second side; a wire of its own sizes is "Other".
    const TActivationReport round = Run({"--cross-a", "4.5", "--modulus", "100000", "--manual-stop",
                                         "--max-iterations", "3"});
    const std::string roundJson = FormatJson(round);
    EXPECT_EQ(JsonValue(roundJson, "material"), "\"Other\"");
    EXPECT_EQ(JsonValue(roundJson, "cross_section"), "\"Other\"");
    EXPECT_EQ(JsonValue(roundJson, "cross_section_shape"), "\"round\"");
    EXPECT_EQ(JsonValue(roundJson, "cross_a_mm"), "0.45");
    EXPECT_EQ(JsonValue(roundJson, "cross_b_mm"), "null");
    EXPECT_EQ(JsonValue(roundJson, "auto_stop"), "false");
    EXPECT_EQ(CsvRecord(FormatCsv(round))["cross_b_mm"], "");
}

TEST_F(CliReportInputs, TextGivesTheCrossSectionInMmBesideItsName) {
    const TActivationReport round = Run({"--max-iterations", "2"});
    EXPECT_NE(FormatText(round, options).find("Wire:           Stainless Steel (E 172000 N/mm²), 0.016 (0.4064 mm round), "
                                              "from the design\n"),
              std::string::npos)
        << FormatText(round, options);
    const TActivationReport flat = Run({"--cross-section", "0.017 x 0.025", "--max-iterations", "2"});
    EXPECT_NE(FormatText(flat, options).find(", 0.017 x 0.025 (0.4318 x 0.6350 mm), material from the design, "
                                             "cross-section from the command line\n"),
              std::string::npos)
        << FormatText(flat, options);
}

TEST_F(CliReportInputs, TheStockIsTheDesignsUnlessTheCommandLineGivesIt) {
    // The design saved with a rectangular TMA wire.
    {
        TDesign d(0.25, {DefaultMaterialTable()[1], DefaultCrossSectionTable()[5]});
        for (int i = 1; i < 20; ++i) d.CurrentWire->AddSeg(0.25, 0);
        d.RightBracket.Origin()->SetXY(15.0, 10.2);
        SaveDesign(file, *d.CurrentWire, d.LeftBracket, d.RightBracket);
    }
    const TActivationReport saved = Run({"--max-iterations", "50"});
    const std::string json = FormatJson(saved);
    EXPECT_EQ(JsonValue(json, "material"), "\"TMA\"");
    EXPECT_EQ(JsonValue(json, "cross_section"), "\"0.017 x 0.025\"");
    EXPECT_EQ(JsonValue(json, "stock"), "\"TMA 0.017 x 0.025\"");
    EXPECT_EQ(JsonValue(json, "stock_source"), "\"design\"");
    EXPECT_NE(FormatText(saved, options).find("Wire:           TMA (E 72000 N/mm²), 0.017 x 0.025 (0.4318 x 0.6350 mm), "
                                              "from the design\n"),
              std::string::npos);
    // The same run with that stock given on the command line gives the same loads.
    const TActivationReport given = Run({"--max-iterations", "50", "--material", "TMA", "--cross-section", "0.017 x 0.025"});
    EXPECT_EQ(given.right.y, saved.right.y);
    EXPECT_EQ(given.right.m, saved.right.m);
    EXPECT_EQ(JsonValue(FormatJson(given), "stock_source"), "\"command line\"");

    // The modulus alone replaces the material of the whole wire and keeps
    // the design's cross-section.
    const TActivationReport stiffer = Run({"--max-iterations", "50", "--modulus", "144000"});
    const auto record = CsvRecord(FormatCsv(stiffer));
    EXPECT_EQ(record.at("material"), "Other");
    EXPECT_EQ(record.at("cross_section"), "0.017 x 0.025");
    EXPECT_EQ(record.at("stock_source"), "mixed");
    EXPECT_EQ(record.at("material_source"), "command line");
    EXPECT_EQ(record.at("cross_section_source"), "design");
    // Twice the modulus, about twice the load.
    EXPECT_GT(std::abs(stiffer.right.y), 1.5 * std::abs(saved.right.y));

    // A design without stock keys runs with the defaults and says so.
    const std::string old = (dir / "old.tvk").string();
    std::ofstream(old) << "[Wire]\nSegments=1\nSeg 1=0, 5\n";
    const TOutput out = test::RunProgram("'" + old + "' --max-iterations 1 --format csv");
    EXPECT_EQ(CsvRecord(out.text).at("stock_source"), "default") << out.text;
    EXPECT_NE(test::RunProgram("'" + old + "' --max-iterations 1").text.find(
                  "0.016 (0.4064 mm round), the default: the design names none\n"),
              std::string::npos);

    // A stock key that does not read is bad input.
    std::ofstream(old, std::ios::app) << "Cross Section=0.016\n";
    const TOutput bad = test::RunProgram("'" + old + "'");
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.text.rfind("torvik-activate: " + old + ": Wire: Cross Section: '0.016' is not a valid cross-section", 0),
              0u)
        << bad.text;
}

TEST(CliVersion, PrintsTheVersionAndNeedsNoDesign) {
    const TCliOptions o = ParseOptions({"--version"});
    EXPECT_TRUE(o.Version);
    EXPECT_EQ(VersionText(), "torvik-activate " + GetProgramVersion() + "\n");
    EXPECT_NE(UsageText().find("--version"), std::string::npos);

    FILE* pipe = popen((std::string("'") + TORVIK_ACTIVATE_EXE + "' --version 2>&1").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buf[256];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
    const int status = pclose(pipe);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(out, VersionText());
}

}  // namespace
