#include "qt/locale_numbers.h"

#include <cmath>

#include "support/numbers.h"

namespace torvik {

namespace {

QLocale Strict(const QLocale& aLocale) {
    QLocale strict = aLocale;
    strict.setNumberOptions(QLocale::RejectGroupSeparator | QLocale::OmitGroupSeparator);
    return strict;
}

// The typed text without blanks around it and without the invisible
// direction marks that some locales put in their minus sign (Hebrew, Arabic,
// Persian, Urdu): QLocale writes those marks but does not read them back, so
// a negative number the program shows would not read as typed.
QString Typed(const QString& aText) {
    QString text = aText;
    text.remove(QChar(0x200E));  // left-to-right mark
    text.remove(QChar(0x200F));  // right-to-left mark
    text.remove(QChar(0x061C));  // Arabic letter mark
    return text.trimmed();
}

}  // namespace

QString FormatLocal(double aValue, std::string_view aMask, const QLocale& aLocale) {
    QString text = QString::fromStdString(FormatMask(aValue, aMask));
    // The mask's own text may hold a point or a minus too, so only the
    // number's characters are replaced: the mask's text stands around them
    // unchanged, and FormatMask writes the number where the mask's first
    // digit placeholder stands.
    const std::size_t first = aMask.find_first_of("0#");
    const std::size_t last = aMask.find_last_of("0#");
    if (first == std::string_view::npos) return text;
    const qsizetype head = static_cast<qsizetype>(first);
    const qsizetype tail = static_cast<qsizetype>(aMask.size() - last - 1);
    QString number = text.mid(head, text.size() - head - tail);
    number.replace(QLatin1Char('.'), aLocale.decimalPoint());
    number.replace(QLatin1Char('-'), aLocale.negativeSign());
    return text.left(head) + number + text.right(tail);
}

bool TryReadLocal(const QString& aText, double& aOut, const QLocale& aLocale) {
    bool ok = false;
    const double value = Strict(aLocale).toDouble(Typed(aText), &ok);
    if (!ok || !std::isfinite(value)) return false;
    aOut = value;
    return true;
}

bool TryReadLocalInt(const QString& aText, int& aOut, const QLocale& aLocale) {
    bool ok = false;
    const int value = Strict(aLocale).toInt(Typed(aText), &ok);
    if (!ok) return false;
    aOut = value;
    return true;
}

}  // namespace torvik
