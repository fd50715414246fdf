// Protects the force editor: its controls, the loads it shows, the live ratio while typing, Set to Zero and reading the typed load.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "../gui/locale_scope.h"
#include "dialogs/edit_force.h"

namespace torvik::test {
namespace {

QString Text(const TEditForce& aDialog, const char* aName) {
    if (auto* edit = aDialog.findChild<QLineEdit*>(aName)) return edit->text();
    auto* label = aDialog.findChild<QLabel*>(aName);
    return label ? label->text() : QStringLiteral("<no %1>").arg(aName);
}

QLineEdit* Edit(const TEditForce& aDialog, const char* aName) { return aDialog.findChild<QLineEdit*>(aName); }

TEST(EditForceTest, ShowsBothLoadsWithTheirRatios) {
    TLocaleScope locale(TLocaleScope::Point());
    TEditForce dialog;
    EXPECT_EQ(dialog.windowTitle(), "Edit Force");
    EXPECT_EQ(dialog.objectName(), "EditForce");
    EXPECT_EQ(dialog.HelpTopic(), 20);
    for (const char* name : {"LeftLblX", "LeftXDir", "LeftLblY", "LeftYDir", "LeftLblMoment", "LeftMoment", "LeftMFLbl",
                             "LeftMF", "LblXDir", "LblYDir", "LblMoment", "RightMFLbl", "RightMF"})
        EXPECT_NE(dialog.findChild<QLabel*>(name), nullptr) << name;
    for (const char* name : {"SetToZeroBtn", "OKBtn", "CancelBtn", "HelpBut"})
        EXPECT_NE(dialog.findChild<QPushButton*>(name), nullptr) << name;
    EXPECT_EQ(Text(dialog, "LblXDir"), "&X:");
    EXPECT_EQ(dialog.findChild<QLabel*>("LblMoment")->buddy(), Edit(dialog, "Moment"));
    EXPECT_EQ(dialog.findChild<QPushButton*>("SetToZeroBtn")->text(), "Set to &Zero");

    dialog.SetLoads(TForceMoment(nullptr, -3, -4, -60), TForceMoment(nullptr, 3, 4, 10));
    EXPECT_EQ(Text(dialog, "XDir"), "3.00");
    EXPECT_EQ(Text(dialog, "YDir"), "4.00");
    EXPECT_EQ(Text(dialog, "Moment"), "10.00");
    EXPECT_EQ(Text(dialog, "RightMF"), "2.00");
    EXPECT_EQ(Text(dialog, "LeftXDir"), "-3.00");
    EXPECT_EQ(Text(dialog, "LeftMoment"), "-60.00");
    EXPECT_EQ(Text(dialog, "LeftMF"), "-12.00");

    // The left ratio is that of the two-decimal values shown.
    dialog.SetLoads(TForceMoment(nullptr, 0.004, 0, 1), TForceMoment(nullptr, 0, 0, 0));
    EXPECT_EQ(Text(dialog, "LeftXDir"), "0.00");
    EXPECT_EQ(Text(dialog, "LeftMF"), "Undefined");
    dialog.SetLoads(TForceMoment(nullptr, 0, 0, 50), TForceMoment(nullptr, 0, 0, 0));
    EXPECT_EQ(Text(dialog, "LeftMF"), "Undefined");
    EXPECT_EQ(Text(dialog, "RightMF"), "Undefined");
}

TEST(EditForceTest, TheRatioFollowsTheTypingAndSetToZeroClearsTheTypedLoadOnly) {
    TLocaleScope locale(TLocaleScope::Point());
    TEditForce dialog;
    dialog.SetLoads(TForceMoment(nullptr, 1, 0, 5), TForceMoment(nullptr, 3, 4, 10));

    // What does not read counts as 0 for the ratio: letters, a lone minus, nothing.
    QLineEdit* x = Edit(dialog, "XDir");
    x->clear();
    QTest::keyClicks(x, "abc");
    EXPECT_EQ(Text(dialog, "RightMF"), "2.50");
    x->setText("-");
    EXPECT_EQ(Text(dialog, "RightMF"), "2.50");
    x->setText("");
    EXPECT_EQ(Text(dialog, "RightMF"), "2.50");
    Edit(dialog, "YDir")->setText("-8");
    EXPECT_EQ(Text(dialog, "RightMF"), "1.25");
    x->setText("6");
    EXPECT_EQ(Text(dialog, "RightMF"), "1.00");
    // A bad field makes the typed load unreadable as a whole.
    x->setText("abc");
    double rx = 7, ry = 7, rm = 7;
    EXPECT_FALSE(dialog.ReadLoad(rx, ry, rm));
    EXPECT_EQ(rx, 7);
    EXPECT_EQ(ry, 7);
    EXPECT_EQ(rm, 7);

    QTest::mouseClick(dialog.findChild<QPushButton*>("SetToZeroBtn"), Qt::LeftButton);
    EXPECT_EQ(Text(dialog, "XDir"), "0");
    EXPECT_EQ(Text(dialog, "YDir"), "0");
    EXPECT_EQ(Text(dialog, "Moment"), "0");
    EXPECT_EQ(Text(dialog, "RightMF"), "Undefined");
    EXPECT_EQ(Text(dialog, "LeftXDir"), "1.00");
    EXPECT_EQ(Text(dialog, "LeftMF"), "5.00");
    ASSERT_TRUE(dialog.ReadLoad(rx, ry, rm));
    EXPECT_EQ(rx, 0);
    EXPECT_EQ(ry, 0);
    EXPECT_EQ(rm, 0);
}

TEST(EditForceTest, NumbersFollowTheUsersLocale) {
    TLocaleScope locale(TLocaleScope::Comma());
    TEditForce dialog;
    dialog.SetLoads(TForceMoment(nullptr, -2.5, 0, 5), TForceMoment(nullptr, 3, 4, 10));
    EXPECT_EQ(Text(dialog, "LeftXDir"), "-2,50");
    EXPECT_EQ(Text(dialog, "LeftMF"), "2,00");
    EXPECT_EQ(Text(dialog, "XDir"), "3,00");
    EXPECT_EQ(Text(dialog, "RightMF"), "2,00");
    Edit(dialog, "Moment")->setText("12,5");
    EXPECT_EQ(Text(dialog, "RightMF"), "2,50");
    double x = 0, y = 0, m = 0;
    ASSERT_TRUE(dialog.ReadLoad(x, y, m));
    EXPECT_EQ(m, 12.5);
    // A point is no decimal separator here.
    Edit(dialog, "Moment")->setText("12.5");
    EXPECT_FALSE(dialog.ReadLoad(x, y, m));
}

TEST(EditForceTest, OpensWithTheFocusOnOKAndAsksForItsHelpTopic) {
    TEditForce dialog;
    QSignalSpy help(&dialog, &TTorvikDialog::helpRequested);
    dialog.show();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), dialog.findChild<QPushButton*>("OKBtn"));
    // Tab order: the three edits, Set to Zero, OK, Cancel, Help.
    QWidget* w = Edit(dialog, "XDir");
    QStringList order;
    for (int i = 0; i < 7; ++i) {
        order << w->objectName();
        do w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
    }
    EXPECT_EQ(order, QStringList({"XDir", "YDir", "Moment", "SetToZeroBtn", "OKBtn", "CancelBtn", "HelpBut"}));
    QTest::mouseClick(dialog.findChild<QPushButton*>("HelpBut"), Qt::LeftButton);
    ASSERT_EQ(help.count(), 1);
    EXPECT_EQ(help.at(0).at(0).toInt(), 20);
    dialog.hide();
}

}  // namespace
}  // namespace torvik::test
