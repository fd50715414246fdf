#include "wire/design_template.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <exception>
#include <stdexcept>

#include "support/ini_file.h"
#include "support/numbers.h"
#include "support/text_utils.h"

namespace torvik {

namespace {

const char* const kFormKey = "Form";
const char* const kSegmentSizeKey = "Segment Size";

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The shortest text that reads back as the same double ("8.5", "0.1",
// "1e-07"): a fitted value is kept exactly, a typed one as it was typed.
std::string ExactText(double v) {
    if (!std::isfinite(v)) throw std::invalid_argument("a template value is not a finite number");
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    if (ec != std::errc()) throw std::invalid_argument("a template value cannot be written");
    return std::string(buf, end);
}

}  // namespace

std::optional<double> TDesignTemplate::Value(const std::string& aName) const {
    for (const auto& [name, value] : Values)
        if (SameName(name, aName)) return value;
    return std::nullopt;
}

void SaveTemplateToIni(TIniFile& aIni, const TDesignTemplate& aTemplate) {
    aIni.EraseSection(TemplateSection);
    aIni.WriteString(TemplateSection, kFormKey, aTemplate.Form);
    aIni.WriteString(TemplateSection, kSegmentSizeKey, ExactText(aTemplate.SegmentSize));
    for (const auto& [name, value] : aTemplate.Values) aIni.WriteString(TemplateSection, name, ExactText(value));
}

std::optional<TDesignTemplate> ReadTemplateFromIni(const TIniFile& aIni, std::string* aProblem) {
    if (!aIni.SectionExists(TemplateSection)) return std::nullopt;
    const auto fail = [&](const std::string& aWhy) -> std::optional<TDesignTemplate> {
        if (aProblem) *aProblem = std::string(TemplateSection) + ": " + aWhy;
        return std::nullopt;
    };
    TDesignTemplate t;
    t.Form = aIni.ReadString(TemplateSection, kFormKey, "");
    if (t.Form.empty()) return fail("the section names no form");
    for (const std::string& key : aIni.KeyNames(TemplateSection)) {
        if (SameName(key, kFormKey)) continue;
        const std::string text = aIni.ReadString(TemplateSection, key, "");
        double v = 0;
        if (!TryParseFileNumber(text, v)) return fail(key + ": " + QuotedValue(text) + " is not a number");
        if (SameName(key, kSegmentSizeKey)) {
            if (!(v > 0)) return fail(key + ": " + QuotedValue(text) + " is not a segment size");
            t.SegmentSize = v;
        } else if (!t.Value(key)) {
            t.Values.emplace_back(key, v);
        }
    }
    if (t.SegmentSize == 0) return fail("the section gives no segment size");
    return t;
}

}  // namespace torvik
