#pragma once
// The "Tooth" group of the options dialog's Calculation page: how far the
// teeth's centres of resistance lie from their brackets, and the side the
// roots point to as displayed.

#include <QGroupBox>

#include "wire/centre_of_resistance.h"

class QLineEdit;

namespace torvik {

class TRadioGroup;

class TToothGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TToothGroup(QWidget* aParent = nullptr);

    void Load(const TToothSettings& aTooth);
    // A distance that does not read gives 10 mm silently, as the dialog's
    // other numbers give their fallbacks; one that reads but lies outside
    // ResistanceDistanceRange (which the options dialog refuses on OK)
    // leaves the distance as it was.
    void TakeBack(TToothSettings& aTooth) const;
    // The distance field, for the options dialog's range check.
    QLineEdit* DistanceField() const { return FDistance; }

private:
    QLineEdit* FDistance;
    TRadioGroup* FRoots;
};

}  // namespace torvik
