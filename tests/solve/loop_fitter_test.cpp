// Protects the loop fitter: it brings a T-loop's M/F to the wanted value at both brackets with its gable bends, holds M/F at two activations, says so only for targets it met, reports a target no value within the bounds reaches as missed with the best values, and refuses settings that make no fit.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "solve/loop_fitter.h"

using namespace torvik;

namespace {

TWireStock Stock(const char* aMaterial, const char* aSize) {
    return {SelectMaterial(DefaultMaterialTable(), aMaterial), SelectCrossSection(DefaultCrossSectionTable(), aSize)};
}

TLoopTemplate TLoop() {
    TLoopTemplate t(*FindLoopForm("t-loop"));
    t.Stock = Stock("TMA", "0.017 x 0.025");
    t.SetValue("height", 13);
    t.SetValue("activation", 0.5);
    return t;
}

TFitTarget Target(TFitQuantity aQuantity, double aValue, std::optional<double> aActivation = std::nullopt) {
    return {aQuantity, aValue, aActivation, DefaultFitTolerance(aQuantity)};
}

// The activation of aTemplate with aActivation, by itself.
TTemplateLoads LoadsAt(TLoopTemplate aTemplate, double aActivation) {
    aTemplate.SetValue("activation", aActivation);
    return ActivateTemplate(aTemplate, TActivationSettings());
}

}  // namespace

TEST(LoopFitterTest, GableBendsBringMOverFToTheTargetAtBothBrackets) {
    TFitSettings s;
    s.Free = {{"gable-left", -45, 45}, {"gable-right", -45, 45}};
    s.Targets = {Target(TFitQuantity::RightMomentOverForce, 10), Target(TFitQuantity::LeftMomentOverForce, -10)};
    TLoopFitter fitter(TLoop(), s);
    int iterations = 0;
    while (fitter.Iterate()) ++iterations;
    const TFitResult& r = fitter.Result();
    EXPECT_EQ(r.end, TFitEnd::Met) << r.message;
    EXPECT_TRUE(r.AllMet());
    EXPECT_GT(iterations, r.solves);  // a solver iteration at a time
    EXPECT_LE(r.solves, 60);
    EXPECT_GT(r.seconds, 0.0);
    EXPECT_EQ(r.start, (std::vector<double>{0, 0}));
    ASSERT_TRUE(r.startValues[0] && r.startValues[1]);
    EXPECT_GT(std::abs(*r.startValues[0] - 10), 0.05);

    // The fitted template, activated by itself, gives what the fit reports.
    const TLoopTemplate fitted = fitter.Fitted();
    EXPECT_EQ(fitted.Value("gable-left"), r.found[0]);
    EXPECT_EQ(fitted.Value("gable-right"), r.found[1]);
    EXPECT_EQ(fitted.Value("height"), 13);
    const TTemplateLoads loads = ActivateTemplate(fitted, TActivationSettings());
    ASSERT_TRUE(loads.Activated());
    EXPECT_NEAR(*loads.right.MomentOverForce(), 10, 0.025);
    EXPECT_NEAR(*loads.left.MomentOverForce(), -10, 0.025);
    EXPECT_NEAR(*r.reached[0], *loads.right.MomentOverForce(), 1e-6);
    EXPECT_NEAR(*r.reached[1], *loads.left.MomentOverForce(), 1e-6);
}

TEST(LoopFitterTest, HoldsMOverFAtTwoActivationsAndAForce) {
    // M/F of 10 mm over the activation range, from 0.3 to 1 mm, and 150 cN
    // at 1 mm, with both gables and the height free.
    TFitSettings s;
    s.Free = {{"gable-right", -45, 45}, {"height", 8, 16}, {"gable-left", 0, 30}};
    s.Targets = {Target(TFitQuantity::RightMomentOverForce, 10, 0.3),
                 Target(TFitQuantity::RightMomentOverForce, 10, 1.0),
                 {TFitQuantity::RightForce, 150, 1.0, 2.0}};
    TLoopFitter fitter(TLoop(), s);
    fitter.Run();
    const TFitResult& r = fitter.Result();
    ASSERT_TRUE(r.AllMet()) << r.message << " " << r.reached[0].value_or(NAN) << " " << r.reached[1].value_or(NAN)
                            << " " << r.reached[2].value_or(NAN);
    const TLoopTemplate fitted = fitter.Fitted();
    EXPECT_EQ(fitted.Value("activation"), 0.5);  // the template's own is kept
    EXPECT_NEAR(*LoadsAt(fitted, 0.3).right.MomentOverForce(), 10, 0.05);
    const TTemplateLoads at1 = LoadsAt(fitted, 1.0);
    EXPECT_NEAR(*at1.right.MomentOverForce(), 10, 0.05);
    EXPECT_NEAR(at1.right.Force(), 150, 2.0);
}

TEST(LoopFitterTest, ATargetNoValueReachesIsReportedMissedWithTheBestValues) {
    TLoopTemplate t(*FindLoopForm("t-loop"));
    t.SetValue("height", 6);
    TFitSettings s;
    s.Free = {{"height", 4, 8}};
    s.Targets = {Target(TFitQuantity::RightMomentOverForce, 40)};
    TLoopFitter fitter(t, s);
    fitter.Run();
    const TFitResult& r = fitter.Result();
    EXPECT_EQ(r.end, TFitEnd::NoProgress) << r.message;
    EXPECT_NE(r.message.find("No further progress is possible"), std::string::npos);
    EXPECT_FALSE(r.AllMet());
    EXPECT_EQ(r.met, std::vector<bool>{false});
    // The best is the highest loop, whose M/F is the largest.
    EXPECT_EQ(r.found[0], 8);
    EXPECT_LT(r.solves, 100);
    TLoopTemplate high = t;
    high.SetValue("height", 8);
    const TTemplateLoads best = ActivateTemplate(high, TActivationSettings());
    EXPECT_NEAR(*r.reached[0], *best.right.MomentOverForce(), 1e-6);
    EXPECT_LT(*r.reached[0], 20);

    // A start that cannot be made is the end of the fit, not a success.
    TLoopTemplate broken = t;
    broken.SetValue("radius", 3);  // a T-loop 6 to 8 mm high takes bends of at most 2 mm
    TLoopFitter failed(broken, s);
    failed.Run();
    EXPECT_EQ(failed.Result().end, TFitEnd::StartFailed);
    EXPECT_NE(failed.Result().message.find("four times the bend radius"), std::string::npos);
    EXPECT_FALSE(failed.Result().AllMet());
    EXPECT_FALSE(failed.Result().reached[0].has_value());
}

TEST(LoopFitterTest, RefusesSettingsThatMakeNoFit) {
    const TFitTarget mf = Target(TFitQuantity::RightMomentOverForce, 10);
    const auto refused = [](std::vector<TFreeParameter> aFree, std::vector<TFitTarget> aTargets, const char* aWords) {
        TFitSettings s;
        s.Free = std::move(aFree);
        s.Targets = std::move(aTargets);
        try {
            TLoopFitter f(TLoop(), s);
            ADD_FAILURE() << "accepted: " << aWords;
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find(aWords), std::string::npos) << e.what();
        }
    };
    refused({}, {mf}, "from 1 to 3 free parameters");
    refused({{"height", 4, 8}, {"width", 8, 12}, {"gap", 1, 3}, {"radius", 0.5, 1}}, {mf}, "from 1 to 3");
    refused({{"depth", 4, 8}}, {mf}, "no parameter 'depth'");
    refused({{"height", 4, 8}, {"Height", 5, 6}}, {mf}, "free twice");
    refused({{"height", 8, 4}}, {mf}, "lower bound of Height must lie below");
    refused({{"height", 0, 8}}, {mf}, "Height can be from 1 mm to 20 mm");
    refused({{"height", NAN, 8}}, {mf}, "not numbers");
    refused({{"height", 4, 8}}, {}, "from 1 to 6 targets");
    refused({{"height", 4, 8}}, {{TFitQuantity::RightForce, 100, std::nullopt, 0}}, "tolerance of |F| right");
    refused({{"height", 4, 8}}, {Target(TFitQuantity::RightMomentOverForce, 10, 6)}, "within 0 mm to 5 mm");
    EXPECT_EQ(FindFitQuantity("mf_left"), TFitQuantity::LeftMomentOverForce);
    EXPECT_FALSE(FindFitQuantity("mf"));
}
