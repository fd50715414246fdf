#pragma once
// The wire as bent: the design's wire without the deformation its load
// gives it, as the wire lies before it is tied into the right bracket. A
// bending template shows it, and the activation is measured from its end.

#include <memory>

#include "wire/design.h"

namespace torvik {

// A copy of the design with its wire as bent: no load, every segment back
// to zero deformation. The design itself is left as it is.
std::unique_ptr<TDesign> UnloadedCopy(const TDesign& aDesign);

// The activation (mm): how far the end of the wire as bent lies from the
// right bracket's point, the way the activation carries it. The design is
// left as it is.
double ActivationDistance(const TDesign& aDesign);

}  // namespace torvik
