#include "cli/text_table.h"

#include <algorithm>

namespace torvik::cli {

namespace {

// Characters, not bytes: the units hold "·" and "°".
std::size_t Width(const std::string& s) {
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string Pad(const std::string& s, std::size_t width, bool aLeft) {
    const std::string fill(width > Width(s) ? width - Width(s) : 0, ' ');
    return aLeft ? s + fill : fill + s;
}

}  // namespace

std::string TextTable(const std::vector<TCurveColumn>& aColumns, const std::vector<std::vector<std::string>>& aCells) {
    std::vector<std::size_t> widths;
    for (std::size_t j = 0; j < aColumns.size(); ++j) {
        std::size_t w = std::max(Width(aColumns[j].title), Width(aColumns[j].unit));
        for (const auto& row : aCells) w = std::max(w, Width(row[j]));
        widths.push_back(w);
    }
    const auto line = [&](const auto& text) {
        std::string s;
        for (std::size_t j = 0; j < aColumns.size(); ++j) {
            if (j) s += "  ";
            s += Pad(text(j), widths[j], aColumns[j].decimals < 0);
        }
        while (!s.empty() && s.back() == ' ') s.pop_back();
        return s + "\n";
    };
    std::string s = line([&](std::size_t j) { return aColumns[j].title; });
    if (std::any_of(aColumns.begin(), aColumns.end(), [](const TCurveColumn& c) { return !c.unit.empty(); }))
        s += line([&](std::size_t j) { return aColumns[j].unit; });
    for (const auto& row : aCells) s += line([&](std::size_t j) { return row[j]; });
    return s;
}

}  // namespace torvik::cli
