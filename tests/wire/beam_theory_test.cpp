// Protects the wire's mechanics against beam theory: a straight cantilever
// loaded at its tip deflects and turns as the textbook formulas say.
#include <gtest/gtest.h>

#include <cmath>

#include "wire/design.h"

using namespace torvik;

namespace {

struct Cantilever {
    TDesign design;
    double L;
    double EI;
    TPointReal tip;

    Cantilever(const TWireSize& size, int segments) : design(0.25, TWireStock{DefaultMaterialTable()[0], size}) {
        for (int i = 1; i < segments; ++i) design.CurrentWire->AddSeg(0.25, 0);
        L = design.CurrentWire->TotalLength();
        EI = design.CurrentWire->Segment(0).Stiffness();
        tip = design.CurrentWire->Corner();
    }
    // Tip displacement across the wire (+y) and rotation under the load.
    std::pair<double, double> Load(double Fy, double Mom) {
        TWire& w = *design.CurrentWire;
        w.Deform(tip, 0, Fy, Mom);
        return {w.Corner().y - tip.y, w.EndDirection()};
    }
};

void CheckCantilever(const TWireSize& size) {
    SCOPED_TRACE(size.Name);
    Cantilever c(size, 40);  // 10 mm
    ASSERT_NEAR(c.L, 10, 1e-12);
    // A transverse force small enough for linear theory.
    const double F = 1e-3 * c.EI / (c.L * c.L);
    auto [w, phi] = c.Load(F, 0);
    EXPECT_NEAR(w, F * std::pow(c.L, 3) / (3 * c.EI), 0.005 * F * std::pow(c.L, 3) / (3 * c.EI));
    EXPECT_NEAR(phi, F * c.L * c.L / (2 * c.EI), 0.005 * F * c.L * c.L / (2 * c.EI));

    const double M = 1e-3 * c.EI / c.L;
    std::tie(w, phi) = c.Load(0, M);
    EXPECT_NEAR(w, M * c.L * c.L / (2 * c.EI), 0.005 * M * c.L * c.L / (2 * c.EI));
    EXPECT_NEAR(phi, M * c.L / c.EI, 0.005 * M * c.L / c.EI);

    // Unloading returns the wire to its rest shape exactly.
    std::tie(w, phi) = c.Load(0, 0);
    EXPECT_EQ(w, 0);
    EXPECT_EQ(phi, 0);
}

}  // namespace

TEST(BeamTheoryTest, CantileverRoundAndRectangular) {
    const auto table = DefaultCrossSectionTable();
    CheckCantilever(table[0]);  // round 0.016
    CheckCantilever(table[4]);  // rectangular 0.016 x 0.022
}
