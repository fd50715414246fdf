#pragma once
// The centre-of-resistance part of a force read-out panel: the moment at the
// tooth's centre of resistance, the ratio r and the movement it points to.

#include <QLocale>
#include <QString>

#include "geometry/force_moment.h"
#include "wire/centre_of_resistance.h"

namespace torvik {

class TBracket;

// " Mcr: -857.94  r: 0.14 controlled tipping " for the load aLoad of
// aBracket (taken about the bracket's point first, wherever it acts), in the
// read-out's mask and locale, "-" for an undefined ratio.
QString ResistanceReadoutText(const TBracket& aBracket, const TForceMoment& aLoad, const TToothSettings& aTooth,
                              const QLocale& aLocale = QLocale());

}  // namespace torvik
