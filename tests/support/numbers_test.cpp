// Protects the number masks and file-number parsing that design and settings files rely on.

#include "support/errors.h"
#include "support/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace torvik {
namespace {

TEST(NumbersFormat, FixedDecimalsAlwaysWritten)
{
    EXPECT_EQ(FormatMask(0.0, "0.000000"), "0.000000");
    EXPECT_EQ(FormatMask(3.14159265358979, "0.000000"), "3.141593");
    EXPECT_EQ(FormatMask(5.0, "0.00"), "5.00");
    EXPECT_EQ(FormatMask(6.0, "0.00"), "6.00");
    EXPECT_EQ(FormatMask(0.3 * 20, "0.00"), "6.00");
    EXPECT_EQ(FormatMask(100000.0, "0"), "100000");
    EXPECT_EQ(FormatMask(4.064, "0.000"), "4.064");
    EXPECT_EQ(FormatMask(2.0, "0.0"), "2.0");
    EXPECT_EQ(FormatMask(0.1, "0.000"), "0.100");
}

TEST(NumbersFormat, OptionalDigitsDropTrailingZeros)
{
    EXPECT_EQ(FormatMask(200.0, "0.####"), "200");
    EXPECT_EQ(FormatMask(212.5, "0.####"), "212.5");
    EXPECT_EQ(FormatMask(10.625 * 20, "0.####"), "212.5");
    EXPECT_EQ(FormatMask(0.123456, "0.####"), "0.1235");
    EXPECT_EQ(FormatMask(4.71238898038469, "0.######"), "4.712389");
    EXPECT_EQ(FormatMask(0.0, "0.######"), "0");
    EXPECT_EQ(FormatMask(2.5, "0.#"), "2.5");
    EXPECT_EQ(FormatMask(-12.04, "0.#"), "-12");
    EXPECT_EQ(FormatMask(2540.0 / 3.0, "#.##"), "846.67");
    EXPECT_EQ(FormatMask(0.5, "#.##"), ".5");
    EXPECT_EQ(FormatMask(0.0, "#.##"), "0");  // never an empty number
    EXPECT_EQ(FormatMask(0.001, "#.##"), "0");
}

TEST(NumbersFormat, RoundsHalfAwayFromZeroOnTheWrittenNumber)
{
    EXPECT_EQ(FormatMask(0.125, "0.00"), "0.13");
    EXPECT_EQ(FormatMask(-0.125, "0.00"), "-0.13");
    EXPECT_EQ(FormatMask(2.675, "0.00"), "2.68");  // binary 2.67499999999999982...
    EXPECT_EQ(FormatMask(1.005, "0.00"), "1.01");
    EXPECT_EQ(FormatMask(0.5, "0"), "1");
    EXPECT_EQ(FormatMask(1.5, "0"), "2");
    EXPECT_EQ(FormatMask(2.5, "0"), "3");
    EXPECT_EQ(FormatMask(-2.5, "0"), "-3");
    EXPECT_EQ(FormatMask(9.9999, "0.00"), "10.00");
    EXPECT_EQ(FormatMask(999.99999, "0.####"), "1000");
    EXPECT_EQ(FormatMask(0.005, "0.00"), "0.01");
    EXPECT_EQ(FormatMask(0.0049, "0.00"), "0.00");
    EXPECT_EQ(FormatMask(0.0005, "0.00"), "0.00");
    EXPECT_EQ(FormatMask(1e-300, "0.000000"), "0.000000");
}

TEST(NumbersFormat, NegativeValuesAndNegativeZero)
{
    EXPECT_EQ(FormatMask(-1.5707963, "0.000000"), "-1.570796");
    EXPECT_EQ(FormatMask(-200.0, "0.####"), "-200");
    EXPECT_EQ(FormatMask(-0.0, "0.00"), "0.00");
    EXPECT_EQ(FormatMask(-0.0000001, "0.000000"), "0.000000");
    EXPECT_EQ(FormatMask(-0.004, "0.00"), "0.00");
    EXPECT_EQ(FormatMask(-0.00004, "0.####"), "0");
    EXPECT_EQ(FormatMask(-0.4, "0"), "0");
}

TEST(NumbersFormat, BigValuesLiteralsAndNonFinite)
{
    EXPECT_EQ(FormatMask(123456789012.0, "0"), "123456789012");
    EXPECT_EQ(FormatMask(1e20, "0.##"), "100000000000000000000");
    EXPECT_EQ(FormatMask(-1e15, "0.00"), "-1000000000000000.00");
    EXPECT_EQ(FormatMask(12.345, "0.00 mm"), "12.35 mm");
    EXPECT_EQ(FormatMask(-1.0, "0.00 "), "-1.00 ");
    EXPECT_THROW(FormatMask(std::numeric_limits<double>::infinity(), "0.00"), TArithmeticError);
    EXPECT_THROW(FormatMask(std::nan(""), "0"), TArithmeticError);
}

TEST(NumbersFormat, MaskKeepingValueNeverWritesASmallValueAsZero) {
    EXPECT_EQ(MaskKeepingValue(0.1, "0.000"), "0.000");
    EXPECT_EQ(MaskKeepingValue(0, "0.000"), "0.000");
    EXPECT_EQ(MaskKeepingValue(0.0005, "0.000"), "0.000");  // rounds to 0.001
    EXPECT_EQ(FormatMask(0.0004, MaskKeepingValue(0.0004, "0.000")), "0.0004");
    EXPECT_EQ(FormatMask(-1e-7, MaskKeepingValue(-1e-7, "0.00")), "-0.0000001");
    // Too small for fifteen decimals: zero, written as zero is, so that it
    // reads back and is written again the same.
    EXPECT_EQ(MaskKeepingValue(1e-308, "0.00"), "0.00");
    EXPECT_EQ(MaskKeepingValue(-4e-16, "0.000"), "0.000");
    EXPECT_EQ(FormatMask(6e-15, MaskKeepingValue(6e-15, "0.00")), "0.000000000000006");
}

TEST(NumbersParse, AcceptsFileNumbers)
{
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"0", 0},          {"12.5", 12.5},        {" 12.5 ", 12.5},    {"\t-3\t", -3},
        {"+4.25", 4.25},   {"-1.5707963", -1.5707963}, {"5.", 5},      {".5", 0.5},
        {"1e3", 1000},     {"1.5E-2", 0.015},     {"2e+2", 200},       {"007", 7},
        {"1e-999", 0},     {"0.000000", 0},       {"212.5", 212.5},    {"1e308", 1e308},
    };
    for (const Case& c : cases) {
        double v = -99;
        EXPECT_TRUE(TryParseFileNumber(c.text, v)) << c.text;
        EXPECT_DOUBLE_EQ(v, c.value) << c.text;
        EXPECT_DOUBLE_EQ(ParseFileNumber(c.text), c.value) << c.text;
    }
}

TEST(NumbersParse, RejectsAnythingElse)
{
    const char* bad[] = {"",    "   ",  "abc",  "1,5",  "0x10", "inf", "-inf", "nan", "infinity", "1e999",
                         "-1e999", "12.5x", "1 2", "1..2", "1.2.3", ".", "-", "+", "e5", "1e", "1e+",
                         "--1", "+-1", "nil", "$10", "1_000", "１"};
    for (const char* text : bad) {
        double v = 42;
        EXPECT_FALSE(TryParseFileNumber(text, v)) << text;
        EXPECT_EQ(v, 42) << "output changed for " << text;
    }
    try {
        ParseFileNumber("abc");
        FAIL() << "no exception";
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
    }
}

TEST(NumbersParseInt, DecimalHexAndRange)
{
    struct Case {
        const char* text;
        int value;
    };
    const Case good[] = {{"0", 0},     {"42", 42},          {" -7 ", -7},         {"+3", 3},
                         {"0x10", 16}, {"0XfF", 255},       {"$1A", 26},          {"-$10", -16},
                         {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}, {"0x7FFFFFFF", 2147483647}};
    for (const Case& c : good) {
        int v = -99;
        EXPECT_TRUE(TryParseInt(c.text, v)) << c.text;
        EXPECT_EQ(v, c.value) << c.text;
    }
    const char* bad[] = {"", " ", "abc", "1.5", "1e3", "2147483648", "-2147483649", "0x80000000",
                         "0x", "$", "99999999999999999999", "12 3", "0x1G", "--1"};
    for (const char* text : bad) {
        int v = 5;
        EXPECT_FALSE(TryParseInt(text, v)) << text;
        EXPECT_EQ(v, 5) << text;
    }
}

TEST(NumbersFormat, DataNumbersForJsonAndCsv)
{
    EXPECT_EQ(DataNumber(91.06119681234), "91.06119681");
    EXPECT_EQ(DataNumber(1.0 / 3.0), "0.3333333333");
    EXPECT_EQ(DataNumber(-6.615947609123e-06), "-6.615947609e-06");
    EXPECT_EQ(DataNumber(172000), "172000");
    EXPECT_EQ(DataNumber(-0.0), "0");
    EXPECT_EQ(DataNumber(1e-300), "1e-300");
}

}  // namespace
}  // namespace torvik
