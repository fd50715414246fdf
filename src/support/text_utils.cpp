// Quote stripping and quoted splitting of texts.

#include "support/text_utils.h"

namespace torvik {

std::string StripQuotes(std::string_view text, char quote)
{
    size_t first = text.find_first_not_of(quote);
    if (first == std::string_view::npos) return {};
    size_t last = text.find_last_not_of(quote);
    return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string> SplitQuoted(std::string_view text, std::string_view separator)
{
    std::vector<std::string> items;
    std::string_view rest = text;
    while (!separator.empty() && rest.find(separator) != std::string_view::npos) {
        if (rest.substr(0, separator.size()) == separator) {
            rest.remove_prefix(1);
            continue;
        }
        if (rest.front() == '"') {
            rest.remove_prefix(1);
            size_t close = rest.find('"');
            if (close == std::string_view::npos) {
                items.emplace_back(rest);
                rest = {};
            } else {
                items.emplace_back(rest.substr(0, close));
                rest.remove_prefix(close + 1);
            }
            continue;
        }
        size_t at = rest.find(separator);
        items.emplace_back(rest.substr(0, at));
        rest.remove_prefix(at);
    }
    if (!rest.empty()) items.push_back(StripQuotes(rest, '"'));
    return items;
}

}  // namespace torvik
