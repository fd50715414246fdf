// Protects the strain colour ramp and its failure colour.
#include <gtest/gtest.h>

#include <limits>

#include "geometry/point.h"
#include "render/strain_color.h"

namespace torvik {
namespace {

TEST(StrainColor, RampsFromBlueThroughGreenToRed) {
    const double range = ToRadians(2.0);
    EXPECT_EQ(StrainColor(0.0, range), TColor(0, 0, 255));
    EXPECT_EQ(StrainColor(ToRadians(0.5), range), TColor(0, 255, 255));
    EXPECT_EQ(StrainColor(ToRadians(1.0), range), TColor(0, 255, 0));
    EXPECT_EQ(StrainColor(ToRadians(1.5), range), TColor(255, 255, 0));
    EXPECT_EQ(StrainColor(ToRadians(2.0), range), TColor(255, 0, 0));
    EXPECT_EQ(StrainColor(ToRadians(3.0), range), TColor(255, 0, 0));
    // Between the stops: 10 % is 102 of green; 60 % has red 102 and no blue.
    EXPECT_EQ(StrainColor(0.1, 1.0), TColor(0, 102, 255));
    EXPECT_EQ(StrainColor(0.6, 1.0), TColor(102, 255, 0));
    // Beyond any integer, or undefined: black.
    EXPECT_EQ(StrainColor(1e300, 1e-300), TColor(0, 0, 0));
    EXPECT_EQ(StrainColor(std::numeric_limits<double>::quiet_NaN(), 1.0), TColor(0, 0, 0));
}

}  // namespace
}  // namespace torvik
