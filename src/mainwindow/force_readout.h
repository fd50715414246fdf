#pragma once
// The text of a force read-out panel: the force's magnitude, the moment and
// the two moment-to-force ratios of one load, in the user's locale.

#include <QLocale>
#include <QString>

#include "geometry/force_moment.h"

namespace torvik {

// " F: 10.00  M: 50.00  M/F: 5.00  M/Fx: 5.00 " for the load (-10, 0, 50):
// F = |(x, y)|, M/F = m / F and M/Fx = m / |x|, each ratio from the
// unrounded values, and "-" for a ratio without a divisor. The values are
// shown as they are stored, without units (cN and cN.mm).
QString ForceReadoutText(const TForceMoment& aFM, const QLocale& aLocale = QLocale());

}  // namespace torvik
