// Protects the wire's stock in the window: a saved design reopens with its own stock whatever Options say and runs to that stock's loads, and the status bar and Wire Info name the stock through Apply to Wire, undo, Options, open and new.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "gui_fixture.h"
#include "solve/run_stop.h"
#include "wire/activation_run.h"
#include "wire/wire_stock.h"

namespace torvik::test {
namespace {

const TWireStock Tma017x025{DefaultMaterialTable()[1], DefaultCrossSectionTable()[5]};

class TWireStockTest : public TGuiTest {
protected:
    QString Panel() const { return FForm->findChild<QLabel*>("PanelStock")->text(); }

    // The L-shaped loop of WriteLoop in aStock.
    QString WriteLoopOf(const TWireStock& aStock, const QString& aName) {
        const QString file = WriteLoop(aName);
        auto d = LoadDesign(file.toStdString(), 0.25, DefaultStock());
        ApplyStock(*d->CurrentWire, aStock);
        SaveDesign(file.toStdString(), *d->CurrentWire, d->LeftBracket, d->RightBracket);
        return file;
    }

    // Options: picks the material and cross-section items, presses Apply to
    // Wire when asked, and closes with aResult.
    void Options(int aMaterial, int aSection, bool aApply, int aResult) {
        FDialogs->dialogScripts.push_back([=](QDialog& d) {
            d.findChild<QComboBox*>("WMaterial")->setCurrentIndex(aMaterial);
            d.findChild<QComboBox*>("WCrossSect")->setCurrentIndex(aSection);
            if (aApply) QTest::mouseClick(d.findChild<QPushButton*>("ApplyWireBut"), Qt::LeftButton);
            return aResult;
        });
        Trigger("MenuEditOptions");
    }
};

TEST_F(TWireStockTest, ASavedStockReopensWhateverOptionsSayAndRunsToItsOwnLoads) {
    TMainForm& form = Start();
    ASSERT_EQ(form.Settings().Stock, DefaultStock());  // round steel
    const QString file = WriteLoopOf(Tma017x025, "tma.tvk");
    FDialogs->openNames.push_back(file);
    Trigger("ActionFileOpen");

    const TWire& wire = *form.Design().CurrentWire;
    EXPECT_EQ(UniformStock(wire), Tma017x025);
    EXPECT_EQ(Panel(), "TMA 0.017 x 0.025");
    EXPECT_EQ(form.Settings().Stock, DefaultStock());

    Trigger("ActionRun");
    ASSERT_TRUE(ProcessUntil([&] { return form.Action("ActionRun")->isEnabled(); }));
    // The same design run without a window, in TMA and in steel.
    const auto runOf = [&](const TWireStock& aStock) {
        auto d = LoadDesign(file.toStdString(), 0.25, DefaultStock());
        ApplyStock(*d->CurrentWire, aStock);
        TActivationRun run;
        TStopReason stop = TStopReason::None;
        for (int i = 0; i < 10000 && stop == TStopReason::None; ++i) stop = run.Iterate(*d, form.Settings().Activation).stop;
        if (stop == TStopReason::Tolerance) FinishStoppedRun(*d, form.Settings().Activation);
        return d;
    };
    const auto tma = runOf(Tma017x025);
    const TForceMoment& shown = form.Design().RightForce;
    EXPECT_DOUBLE_EQ(shown.x, tma->RightForce.x);
    EXPECT_DOUBLE_EQ(shown.y, tma->RightForce.y);
    EXPECT_DOUBLE_EQ(shown.m, tma->RightForce.m);
    EXPECT_NE(shown.m, runOf(DefaultStock())->RightForce.m);

    // Wire Info names it too.
    QString info;
    FDialogs->dialogScripts.push_back([&](QDialog& d) {
        info = d.findChild<QLabel*>("StockLbl")->text();
        return int(QDialog::Accepted);
    });
    Trigger("MenuEditWire");
    EXPECT_EQ(info, "TMA 0.017 x 0.025");
}

TEST_F(TWireStockTest, TheStatusBarFollowsApplyToWireUndoOptionsOpenAndNew) {
    TMainForm& form = Start();
    form.Settings().UndoLevels = UndoUnlimited;
    EXPECT_EQ(Panel(), "Stainless Steel 0.016");
    form.findChild<QToolButton*>("SpeedButton0")->click();
    TWire* wire = form.Design().CurrentWire.get();
    const int undos = wire->UndoCount();
    wire->dirty = false;

    // Apply to Wire, then Cancel: the wire on screen changes, as an edit.
    Options(1, 5, true, QDialog::Rejected);
    EXPECT_EQ(Panel(), "TMA 0.017 x 0.025");
    EXPECT_EQ(UniformStock(*wire), Tma017x025);
    EXPECT_TRUE(wire->dirty);
    EXPECT_EQ(wire->UndoCount(), undos + 1);
    EXPECT_EQ(form.Settings().Stock, DefaultStock());

    // Undo gives the segments their steel back; wire added to them would
    // still be TMA, and the panel says so.
    Trigger("ActionUndo");
    EXPECT_EQ(UniformStock(*wire), DefaultStock());
    EXPECT_EQ(Panel(), QString::fromUtf8("Stainless Steel 0.016 \u00b7 new wire: TMA 0.017 x 0.025"));
    Trigger("ActionRedo");
    EXPECT_EQ(Panel(), "TMA 0.017 x 0.025");

    // OK with another stock: the wire keeps its own, new wire gets Nitinol.
    Options(2, 5, false, QDialog::Accepted);
    EXPECT_EQ(UniformStock(*wire), Tma017x025);
    EXPECT_EQ(Panel(), QString::fromUtf8("TMA 0.017 x 0.025 \u00b7 new wire: Nitinol 0.017 x 0.025"));
    const QString tip = form.findChild<QLabel*>("PanelStock")->toolTip();
    EXPECT_TRUE(tip.contains("Wire added from now on: Nitinol 0.017 x 0.025 (E 45000 N/mm")) << tip.toStdString();
    form.findChild<QToolButton*>("SpeedButton0")->click();
    EXPECT_EQ(Panel(), "mixed");
    EXPECT_TRUE(form.findChild<QLabel*>("PanelStock")->toolTip().contains("segments 0\u20134: TMA 0.017 x 0.025"));
    // An OK that leaves the stock leaves the wire's stock too.
    Options(2, 5, false, QDialog::Accepted);
    EXPECT_EQ(form.Design().CurrentWire->Stock.Material.Name, "Nitinol");

    // A design opened in steel shows steel; New takes the chosen stock.
    FDialogs->openNames.push_back(WriteLoop("steel.tvk"));
    FDialogs->answers.push_back(TAnswer::No);
    Trigger("ActionFileOpen");
    EXPECT_EQ(Panel(), "Stainless Steel 0.016");
    EXPECT_EQ(form.Design().CurrentWire->Stock, DefaultStock());
    Trigger("ActionFileNew");
    EXPECT_EQ(Panel(), "Nitinol 0.017 x 0.025");
}

}  // namespace
}  // namespace torvik::test
