#pragma once
// How the force read-out shows loads that no longer hold the wire in the
// right bracket (LoadsMeetBracket): the panels keep their texts but draw
// them grey, and their tooltip says why and what to do before it gives the
// units and signs of the numbers (ForcePanelTip).

class QLabel;

namespace torvik {

// Grey text when aStale, the panel's own colours otherwise; the tooltip of
// ForcePanelTip(aStale).
void ShowLoadsStale(QLabel& aPanel, bool aStale);

}  // namespace torvik
