#pragma once
// Design.activate and Design.curve, and their results: Activation and
// BracketLoad.

#include <pybind11/pybind11.h>

#include "python/py_design.h"

namespace torvik::py {

void RegisterActivation(pybind11::module_& aModule, pybind11::class_<TPyDesign>& aDesign);

}  // namespace torvik::py
