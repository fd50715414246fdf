#include "mainwindow/resistance_readout.h"

#include <cmath>

#include "qt/locale_numbers.h"
#include "wire/bracket.h"
#include "wire/design.h"

namespace torvik {

namespace {

QString Number(double aValue, const QLocale& aLocale) {
    return std::isfinite(aValue) ? FormatLocal(aValue, "0.00", aLocale) : QStringLiteral("-");
}

}  // namespace

QString ResistanceReadoutText(const TBracket& aBracket, const TForceMoment& aLoad, const TToothSettings& aTooth,
                              const QLocale& aLocale) {
    // A sliding wire's load acts beside the bracket, where its end sits in
    // the slot.
    const TForceMoment atBracket =
        aLoad.origin == aBracket.Origin() ? aLoad : LoadMovedTo(aLoad, aBracket.Origin());
    const TResistanceLoad c = AtCentreOfResistance(*aBracket.Origin(), aBracket.Direction(), atBracket.x,
                                                   atBracket.y, atBracket.m, aTooth);
    return " Mcr: " + Number(c.moment, aLocale) + "  r: " + (c.ratio ? Number(*c.ratio, aLocale) : QStringLiteral("-")) +
           "  " + QString::fromLatin1(MovementName(c.movement)) + " ";
}

}  // namespace torvik
