#include "mainwindow/stock_panel.h"

#include <vector>

#include "qt/locale_numbers.h"
#include "wire/wire.h"
#include "wire/wire_stock.h"

namespace torvik {

namespace {

// The runs a tooltip lists before it stops.
constexpr int ShownRuns = 8;

QString Caption(const TWireStock& aStock) { return QString::fromStdString(StockCaption(aStock)); }

// "Stainless Steel 0.016 (E 172000 N/mm², 0.4064 mm round)", the numbers in
// the user's locale.
QString Details(const TWireStock& aStock) {
    const TWireSize& size = aStock.Size;
    const QString sides = size.IsRound() ? FormatLocal(size.CrossA / 10, "0.0### mm") + " round"
                                         : FormatLocal(size.CrossA / 10, "0.0###") + " x " +
                                               FormatLocal(size.CrossB / 10, "0.0### mm");
    return Caption(aStock) + " (E " + FormatLocal(aStock.Material.Modulus, "0") + " N/mm\u00b2, " + sides + ")";
}

QString RunRange(const TStockRun& aRun) {
    if (aRun.Count == 1) return "segment " + QString::number(aRun.First);
    return "segments " + QString::number(aRun.First) + "\u2013" + QString::number(aRun.First + aRun.Count - 1);
}

}  // namespace

TStockPanel::TStockPanel(QWidget* aParent) : QLabel(aParent) {
    setObjectName("PanelStock");
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setMargin(1);
    setAlignment(Qt::AlignCenter);
    // A long caption is cut off rather than widening the window.
    setMinimumWidth(1);
    setStatusTip("The material and cross-section of the wire on screen, which the loads shown are for.");
}

void TStockPanel::Show(const TWire& aWire) {
    const std::vector<TStockRun> runs = StockRuns(aWire);
    const bool mixed = runs.size() > 1;
    // Wire added at the end gets the wire's own stock there, or another.
    const bool newDiffers = runs.back().Stock != aWire.Stock;

    QString text = mixed ? QStringLiteral("mixed") : Caption(runs.front().Stock);
    QString tip;
    if (mixed) {
        tip = "The wire on screen is of mixed stock:";
        for (int i = 0; i < static_cast<int>(runs.size()); ++i) {
            if (i == ShownRuns) {
                tip += "\n\u2026 (" + QString::number(runs.size() - ShownRuns) + " runs more)";
                break;
            }
            tip += "\n" + RunRange(runs[static_cast<std::size_t>(i)]) + ": " + Details(runs[static_cast<std::size_t>(i)].Stock);
        }
    } else {
        tip = "The wire on screen: " + Details(runs.front().Stock) + ".";
    }
    tip += "\nThe loads shown are for this wire.";
    if (newDiffers) {
        text += " \u00b7 new wire: " + Caption(aWire.Stock);
        tip += "\nWire added from now on: " + Details(aWire.Stock) +
               ".\nOptions > Wire > Apply to Wire gives the whole wire one stock.";
    }
    setText(text);
    if (toolTip() != tip) setToolTip(tip);
}

}  // namespace torvik
