#pragma once
// A working copy of a design: the same wire (segment by segment, with its
// materials, cross-sections and present deformation), brackets and loads,
// on points of its own, so that long computations can change it, or run on
// another thread, while the original stays as it was. The undo history is
// not copied.

#include <memory>

#include "wire/design.h"

namespace torvik {

std::unique_ptr<TDesign> CopyDesign(const TDesign& aDesign);

}  // namespace torvik
