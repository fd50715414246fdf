#pragma once
// The wire information box "Wire": six read-only figures about the current
// wire (its length, its end's distance and angulation to the right bracket,
// its largest and smallest strain, its segment count) with its material
// and cross-section, a Close button and Help.

#include "dialogs/torvik_dialog.h"
#include "wire/wire_info.h"

class QGridLayout;
class QLabel;

namespace torvik {

class TEditWire : public TTorvikDialog {
    Q_OBJECT
public:
    explicit TEditWire(QWidget* aParent = nullptr);

    // Shows the figures in the user's locale.
    void Fill(const TWireInfo& aInfo);

private:
    QLabel* AddValue(const char* aName, const QString& aCaption);

    QGridLayout* FValues = nullptr;
    QLabel* FWLength = nullptr;
    QLabel* FWDistance = nullptr;
    QLabel* FWAngulation = nullptr;
    QLabel* FWMaxStrain = nullptr;
    QLabel* FWMinStrain = nullptr;
    QLabel* FNumSegsLbl = nullptr;
    QLabel* FStockLbl = nullptr;
};

}  // namespace torvik
