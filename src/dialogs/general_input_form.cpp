#include "dialogs/general_input_form.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace torvik {

TGeneralInputForm::TGeneralInputForm(QWidget* aParent)
    : TTorvikDialog("GeneralInputForm", QStringLiteral("Torvik"), 0, aParent) {
    FInputTextLbl = new QLabel(tr("&Input:"), this);
    FInputTextLbl->setObjectName("InputTextLbl");
    FInputEd = new QLineEdit(this);
    FInputEd->setObjectName("InputEd");
    FInputEd->setText("180");
    FInputEd->setMinimumWidth(180);
    // The prompt's access key moves the focus to the field.
    FInputTextLbl->setBuddy(FInputEd);

    QDialogButtonBox* buttons = NewOkCancelButtons(false);

    auto* column = new QVBoxLayout(this);
    column->addWidget(FInputTextLbl);
    column->addWidget(FInputEd);
    column->addWidget(buttons);
    FixSize();
}

TGeneralInputForm& TGeneralInputForm::Of(QWidget& aWindow) {
    auto* form = aWindow.findChild<TGeneralInputForm*>("GeneralInputForm", Qt::FindDirectChildrenOnly);
    return form ? *form : *new TGeneralInputForm(&aWindow);
}

QString TGeneralInputForm::Prompt() const { return FInputTextLbl->text(); }
void TGeneralInputForm::SetPrompt(const QString& aPrompt) { FInputTextLbl->setText(aPrompt); }
QString TGeneralInputForm::Text() const { return FInputEd->text(); }
void TGeneralInputForm::SetText(const QString& aText) { FInputEd->setText(aText); }

void TGeneralInputForm::showEvent(QShowEvent* aEvent) {
    TTorvikDialog::showEvent(aEvent);
    // Typing replaces the offered value.
    FInputEd->setFocus();
    FInputEd->selectAll();
}

}  // namespace torvik
