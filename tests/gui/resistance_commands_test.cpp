// Protects the centre of resistance in the window: View > Centre of
// Resistance is off at start and shows the centres on the design and the
// moment there, r and the movement beside the read-out; the options dialog's
// Tooth group reads and writes the tooth settings in the user's locale.
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include "dialogs/radio_group.h"
#include "gui_fixture.h"
#include "locale_scope.h"
#include "mainwindow/resistance_readout.h"
#include "render/resistance_draw.h"

namespace torvik::test {
namespace {

class TResistanceTest : public TGuiTest {
protected:
    QString Panel(const char* aName) const { return FForm->findChild<QLabel*>(aName)->text(); }
    int GreenPixels() const {
        const QImage& image = FForm->DisplayImage();
        const QRgb green = qRgb(ResistanceColor.r, ResistanceColor.g, ResistanceColor.b);
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == (green & 0xFFFFFF)) ++n;
        return n;
    }
};

TEST_F(TResistanceTest, ViewShowsTheCentresAndTheirLoads) {
    TLocaleScope locale(TLocaleScope::Point());
    TMainForm& form = Start();
    QAction* view = form.Action("MenuViewCentre");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->text(), "&Centre of Resistance");
    EXPECT_TRUE(view->isCheckable());
    EXPECT_FALSE(view->isChecked());
    EXPECT_TRUE(view->isEnabled());
    EXPECT_TRUE(form.findChild<QMenu*>("MenuView")->actions().contains(view));

    // A new design: the left bracket at (10, 10) facing -x, the right one at
    // (20, 10) facing +x, the roots up 3 mm away. The load translates the
    // right tooth at 10 mm and moves its root at 3 mm.
    form.Settings().Tooth.Distance = 3;
    TDesign& d = form.Design();
    d.RightForce.x = 50;
    d.RightForce.m = 500;
    d.CalcLeftForce();
    form.DrawDisplay();
    EXPECT_EQ(Panel("PanelForceRight"), " F: 50.00  M: 500.00  M/F: 10.00  M/Fx: 10.00 ");
    EXPECT_EQ(GreenPixels(), 0);

    Trigger("MenuViewCentre");
    EXPECT_TRUE(form.Settings().ShowCentres);
    EXPECT_EQ(Panel("PanelForceRight"),
              " F: 50.00  M: 500.00  M/F: 10.00  M/Fx: 10.00 \n Mcr: 350.00  r: 3.33  root movement ");
    // The left bracket carries the balance, the mirror image: its tooth's
    // root moves as well.
    EXPECT_EQ(Panel("PanelForceLeft"),
              " F: 50.00  M: -500.00  M/F: -10.00  M/Fx: -10.00 \n Mcr: -350.00  r: 3.33  root movement ");
    EXPECT_GT(GreenPixels(), 20);

    form.Settings().Tooth.Distance = 10;
    form.DrawDisplay();
    EXPECT_NE(Panel("PanelForceRight").indexOf("Mcr: 0.00  r: 1.00  translation "), -1);

    Trigger("MenuViewCentre");
    EXPECT_FALSE(form.Settings().ShowCentres);
    EXPECT_EQ(Panel("PanelForceRight"), " F: 50.00  M: 500.00  M/F: 10.00  M/Fx: 10.00 ");
    EXPECT_EQ(GreenPixels(), 0);

    // A load that acts beside the bracket (a sliding wire's) is taken about
    // the bracket's point: 0.5 mm along the slot adds nothing for a force
    // along the slot.
    const TForceMoment beside(MakePoint(20.5, 10), 50, 0, 500);
    EXPECT_EQ(ResistanceReadoutText(d.RightBracket, beside, TToothSettings{10, TRootSide::Up}),
              " Mcr: 0.00  r: 1.00  translation ");
    const TForceMoment across(MakePoint(20.5, 10), 0, 40, 0);
    EXPECT_EQ(ResistanceReadoutText(d.RightBracket, across, TToothSettings{10, TRootSide::Up}),
              " Mcr: 20.00  r: -  rotation about the centre of resistance ");
}

TEST_F(TResistanceTest, TheOptionsToothGroupReadsAndWritesTheSettings) {
    TLocaleScope locale(TLocaleScope::Comma());
    TMainForm& form = Start();
    form.Settings().Tooth = {12.5, TRootSide::Up};
    QString shown;
    int roots = -1;
    FDialogs->dialogScripts.push_back([&](QDialog& d) {
        shown = d.findChild<QLineEdit*>("CRDistance")->text();
        roots = d.findChild<TRadioGroup*>("RootsGroup")->ItemIndex();
        d.findChild<QLineEdit*>("CRDistance")->setText("7,5");
        d.findChild<TRadioGroup*>("RootsGroup")->SetItemIndex(1);
        return int(QDialog::Accepted);
    });
    Trigger("MenuEditOptions");
    EXPECT_EQ(shown, "12,5");
    EXPECT_EQ(roots, 0);
    EXPECT_EQ(form.Settings().Tooth.Distance, 7.5);
    EXPECT_EQ(form.Settings().Tooth.Roots, TRootSide::Down);

    // Cancel changes nothing; a distance that does not read gives 10 mm, and
    // one out of range is refused (OK, had it been let through, would keep
    // the distance).
    FDialogs->dialogScripts.push_back([](QDialog& d) {
        d.findChild<QLineEdit*>("CRDistance")->setText("3");
        return int(QDialog::Rejected);
    });
    Trigger("MenuEditOptions");
    EXPECT_EQ(form.Settings().Tooth.Distance, 7.5);
    for (const char* bad : {"abc", "0", "-2", "7.5", "1000"}) {
        const bool reads = std::string(bad) != "abc" && std::string(bad) != "7.5";
        form.Settings().Tooth.Distance = 7.5;
        FDialogs->dialogScripts.push_back([bad](QDialog& d) {
            d.findChild<QLineEdit*>("CRDistance")->setText(bad);
            return int(QDialog::Accepted);
        });
        Trigger("MenuEditOptions");
        EXPECT_EQ(form.Settings().Tooth.Distance, reads ? 7.5 : 10) << bad;
        EXPECT_EQ(form.Settings().Tooth.Roots, TRootSide::Down);
    }

    // The settings file keeps them in a section of their own.
    FDialogs->answers.push_back(TAnswer::No);
    form.close();
    const QString ini = ReadText(SettingsFile());
    EXPECT_NE(ini.indexOf("[Tooth]"), -1) << ini.toStdString();
    EXPECT_NE(ini.indexOf("Roots=Down"), -1);
}

}  // namespace
}  // namespace torvik::test
