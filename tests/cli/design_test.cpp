// Protects torvik-design: a written loop is the template's design, with its template, and torvik-activate runs it to its target; bad input gets one message and exit status 2 and writes nothing; the lists of forms and parameters.
#include "cli_test_support.h"

#include <fstream>

#include "solve/loop_template.h"

namespace torvik::test {
namespace {

using TDesignCliTest = TCliFolderTest;

TOutput Design(const std::string& args) { return RunProgram(args, TORVIK_DESIGN_EXE); }

TEST_F(TDesignCliTest, WritesTheTemplatesDesignThatTorvikActivateRuns) {
    const std::string file = (dir / "t.tvk").string();
    const TOutput made = Design("t-loop --height 9 --gable-left=10 --gable-right 10 --activation 0.5 --material TMA "
                                "--cross-section '0.017 x 0.025' --segment-size 0.2 --out '" + file + "'");
    ASSERT_EQ(made.status, 0) << made.text;
    EXPECT_NE(made.text.find("T-Loop"), std::string::npos) << made.text;

    // The file holds the design the template makes, and the template.
    TWireStock tma{DefaultMaterialTable()[1], DefaultCrossSectionTable()[5]};
    const auto d = LoadDesign(file, 0.2, tma);
    ASSERT_TRUE(d->Template);
    EXPECT_EQ(d->Template->Form, "t-loop");
    EXPECT_EQ(d->Template->Value("height"), 9.0);
    EXPECT_EQ(d->Template->Value("gable-left"), 10.0);
    EXPECT_EQ(d->Template->SegmentSize, 0.2);
    EXPECT_TRUE(MatchesTemplate(*d));

    // It runs in the stock it was written with.
    const TOutput run = RunProgram("'" + file + "' --segment-size 0.2 --format json");
    ASSERT_EQ(run.status, 0) << run.text;
    EXPECT_EQ(JsonValue(run.text, "material"), "\"TMA\"");
    EXPECT_EQ(JsonValue(run.text, "cross_section"), "\"0.017 x 0.025\"");
    EXPECT_EQ(JsonValue(run.text, "stop"), "\"tolerance\"");
    EXPECT_EQ(JsonNumber(run.text, "segments"), d->CurrentWire->Count());
    // The wire end is pulled open towards the right bracket.
    EXPECT_GT(JsonNumber(run.text, "x", run.text.find("\"right\"")), 0);
}

TEST_F(TDesignCliTest, BadInputGetsOneMessageAndExitStatusTwo) {
    const std::string out = "--out '" + (dir / "x.tvk").string() + "'";
    const auto refused = [&](const std::string& args, const std::string& message) {
        const TOutput o = Design(args);
        EXPECT_EQ(o.status, 2) << args;
        EXPECT_EQ(o.text, "torvik-design: " + message + "\n") << args;
    };
    refused("t-loop --height 3 " + out,
            "The height (3 mm) must be at least four times the bend radius (4 mm): the feet, the shoulders and the "
            "head's round ends take that much.");
    refused("box-loop --span 5 " + out,
            "The loop does not fit the span: its left arm would be 0 mm long, and each arm needs at least 1 mm. "
            "Lengthen the span or move the loop to the right.");
    refused("box-loop --height nan " + out, "--height: 'nan' is not a number");
    refused("box-loop --height 30 " + out, "Height must be between 1 mm and 20 mm.");
    refused("omega-loop " + out, "unknown form 'omega-loop' (one of vertical-loop, t-loop, teardrop-loop, l-loop, box-loop)");
    refused("box-loop --gap 1 " + out,
            "unknown option --gap: the Box Loop's parameters are --span, --offset, --height, --width, --radius, "
            "--gable-left, --gable-right, --end-bend-left, --end-bend-right, --activation");
    refused("box-loop --width 3 --width 4 " + out, "--width is given twice");
    refused("box-loop", "no design file to write (--out FILE.tvk)");
    refused("box-loop --segment-size 2 " + out, "The segment size must be between 0.01 mm and 1 mm for a loop template.");
    refused("--height 5", "no form given (try --list or --help)");
    EXPECT_FALSE(std::filesystem::exists(dir / "x.tvk"));

    // A file that is no design is not written over.
    const std::string notes = (dir / "notes.txt").string();
    std::ofstream(notes) << "Patient A: try a T-loop\n";
    refused("box-loop --out '" + notes + "'", notes + " is there and is not a Torvik design; it is left as it is");
    std::ifstream in(notes);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "Patient A: try a T-loop");
}

TEST_F(TDesignCliTest, ListsTheFormsAndAFormsParameters) {
    const TOutput list = Design("--list");
    ASSERT_EQ(list.status, 0);
    EXPECT_EQ(Lines(list.text).size(), LoopForms().size());
    for (const TLoopForm* form : LoopForms()) EXPECT_NE(list.text.find(form->Name()), std::string::npos);

    const TOutput help = Design("teardrop-loop --help");
    ASSERT_EQ(help.status, 0);
    EXPECT_NE(help.text.find("  --gap MM  (0 to 10 mm, default 1)\n"), std::string::npos) << help.text;
    EXPECT_NE(help.text.find("  --gable-left DEG  (-45 to 45 degrees, default 0)\n"), std::string::npos);
    const TOutput usage = Design("--help");
    ASSERT_EQ(usage.status, 0);
    EXPECT_EQ(usage.text.rfind("Usage: torvik-design FORM", 0), 0u);
    EXPECT_EQ(Design("--version").text.rfind("torvik-design ", 0), 0u);
}

}  // namespace
}  // namespace torvik::test
