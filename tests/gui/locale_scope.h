#pragma once
// Sets the default locale for one test and restores the previous one after it.

#include <QLocale>

namespace torvik::test {

class TLocaleScope {
public:
    explicit TLocaleScope(const QLocale& aLocale) : FPrevious(QLocale()) { QLocale::setDefault(aLocale); }
    ~TLocaleScope() { QLocale::setDefault(FPrevious); }
    TLocaleScope(const TLocaleScope&) = delete;
    TLocaleScope& operator=(const TLocaleScope&) = delete;

    // A point and a comma as decimal separator.
    static QLocale Point() { return QLocale(QLocale::English, QLocale::UnitedStates); }
    static QLocale Comma() { return QLocale(QLocale::German, QLocale::Germany); }

private:
    QLocale FPrevious;
};

}  // namespace torvik::test
