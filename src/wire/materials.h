#pragma once
// Wire materials (Young's modulus) and cross-sections (second moment of area),
// their built-in tables, and the text form the settings file keeps them in.

#include <array>
#include <string>
#include <string_view>

namespace torvik {

struct TWireMaterial {
    double Modulus = 0.0;  // N/mm^2
    std::string Name;
    friend bool operator==(const TWireMaterial&, const TWireMaterial&) = default;
};

struct TWireSize {
    double CrossA = 0.0;  // tenths of a mm: diameter, or the side in the plane of bending
    double CrossB = 0.0;  // tenths of a mm: the other side; exactly 0 for a round wire
    std::string Name;
    bool IsRound() const { return CrossB == 0.0; }
    friend bool operator==(const TWireSize&, const TWireSize&) = default;
};

using TMaterialTable = std::array<TWireMaterial, 5>;
using TCrossSectionTable = std::array<TWireSize, 8>;

TMaterialTable DefaultMaterialTable();
TCrossSectionTable DefaultCrossSectionTable();

// "Stainless Steel, 172000"
std::string MaterialText(const TWireMaterial& aMaterial);
// "0.016 x 0.022, 4.064 x 5.588"
std::string CrossSectionText(const TWireSize& aSize);

// The moduli (N/mm^2) and cross-section dimensions (tenths of a mm) that a
// text may give: 1 .. 10^7, and 0.01 .. 100 (or exactly 0 for the second
// dimension of a round wire). Values outside would overflow the mechanics
// or the drawing; they count as unreadable and take the fallbacks below.
// The ranges hold whole numbers and three decimals at their ends, so any
// value inside them is written as text that reads back inside them.
constexpr double MinModulus = 1;
constexpr double MaxModulus = 1e7;
constexpr double MinCrossDimension = 0.01;
constexpr double MaxCrossDimension = 100;
constexpr double FallbackModulus = 100000;
constexpr double FallbackCrossDimension = 4;
bool ModulusInRange(double aModulus);
bool CrossDimensionInRange(double aDimension, bool aSecond);

// Reads a material text: the name before the first ", " (empty without one),
// the modulus after it (after the first character without one); a modulus
// that does not read, or lies outside its range, becomes 100000.
TWireMaterial ParseMaterialText(std::string_view text);
// Reads a cross-section text: the name before the first ", ", then the two
// dimensions around the first " x "; a dimension that does not read, or lies
// outside its range, becomes 4.
TWireSize ParseCrossSectionText(std::string_view text);

// The entry whose name equals aName exactly (the last one when several do),
// or entry 0 when none does.
const TWireMaterial& SelectMaterial(const TMaterialTable& table, std::string_view aName);
const TWireSize& SelectCrossSection(const TCrossSectionTable& table, std::string_view aName);

// The material and cross-section that new segments receive.
struct TWireStock {
    TWireMaterial Material;
    TWireSize Size;
    friend bool operator==(const TWireStock&, const TWireStock&) = default;
};

// "Stainless Steel" and "0.016", entry 0 of the built-in tables.
TWireStock DefaultStock();

}  // namespace torvik
