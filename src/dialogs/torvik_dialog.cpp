#include "dialogs/torvik_dialog.h"

#include <QDialogButtonBox>
#include <QLayout>
#include <QPushButton>

namespace torvik {

TTorvikDialog::TTorvikDialog(const char* aName, const QString& aCaption, int aHelpTopic, QWidget* aParent)
    : QDialog(aParent), FHelpTopic(aHelpTopic) {
    setObjectName(QString::fromLatin1(aName));
    setWindowTitle(aCaption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
}

QPushButton* TTorvikDialog::NewHelpButton(const char* aName) {
    auto* button = new QPushButton(tr("&Help"), this);
    button->setObjectName(QString::fromLatin1(aName));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this] { emit helpRequested(FHelpTopic); });
    return button;
}

QDialogButtonBox* TTorvikDialog::NewOkCancelButtons(bool aHelp) {
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setObjectName("OKBtn");
    ok->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel)->setObjectName("CancelBtn");
    if (aHelp) buttons->addButton(NewHelpButton(), QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return buttons;
}

void TTorvikDialog::FixSize() {
    if (layout()) layout()->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace torvik
