#pragma once
// Wire stock in Python: torvik.Material and torvik.CrossSection (the core's
// material and cross-section records, the sides shown in mm), the built-in
// tables, and torvik.StockRun, a run of equal stock along a wire.

#include <pybind11/pybind11.h>

#include "wire/materials.h"

namespace torvik::py {

namespace pyb = pybind11;

// A material given as a built-in name (letter case aside) or a
// torvik.Material; throws TPyInputError for an unknown name.
TWireMaterial MaterialArgument(const pyb::object& aValue);
TWireSize CrossSectionArgument(const pyb::object& aValue);

// Defines Material, CrossSection, StockRun, materials() and cross_sections().
void RegisterStock(pyb::module_& aModule);

}  // namespace torvik::py
