// Protects the template kept in a design file: its section round-trips exactly beside the design and other sections, a design without one erases it, and a section that cannot be read leaves the design readable without it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/ini_file.h"
#include "wire/design.h"
#include "wire/design_file.h"
#include "design_folder.h"

using namespace torvik;
namespace fs = std::filesystem;

namespace {

class DesignTemplateTest : public test::DesignFolderTest {
protected:
    // A short wire with a template record of awkward values.
    static std::unique_ptr<TDesign> Made() {
        auto d = std::make_unique<TDesign>(0.25, DefaultStock());
        for (int i = 0; i < 8; ++i) d->CurrentWire->AddSeg(0.25, 0.05);
        d->Template = TDesignTemplate{"t-loop", 0.1, {{"span", 14}, {"height", 7.123456789012345}, {"gable-left", -0.1}}};
        return d;
    }

};

}  // namespace

TEST_F(DesignTemplateTest, TheSectionRoundTripsBesideTheDesignAndIsErasedWithoutATemplate) {
    const std::string file = Path("a.tvk");
    {
        std::ofstream(file, std::ios::binary) << "[Wire]\r\nSegments=0\r\n[Notes]\r\nwho=me\r\n";
    }
    auto d = Made();
    SaveDesign(file, *d);
    EXPECT_FALSE(d->CurrentWire->dirty);
    const std::string text = Slurp(file);
    EXPECT_NE(text.find("[Template]\r\nForm=t-loop\r\nSegment Size=0.1\r\nspan=14\r\nheight=7.123456789012345\r\n"
                        "gable-left=-0.1\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("[Notes]\r\nwho=me"), std::string::npos);

    TDesignReadNotes notes;
    const auto back = LoadDesign(file, 0.25, DefaultStock(), &notes);
    ASSERT_TRUE(back->Template);
    EXPECT_EQ(*back->Template, *d->Template);
    EXPECT_EQ(back->CurrentWire->Count(), 9);
    EXPECT_EQ(notes.TemplateProblem, "");

    // The design read as the wire and brackets alone ignores the section.
    TDesign plain(0.25, DefaultStock());
    ReadDesign(file, *plain.CurrentWire, plain.LeftBracket, plain.RightBracket);
    EXPECT_EQ(plain.CurrentWire->Count(), 9);

    // A design bent by hand, saved over it, leaves no template behind; the
    // wire-and-brackets save keeps the file's.
    d->Template.reset();
    SaveDesign(file, *d);
    EXPECT_EQ(Slurp(file).find("[Template]"), std::string::npos);
    EXPECT_FALSE(LoadDesign(file, 0.25, DefaultStock())->Template);
    auto again = Made();
    SaveDesign(file, *again);
    SaveDesign(file, *again->CurrentWire, again->LeftBracket, again->RightBracket);
    EXPECT_TRUE(LoadDesign(file, 0.25, DefaultStock())->Template);
}

TEST_F(DesignTemplateTest, ASectionThatCannotBeReadLeavesTheDesignWithoutIt) {
    const std::string file = Path("b.tvk");
    const auto problemOf = [&](const std::string& aSection) {
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            << "[Wire]\r\nSegments=2\r\nSeg 1=0.1, 5\r\nSeg 2=0, 5\r\n" << aSection;
        TDesignReadNotes notes;
        const auto d = LoadDesign(file, 0.25, DefaultStock(), &notes);
        EXPECT_EQ(d->CurrentWire->Count(), 3);
        EXPECT_EQ(d->Template.has_value(), notes.TemplateProblem.empty());
        return notes.TemplateProblem;
    };
    EXPECT_EQ(problemOf("[Template]\r\nForm=box-loop\r\nSegment Size=0.25\r\nheight=abc\r\n"),
              "Template: height: 'abc' is not a number");
    EXPECT_EQ(problemOf("[Template]\r\nSegment Size=0.25\r\nheight=5\r\n"), "Template: the section names no form");
    EXPECT_EQ(problemOf("[Template]\r\nForm=box-loop\r\nheight=5\r\n"), "Template: the section gives no segment size");
    EXPECT_EQ(problemOf("[Template]\r\nForm=box-loop\r\nSegment Size=-1\r\n"),
              "Template: Segment Size: '-1' is not a segment size");
    EXPECT_EQ(problemOf("[Template]\r\nForm=box-loop\r\nSegment Size=0.25\r\nHEIGHT= 5 \r\n"), "");
}
