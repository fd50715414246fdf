#include "mainwindow/force_readout.h"

#include <cmath>

#include "qt/locale_numbers.h"

namespace torvik {

namespace {

// A number of the read-out; one too large to be written (a force whose
// magnitude overflows) reads as undefined rather than failing the redraw.
QString Number(double aValue, std::string_view aMask, const QLocale& aLocale) {
    if (!std::isfinite(aValue)) return aMask.back() == ' ' ? QStringLiteral("- ") : QStringLiteral("-");
    return FormatLocal(aValue, aMask, aLocale);
}

}  // namespace

QString ForceReadoutText(const TForceMoment& aFM, const QLocale& aLocale) {
    const std::optional<double> mf = MomentOverForce(aFM.x, aFM.y, aFM.m);
    const std::optional<double> mfx = MomentOverForceX(aFM.x, aFM.m);
    QString text = " F: " + Number(std::hypot(aFM.x, aFM.y), "0.00", aLocale) + "  M: " + Number(aFM.m, "0.00", aLocale);
    text += "  M/F: " + (mf ? Number(*mf, "0.00", aLocale) : QStringLiteral("-"));
    text += "  M/Fx: " + (mfx ? Number(*mfx, "0.00 ", aLocale) : QStringLiteral("- "));
    return text;
}

}  // namespace torvik
