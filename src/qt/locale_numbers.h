#pragma once
// Numbers as the user interface shows and reads them: the program's masks
// with the user's locale (its decimal separator and minus sign), and typed
// numbers read in that locale. Files keep the point (support/numbers.h).

#include <string_view>

#include <QLocale>
#include <QString>

namespace torvik {

// FormatMask's text with the locale's decimal separator and minus sign;
// "0.00 mm" gives "1,50 mm" in a comma locale.
QString FormatLocal(double aValue, std::string_view aMask, const QLocale& aLocale = QLocale());

// Reads a typed real in the locale: blanks around it and direction marks
// (as in the minus sign of a right-to-left locale) are allowed, digit
// grouping is not (so "1.5" does not read in a comma locale), and a value
// that is not finite fails.
bool TryReadLocal(const QString& aText, double& aOut, const QLocale& aLocale = QLocale());

// Reads a typed integer in the locale, blanks around it allowed.
bool TryReadLocalInt(const QString& aText, int& aOut, const QLocale& aLocale = QLocale());

}  // namespace torvik
