#pragma once
// What the numbers of a load mean, said once for the force read-out's
// tooltips and the printed title block: their units and the sense of their
// signs.

#include <string>

namespace torvik {

// "forces in cN, moments in cN·mm, M/F and M/Fx in mm"
extern const char* const LoadUnitsText;

// The tooltip of a force read-out panel, one line: the units and the sign
// convention. Loads that no longer hold the wire in the right bracket
// (aStale) get the sentence that says so first, on a line of its own.
std::string ForcePanelTip(bool aStale);

}  // namespace torvik
