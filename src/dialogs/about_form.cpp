#include "dialogs/about_form.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "support/help_topics.h"
#include "support/version.h"

namespace torvik {

namespace {
constexpr int IconSize = 64;
}

TAboutForm::TAboutForm(QWidget* aParent) : TTorvikDialog("AboutForm", tr("About Torvik"), HelpContents, aParent) {
    auto* programIcon = new QLabel(this);
    programIcon->setObjectName("ProgramIcon");
    programIcon->setFixedSize(IconSize, IconSize);
    programIcon->setAlignment(Qt::AlignCenter);

    auto* programName = new QLabel(tr("Torvik"), this);
    programName->setObjectName("ProgramName");
    QFont large = programName->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 2);
    programName->setFont(large);

    auto* purpose = new QLabel(tr("Activation of orthodontic wire loops"), this);
    purpose->setObjectName("Purpose");

    auto* version = new QLabel(tr("Version ") + QString::fromStdString(GetProgramVersion()), this);
    version->setObjectName("Version");

    // The program has no web page; the link leads to its help instead.
    auto* link = new QLabel(QStringLiteral("<a href=\"help:contents\">%1</a>").arg(tr("Torvik Help")), this);
    link->setObjectName("LinkLabel1");
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(link, &QLabel::linkActivated, this, [this] { emit helpRequested(HelpTopic()); });

    auto* okBut = new QPushButton(tr("OK"), this);
    okBut->setObjectName("OKBut");
    okBut->setDefault(true);
    connect(okBut, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(programName);
    texts->addWidget(purpose);
    texts->addSpacing(8);
    texts->addWidget(version);
    texts->addWidget(link);
    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(programIcon, 0, Qt::AlignTop);
    top->addLayout(texts);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okBut);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addSpacing(8);
    column->addLayout(buttons);
    ShowProgramIcon();
    FixSize();
}

void TAboutForm::showEvent(QShowEvent* aEvent) {
    // The application's icon may have been set after the box was made.
    ShowProgramIcon();
    TTorvikDialog::showEvent(aEvent);
}

void TAboutForm::ShowProgramIcon() {
    QIcon icon = QApplication::windowIcon();
    const QString programIcon = QStringLiteral(":/torvik.svg");
    if (icon.isNull() && QFile::exists(programIcon)) icon = QIcon(programIcon);
    findChild<QLabel*>("ProgramIcon")->setPixmap(icon.pixmap(IconSize, IconSize));
}

}  // namespace torvik
