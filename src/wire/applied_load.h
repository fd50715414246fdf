#pragma once
// Setting the load at the right bracket directly, as the force editor and
// Zero Force do: the load, its balance at the left bracket and the wire's
// shape under it change together, or not at all.

#include "wire/design.h"

namespace torvik {

// RightForce := (aX, aY, aM), LeftForce balanced, and the wire deformed under
// the new load. When the wire cannot take it (an arithmetic error, such as a
// load that overflows or a segment without stiffness), the loads and the
// wire's shape are left exactly as they were, and the error passes on.
void ApplyLoad(TDesign& aDesign, double aX, double aY, double aM);

// No load at either bracket, and every segment back at rest. Never fails,
// not even on a wire without stiffness.
void ZeroLoad(TDesign& aDesign);

}  // namespace torvik
