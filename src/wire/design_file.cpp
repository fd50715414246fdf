#include "wire/design_file.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <filesystem>
#include <optional>
#include <stdexcept>

#include "support/errors.h"
#include "support/ini_file.h"
#include "support/numbers.h"
#include "support/text_utils.h"
#include "wire/bracket.h"
#include "wire/design.h"
#include "wire/design_template.h"
#include "wire/stock_keys.h"
#include "wire/wire.h"

namespace torvik {

namespace {
const char* const kWireSection = "Wire";
// The bend at node 0. The segment it belongs to is not stored (an opened
// wire's first segment has the segment size in force), but its bend turns
// everything after it, so a wire bent there is written with this key too.
const char* const kFirstBendKey = "First Bend";
const char* const kLeftSection = "Left Bracket";
const char* const kRightSection = "Right Bracket";

std::string SegKey(int i) { return "Seg " + std::to_string(i); }

// A readable but absurd bend, by more turns than anyone could make, would
// only overflow the drawing later.
void CheckAngle(double aAngle, const std::string& aText) {
    if (std::abs(aAngle) > MaxFileBend) throw std::runtime_error(QuotedValue(aText) + " is not a valid segment angle");
}

// Reads one segment value "angle, length"; throws with the reason.
void ReadSegment(const std::string& value, double& length, double& angle) {
    const auto comma = value.find(", ");
    const std::string angleText = comma == std::string::npos ? std::string() : value.substr(0, comma);
    const std::string lengthText = comma == std::string::npos ? value : value.substr(comma + 2);
    length = ParseFileNumber(lengthText) / 20;
    angle = ParseFileNumber(angleText);
    // A readable but absurd segment, longer than the design area many times
    // over, would only overflow the drawing later.
    if (length < 0 || length > 10000)
        throw std::runtime_error(QuotedValue(lengthText) + " is not a valid segment length");
    CheckAngle(angle, angleText);
}
}  // namespace

void TWire::SaveToIni(TIniFile& aIni) {
    aIni.EraseSection(kWireSection);
    aIni.WriteInteger(kWireSection, "Segments", Count() - 1);
    if (const double bend = FSegments.front().angle; bend != 0)
        aIni.WriteString(kWireSection, kFirstBendKey, FormatMask(bend, "0.000000"));
    for (int i = 1; i < Count(); ++i) {
        const TWireSeg& s = FSegments[static_cast<std::size_t>(i)];
        aIni.WriteString(kWireSection, SegKey(i), FormatMask(s.angle, "0.000000") + ", " + FormatMask(s.length * 20, "0.00"));
    }
    WriteStockKeys(*this, aIni, kWireSection);
}

void TWire::ReadFromIni(const TIniFile& aIni, std::vector<int>* aMissing) {
    const int n = aIni.ReadInteger(kWireSection, "Segments", 0);
    if (n > MaxFileSegments)
        throw std::runtime_error("Segments: the design declares " + std::to_string(n) + " segments; at most " +
                                 std::to_string(MaxFileSegments) + " can be read");
    if (const std::optional<std::string> text = aIni.Read(kWireSection, kFirstBendKey)) {
        try {
            const double bend = ParseFileNumber(*text);
            CheckAngle(bend, *text);
            BendSeg(0, bend - FSegments.front().angle);
        } catch (const std::exception& e) {
            throw std::runtime_error(std::string(kFirstBendKey) + ": " + e.what());
        }
    }
    // The stock of the first segment and of every stored one; without stock
    // keys the wire's own.
    const std::vector<TStockRun> runs = ReadStockKeys(aIni, kWireSection, std::max(n, 0) + 1, Stock);
    std::size_t run = 0;
    const auto stockOf = [&](int i) -> const TWireStock& {
        while (runs[run].First + runs[run].Count <= i) ++run;
        return runs[run].Stock;
    };
    FSegments.front().material = stockOf(0).Material;
    FSegments.front().size = stockOf(0).Size;
    if (n > 0) FSegments.reserve(FSegments.size() + static_cast<std::size_t>(n));
    double total = 0;
    for (int i = 1; i <= n; ++i) {
        Stock = stockOf(i);
        const std::string key = SegKey(i);
        const std::optional<std::string> value = aIni.Read(kWireSection, key);
        if (!value && aMissing) aMissing->push_back(i);
        double length = 0, angle = 0;
        try {
            ReadSegment(value ? *value : "0.000000, 0.25", length, angle);
        } catch (const std::exception& e) {
            throw std::runtime_error(key + ": " + e.what());
        }
        total += length;
        if (total > MaxFileWireLength)
            throw std::runtime_error(key + ": the wire would be longer than " + FormatMask(MaxFileWireLength, "0") +
                                     " mm");
        AddSeg(length, angle);
    }
    // Segments added from now on continue the wire's end.
    Stock = runs.back().Stock;
    dirty = false;
}

void TWire::SaveToFile(const std::string& aFileName) {
    TIniFile ini;
    ini.LoadForUpdate(aFileName);
    SaveToIni(ini);
    ini.Save(aFileName);
    dirty = false;
}

void TWire::ReadFromFile(const std::string& aFileName) {
    TIniFile ini;
    ini.Load(aFileName);
    ReadFromIni(ini);
}

void TBracket::SaveToIni(TIniFile& aIni) const {
    aIni.EraseSection(Name);
    aIni.WriteString(Name, "X", FormatMask(FOrigin->x * 20, "0.####"));
    aIni.WriteString(Name, "Y", FormatMask(FOrigin->y * 20, "0.####"));
    aIni.WriteString(Name, "Angulation", FormatMask(NormalizeAngle(FDirection), "0.######"));
}

void TBracket::ReadFromIni(const TIniFile& aIni) {
    // A missing key keeps the bracket's current value. One that is there but
    // does not read, or reads as an absurd position, is refused before the
    // bracket changes: a bracket quietly left where it was would change the
    // loads without a word.
    double x = FOrigin->x, y = FOrigin->y, direction = FDirection;
    // The key's number into v; false when the key is missing.
    std::string text;
    const auto read = [&](const char* key, double& v) {
        const std::optional<std::string> value = aIni.Read(Name, key);
        if (!value) return false;
        text = *value;
        try {
            v = ParseFileNumber(text);
        } catch (const std::exception& e) {
            throw std::runtime_error(Name + ": " + key + ": " + e.what());
        }
        return true;
    };
    const auto position = [&](const char* key, double& target) {
        double v = 0;
        if (!read(key, v)) return;
        // A readable but absurd position could never be drawn.
        if (std::abs(v / 20) > MaxFilePosition)
            throw std::runtime_error(Name + ": " + key + ": " + QuotedValue(text) + " is not a valid bracket position");
        target = v / 20;
    };
    position("X", x);
    position("Y", y);
    // A direction more than a turn away from [0, 2pi) would not fold.
    if (double v = 0; read("Angulation", v)) direction = std::fmod(v, TwoPi);
    FOrigin->SetXY(x, y);
    FDirection = direction;
    Rebuild();
}

void TBracket::SaveToFile(const std::string& aFileName) const {
    TIniFile ini;
    ini.LoadForUpdate(aFileName);
    SaveToIni(ini);
    ini.Save(aFileName);
}

void TBracket::ReadFromFile(const std::string& aFileName) {
    TIniFile ini;
    ini.Load(aFileName);
    ReadFromIni(ini);
}

bool IsDesign(const TIniFile& aIni) {
    return aIni.SectionExists(kWireSection) || aIni.SectionExists(kLeftSection) || aIni.SectionExists(kRightSection);
}

namespace {

// With aTemplate, the template section is written (or erased when it holds
// none); without, the file's section is left as it is.
void WriteDesign(const std::string& aFileName, TWire& aWire, const TBracket& aLeft, const TBracket& aRight,
                 const std::optional<TDesignTemplate>* aTemplate) {
    TIniFile ini;
    // A design file keeps its other sections; a file that is there but
    // cannot be read is refused rather than replaced by our sections alone.
    ini.LoadForUpdate(aFileName);
    // A file that holds no design (the user chose to replace it) gives way
    // to the design: its text is not kept around it.
    if (!IsDesign(ini)) ini = TIniFile();
    aWire.SaveToIni(ini);
    aLeft.SaveToIni(ini);
    aRight.SaveToIni(ini);
    if (aTemplate) {
        if (*aTemplate) SaveTemplateToIni(ini, **aTemplate);
        else ini.EraseSection(TemplateSection);
    }
    ini.Save(aFileName);
    aWire.dirty = false;
}

// Loads a design file into aIni; throws as ReadDesign does for one that
// cannot be read or is no design. A missing file leaves aIni empty.
void LoadDesignIni(const std::string& aFileName, TIniFile& aIni) {
    switch (aIni.LoadFile(aFileName)) {
        case TIniLoad::Missing: break;  // an empty design
        case TIniLoad::Unreadable:
            // Something that is there but cannot be read (a folder, a file far
            // too large for a design) is an error rather than an empty design
            // that a later save would write over it.
            throw TFileError("Unable to read " + ShownFileName(aFileName));
        case TIniLoad::Loaded:
            // Nor is a file without any design section taken for an empty design.
            if (!IsDesign(aIni)) throw TFileError(ShownFileName(aFileName) + " is not a Torvik design");
            break;
    }
}

void ReadDesignNamed(const std::string& aFileName, const TIniFile& aIni, TWire& aWire, TBracket& aLeft,
                     TBracket& aRight, TDesignReadNotes* aNotes) {
    try {
        ReadDesign(aIni, aWire, aLeft, aRight, aNotes);
    } catch (const std::exception& e) {
        throw TFileError(ShownFileName(aFileName) + ": " + e.what());
    }
}

}  // namespace

void SaveDesign(const std::string& aFileName, TWire& aWire, const TBracket& aLeft, const TBracket& aRight) {
    WriteDesign(aFileName, aWire, aLeft, aRight, nullptr);
}

void SaveDesign(const std::string& aFileName, TDesign& aDesign) {
    WriteDesign(aFileName, *aDesign.CurrentWire, aDesign.LeftBracket, aDesign.RightBracket, &aDesign.Template);
}

void ReadDesign(const TIniFile& aIni, TWire& aWire, TBracket& aLeft, TBracket& aRight, TDesignReadNotes* aNotes) {
    const auto attach = [&] {
        aWire.SetDirection(aLeft.Direction() - Pi);
        aWire.SetOrigin(aLeft.Origin());
    };
    try {
        aLeft.ReadFromIni(aIni);
        aRight.ReadFromIni(aIni);
        if (aNotes) aNotes->Segments = std::max(0, aIni.ReadInteger(kWireSection, "Segments", 0));
        aWire.ReadFromIni(aIni, aNotes ? &aNotes->MissingSegments : nullptr);
        if (aNotes) {
            aNotes->MaterialStored = StoresMaterial(aIni, kWireSection);
            aNotes->CrossSectionStored = StoresCrossSection(aIni, kWireSection);
        }
    } catch (...) {
        attach();
        throw;
    }
    attach();
}

void ReadDesign(const std::string& aFileName, TWire& aWire, TBracket& aLeft, TBracket& aRight,
                TDesignReadNotes* aNotes) {
    TIniFile ini;
    LoadDesignIni(aFileName, ini);
    ReadDesignNamed(aFileName, ini, aWire, aLeft, aRight, aNotes);
}

std::unique_ptr<TDesign> LoadDesign(const std::string& aFileName, double aSegmentSize, const TWireStock& aStock,
                                    TDesignReadNotes* aNotes) {
    TIniFile ini;
    LoadDesignIni(aFileName, ini);
    auto design = std::make_unique<TDesign>(aSegmentSize, aStock);
    ReadDesignNamed(aFileName, ini, *design->CurrentWire, design->LeftBracket, design->RightBracket, aNotes);
    design->AttachToBrackets();
    std::string problem;
    design->Template = ReadTemplateFromIni(ini, &problem);
    if (aNotes) aNotes->TemplateProblem = problem;
    return design;
}

std::string MissingSegmentsMessage(const std::string& aFileName, const TDesignReadNotes& aNotes) {
    const std::size_t missing = aNotes.MissingSegments.size();
    if (missing == 0) return {};
    const std::size_t declared = std::max(missing, static_cast<std::size_t>(std::max(aNotes.Segments, 0)));
    const std::string start =
        ShownFileName(aFileName) + ": " + std::to_string(missing) + " of " + std::to_string(declared) + " segments ";
    if (missing == 1) return start + "is missing; it was read as a straight 0.0125 mm piece.";
    return start + "are missing; each was read as a straight 0.0125 mm piece.";
}

}  // namespace torvik
