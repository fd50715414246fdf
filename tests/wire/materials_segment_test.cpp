// Protects the material and cross-section tables, their settings text, and
// the cantilever mechanics of a single segment.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/errors.h"
#include "wire/materials.h"
#include "wire/wire_seg.h"

using namespace torvik;

TEST(MaterialsTest, TextFormsOfTheBuiltInTables) {
    const char* materials[] = {"Stainless Steel, 172000", "TMA, 72000", "Nitinol, 45000", "Elgiloy, 206000",
                               "Other, 100000"};
    const char* sizes[] = {"0.016, 4.064 x 0.000", "0.018, 4.572 x 0.000", "0.014, 3.556 x 0.000",
                           "0.016 x 0.016, 4.064 x 4.064", "0.016 x 0.022, 4.064 x 5.588",
                           "0.017 x 0.025, 4.318 x 6.350", "0.010 x 0.021, 2.500 x 5.300", "Other, 4.000 x 4.000"};
    const auto mt = DefaultMaterialTable();
    const auto ct = DefaultCrossSectionTable();
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(MaterialText(mt[i]), materials[i]);
        EXPECT_EQ(ParseMaterialText(materials[i]), mt[i]);
    }
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(CrossSectionText(ct[i]), sizes[i]);
        EXPECT_EQ(ParseCrossSectionText(sizes[i]), ct[i]);
    }
}

TEST(MaterialsTest, MalformedTextsFallBack) {
    EXPECT_EQ(ParseMaterialText("Gold, lots"), (TWireMaterial{100000, "Gold"}));
    // Without ", " the name is empty and the rest after the first character is read.
    EXPECT_EQ(ParseMaterialText("X5000"), (TWireMaterial{5000, ""}));
    EXPECT_EQ(ParseMaterialText(""), (TWireMaterial{100000, ""}));
    EXPECT_EQ(ParseCrossSectionText("Odd, 3,5 x 2.0"), (TWireSize{4, 2, "Odd"}));
    EXPECT_EQ(ParseCrossSectionText("Odd, 3.5"), (TWireSize{3.5, 4, "Odd"}));
    EXPECT_EQ(ParseCrossSectionText("Odd,  3.5  x  1e999 "), (TWireSize{3.5, 4, "Odd"}));
}

TEST(MaterialsTest, SelectionByNameTakesTheLastMatchOrEntryZero) {
    auto mt = DefaultMaterialTable();
    EXPECT_EQ(SelectMaterial(mt, "TMA").Modulus, 72000);
    EXPECT_EQ(SelectMaterial(mt, "tma").Name, "Stainless Steel");
    mt[4].Name = "TMA";
    mt[4].Modulus = 1;
    EXPECT_EQ(SelectMaterial(mt, "TMA").Modulus, 1);
    EXPECT_EQ(SelectCrossSection(DefaultCrossSectionTable(), "nothing").Name, "0.016");
}

TEST(WireSegTest, SecondMomentsOfArea) {
    const double expected[] = {1.339013e-3, 2.144839e-3, 7.849047e-4, 2.273179e-3,
                               3.125621e-3, 4.260302e-3, 6.901042e-4, 2.133333e-3};
    const auto ct = DefaultCrossSectionTable();
    for (int i = 0; i < 8; ++i) {
        TWireSeg s(nullptr, 1, 0, 0, TWireStock{DefaultMaterialTable()[0], ct[i]});
        EXPECT_NEAR(s.MomentInertia(), expected[i], expected[i] * 1e-6) << ct[i].Name;
    }
    // Only CrossA is cubed: swapping the sides changes the stiffness.
    TWireSeg swapped(nullptr, 1, 0, 0, TWireStock{DefaultMaterialTable()[0], {5.588, 4.064, "swapped"}});
    EXPECT_NEAR(swapped.MomentInertia(), 5.909376e-3, 1e-9);
}

TEST(WireSegTest, CornerAndEndDirection) {
    TWireSeg s(MakePoint(1, 1), 2, -0.5, 0, DefaultStock());
    EXPECT_EQ(s.Corner(), TPointReal(3, 1));
    EXPECT_DOUBLE_EQ(s.EndDirection(), 2 * Pi - 0.5);
    TWireSeg up(MakePoint(0, 0), 1, 0, Pi / 2, DefaultStock());
    up.deflection = 0.1;  // the normal of direction pi/2 is (-1, 0)
    EXPECT_NEAR(up.Corner().x, -0.1, 1e-15);
    EXPECT_NEAR(up.Corner().y, 1, 1e-15);
    EXPECT_TRUE(s.Contains(3, 1));
    EXPECT_TRUE(s.Contains(12, -8));
    EXPECT_FALSE(s.Contains(14, 1));
}

TEST(WireSegTest, DeformFollowsTheCantileverFormulas) {
    TWireSeg s(MakePoint(0, 0), 0.25, 0, 0, DefaultStock());
    const double ei = s.Stiffness();
    EXPECT_NEAR(ei, 23031.02, 0.01);
    const TPointReal tip(0.25, 0);
    s.Deform(tip, 0, 0, -100);
    EXPECT_NEAR(s.dAngle, -1.0855e-3, 1e-7);
    EXPECT_NEAR(s.deflection, -1.357e-4, 1e-7);
    s.Deform(tip, 0, 0, 100);
    EXPECT_NEAR(s.dAngle, 1.0855e-3, 1e-7);

    // A force along +y at the far end bends the end towards +y.
    s.Deform(tip, 0, 0, 0);
    EXPECT_EQ(s.dAngle, 0);
    EXPECT_EQ(s.deflection, 0);
    s.Deform(tip, 0, 10, 0);
    EXPECT_NEAR(s.dAngle, 10 * 0.25 * 0.25 / (2 * ei), 1e-15);
    EXPECT_NEAR(s.deflection, 10 * 0.25 * 0.25 * 0.25 / (3 * ei), 1e-15);
}

TEST(WireSegTest, ZeroStiffnessThrowsInsteadOfProducingInfinities) {
    const auto errorText = [](TWireSeg& seg, const TPointReal& target, double fy) {
        try {
            seg.Deform(target, 0, fy, 0);
        } catch (const TArithmeticError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    TWireStock stock = DefaultStock();
    stock.Material.Modulus = 0;
    TWireSeg s(MakePoint(0, 0), 0.25, 0, 0, stock);
    // The error names what went wrong: a zero stiffness divides by zero, an
    // absurd load overflows.
    EXPECT_EQ(errorText(s, {0.25, 0}, 10), "Floating point division by zero");
    EXPECT_EQ(errorText(s, {0.25, 0}, 0), "Floating point division by zero");
    EXPECT_EQ(s.dAngle, 0);
    EXPECT_EQ(s.deflection, 0);
    TWireSeg t(MakePoint(0, 0), 0.25, 0, 0, DefaultStock());
    EXPECT_EQ(errorText(t, {1e10, 0}, 1e308), "Floating point overflow");
    EXPECT_EQ(t.dAngle, 0);
}
