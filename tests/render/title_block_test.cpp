// Protects the title block: its rows name the design's file, wire, target with its loads' engagement, activation, units and date, and it is laid out in a frame with labels and values in columns, a long file name shortened to the width given.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "render/recording_canvas.h"
#include "render/title_block.h"
#include "render/view_mapping.h"
#include "wire/activation_run.h"
#include "wire/design.h"
#include "wire/wire_stock.h"

namespace torvik {
namespace {

std::string Mm(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    return buf;
}

// A straight wire of 10 mm from the left bracket at (10, 10); the right
// bracket 1.25 mm beyond its end.
class TitleBlock : public ::testing::Test {
protected:
    TDesign d{0.25, DefaultStock()};
    TActivationSettings settings;

    void SetUp() override {
        for (int i = 1; i < 40; ++i) d.CurrentWire->AddSeg(0.25, 0);
        d.RightBracket.Origin()->SetXY(21.25, 10);
    }
    std::vector<TTitleRow> Rows(const TFileName& aFile = TFileName()) {
        return TitleRows(d, aFile, settings, "2031-04-05", Mm);
    }
    static std::vector<std::string> Texts(const std::vector<TTitleRow>& aRows) {
        std::vector<std::string> texts;
        for (const TTitleRow& row : aRows) texts.push_back(row.label + " " + row.value);
        return texts;
    }
};

TEST_F(TitleBlock, RowsNameTheDesignWireActivationUnitsAndDate) {
    EXPECT_EQ(Texts(Rows()), (std::vector<std::string>{
                                 "Design: Untitled",
                                 "Wire: Stainless Steel 0.016",
                                 "Target: Slot, no load",
                                 "Activation: 1.25 mm from the wire end as bent to the right bracket",
                                 "Units: forces in cN, moments in cN\u00B7mm, M/F and M/Fx in mm",
                                 "Date: 2031-04-05",
                             }));
    // A saved design: its file, as the system names it, shown when drawn.
    const std::vector<TTitleRow> saved = Rows(TFileName("/home/ann/Loops/Closing\nLoop.tvk"));
    EXPECT_EQ(saved[0].value, "/home/ann/Loops/Closing\nLoop.tvk");
    EXPECT_TRUE(saved[0].fileName);
    // A load that leaves the wire end off the slot's line.
    settings.WireSlides = true;
    d.RightForce.y = 5;
    d.RightBracket.Origin()->SetXY(21.25, 11);
    EXPECT_EQ(Rows()[2].value, "Slot (sliding), loads that do not meet the right bracket");

    // A mixed wire: its runs while they are few, else how many.
    const TWireStock other{DefaultMaterialTable()[1], DefaultCrossSectionTable()[2]};
    d.CurrentWire->Segment(0).material = other.Material;
    d.CurrentWire->Segment(0).size = other.Size;
    std::vector<TTitleRow> rows = Rows();
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(rows[1].label + rows[1].value, "Wire:mixed");
    EXPECT_EQ(rows[2].label + rows[2].value, "segment 0: " + StockCaption(other));
    EXPECT_EQ(rows[3].label + rows[3].value, "segments 1\u201339: Stainless Steel 0.016");
    d.CurrentWire->Segment(10).material = other.Material;
    d.CurrentWire->Segment(10).size = other.Size;
    rows = Rows();
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[1].value, "mixed, 4 runs of segments");
}

TEST_F(TitleBlock, LaidOutInAFrameWithLabelsAndValuesInColumns) {
    TRecordingCanvas canvas;  // 8 x 16 units a character
    const std::vector<TTitleRow> rows = {{"Design:", "/a/b.tvk", true}, {"Activation:", "1 mm"}, {"", "go on"}};
    const TRect frame = DrawTitleBlock(canvas, rows, 100, 200, 20, 1000);
    // Half a line height around the text; values a line height right of
    // the widest label (11 characters).
    const int valueX = 100 + 10 + 88 + 20;
    EXPECT_EQ(frame, (TRect{100, 200, valueX + 64 + 10, 200 + 3 * 20 + 20}));
    EXPECT_EQ(TitleBlockHeight(3, 20), 80);
    const std::vector<TRecordedOp> boxes = canvas.ofKind(TOpKind::Rectangle);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].points, (std::vector<TPoint>{{100, 200}, {frame.Right, frame.Bottom}}));
    EXPECT_EQ(boxes[0].pen.color, colors::Black);
    EXPECT_EQ(boxes[0].brush.style, TBrushStyle::Clear);
    std::vector<std::string> drawn;
    for (const TRecordedOp& op : canvas.ofKind(TOpKind::Text))
        drawn.push_back(std::to_string(op.points[0].X) + "," + std::to_string(op.points[0].Y) + " " + op.text);
    EXPECT_EQ(drawn, (std::vector<std::string>{"110,210 Design:", std::to_string(valueX) + ",210 /a/b.tvk",
                                               "110,230 Activation:", std::to_string(valueX) + ",230 1 mm",
                                               std::to_string(valueX) + ",250 go on"}));

    // A file name wider than the block may be is shortened in the middle,
    // escaped, to fit; other values stay whole.
    canvas.clear();
    const std::string name = "/home/ann/" + std::string(60, 'x') + "/\x1B" + "Closing Loop.tvk";
    const TRect narrow = DrawTitleBlock(canvas, {{"Design:", name, true}, {"Units:", "mm"}}, 0, 0, 20, 400);
    EXPECT_LE(narrow.Right, 400);
    const std::string shown = canvas.ofKind(TOpKind::Text)[1].text;
    EXPECT_NE(shown.find("\u2026"), std::string::npos) << shown;
    EXPECT_EQ(shown.substr(shown.size() - 20), "\\x1BClosing Loop.tvk");
    EXPECT_EQ(shown.rfind("/home/", 0), 0u) << shown;

    // In a picture: below the 100 mm design area, which grows by whole
    // millimetres to hold it.
    EXPECT_EQ(PictureHeight(0), WorldExtent);
    EXPECT_EQ(PictureHeight(6), 12500);  // 10000 + 2 x 200 + 6 x 300 + 300
    canvas.clear();
    const TRect below = DrawPictureTitle(canvas, Rows());
    EXPECT_EQ(below.Left, 0);
    EXPECT_EQ(below.Top, WorldExtent + PictureTitleGap);
    EXPECT_EQ(below.Bottom, WorldExtent + PictureTitleGap + TitleBlockHeight(6, PictureTitleLineHeight));
}

}  // namespace
}  // namespace torvik
