#pragma once
// The template a design was made from: the name of the loop form, the
// segment size it was generated with, and the value of each of its
// parameters, as the design file keeps them in a section "Template" of their
// own. This is plain data: which forms exist and what their parameters mean
// is the loop templates' business (solve/loop_template.h).

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace torvik {

class TIniFile;

struct TDesignTemplate {
    std::string Form;          // the form's name, e.g. "t-loop"
    double SegmentSize = 0.0;  // mm
    // Parameter names and values (mm or degrees), in the form's order.
    std::vector<std::pair<std::string, double>> Values;

    // The value of a parameter, when the record holds it (names are
    // matched without regard to case, as file keys are).
    std::optional<double> Value(const std::string& aName) const;

    friend bool operator==(const TDesignTemplate&, const TDesignTemplate&) = default;
};

// The section's name in a design file.
inline constexpr const char* TemplateSection = "Template";

// Erases the section and writes the record: "Form", "Segment Size", then one
// key per parameter, numbers in the fixed format with as many digits as
// read back to the same value.
void SaveTemplateToIni(TIniFile& aIni, const TDesignTemplate& aTemplate);

// Reads the section. Nothing when the document has none. A section that
// cannot be read (no form, a segment size or a value that is not a number)
// gives nothing too, and its reason goes to aProblem.
std::optional<TDesignTemplate> ReadTemplateFromIni(const TIniFile& aIni, std::string* aProblem = nullptr);

}  // namespace torvik
