// Protects the parameter sweep: its steps are the activations of the designs the template makes at each value, a step that cannot be made or activated is kept as such while the sweep goes on, and its table holds both brackets' loads.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "solve/newton.h"
#include "solve/sweep.h"
#include "solve/sweep_table.h"
#include "wire/activation_run.h"

using namespace torvik;

namespace {

TWireStock Stock(const char* aMaterial, const char* aSize) {
    return {SelectMaterial(DefaultMaterialTable(), aMaterial), SelectCrossSection(DefaultCrossSectionTable(), aSize)};
}

TLoopTemplate TLoop() {
    TLoopTemplate t(*FindLoopForm("t-loop"));
    t.Stock = Stock("TMA", "0.017 x 0.025");
    t.SetValue("gable-left", 10);
    t.SetValue("gable-right", 10);
    return t;
}

// The design of aTemplate activated as the window's run and torvik-activate
// do it: the classic iteration from zero load, then Newton to full
// engagement.
TBracketLoad RunAndRefine(const TLoopTemplate& aTemplate, TBracketLoad& aLeft) {
    const auto d = aTemplate.Generate();
    const TActivationSettings settings;
    TActivationRun run;
    TIterationResult r;
    do r = run.Iterate(*d, settings);
    while (r.stop == TStopReason::None && run.Iterations() < 10000);
    EXPECT_EQ(r.stop, TStopReason::Tolerance);
    EXPECT_EQ(RefineLoads(*d, settings).end, TSolveEnd::Converged);
    aLeft = LoadOf(d->LeftForce);
    return LoadOf(d->RightForce);
}

}  // namespace

TEST(SweepTest, StepsAreTheActivationsOfTheDesignsMadeAtEachValue) {
    TSweepSettings s;
    s.Parameter = "Height";  // names are matched without regard to case
    s.From = 6;
    s.To = 10;
    s.Steps = 5;
    TSweep sweep(TLoop(), s);
    EXPECT_EQ(sweep.Settings().Parameter, "height");
    int iterations = 0;
    while (sweep.Iterate()) ++iterations;
    ASSERT_TRUE(sweep.Finished());
    EXPECT_GT(iterations, 5);  // a solver iteration at a time
    EXPECT_EQ(sweep.Progress(), 1.0);
    EXPECT_EQ(sweep.Failures(), 0);
    ASSERT_EQ(sweep.Steps().size(), 5u);
    for (const TSweepStep& step : sweep.Steps()) {
        EXPECT_EQ(step.value, 6.0 + (step.index - 1));
        ASSERT_TRUE(step.loads.Activated()) << step.loads.Text();
        TLoopTemplate t = TLoop();
        t.SetValue("height", step.value);
        TBracketLoad left;
        const TBracketLoad right = RunAndRefine(t, left);
        EXPECT_NEAR(step.loads.right.x, right.x, 1e-3);
        EXPECT_NEAR(step.loads.right.y, right.y, 1e-3);
        EXPECT_NEAR(step.loads.right.m, right.m, 1e-3);
        EXPECT_NEAR(step.loads.left.m, left.m, 1e-3);
        EXPECT_GT(step.loads.maxStrain, 0.0);
    }
    // Higher loops are softer.
    EXPECT_GT(sweep.Steps().front().loads.right.Force(), sweep.Steps().back().loads.right.Force());

    // The table: a row per step, the parameter's column named with its unit.
    const std::string csv = SweepCsv(sweep);
    EXPECT_EQ(csv.substr(0, csv.find('\n')),
              "step,height_mm,right_fx_cN,right_fy_cN,right_m_cNmm,right_f_cN,right_m_over_f_mm,right_m_over_fx_mm,"
              "left_fx_cN,left_fy_cN,left_m_cNmm,left_f_cN,left_m_over_f_mm,left_m_over_fx_mm,max_strain_deg,"
              "iterations,stop,message");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 6);
    EXPECT_NE(csv.find("\n5,10,"), std::string::npos);
}

TEST(SweepTest, StepsThatCannotBeMadeAreKeptAndTheSweepGoesOn) {
    // A T-loop 8 mm high takes bends of at most 2 mm: the last steps fail.
    TSweepSettings s;
    s.Parameter = "radius";
    s.From = 1;
    s.To = 3;
    s.Steps = 5;
    TSweep sweep(TLoop(), s);
    sweep.Run();
    ASSERT_EQ(sweep.Steps().size(), 5u);
    EXPECT_EQ(sweep.Failures(), 2);
    const TSweepStep& bad = sweep.Steps()[3];
    EXPECT_EQ(bad.value, 2.5);
    EXPECT_FALSE(bad.loads.made);
    EXPECT_STREQ(bad.loads.EndName(), "bad values");
    EXPECT_NE(bad.loads.Text().find("four times the bend radius"), std::string::npos);
    EXPECT_TRUE(sweep.Steps()[2].loads.Activated());
    const std::vector<TCurveCell> row = SweepRow(bad);
    EXPECT_FALSE(row[2].number.has_value());  // no loads
    EXPECT_EQ(row.back().text, bad.loads.Text());
    EXPECT_NE(SweepRowsJson(sweep).find("\"right_fx_cN\": null"), std::string::npos);

    // Settings that make no sweep are refused with the user's message.
    const auto refused = [&](TSweepSettings aSettings, const char* aWords) {
        try {
            TSweep x(TLoop(), aSettings);
            ADD_FAILURE() << "accepted";
        } catch (const std::exception& e) {
            EXPECT_NE(std::string(e.what()).find(aWords), std::string::npos) << e.what();
        }
    };
    TSweepSettings bad1 = s;
    bad1.Steps = 1;
    refused(bad1, "from 2 to 1000 steps");
    TSweepSettings bad2 = s;
    bad2.To = 30;
    refused(bad2, "Bend radius can be from 0 mm to 3 mm");
    TSweepSettings bad3 = s;
    bad3.From = NAN;
    refused(bad3, "not a number");
    TSweepSettings bad4 = s;
    bad4.Parameter = "depth";
    refused(bad4, "has no parameter 'depth'");
}
