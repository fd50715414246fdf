#pragma once
// The painter transform of the view mapping: logical units (0.01 mm) to the
// display's pixels, as one exact scale-and-translate.

#include <QTransform>

#include "render/view_mapping.h"

namespace torvik {

// device = logical x Scale() + (OffsetX(), OffsetY()).
QTransform MappingTransform(const TViewMapping& aMapping);
// A plain scale-and-translate: device = logical x aScale + (aDx, aDy).
QTransform MappingTransform(double aScale, double aDx, double aDy);

}  // namespace torvik
