#include "dialogs/radio_group.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace torvik {

TRadioGroup::TRadioGroup(const char* aName, const QString& aTitle, const QStringList& aItems, QWidget* aParent)
    : QGroupBox(aTitle, aParent), FButtons(new QButtonGroup(this)) {
    setObjectName(QString::fromLatin1(aName));
    auto* column = new QVBoxLayout(this);
    for (int i = 0; i < aItems.size(); ++i) {
        auto* button = new QRadioButton(aItems[i], this);
        button->setObjectName(objectName() + QString::number(i));
        FButtons->addButton(button, i);
        column->addWidget(button);
    }
}

int TRadioGroup::ItemIndex() const { return FButtons->checkedId(); }

void TRadioGroup::SetItemIndex(int aIndex) {
    if (QAbstractButton* button = FButtons->button(aIndex)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; unchecking needs it off.
    if (QAbstractButton* checked = FButtons->checkedButton()) {
        FButtons->setExclusive(false);
        checked->setChecked(false);
        FButtons->setExclusive(true);
    }
}

QRadioButton* TRadioGroup::Item(int aIndex) const { return qobject_cast<QRadioButton*>(FButtons->button(aIndex)); }

int TRadioGroup::Count() const { return static_cast<int>(FButtons->buttons().size()); }

}  // namespace torvik
