#pragma once
// Small text helpers: stripping quote characters from the ends of a text,
// splitting a text at a separator while keeping double-quoted items whole,
// quoting a value of a file in a message, and showing a file name in one.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvik {

// The text without every leading and every trailing `quote` character;
// quote characters inside stay. Empty when the text holds only quotes.
std::string StripQuotes(std::string_view text, char quote);

// Splits text at separator. A run of separators yields no empty items; an
// item that starts with a double quote runs to the next double quote (both
// dropped, inner separators kept) or to the end of the text. The last item
// is taken with its surrounding double quotes stripped. Only the first
// character of a leading separator is skipped at a time, so separators of
// more than one character are not fully supported; an empty separator
// leaves the text whole.
std::vector<std::string> SplitQuoted(std::string_view text, std::string_view separator);

// A value read from a file, quoted for a message: in single quotes, at most
// aMaxChars characters of it followed by "..." when there are more, control
// characters (tab, CR, LF as \t, \r, \n, others as \xNN or \uNNNN, line
// separators and bidirectional overrides included) and bytes that are not
// UTF-8 (as \xNN) escaped, so that a message stays short, one line, and
// shows what the file holds.
std::string QuotedValue(std::string_view text, std::size_t aMaxChars = 60);

// How every message, caption and menu shows a file's name (the system's
// bytes, which need not be UTF-8): its characters escaped as QuotedValue
// escapes them, without quotes, and a name wider than aMaxChars characters
// (an escape as wide as its text) shortened in the middle to its start, an
// ellipsis "…" and as much of its end as fits.
constexpr std::size_t ShownFileNameWidth = 80;
std::string ShownFileName(std::string_view aName, std::size_t aMaxChars = ShownFileNameWidth);

// UTF-16 text (without its byte order mark; big-endian when aBigEndian) as
// UTF-8; none when it is not UTF-16: an odd number of bytes, or a surrogate
// without its partner.
std::optional<std::string> Utf16ToUtf8(std::string_view aBytes, bool aBigEndian);
// UTF-8 text as UTF-16 (without a byte order mark); none when it is not
// UTF-8.
std::optional<std::string> Utf8ToUtf16(std::string_view aText, bool aBigEndian);

// A text as a JSON string: in double quotes, with quotes, backslashes and
// control characters escaped, and each byte that is not UTF-8 written as the
// lone surrogate \udc80 + byte, so that the JSON stays valid and the bytes
// can be had back (Python: json.loads, then os.fsencode).
std::string JsonString(const std::string& s);
// A text as a CSV field: quoted, with its quotes doubled, when it holds a
// comma, a quote or a line end; as it is otherwise.
std::string CsvField(const std::string& s);

}  // namespace torvik
