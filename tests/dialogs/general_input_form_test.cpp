// Protects the general input dialog: its controls, prompt and text, buttons, and the one instance a window shares.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>

#include "dialogs/general_input_form.h"

namespace torvik {
namespace {

TEST(TGeneralInputFormTest, ControlsPromptAndButtons) {
    TGeneralInputForm dialog;
    EXPECT_EQ(dialog.objectName(), "GeneralInputForm");
    EXPECT_EQ(dialog.windowTitle(), "Torvik");
    EXPECT_EQ(dialog.findChild<QPushButton*>("HelpBut"), nullptr);
    auto* label = dialog.findChild<QLabel*>("InputTextLbl");
    auto* edit = dialog.findChild<QLineEdit*>("InputEd");
    ASSERT_TRUE(label && edit);
    EXPECT_EQ(label->text(), "&Input:");
    EXPECT_EQ(label->buddy(), edit);
    EXPECT_EQ(edit->text(), "180");
    EXPECT_EQ(dialog.Prompt(), "&Input:");

    dialog.SetPrompt("Angle of bend: ");
    dialog.SetText("10");
    EXPECT_EQ(label->text(), "Angle of bend: ");
    EXPECT_EQ(edit->text(), "10");
    edit->setText("12");
    dialog.findChild<QPushButton*>("OKBtn")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Text(), "12");
    dialog.findChild<QPushButton*>("CancelBtn")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    // The prompt stays until the next caller sets its own.
    EXPECT_EQ(dialog.Prompt(), "Angle of bend: ");
}

TEST(TGeneralInputFormTest, OneInstancePerWindow) {
    QMainWindow window, other;
    TGeneralInputForm& first = TGeneralInputForm::Of(window);
    first.SetPrompt("Resolution (dpi): ");
    EXPECT_EQ(&TGeneralInputForm::Of(window), &first);
    EXPECT_EQ(TGeneralInputForm::Of(window).Prompt(), "Resolution (dpi): ");
    EXPECT_NE(&TGeneralInputForm::Of(other), &first);
    EXPECT_EQ(first.parentWidget(), &window);
}

}  // namespace
}  // namespace torvik
