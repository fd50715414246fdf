#pragma once
// What the window does when its run stops by itself at its tolerances: the
// loads are refined to full engagement when the settings ask for it, and
// the status bar says what became of them. Qt-free, so the rule is tested
// without a window.

#include <string>

#include "solve/newton.h"
#include "wire/activation_run.h"
#include "wire/design.h"

namespace torvik {

struct TRunStop {
    bool tried = false;    // the settings asked for a refinement
    bool refined = false;  // the design now holds the refined loads
    TSolveResult solve;    // the refinement, when tried
    // One sentence for the status bar; empty when refining is off.
    std::string status;
};

// Refines the loads of a run that stopped at its tolerances when
// aSettings.RefineLoads is set; otherwise changes nothing. A refinement that
// fails leaves the stopped run's loads and shape, and the status says why.
TRunStop FinishStoppedRun(TDesign& aDesign, const TActivationSettings& aSettings);

}  // namespace torvik
