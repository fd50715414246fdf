#pragma once
// The wire's stock in a design file's section "Wire". A wire of one stock
// has the keys "Material" ("Stainless Steel, 172000": the name and the
// modulus in N/mm²) and "Cross Section" ("0.016 x 0.022, 4.064 x 5.588": the
// name and both sides in tenths of a mm, 0 for the second side of a round
// wire). A mixed wire has "Stock Runs" (the number of runs) and, for each
// run j from 1, "Run j Segments" (how many segments it holds, the wire's
// first segment included in the first run), "Run j Material" and
// "Run j Cross Section". Numbers are written with as many digits as read
// back exactly. A file without these keys leaves its wire the stock it has.

#include <string>
#include <string_view>
#include <vector>

#include "wire/wire_stock.h"

namespace torvik {

class TIniFile;
class TWire;

// "Stainless Steel, 172000" and "0.016 x 0.022, 4.064 x 5.588", exact.
std::string MaterialFileText(const TWireMaterial& aMaterial);
std::string CrossSectionFileText(const TWireSize& aSize);
// Read a value of those keys: the name before the last ", ", then the
// modulus, or both sides around " x ". A value without its parts, a number
// that does not read, or one outside the range a wire can have
// (ModulusInRange, CrossDimensionInRange) throws std::runtime_error with
// the reason, the value quoted.
TWireMaterial ReadMaterialFileText(std::string_view aText);
TWireSize ReadCrossSectionFileText(std::string_view aText);

// Writes the wire's stock keys into aSection. A stock that a file could not
// give back (a modulus or side out of range) throws std::runtime_error
// naming it, before anything is written.
void WriteStockKeys(const TWire& aWire, TIniFile& aIni, std::string_view aSection);

// The stock that aSection gives the aSegments segments of its wire, as
// runs: one run of aCurrent, changed by "Material" and "Cross Section" as
// far as the file has them, or the runs of "Stock Runs". A key that is there
// but does not read, runs of missing keys or that do not hold aSegments
// segments throw std::runtime_error("Wire: <key>: <reason>").
std::vector<TStockRun> ReadStockKeys(const TIniFile& aIni, std::string_view aSection, int aSegments,
                                     const TWireStock& aCurrent);
// Whether aSection names its wire's material, and its cross-section.
bool StoresMaterial(const TIniFile& aIni, std::string_view aSection);
bool StoresCrossSection(const TIniFile& aIni, std::string_view aSection);

}  // namespace torvik
