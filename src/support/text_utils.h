#pragma once
// Small text helpers: stripping quote characters from the ends of a text and
// splitting a text at a separator while keeping double-quoted items whole.

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

}  // namespace torvik
