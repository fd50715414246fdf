#pragma once
// Whether the loads shown still belong to the design: the read-out and the
// arrows show RightForce and its balance, which a run found to bring the
// wire end into the right bracket. A bracket moved or turned, a wire edited,
// undone or frozen, or a run stopped short of its target leaves loads that
// no longer do; the window marks them so that no one reads them as current.

#include "wire/activation_run.h"
#include "wire/design.h"

namespace torvik {

// True when RightForce, at its point of application, holds the wire in the
// right bracket for the target and tolerances of aSettings: the wire lies as
// these loads deform it (the picture is the picture of these loads, not of a
// frozen or undone wire), and its end meets the target exactly as a run's
// automatic stop tests it, so that a run that stopped there is current. Every load is
// judged so, zero included: a design whose loads were never found (a new
// one, zero force) shows current loads only when its wire already lies in
// the bracket. Changes nothing, so it may be asked while drawing; a load
// the wire cannot take does not meet the bracket.
bool LoadsMeetBracket(const TDesign& aDesign, const TActivationSettings& aSettings);

}  // namespace torvik
