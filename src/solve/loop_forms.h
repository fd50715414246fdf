#pragma once
// The five loop forms, and what their definitions share: the pieces of a
// loop's centre line, parameters in mm and lengths in messages.

#include <string>

#include "solve/loop_template.h"

namespace torvik {

const TLoopForm& VerticalLoopForm();
const TLoopForm& TeeLoopForm();
const TLoopForm& TeardropLoopForm();
const TLoopForm& LLoopForm();
const TLoopForm& BoxLoopForm();

// Geometry is compared with this much slack (mm), so that values typed to
// fit exactly are not refused for a rounding error.
inline constexpr double ShapeSlack = 1e-9;

TTemplateParameter LengthParameter(const char* aName, const char* aCaption, double aDefault, double aMin,
                                   double aMax, const char* aDescription);
// "12 mm", written by aFormat.
std::string MmText(double aValue, const TNumberFormat& aFormat);

inline TPathPiece StraightPiece(double aLength) { return {TPathPiece::Straight, aLength, 0, 0, 0}; }
// aTurn in radians, positive clockwise as displayed.
inline TPathPiece ArcPiece(double aRadius, double aTurn) { return {TPathPiece::Arc, 0, aRadius, aTurn, 0}; }
inline TPathPiece MarkPiece(TLoopMark aMark) { return {TPathPiece::Mark, 0, 0, 0, aMark}; }

}  // namespace torvik
