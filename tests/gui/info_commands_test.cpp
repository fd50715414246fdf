// Protects Edit > Wire Info and Help > About in the window: the box filled from the current design, and their Help reaching the help window.
#include <QLabel>
#include <QPushButton>

#include "dialogs/help_window.h"
#include "gui_fixture.h"
#include "qt/locale_numbers.h"

namespace torvik::test {
namespace {

using TInfoCommandsTest = TGuiTest;

QString Text(QDialog& aDialog, const char* aName) { return aDialog.findChild<QLabel*>(aName)->text(); }

// Numbers with a point for the length of a test.
class TPointLocale {
public:
    TPointLocale() { QLocale::setDefault(QLocale::c()); }
    ~TPointLocale() { QLocale::setDefault(FSaved); }

private:
    QLocale FSaved;
};

TEST_F(TInfoCommandsTest, WireInfoShowsTheCurrentDesign) {
    FPaths.HelpFolder = TORVIK_HELP_DIR;
    TPointLocale point;
    TMainForm& form = Start();
    ASSERT_TRUE(form.Action("MenuEditWire")->isEnabled());

    // A new design.
    QStringList shown;
    auto readAll = [&shown](QDialog& aDialog) {
        shown.clear();
        for (const char* name : {"WLength", "WDistance", "WAngulation", "WMaxStrain", "WMinStrain", "NumSegsLbl"})
            shown << Text(aDialog, name);
        return int(QDialog::Accepted);
    };
    FDialogs->dialogScripts.push_back(readAll);
    Trigger("MenuEditWire");
    ASSERT_EQ(FDialogs->Of("dialog").size(), 1u);
    EXPECT_EQ(FDialogs->Of("dialog")[0].title, "Wire");
    EXPECT_EQ(shown, QStringList({"0.25 mm", "9.75 mm", QString::fromUtf8("0.00\u00b0"), QString::fromUtf8("0.00\u00b0"),
                                  QString::fromUtf8("0.00\u00b0"), "1"}));

    // The right bracket turned 190 degrees against the wire's end.
    form.Design().RightBracket.SetDirection(ToRadians(190));
    FDialogs->dialogScripts.push_back(readAll);
    Trigger("MenuEditWire");
    EXPECT_EQ(shown[2], QString::fromUtf8("-170.00\u00b0"));

    // An activated design shows its strains.
    const QString file = WriteLoop("loop.tvk");
    FDialogs->openNames.push_back(file);
    Trigger("ActionFileOpen");
    TDesign& d = form.Design();
    d.CurrentWire->Deform(*d.RightBracket.Origin(), 10, 20, 30);
    FDialogs->dialogScripts.push_back(readAll);
    Trigger("MenuEditWire");
    EXPECT_EQ(shown[5], "40");
    EXPECT_EQ(shown[3], FormatLocal(ToDegrees(d.CurrentWire->MaxStrain()), "0.00\u00b0"));
    EXPECT_NE(shown[3], QString::fromUtf8("0.00\u00b0"));

    // Its Help button opens the wire information page.
    FDialogs->dialogScripts.push_back([](QDialog& aDialog) {
        aDialog.findChild<QPushButton*>("HelpBut")->click();
        return int(QDialog::Accepted);
    });
    Trigger("MenuEditWire");
    auto* help = form.findChild<THelpWindow*>("HelpWindow");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->CurrentPage(), "wire-info.html");
}

TEST_F(TInfoCommandsTest, AboutBoxAndItsHelpLink) {
    FPaths.HelpFolder = TORVIK_HELP_DIR;
    TMainForm& form = Start();
    ASSERT_TRUE(form.Action("MenuHelpAbout")->isEnabled());
    QString version;
    FDialogs->dialogScripts.push_back([&version](QDialog& aDialog) {
        version = Text(aDialog, "Version");
        emit aDialog.findChild<QLabel*>("LinkLabel1")->linkActivated("help:contents");
        return int(QDialog::Accepted);
    });
    Trigger("MenuHelpAbout");
    ASSERT_EQ(FDialogs->Of("dialog").size(), 1u);
    EXPECT_EQ(FDialogs->Of("dialog")[0].title, "About Torvik");
    EXPECT_EQ(version, "Version " + QString::fromStdString(GetProgramVersion()));
    auto* help = form.findChild<THelpWindow*>("HelpWindow");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->CurrentPage(), "index.html");
}

}  // namespace
}  // namespace torvik::test
