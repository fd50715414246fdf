#pragma once
// What the sweep and fit reports of torvik-design say about the loop they
// start from and how it is activated: text lines, and JSON fields with the
// units of their numbers.

#include <string>

#include "solve/loop_template.h"
#include "solve/newton.h"

namespace torvik::cli {

// "12 mm", "-10°": a parameter's value as the reports write it.
std::string ValueText(double aValue, const TTemplateParameter& aParameter);
// "mm" or "deg", as JSON and CSV name units.
const char* UnitKey(const TTemplateParameter& aParameter);

// The form, the wire and every parameter's value.
std::string TemplateTextLines(const TLoopTemplate& aTemplate);
// How each design is activated: from zero load to full engagement in the
// slot by the Newton solver, to its tolerances.
std::string ActivationTextLine(const TSolveTolerances& aTol);

// "form", "template" (each parameter by its key with its unit), the stock
// and the segment size, as JSON fields without the braces around them.
std::string TemplateJsonFields(const TLoopTemplate& aTemplate);
// "target", "tolerance_distance_mm", "tolerance_angle_deg".
std::string ActivationJsonFields(const TSolveTolerances& aTol);
// "units": the units of forces, moments, lengths and angles.
std::string UnitsJsonField();

}  // namespace torvik::cli
