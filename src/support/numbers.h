#pragma once
// Numbers in files and read-outs: formatting with the program's masks and
// parsing of file numbers, always with "." as decimal separator and no digit
// grouping, whatever the user's locale.

#include <string>
#include <string_view>

namespace torvik {

// Formats v with a mask of the kind "0", "0.00", "0.000000", "0.####",
// "#.##" or "0.#": a "0" is a digit always written, a "#" a digit written only
// when it is not a trailing zero (before the point: only when not a leading
// zero), the value is rounded half away from zero to the mask's last digit,
// and a negative value that is not zero after rounding carries a leading "-".
// Rounding works on the shortest decimal that reads back as the same double,
// so 2.675 with "0.00" gives "2.68" although its binary value lies just below. Text
// around the digits is copied as it stands ("0.00 mm"); a number never comes
// out empty ("#.##" writes "0" for 0). A value that is not finite throws
// TArithmeticError rather than writing a number no file could read back.
std::string FormatMask(double v, std::string_view mask);

// aMask (a plain number mask such as "0.000"), or, when it would write a
// value that is not zero as zero (0.0004
// with "0.000"), a mask with as many decimals as the value needs, so that a
// small setting is not written or shown as a different one. A value that
// still shows as zero with fifteen decimals keeps aMask: it is written as
// zero, the same way the zero read back is written again.
std::string MaskKeepingValue(double v, std::string_view aMask);

// A finite number as the JSON and CSV reports hold it: ten significant
// digits, the shorter of fixed and exponent form ("0.3333333333", "1e-20"),
// whatever the C library's locale, and "0" for a negative zero.
std::string DataNumber(double v);

// The shortest plain decimal (no exponent, "." as separator) that reads
// back as exactly v: "4.064", "172000", "0" for either zero. For values a
// file must give back unchanged. A value that is not finite throws
// TArithmeticError.
std::string FormatExact(double v);

// Parses a file number: surrounding blanks, an optional sign, digits with "."
// as decimal separator, an optional exponent. Anything else fails, as does a
// value that is not finite once read ("1e999").
bool TryParseFileNumber(std::string_view text, double& out);

// As TryParseFileNumber; throws std::invalid_argument with the text
// "'<text>' is not a valid floating point value" on failure, the text quoted
// as QuotedValue does (short, control characters escaped).
double ParseFileNumber(std::string_view text);

// Parses an integer as INI files hold them: surrounding blanks, an optional
// sign, decimal digits, or hexadecimal after "0x", "0X" or "$". Fails when
// the value does not fit a 32-bit integer (hexadecimal included).
bool TryParseInt(std::string_view text, int& out);

}  // namespace torvik
