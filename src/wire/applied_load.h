#pragma once
// Setting the load at the right bracket directly, as the force editor and
// Zero Force do: the load, its balance at the left bracket and the wire's
// shape under it change together, or not at all.

#include <functional>

#include "wire/design.h"

namespace torvik {

// RightForce := (aX, aY, aM), LeftForce balanced, and the wire deformed under
// the new load; then aAccept runs, when given (the window redraws there).
// When the wire cannot take the load (an arithmetic error, such as a load
// that overflows or a segment without stiffness, or a load that bends the
// wire beyond the drawable range) or aAccept throws, the loads and the
// wire's shape are left exactly as they were, and the error passes on.
void ApplyLoad(TDesign& aDesign, double aX, double aY, double aM, const std::function<void()>& aAccept = {});

// No load at either bracket, and every segment back at rest. Never fails,
// not even on a wire without stiffness.
void ZeroLoad(TDesign& aDesign);

}  // namespace torvik
