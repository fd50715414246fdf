#include "mainwindow/force_readout.h"

#include <cmath>

#include "qt/locale_numbers.h"

namespace torvik {

namespace {

// A number of the read-out; one too large to be written (an overflowing
// ratio of a tiny divisor) reads as undefined rather than failing the redraw.
QString Number(double aValue, std::string_view aMask, const QLocale& aLocale) {
    if (!std::isfinite(aValue)) return aMask.back() == ' ' ? QStringLiteral("- ") : QStringLiteral("-");
    return FormatLocal(aValue, aMask, aLocale);
}

}  // namespace

QString ForceReadoutText(const TForceMoment& aFM, const QLocale& aLocale) {
    const double f = std::hypot(aFM.x, aFM.y);
    const double m = aFM.m;
    QString text = " F: " + Number(f, "0.00", aLocale) + "  M: " + Number(m, "0.00", aLocale);
    text += "  M/F: " + (f != 0 ? Number(m / f, "0.00", aLocale) : QStringLiteral("-"));
    text += "  M/Fx: " + (aFM.x != 0 ? Number(m / std::abs(aFM.x), "0.00 ", aLocale) : QStringLiteral("- "));
    return text;
}

}  // namespace torvik
