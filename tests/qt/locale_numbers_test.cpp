// Protects the user-interface numbers: masks in a point and a comma locale, strict reading of typed numbers.
#include "qt/locale_numbers.h"

#include <gtest/gtest.h>

namespace torvik {
namespace {

const QLocale English(QLocale::English, QLocale::UnitedStates);
const QLocale German(QLocale::German, QLocale::Germany);

TEST(LocaleNumbers, FormatsMasksWithTheLocaleSeparator) {
    EXPECT_EQ(FormatLocal(1.5, "0.00", English), "1.50");
    EXPECT_EQ(FormatLocal(1.5, "0.00", German), "1,50");
    EXPECT_EQ(FormatLocal(-1234.5, "0.00 mm", German), "-1234,50 mm");
    EXPECT_EQ(FormatLocal(250, "0.00 ", English), "250.00 ");
    EXPECT_EQ(FormatLocal(-0.001, "0.00", English), "0.00");
    EXPECT_EQ(FormatLocal(12.25, "0.0\u00b0", German), "12,3\u00b0");
    EXPECT_EQ(FormatLocal(0, "#.##", German), "0");
}

TEST(LocaleNumbers, ReadsOnlyTheLocaleForm) {
    double v = 0;
    EXPECT_TRUE(TryReadLocal(" 2,5 ", v, German));
    EXPECT_EQ(v, 2.5);
    EXPECT_FALSE(TryReadLocal("2.5", v, German));
    EXPECT_TRUE(TryReadLocal("2.5", v, English));
    EXPECT_EQ(v, 2.5);
    EXPECT_FALSE(TryReadLocal("1,000", v, English));
    EXPECT_TRUE(TryReadLocal("-180", v, English));
    EXPECT_EQ(v, -180);
    for (const char* bad : {"", "-", "abc", "1e999", "nan", "inf", "2x"}) {
        v = 7;
        EXPECT_FALSE(TryReadLocal(QString::fromLatin1(bad), v, English)) << bad;
        EXPECT_EQ(v, 7);
    }
    int n = 0;
    EXPECT_TRUE(TryReadLocalInt(" 12 ", n, English));
    EXPECT_EQ(n, 12);
    EXPECT_FALSE(TryReadLocalInt("1.5", n, English));
    EXPECT_FALSE(TryReadLocalInt("99999999999", n, English));
}

TEST(LocaleNumbers, EveryShownNumberReadsBackInItsLocale) {
    // Some locales write their minus sign with an invisible direction mark
    // (Hebrew, Arabic, Persian, Urdu); what the program shows must read back
    // as typed, or an unchanged negative field would be refused.
    int locales = 0;
    for (const QLocale& locale :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        ++locales;
        for (const double value : {-1234.5, -0.25, 3.75}) {
            double read = 0;
            const QString shown = FormatLocal(value, "0.00", locale);
            EXPECT_TRUE(TryReadLocal(shown, read, locale)) << locale.name().toStdString() << " " << shown.toStdString();
            EXPECT_EQ(read, value) << locale.name().toStdString();
        }
        int n = 0;
        const QString shown = FormatLocal(-12, "0", locale);
        EXPECT_TRUE(TryReadLocalInt(shown, n, locale)) << locale.name().toStdString();
        EXPECT_EQ(n, -12) << locale.name().toStdString();
    }
    EXPECT_GT(locales, 100);
    const QLocale hebrew(QLocale::Hebrew, QLocale::Israel);
    double v = 0;
    EXPECT_TRUE(TryReadLocal(FormatLocal(-3, "0.00", hebrew), v, hebrew));
    EXPECT_EQ(v, -3);
    // The marks are not digits: a text of marks alone is still no number.
    EXPECT_FALSE(TryReadLocal(QString(QChar(0x200E)), v, hebrew));
}

}  // namespace
}  // namespace torvik
