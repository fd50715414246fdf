#pragma once
// The status panel that names the stock of the wire on screen, the wire the
// loads shown are for: "Stainless Steel 0.016 x 0.022", or "mixed". When
// wire added from now on gets another stock (Options > Wire chose one and
// OK kept it for new wire), it says so after the wire's own:
// "Stainless Steel 0.016 · new wire: TMA 0.017 x 0.025". Its tooltip gives
// the moduli and sides, and the runs of a mixed wire.

#include <QLabel>

namespace torvik {

class TWire;

class TStockPanel : public QLabel {
    Q_OBJECT
public:
    explicit TStockPanel(QWidget* aParent = nullptr);

    // Shows aWire's stock; cheap when nothing changed.
    void Show(const TWire& aWire);
};

}  // namespace torvik
