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
    // A distance that does not read, or is not above 0 and at most
    // MaxResistanceDistance, gives 10 mm silently, as the dialog's other
    // numbers give their fallbacks.
    void TakeBack(TToothSettings& aTooth) const;

private:
    QLineEdit* FDistance;
    TRadioGroup* FRoots;
};

}  // namespace torvik
