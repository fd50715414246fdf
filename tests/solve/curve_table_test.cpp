// Protects the activation curve's table: the CSV and JSON forms hold one
// row per step with the columns in order, undefined values as empty fields
// and nulls, the table texts, and the right tooth's load taken about the
// bracket's point when a sliding wire's load acts beside it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "solve/curve_table.h"

using namespace torvik;

namespace {

TCurveStep Step(int k) {
    TCurveStep s;
    s.index = k;
    s.activation = 0.1 * k;
    s.right = {20.0 * k, 0, 30.0 * k};
    s.left = {-20.0 * k, 0, -50.0 * k};
    s.rightOrigin = s.rightLoadPoint = TPointReal(20, 10);
    s.leftOrigin = TPointReal(10, 10);
    s.leftDirection = Pi;
    s.maxStrain = ToRadians(0.5 * k);
    s.iterations = 12;
    s.rate = 200;
    return s;
}

std::size_t Count(const std::string& s, char c) { return static_cast<std::size_t>(std::count(s.begin(), s.end(), c)); }

}  // namespace

TEST(CurveTableTest, FilesHoldEveryStepInColumnOrder) {
    std::vector<TCurveStep> steps = {Step(1), Step(2)};
    steps[1].end = TStepEnd::Error;
    steps[1].detail = "Floating point division by zero";
    steps[1].rate.reset();
    steps[1].right = {0, 0, 5};  // no force: the ratios are undefined

    const TToothSettings tooth;
    const std::string csv = CurveCsv(steps, &tooth);
    const std::size_t header = csv.find('\n');
    const std::string first = csv.substr(0, header);
    EXPECT_EQ(Count(first, ',') + 1, CurveColumns(true).size());
    EXPECT_EQ(Count(csv, '\n'), 3u);
    const std::string row2 = csv.substr(csv.find('\n', header + 1) + 1);
    EXPECT_EQ(Count(row2, ','), Count(first, ','));
    EXPECT_EQ(row2.rfind("2,0.2,0,0,0,5,0,,,", 0), 0u) << row2;
    EXPECT_NE(row2.find(",12,error,"), std::string::npos) << row2;
    EXPECT_NE(row2.find("rotation about the centre of resistance"), std::string::npos) << row2;

    const std::string json = CurveJson(steps, nullptr);
    EXPECT_EQ(json.rfind("[\n {\"step\": 1, \"activation_mm\": 0.1, \"turn_deg\": 0, \"right_fx_cN\": 20,", 0), 0u)
        << json;
    EXPECT_NE(json.find("\"right_m_over_f_mm\": null"), std::string::npos);
    EXPECT_NE(json.find("\"rate_cN_per_mm\": null, \"iterations\": 12, \"stop\": \"error\"}"), std::string::npos);
    EXPECT_EQ(json.find("movement"), std::string::npos);  // no tooth, no centre columns
    EXPECT_EQ(CurveJson({}, nullptr), "[]\n");
    EXPECT_EQ(CurveCsv({}, nullptr).find('\n'), CurveCsv({}, nullptr).size() - 1);  // the header alone

    // Table texts: the column's decimals, "-" when undefined, the stop in words.
    const std::vector<TCurveColumn> columns = CurveColumns(false);
    const std::vector<TCurveCell> cells = CurveRow(steps[1], nullptr);
    EXPECT_EQ(CurveCellText(columns[1], cells[1]), "0.2000");
    EXPECT_EQ(CurveCellText(columns[7], cells[7]), "-");
    EXPECT_EQ(CurveCellText(columns[18], cells[18]), "Error in activation! (Floating point division by zero)");
    TCurveCell tiny{-0.0001, {}, {}};
    EXPECT_EQ(CurveCellText(columns[3], tiny), "0.000");
}

TEST(CurveTableTest, TheRightToothTakesTheLoadAboutTheBracket) {
    // A sliding wire's load acts 0.5 mm along the slot from the bracket's
    // point: its moment about the bracket is 0.5 * Fy larger.
    TCurveStep s = Step(1);
    s.right = {0, 40, 100};
    s.rightLoadPoint = TPointReal(20.5, 10);
    const TToothSettings tooth{10, TRootSide::Up};
    const TResistanceLoad r = RightCentre(s, tooth);
    const TResistanceLoad atBracket = AtCentreOfResistance(s.rightOrigin, 0, 0, 40, 100 + 0.5 * 40, tooth);
    EXPECT_DOUBLE_EQ(r.moment, atBracket.moment);
    EXPECT_EQ(r.movement, TMovement::Rotation);  // no force across the tooth
    EXPECT_EQ(r.centre, TPointReal(20, 0));
    // The left tooth: a slot along -x with the roots up; r = (M / Fx) / h.
    const TResistanceLoad l = LeftCentre(Step(1), tooth);
    EXPECT_DOUBLE_EQ(*l.ratio, -50.0 / -20.0 / 10);
    EXPECT_EQ(l.movement, TMovement::UncontrolledTipping);  // r = 0.25
    EXPECT_STREQ(RootSideName(TRootSide::Down), "down");
}
