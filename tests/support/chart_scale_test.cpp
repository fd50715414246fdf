#include "support/chart_scale.h"

#include <gtest/gtest.h>

#include <cmath>

namespace torvik {
namespace {

bool IsRound(double aStep) {
    const double power = std::pow(10.0, std::floor(std::log10(aStep)));
    const double m = aStep / power;
    for (const double r : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (std::abs(m - r) < 1e-9) return true;
    return false;
}

TEST(ChartScaleTest, RoundStepsAreTheNextRoundNumberUp) {
    EXPECT_DOUBLE_EQ(RoundStepUp(1), 1);
    EXPECT_DOUBLE_EQ(RoundStepUp(1.01), 2);
    EXPECT_DOUBLE_EQ(RoundStepUp(2.2), 2.5);
    EXPECT_DOUBLE_EQ(RoundStepUp(3), 5);
    EXPECT_DOUBLE_EQ(RoundStepUp(7), 10);
    EXPECT_DOUBLE_EQ(RoundStepUp(0.03), 0.05);
    EXPECT_DOUBLE_EQ(RoundStepUp(25), 25);
    EXPECT_DOUBLE_EQ(RoundStepUp(0), 1);
    EXPECT_DOUBLE_EQ(RoundStepUp(std::nan("")), 1);
}

TEST(ChartScaleTest, ZeroSitsOnTheSameTickOfEveryAxisAndEachAxisHoldsItsSeries) {
    // Force all above zero, moment from well below to above, and a ratio
    // only below: the closing loop's left bracket looks like this.
    const std::vector<TDataExtent> extents = {{0, 83.3}, {-214.6, 30}, {-2.9, -1.4}};
    const TAlignedScales aligned = AlignedScales(extents);
    const std::vector<TAxisScale>& scales = aligned.axes;
    const int n = aligned.intervals;
    EXPECT_GE(n, 4);
    EXPECT_LE(n, 6);
    ASSERT_EQ(scales.size(), 3u);
    const double zeroTick = -scales[0].min / scales[0].step;
    for (size_t i = 0; i < scales.size(); ++i) {
        const TAxisScale& s = scales[i];
        EXPECT_TRUE(IsRound(s.step)) << i;
        EXPECT_NEAR((s.max - s.min) / s.step, n, 1e-9) << i;
        EXPECT_NEAR(-s.min / s.step, zeroTick, 1e-9) << i;
        EXPECT_LE(s.min, std::min(extents[i].lo, 0.0)) << i;
        EXPECT_GE(s.max, std::max(extents[i].hi, 0.0)) << i;
    }
    EXPECT_GT(zeroTick, 0);
    EXPECT_LT(zeroTick, n);
    // A force above zero and a moment below it share the height: neither is
    // squeezed into one interval.
    const TAlignedScales apart = AlignedScales({{0, 83.3}, {-214.6, 0}});
    EXPECT_GE(83.3 / apart.axes[0].max, 0.3);
    EXPECT_GE(214.6 / -apart.axes[1].min, 0.3);

    // All positive: zero at the bottom, and no axis wider than it must be.
    // Six intervals fit these best: 0 to 120, 150 and 1.5.
    const TAlignedScales up = AlignedScales({{0, 100}, {10, 140}, {1.4, 1.46}});
    EXPECT_EQ(up.intervals, 6);
    for (const TAxisScale& s : up.axes) EXPECT_EQ(s.min, 0);
    EXPECT_EQ(up.axes[0].max, 120);
    EXPECT_EQ(up.axes[1].max, 150);
    EXPECT_EQ(up.axes[2].max, 1.5);

    // Nothing to draw, and values no number holds.
    const TAlignedScales empty = AlignedScales({{0, 0}, {std::nan(""), INFINITY}}, 4, 4);
    for (const TAxisScale& s : empty.axes) {
        EXPECT_EQ(s.min, 0);
        EXPECT_EQ(s.max, 4);
    }
    EXPECT_TRUE(AlignedScales({}).axes.empty());
}

}  // namespace
}  // namespace torvik
