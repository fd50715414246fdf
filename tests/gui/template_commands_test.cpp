// Protects New from Template and Edit Template: the dialog's fields in the user's locale with their message and preview, the question before a changed wire goes, the template kept through Save and Open, Edit Template reopening it as one undo step, and the remark once the design was changed by hand.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "dialogs/template_dialog.h"
#include "dialogs/template_preview.h"
#include "gui_fixture.h"
#include "locale_scope.h"

namespace torvik::test {
namespace {

// What the template dialog showed when it came up.
struct TShownTemplate {
    QString title;
    QString form;
    std::map<QString, QString> fields;
    QString note;
    bool previewed = false;
};

class TTemplateCommandsTest : public TGuiTest {
protected:
    // A script for the template dialog: records it, picks aForm (when
    // given), types aFields and closes it with aResult.
    void Answer(const QString& aForm, std::map<QString, QString> aFields, int aResult = QDialog::Accepted) {
        FDialogs->dialogScripts.push_back([=, this](QDialog& aDialog) {
            auto& dialog = dynamic_cast<TTemplateDialog&>(aDialog);
            auto* form = dialog.findChild<QComboBox*>("TemplateForm");
            TShownTemplate shown{dialog.windowTitle(), form->currentText(), {}, {}, dialog.Preview().Design() != nullptr};
            for (const QLineEdit* edit : dialog.findChildren<QLineEdit*>()) shown.fields[edit->objectName()] = edit->text();
            const auto* note = dialog.findChild<QLabel*>("TemplateNote");
            if (!note->isHidden()) shown.note = note->text();
            FShown.push_back(shown);
            if (!aForm.isEmpty()) form->setCurrentText(aForm);
            for (const auto& [name, text] : aFields) {
                auto* edit = dialog.findChild<QLineEdit*>("Template_" + name);
                if (!edit) {
                    ADD_FAILURE() << "no field " << name.toStdString();
                    return int(QDialog::Rejected);
                }
                edit->setText(text);
            }
            FProblem = dialog.Problem();
            FOkEnabled = dialog.findChild<QPushButton*>("OKBtn")->isEnabled();
            return aResult;
        });
    }

    bool EditTemplateEnabled() {
        emit FForm->findChild<QMenu*>("MenuFile")->aboutToShow();
        return FForm->Action("ActionFileEditTemplate")->isEnabled();
    }

    std::vector<TShownTemplate> FShown;
    QString FProblem;
    bool FOkEnabled = false;
};

TEST_F(TTemplateCommandsTest, NewFromTemplateSavedReopenedAndEdited) {
    TLocaleScope locale(TLocaleScope::Comma());
    TMainForm& form = Start();
    form.Settings().UndoLevels = UndoUnlimited;
    EXPECT_FALSE(EditTemplateEnabled());

    // A value that does not read keeps OK disabled and says why.
    Answer("T-Loop", {{"height", "8,5x"}}, QDialog::Rejected);
    Trigger("ActionFileNewFromTemplate");
    EXPECT_EQ(FProblem, "Height is not a number.");
    EXPECT_FALSE(FOkEnabled);
    EXPECT_EQ(form.Design().CurrentWire->Count(), 1);

    // The changed wire on screen is offered for saving first; Cancel keeps it.
    form.Design().CurrentWire->AddSeg(0.25, 0.1);
    Answer("T-Loop", {{"height", "8,5"}, {"gable-left", "12,5"}});
    FDialogs->answers.push_back(TAnswer::Cancel);
    Trigger("ActionFileNewFromTemplate");
    EXPECT_EQ(FDialogs->Of("ask").size(), 1u);
    EXPECT_EQ(form.Design().CurrentWire->Count(), 2);

    // No: the template's design, untitled, with a fresh history.
    Answer("", {});
    FDialogs->answers.push_back(TAnswer::No);
    Trigger("ActionFileNewFromTemplate");
    ASSERT_TRUE(FDialogs->Of("error").empty()) << FDialogs->Of("error").front().text.toStdString();
    // The dialog came back with the last form and values, in the locale.
    EXPECT_EQ(FShown.back().form, "T-Loop");
    EXPECT_EQ(FShown.back().fields["Template_height"], "8,5");
    EXPECT_TRUE(FShown.back().previewed);
    TDesign& d = form.Design();
    ASSERT_TRUE(d.Template);
    EXPECT_EQ(d.Template->Form, "t-loop");
    EXPECT_EQ(d.Template->Value("gable-left"), 12.5);
    EXPECT_TRUE(MatchesTemplate(d));
    EXPECT_TRUE(d.CurrentWire->dirty);
    EXPECT_EQ(d.CurrentWire->UndoCount(), 0);
    EXPECT_EQ(form.windowTitle(), "Torvik [Untitled]");
    EXPECT_TRUE(EditTemplateEnabled());

    // Saved and opened again, the design keeps its template.
    const QString file = Path("t.tvk");
    FDialogs->saveNames.push_back(file);
    Trigger("ActionFileSave");
    EXPECT_TRUE(ReadText(file).contains("[Template]\r\nForm=t-loop\r\n"));
    Trigger("ActionFileNew");
    EXPECT_FALSE(EditTemplateEnabled());
    FDialogs->openNames.push_back(file);
    Trigger("ActionFileOpen");
    ASSERT_TRUE(form.Design().Template);
    EXPECT_TRUE(MatchesTemplate(form.Design()));
    ASSERT_TRUE(EditTemplateEnabled());

    // Edit Template shows the kept values; the new wire is one undo step.
    const int count = form.Design().CurrentWire->Count();
    Answer("", {{"height", "7"}});
    Trigger("ActionFileEditTemplate");
    EXPECT_EQ(FShown.back().title, "Edit Template");
    EXPECT_EQ(FShown.back().form, "T-Loop");
    EXPECT_EQ(FShown.back().fields["Template_height"], "8,5");
    EXPECT_EQ(FShown.back().fields["Template_gable-left"], "12,5");
    EXPECT_EQ(FShown.back().note, "");
    EXPECT_EQ(form.Design().Template->Value("height"), 7.0);
    EXPECT_EQ(form.CurrentFileName().Native(), file.toStdString());
    EXPECT_EQ(form.Design().CurrentWire->UndoCount(), 1);
    EXPECT_NE(form.Design().CurrentWire->Count(), count);
    Trigger("ActionUndo");
    EXPECT_EQ(form.Design().CurrentWire->Count(), count);

    // After a hand edit the dialog says the design is no longer the
    // template's; Cancel changes nothing.
    Trigger("ActionBendWire10L");
    Answer("", {}, QDialog::Rejected);
    const int undos = form.Design().CurrentWire->UndoCount();
    Trigger("ActionFileEditTemplate");
    EXPECT_TRUE(FShown.back().note.startsWith("The design on screen is no longer what this template makes"));
    EXPECT_EQ(form.Design().CurrentWire->UndoCount(), undos);
}

}  // namespace
}  // namespace torvik::test
