#include "wire/stock_keys.h"

#include <optional>
#include <stdexcept>

#include "support/ini_file.h"
#include "support/numbers.h"
#include "support/text_utils.h"
#include "wire/wire.h"

namespace torvik {

namespace {

const char* const kMaterialKey = "Material";
const char* const kCrossSectionKey = "Cross Section";
const char* const kRunsKey = "Stock Runs";

std::string RunKey(int j, const char* aPart) { return "Run " + std::to_string(j) + " " + aPart; }

// The name before the last ", " and the rest after it; false without one.
bool SplitAtLastComma(std::string_view aText, std::string& aName, std::string_view& aRest) {
    const auto comma = aText.rfind(", ");
    if (comma == std::string_view::npos) return false;
    aName = std::string(aText.substr(0, comma));
    aRest = aText.substr(comma + 2);
    return true;
}

double ReadSide(std::string_view aText, std::string_view aSide, bool aSecond, std::string_view aWhole) {
    double v = 0;
    if (!TryParseFileNumber(aText, v))
        throw std::runtime_error(QuotedValue(aWhole) + " is not a valid cross-section: its " + std::string(aSide) +
                                 " side does not read as a number");
    if (!CrossDimensionInRange(v, aSecond))
        throw std::runtime_error(QuotedValue(aWhole) + " is not a valid cross-section: its " + std::string(aSide) +
                                 " side must lie between 0.01 and 100 tenths of a mm" +
                                 (aSecond ? ", or be 0 for a round wire" : ""));
    return v;
}

// Reads a key's value with aRead; its error is prefixed "Section: key: ".
template <typename T, typename F>
T ReadKey(std::string_view aSection, const std::string& aKey, std::string_view aText, F aRead) {
    try {
        return aRead(aText);
    } catch (const std::exception& e) {
        throw std::runtime_error(std::string(aSection) + ": " + aKey + ": " + e.what());
    }
}

std::runtime_error KeyError(std::string_view aSection, const std::string& aKey, const std::string& aReason) {
    return std::runtime_error(std::string(aSection) + ": " + aKey + ": " + aReason);
}

std::string Required(const TIniFile& aIni, std::string_view aSection, const std::string& aKey) {
    const std::optional<std::string> value = aIni.Read(aSection, aKey);
    if (!value) throw KeyError(aSection, aKey, "the key is missing");
    return *value;
}

// A stock that the reader would refuse is not written.
void CheckWritable(const TWireStock& aStock) {
    const TWireMaterial& m = aStock.Material;
    const TWireSize& s = aStock.Size;
    if (!ModulusInRange(m.Modulus))
        throw std::runtime_error("The material " + QuotedValue(m.Name) +
                                 " has a modulus that a design file cannot hold (1 to 10000000 N/mm²)");
    if (!CrossDimensionInRange(s.CrossA, false) || !CrossDimensionInRange(s.CrossB, true))
        throw std::runtime_error("The cross-section " + QuotedValue(s.Name) +
                                 " has a side that a design file cannot hold (0.01 to 100 tenths of a mm)");
}

TWireStock ReadRun(const TIniFile& aIni, std::string_view aSection, int j) {
    const std::string materialKey = RunKey(j, kMaterialKey);
    const std::string sizeKey = RunKey(j, kCrossSectionKey);
    return {ReadKey<TWireMaterial>(aSection, materialKey, Required(aIni, aSection, materialKey), ReadMaterialFileText),
            ReadKey<TWireSize>(aSection, sizeKey, Required(aIni, aSection, sizeKey), ReadCrossSectionFileText)};
}

// A count of at least 1 and at most aMax, or the error.
int ReadCount(std::string_view aSection, const std::string& aKey, const std::string& aText, int aMax,
              const char* aWhat) {
    int v = 0;
    if (!TryParseInt(aText, v) || v < 1 || v > aMax)
        throw KeyError(aSection, aKey,
                       QuotedValue(aText) + " is not a valid number of " + aWhat + " (1 to " + std::to_string(aMax) +
                           " here)");
    return v;
}

}  // namespace

std::string MaterialFileText(const TWireMaterial& aMaterial) {
    return aMaterial.Name + ", " + FormatExact(aMaterial.Modulus);
}

std::string CrossSectionFileText(const TWireSize& aSize) {
    return aSize.Name + ", " + FormatExact(aSize.CrossA) + " x " + FormatExact(aSize.CrossB);
}

TWireMaterial ReadMaterialFileText(std::string_view aText) {
    TWireMaterial m;
    std::string_view modulus;
    if (!SplitAtLastComma(aText, m.Name, modulus))
        throw std::runtime_error(QuotedValue(aText) + " is not a valid material: a name, \", \" and the modulus in "
                                 "N/mm² are expected");
    if (!TryParseFileNumber(modulus, m.Modulus))
        throw std::runtime_error(QuotedValue(aText) + " is not a valid material: its modulus does not read as a number");
    if (!ModulusInRange(m.Modulus))
        throw std::runtime_error(QuotedValue(aText) +
                                 " is not a valid material: its modulus must lie between 1 and 10000000 N/mm²");
    return m;
}

TWireSize ReadCrossSectionFileText(std::string_view aText) {
    TWireSize s;
    std::string_view sides;
    if (!SplitAtLastComma(aText, s.Name, sides) || sides.find(" x ") == std::string_view::npos)
        throw std::runtime_error(QuotedValue(aText) + " is not a valid cross-section: a name, \", \" and both sides "
                                 "in tenths of a mm (\"4.064 x 5.588\") are expected");
    const auto at = sides.find(" x ");
    s.CrossA = ReadSide(sides.substr(0, at), "first", false, aText);
    s.CrossB = ReadSide(sides.substr(at + 3), "second", true, aText);
    return s;
}

void WriteStockKeys(const TWire& aWire, TIniFile& aIni, std::string_view aSection) {
    const std::vector<TStockRun> runs = StockRuns(aWire);
    for (const TStockRun& run : runs) CheckWritable(run.Stock);
    if (runs.size() == 1) {
        aIni.WriteString(aSection, kMaterialKey, MaterialFileText(runs.front().Stock.Material));
        aIni.WriteString(aSection, kCrossSectionKey, CrossSectionFileText(runs.front().Stock.Size));
        return;
    }
    aIni.WriteInteger(aSection, kRunsKey, static_cast<int>(runs.size()));
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const int j = static_cast<int>(i) + 1;
        aIni.WriteInteger(aSection, RunKey(j, "Segments"), runs[i].Count);
        aIni.WriteString(aSection, RunKey(j, kMaterialKey), MaterialFileText(runs[i].Stock.Material));
        aIni.WriteString(aSection, RunKey(j, kCrossSectionKey), CrossSectionFileText(runs[i].Stock.Size));
    }
}

std::vector<TStockRun> ReadStockKeys(const TIniFile& aIni, std::string_view aSection, int aSegments,
                                     const TWireStock& aCurrent) {
    const std::optional<std::string> runsText = aIni.Read(aSection, kRunsKey);
    if (!runsText) {
        TWireStock stock = aCurrent;
        if (const std::optional<std::string> text = aIni.Read(aSection, kMaterialKey))
            stock.Material = ReadKey<TWireMaterial>(aSection, kMaterialKey, *text, ReadMaterialFileText);
        if (const std::optional<std::string> text = aIni.Read(aSection, kCrossSectionKey))
            stock.Size = ReadKey<TWireSize>(aSection, kCrossSectionKey, *text, ReadCrossSectionFileText);
        return {{0, aSegments, stock}};
    }
    // Each run holds a segment at least, so there are no more runs than
    // segments.
    const int count = ReadCount(aSection, kRunsKey, *runsText, aSegments, "runs");
    std::vector<TStockRun> runs;
    runs.reserve(static_cast<std::size_t>(count));
    int first = 0;
    for (int j = 1; j <= count; ++j) {
        const std::string key = RunKey(j, "Segments");
        // The later runs need a segment each.
        const int segments = ReadCount(aSection, key, Required(aIni, aSection, key),
                                       aSegments - first - (count - j), "segments");
        runs.push_back({first, segments, ReadRun(aIni, aSection, j)});
        first += segments;
    }
    if (first != aSegments)
        throw KeyError(aSection, kRunsKey,
                       "the runs hold " + std::to_string(first) + " segments, the wire " + std::to_string(aSegments));
    return runs;
}

bool StoresMaterial(const TIniFile& aIni, std::string_view aSection) {
    return aIni.Read(aSection, kRunsKey) || aIni.Read(aSection, kMaterialKey);
}

bool StoresCrossSection(const TIniFile& aIni, std::string_view aSection) {
    return aIni.Read(aSection, kRunsKey) || aIni.Read(aSection, kCrossSectionKey);
}

}  // namespace torvik
