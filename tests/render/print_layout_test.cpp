// Protects the printed page's arithmetic: margins, offsets, graphic size, true-size mapping (life size for a template), clipping, force values and the title block's place.
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>

#include "geometry/force_moment.h"
#include "render/print_layout.h"
#include "support/numbers.h"

namespace torvik {
namespace {

// A 300-dpi printer on A4 paper (210 x 297 mm) with a 50-pixel printing offset.
TPrintMeasures Printer300() {
    TPrintMeasures m;
    m.dpiX = m.dpiY = 300;
    m.offX = m.offY = 50;
    m.physW = 2480;
    m.physH = 3508;
    m.lineHeight = 40;
    return m;
}

TEST(PrintLayout, TrueSizeAndEnlargement) {
    EXPECT_EQ(PixelsPer100Mm(300), 1181);  // 1181.10...
    EXPECT_EQ(PixelsPer100Mm(600), 2362);
    EXPECT_EQ(PixelsPer100Mm(1200), 4724);  // 4724.41...
    EXPECT_EQ(PixelsPer100Mm(127), 500);

    TPrintFields fields;
    TPrintLayout p = ComputePrintLayout(Printer300(), fields);
    EXPECT_EQ(p.unitsX, 1181);
    EXPECT_EQ(p.unitsY, 1181);
    EXPECT_DOUBLE_EQ(p.ScaleX(), 0.1181);

    // The factor multiplies the rounded pixels of 100 mm.
    fields.scaleFactor = 2;
    EXPECT_EQ(ComputePrintLayout(Printer300(), fields).unitsX, 2362);
    fields.scaleFactor = 10;
    EXPECT_EQ(ComputePrintLayout(Printer300(), fields).unitsX, 11810);
    fields.scaleFactor = 0;
    EXPECT_EQ(ComputePrintLayout(Printer300(), fields).unitsX, 1181);

    // Each axis has its own resolution.
    TPrintMeasures m = Printer300();
    m.dpiX = 600;
    fields.scaleFactor = 1;
    p = ComputePrintLayout(m, fields);
    EXPECT_EQ(p.unitsX, 2362);
    EXPECT_EQ(p.unitsY, 1181);
}

TEST(PrintLayout, MarginsAndGraphicSize) {
    TPrintFields fields;  // margins 2 cm, graphic 17 x 15 cm
    TPrintLayout p = ComputePrintLayout(Printer300(), fields);
    // 2 cm is nint(236.22) = 236 pixels from the paper's edge, 186 from the
    // printable area's.
    EXPECT_EQ(p.left, 186);
    EXPECT_EQ(p.top, 186);
    EXPECT_EQ(p.rightLimit, 2480 - 50 - 236);
    EXPECT_EQ(p.bottomLimit, 3508 - 50 - 236);
    EXPECT_EQ(p.width, 2008);   // nint(17 x 300 / 2.54) = nint(2007.87)
    EXPECT_EQ(p.height, 1772);  // nint(1771.65)
    EXPECT_EQ(p.clip, (TRect{0, 0, 186 + 2008, 186 + 1772}));

    // Margins of 0: the graphic starts at the offset from the printable
    // edge, twice the offset from the paper's edge.
    fields.top = fields.left = 0.0;
    p = ComputePrintLayout(Printer300(), fields);
    EXPECT_EQ(p.left, 50);
    EXPECT_EQ(p.top, 50);
    // A margin that is not a number counts as 0 as well.
    fields.top = fields.left = std::nullopt;
    fields.right = std::nullopt;
    p = ComputePrintLayout(Printer300(), fields);
    EXPECT_EQ(p.left, 50);
    EXPECT_EQ(p.rightLimit, 2480 - 50);

    // An empty width or height stretches the graphic to the limit, so the
    // clipping reaches left + right limit.
    fields = TPrintFields();
    fields.width = std::nullopt;
    p = ComputePrintLayout(Printer300(), fields);
    EXPECT_EQ(p.width, p.rightLimit);
    EXPECT_EQ(p.clip.Right, 186 + 2480 - 50 - 236);
    fields.height = std::nullopt;
    p = ComputePrintLayout(Printer300(), fields);
    EXPECT_EQ(p.height, p.bottomLimit);
    EXPECT_EQ(p.clip.Bottom, 186 + 3508 - 50 - 236);

    // Negative margins are raised to the offset too.
    fields.left = -5.0;
    EXPECT_EQ(ComputePrintLayout(Printer300(), fields).left, 50);
}

TEST(PrintLayout, AbsurdFieldsAreRangeErrorsThatSayWhy) {
    const auto expectRefused = [](const TPrintFields& aFields) {
        try {
            ComputePrintLayout(Printer300(), aFields);
            ADD_FAILURE() << "laid out";
        } catch (const std::range_error& e) {
            EXPECT_STREQ(e.what(), "The margins and the graphic size do not fit on any paper.");
        }
    };
    TPrintFields fields;
    fields.width = 1e12;
    expectRefused(fields);
    fields = TPrintFields();
    fields.top = -1e12;
    expectRefused(fields);
    fields = TPrintFields();
    fields.right = 1e9;  // as typed into the dialog
    expectRefused(fields);
    // Large but representable: the clip's right edge would overflow.
    fields = TPrintFields();
    fields.left = 1.5e7;
    fields.width = 1.5e7;
    expectRefused(fields);
}

TEST(PrintLayout, ForceValueBlock) {
    const TPrintLayout p = ComputePrintLayout(Printer300(), TPrintFields());
    const TForceMoment left(MakePoint(0, 0), 30, -40, 250);
    const TForceMoment right(MakePoint(0, 0), 0, 0, -12.5);
    const auto format = [](double v) { return FormatMask(v, "0.00"); };
    const std::vector<TPrintTextLine> lines = ForceValueLines(p, 40, left, right, format);

    const std::vector<std::string> expected = {
        "Left Bracket", "F(x): 30.00", "F(y): -40.00", "Moment: 250.00", "M/F: 5.00", "",
        "Right Bracket", "F(x): 0.00", "F(y): 0.00", "Moment: -12.50", "M/F: Undefined"};
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].text, expected[i]);
        EXPECT_EQ(lines[i].x, p.left);
        // One line height below the graphic, then a line height apart.
        EXPECT_EQ(lines[i].y, p.top + p.height + 40 * static_cast<int>(i + 1));
    }

    // The numbers are written by the caller's formatter (the user's locale).
    const auto comma = [](double v) {
        std::string s = FormatMask(v, "0.00");
        for (char& c : s)
            if (c == '.') c = ',';
        return s;
    };
    EXPECT_EQ(ForceValueLines(p, 40, left, right, comma)[4].text, "M/F: 5,00");

    // The title block follows after one empty line, or takes the values'
    // place when they are not printed.
    EXPECT_EQ(TitleBlockTop(p, 40, lines, 280), lines.back().y + 80);
    EXPECT_EQ(TitleBlockTop(p, 40, {}, 280), p.top + p.height + 40);
    // A block that would end beyond any paper is refused before printing.
    TPrintLayout far = p;
    far.height = INT32_MAX - p.top - 100;
    EXPECT_THROW(TitleBlockTop(far, 40, {}, 280), std::range_error);
}

TEST(PrintLayout, ATemplateIsPrintedAtLifeSize) {
    TPrintOptions options;
    options.fields.scaleFactor = 3;
    EXPECT_EQ(PrintedFields(options).scaleFactor, 3);
    options.passiveWire = true;
    EXPECT_EQ(PrintedFields(options).scaleFactor, 1);
    EXPECT_EQ(ComputePrintLayout(Printer300(), PrintedFields(options)).unitsX, 1181);
}

}  // namespace
}  // namespace torvik
