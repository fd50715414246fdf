#pragma once
// How the force read-out shows loads that no longer hold the wire in the
// right bracket (LoadsMeetBracket): the panels keep their texts but draw
// them grey, and their tooltip says why and what to do.

#include <QString>

class QLabel;

namespace torvik {

inline const QString StaleLoadsTip =
    QStringLiteral("These loads no longer meet the right bracket: run the activation again (F5).");

// Grey text and the tooltip when aStale; the panel's own colours and no
// tooltip otherwise.
void ShowLoadsStale(QLabel& aPanel, bool aStale);

}  // namespace torvik
