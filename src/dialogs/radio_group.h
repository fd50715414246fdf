#pragma once
// A titled group of radio buttons, one chosen at a time, read and set by the
// index of the chosen item (-1 when none is).

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace torvik {

class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    // The items from the top; each button is named after the group with its
    // index appended ("SegSizeGroup0").
    TRadioGroup(const char* aName, const QString& aTitle, const QStringList& aItems, QWidget* aParent = nullptr);

    int ItemIndex() const;
    // Chooses item aIndex; an index outside the items chooses none.
    void SetItemIndex(int aIndex);
    QRadioButton* Item(int aIndex) const;
    int Count() const;

private:
    QButtonGroup* FButtons;
};

}  // namespace torvik
