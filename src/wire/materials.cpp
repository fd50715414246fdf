#include "wire/materials.h"

#include "support/numbers.h"

namespace torvik {

TMaterialTable DefaultMaterialTable() {
    return {{{172000, "Stainless Steel"},
             {72000, "TMA"},
             {45000, "Nitinol"},
             {206000, "Elgiloy"},
             {100000, "Other"}}};
}

TCrossSectionTable DefaultCrossSectionTable() {
    return {{{4.064, 0, "0.016"},
             {4.572, 0, "0.018"},
             {3.556, 0, "0.014"},
             {4.064, 4.064, "0.016 x 0.016"},
             {4.064, 5.588, "0.016 x 0.022"},
             {4.318, 6.35, "0.017 x 0.025"},
             {2.5, 5.3, "0.010 x 0.021"},
             {4.0, 4.0, "Other"}}};
}

std::string MaterialText(const TWireMaterial& aMaterial) {
    return aMaterial.Name + ", " + FormatMask(aMaterial.Modulus, "0");
}

std::string CrossSectionText(const TWireSize& aSize) {
    return aSize.Name + ", " + FormatMask(aSize.CrossA, "0.000") + " x " + FormatMask(aSize.CrossB, "0.000");
}

namespace {

// Splits at the first ", ": the name before it, the rest after it. Without
// one the name is empty and the rest is the text after its first character.
void SplitNamed(std::string_view text, std::string& name, std::string_view& rest) {
    const auto pos = text.find(", ");
    if (pos == std::string_view::npos) {
        name.clear();
        rest = text.empty() ? text : text.substr(1);
    } else {
        name = std::string(text.substr(0, pos));
        rest = text.substr(pos + 2);
    }
}

}  // namespace

bool ModulusInRange(double aModulus) { return aModulus >= MinModulus && aModulus <= MaxModulus; }

bool CrossDimensionInRange(double aDimension, bool aSecond) {
    return (aDimension >= MinCrossDimension && aDimension <= MaxCrossDimension) || (aSecond && aDimension == 0);
}

TWireMaterial ParseMaterialText(std::string_view text) {
    TWireMaterial result;
    std::string_view rest;
    SplitNamed(text, result.Name, rest);
    if (!TryParseFileNumber(rest, result.Modulus) || !ModulusInRange(result.Modulus)) result.Modulus = FallbackModulus;
    return result;
}

TWireSize ParseCrossSectionText(std::string_view text) {
    TWireSize result;
    std::string_view rest;
    SplitNamed(text, result.Name, rest);
    const auto x = rest.find(" x ");
    const std::string_view a = x == std::string_view::npos ? rest : rest.substr(0, x);
    const std::string_view b = x == std::string_view::npos ? std::string_view{} : rest.substr(x + 3);
    if (!TryParseFileNumber(a, result.CrossA) || !CrossDimensionInRange(result.CrossA, false))
        result.CrossA = FallbackCrossDimension;
    if (!TryParseFileNumber(b, result.CrossB) || !CrossDimensionInRange(result.CrossB, true))
        result.CrossB = FallbackCrossDimension;
    return result;
}

namespace {
template <typename Table>
const typename Table::value_type& SelectByName(const Table& table, std::string_view aName) {
    const typename Table::value_type* found = &table[0];
    for (const auto& entry : table)
        if (entry.Name == aName) found = &entry;
    return *found;
}
}  // namespace

const TWireMaterial& SelectMaterial(const TMaterialTable& table, std::string_view aName) {
    return SelectByName(table, aName);
}

const TWireSize& SelectCrossSection(const TCrossSectionTable& table, std::string_view aName) {
    return SelectByName(table, aName);
}

TWireStock DefaultStock() { return {DefaultMaterialTable()[0], DefaultCrossSectionTable()[0]}; }

}  // namespace torvik
