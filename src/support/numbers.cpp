// Number masks and file-number parsing, independent of the C locale.

#include "support/numbers.h"

#include "support/errors.h"
#include "support/text_utils.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <system_error>

namespace torvik {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Skips an optional sign at t[i]; true when it is a minus.
bool SkipSign(std::string_view t, size_t& i)
{
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) return t[i++] == '-';
    return false;
}

bool IsMaskDigit(char c) { return c == '0' || c == '#' || c == '.'; }

// The parts of a mask: literal text before and after the digit section,
// the minimum number of integer digits, the number of fraction digits and
// how many of them are always written.
struct TMask {
    std::string_view prefix;
    std::string_view suffix;
    int minIntDigits = 0;
    int fracDigits = 0;
    int minFracDigits = 0;
};

TMask SplitMask(std::string_view mask)
{
    TMask m;
    size_t start = 0;
    while (start < mask.size() && !IsMaskDigit(mask[start])) ++start;
    size_t end = start;
    bool seenPoint = false;
    while (end < mask.size() && IsMaskDigit(mask[end])) {
        if (mask[end] == '.') {
            if (seenPoint) break;  // a second point ends the digit section
            seenPoint = true;
        }
        ++end;
    }
    m.prefix = mask.substr(0, start);
    m.suffix = mask.substr(end);
    std::string_view digits = mask.substr(start, end - start);
    size_t point = digits.find('.');
    std::string_view intPart = digits.substr(0, point);
    for (char c : intPart)
        if (c == '0') ++m.minIntDigits;
    if (point != std::string_view::npos) {
        std::string_view fracPart = digits.substr(point + 1);
        m.fracDigits = static_cast<int>(fracPart.size());
        size_t lastZero = fracPart.rfind('0');
        m.minFracDigits = lastZero == std::string_view::npos ? 0 : static_cast<int>(lastZero) + 1;
    }
    return m;
}

// Adds one unit to the last digit of a string of decimal digits; returns
// true when the carry runs out of the front.
bool IncrementDigits(std::string& digits)
{
    for (size_t i = digits.size(); i-- > 0;) {
        if (digits[i] == '9') {
            digits[i] = '0';
        } else {
            ++digits[i];
            return false;
        }
    }
    return true;
}

}  // namespace

std::string FormatMask(double v, std::string_view mask)
{
    if (!std::isfinite(v)) throw TArithmeticError("Invalid floating point operation");

    const TMask m = SplitMask(mask);
    const bool negative = std::signbit(v);
    const double magnitude = std::fabs(v);

    std::string intDigits;   // without leading zeros
    std::string fracDigits;  // exactly m.fracDigits digits after rounding
    if (magnitude != 0) {
        // The shortest decimal that reads back as the same double (2.675, not
        // its binary value 2.67499999999999982...), as d.ddde±x.
        char buf[64];
        auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
        std::string_view sci(buf, static_cast<size_t>(res.ptr - buf));
        size_t e = sci.find('e');
        std::string mantissa;
        for (char c : sci.substr(0, e))
            if (IsDigit(c)) mantissa += c;
        int exponent = 0;
        std::from_chars(sci.data() + e + 1 + (sci[e + 1] == '+' ? 1 : 0), sci.data() + sci.size(), exponent);

        // The value is 0.mantissa × 10^(exponent + 1).
        const int intCount = exponent + 1;  // digits before the point (may be ≤ 0)
        if (intCount > 0) {
            for (int i = 0; i < intCount; ++i)
                intDigits += i < static_cast<int>(mantissa.size()) ? mantissa[static_cast<size_t>(i)] : '0';
            if (intCount < static_cast<int>(mantissa.size()))
                fracDigits = mantissa.substr(static_cast<size_t>(intCount));
        } else if (-intCount <= m.fracDigits) {
            fracDigits = std::string(static_cast<size_t>(-intCount), '0') + mantissa;
        }
        // Round half away from zero at the mask's last digit.
        bool roundUp = static_cast<int>(fracDigits.size()) > m.fracDigits &&
                       fracDigits[static_cast<size_t>(m.fracDigits)] >= '5';
        fracDigits.resize(static_cast<size_t>(m.fracDigits), '0');
        if (roundUp && IncrementDigits(fracDigits)) {
            if (IncrementDigits(intDigits)) intDigits.insert(intDigits.begin(), '1');
        }
        size_t firstNonZero = intDigits.find_first_not_of('0');
        intDigits.erase(0, firstNonZero == std::string::npos ? intDigits.size() : firstNonZero);
    } else {
        fracDigits.assign(static_cast<size_t>(m.fracDigits), '0');
    }

    const bool isZero = intDigits.empty() && fracDigits.find_first_not_of('0') == std::string::npos;

    while (static_cast<int>(intDigits.size()) < m.minIntDigits) intDigits.insert(intDigits.begin(), '0');
    while (static_cast<int>(fracDigits.size()) > m.minFracDigits && fracDigits.back() == '0')
        fracDigits.pop_back();
    if (intDigits.empty() && fracDigits.empty()) intDigits.push_back('0');  // never an empty number

    std::string out;
    if (negative && !isZero) out += '-';
    out += m.prefix;
    out += intDigits;
    if (!fracDigits.empty()) {
        out += '.';
        out += fracDigits;
    }
    out += m.suffix;
    return out;
}

std::string DataNumber(double v) {
    if (v == 0) return "0";
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 10);
    return std::string(buf, res.ptr);
}

bool TryParseFileNumber(std::string_view text, double& out)
{
    std::string_view t = TrimBlanks(text);
    size_t i = 0;
    const bool negative = SkipSign(t, i);
    const size_t numberStart = i;

    // Mantissa: digits with at most one point, at least one digit.
    int intDigits = 0;      // significant digits before the point
    int leadingFracZeros = 0;
    bool seenNonZero = false;
    int digitCount = 0;
    while (i < t.size() && IsDigit(t[i])) {
        if (t[i] != '0') seenNonZero = true;
        if (seenNonZero) ++intDigits;
        ++digitCount;
        ++i;
    }
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && IsDigit(t[i])) {
            if (t[i] != '0') seenNonZero = true;
            if (!seenNonZero) ++leadingFracZeros;
            ++digitCount;
            ++i;
        }
    }
    if (digitCount == 0) return false;

    // Optional exponent: e or E, optional sign, at least one digit.
    long long exponent = 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        bool expNegative = false;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
            expNegative = t[i] == '-';
            ++i;
        }
        if (i >= t.size() || !IsDigit(t[i])) return false;
        while (i < t.size() && IsDigit(t[i])) {
            if (exponent < 1000000000) exponent = exponent * 10 + (t[i] - '0');
            ++i;
        }
        if (expNegative) exponent = -exponent;
    }
    if (i != t.size()) return false;

    double value = 0;
    auto res = std::from_chars(t.data() + numberStart, t.data() + t.size(), value, std::chars_format::general);
    if (res.ptr != t.data() + t.size()) return false;
    if (res.ec == std::errc::result_out_of_range) {
        // Out of range either way: too small underflows harmlessly to zero,
        // too large fails.
        long long magnitude = seenNonZero ? exponent + (intDigits > 0 ? intDigits : -leadingFracZeros) : 0;
        if (magnitude > 0) return false;
        value = 0;
    } else if (res.ec != std::errc()) {
        return false;
    }
    if (!std::isfinite(value)) return false;
    out = negative ? -value : value;
    return true;
}

double ParseFileNumber(std::string_view text)
{
    double value = 0;
    if (!TryParseFileNumber(text, value))
        throw std::invalid_argument(QuotedValue(text) + " is not a valid floating point value");
    return value;
}

bool TryParseInt(std::string_view text, int& out)
{
    std::string_view t = TrimBlanks(text);
    size_t i = 0;
    const bool negative = SkipSign(t, i);
    int base = 10;
    if (i < t.size() && t[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < t.size() && t[i] == '0' && (t[i + 1] == 'x' || t[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= t.size()) return false;

    // Accumulate the magnitude; stop as soon as it leaves the 32-bit range.
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(INT_MIN) : INT_MAX;
    std::int64_t magnitude = 0;
    for (; i < t.size(); ++i) {
        char c = t[i];
        int d;
        if (IsDigit(c)) d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else return false;
        magnitude = magnitude * base + d;
        if (magnitude > limit) return false;
    }
    out = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

std::string MaskKeepingValue(double v, std::string_view aMask) {
    double back = 0;
    if (v == 0 || !std::isfinite(v) || !TryParseFileNumber(FormatMask(v, aMask), back) || back != 0)
        return std::string(aMask);
    // Fifteen decimals; a value that still shows as zero with them is as
    // good as zero, and is written as zero in the usual mask, as a zero
    // read back would be.
    const std::string fine = "0.###############";
    if (!TryParseFileNumber(FormatMask(v, fine), back) || back == 0) return std::string(aMask);
    return fine;
}

std::string FormatExact(double v) {
    if (!std::isfinite(v)) throw TArithmeticError("Invalid floating point operation");
    if (v == 0) return "0";  // never -0
    // Fixed notation without a precision is the shortest that reads back.
    char buf[400];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    return std::string(buf, static_cast<size_t>(res.ptr - buf));
}

}  // namespace torvik
