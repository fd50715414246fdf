#include "mainwindow/stale_loads.h"

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QString>

#include "render/load_units.h"

namespace torvik {

namespace {

// The grey of stale load arrows.
const QColor StaleText(128, 128, 128);

}  // namespace

void ShowLoadsStale(QLabel& aPanel, bool aStale) {
    if (aStale) {
        QPalette palette = aPanel.palette();
        palette.setColor(QPalette::WindowText, StaleText);
        aPanel.setPalette(palette);
    } else {
        // A palette that sets no colour of its own: the panel's parent's again.
        aPanel.setPalette(QPalette());
    }
    aPanel.setToolTip(QString::fromStdString(ForcePanelTip(aStale)));
}

}  // namespace torvik
