// Protects the user-defined loop dialog: its controls, defaults, buttons and help request.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include "dialogs/user_loop.h"

namespace torvik {
namespace {

TEST(TUserLoopTest, ControlsDefaultsAndButtons) {
    TUserLoop dialog;
    EXPECT_EQ(dialog.objectName(), "UserLoop");
    EXPECT_EQ(dialog.windowTitle(), "User-Defined Loop");
    EXPECT_EQ(dialog.HelpTopic(), 10);
    auto* diameter = dialog.findChild<QLineEdit*>("LpDiameter");
    auto* angle = dialog.findChild<QLineEdit*>("LpAngle");
    auto* keep = dialog.findChild<QCheckBox*>("KeepLength");
    ASSERT_TRUE(diameter && angle && keep);
    EXPECT_EQ(diameter->text(), "2.0");
    EXPECT_EQ(angle->text(), "180");
    EXPECT_EQ(keep->text(), " &Keep Segment Length");
    EXPECT_TRUE(keep->isChecked());
    EXPECT_EQ(dialog.DiameterText(), "2.0");
    EXPECT_EQ(dialog.AngleText(), "180");
    EXPECT_TRUE(dialog.KeepLength());
    // The labels' access keys lead to their fields.
    EXPECT_EQ(dialog.findChild<QLabel*>("LpDiameterLbl")->text(), "&Diameter of loop:");
    EXPECT_EQ(dialog.findChild<QLabel*>("LpDiameterLbl")->buddy(), diameter);
    EXPECT_EQ(dialog.findChild<QLabel*>("LpAngleLbl")->text(), "&Angle of turn:");
    EXPECT_EQ(dialog.findChild<QLabel*>("LpAngleLbl")->buddy(), angle);

    QSignalSpy help(&dialog, &TTorvikDialog::helpRequested);
    dialog.findChild<QPushButton*>("HelpBut")->click();
    ASSERT_EQ(help.count(), 1);
    EXPECT_EQ(help.at(0).at(0).toInt(), 10);

    // What was entered stays for the next use, whichever way it closed.
    diameter->setText("3.5");
    keep->setChecked(false);
    dialog.findChild<QPushButton*>("OKBtn")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.DiameterText(), "3.5");
    EXPECT_FALSE(dialog.KeepLength());
    angle->setText("90");
    dialog.findChild<QPushButton*>("CancelBtn")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.AngleText(), "90");
}

TEST(TUserLoopTest, DefaultDiameterInTheUsersLocale) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TUserLoop dialog;
    QLocale::setDefault(previous);
    EXPECT_EQ(dialog.DiameterText(), "2,0");
}

}  // namespace
}  // namespace torvik
