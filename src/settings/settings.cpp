#include "settings/settings.h"

#include <cmath>
#include <exception>
#include <filesystem>

#include "support/folder_copy.h"
#include "support/ini_file.h"
#include "support/numbers.h"
#include "support/text_utils.h"

namespace torvik {

namespace {

constexpr std::string_view General = "General";
constexpr std::string_view Calculation = "Calculation";
constexpr std::string_view Wire = "Wire";
constexpr std::string_view View = "View";
// Whether the loads of a run that stops at its tolerances are refined to
// full engagement; a file without it reads as on.
constexpr std::string_view RefineLoadsKey = "Refine Loads";
// How the right bracket's slot holds the wire. A section of its own, so that
// a settings file without it reads as before and other sections stay as
// they always were.
constexpr std::string_view Engagement = "Engagement";
constexpr std::string_view WireSlidesKey = "Wire Slides in Slot";
// A section of its own, so that settings files written before it stay valid.
constexpr std::string_view Tooth = "Tooth";

// A real key: its section and name, default, range and the mask it is
// written with.
struct TRealKey {
    std::string_view Section;
    std::string_view Key;
    std::string_view DefaultText;
    double Default;
    TSettingRange Range;
    std::string_view Mask;
};

constexpr TRealKey ToleranceDistanceKey{Calculation, "Tolerance Distance", "0.1", 0.1, ToleranceDistanceRange, "0.000"};
constexpr TRealKey ToleranceAngleKey{Calculation, "Tolerance Angle", "1", 1.0, ToleranceAngleRange, "0.00"};
constexpr TRealKey SegmentSizeKey{Wire, "Segment Size", "0.25", 0.25, SegmentSizeRange, "0.00"};
constexpr TRealKey StrainMaxRangeKey{View, "Strain Max Range", "2", 2.0, StrainMaxRangeRange, "0.0"};
constexpr TRealKey ResistanceDistanceKey{Tooth, "Resistance Distance", "10", 10.0, ResistanceDistanceRange, "0.00"};

// The value read with the file number format, or the default when it does
// not read or lies outside the range.
double ReadReal(const TIniFile& aIni, const TRealKey& aKey) {
    double v = 0.0;
    const bool read = TryParseFileNumber(aIni.ReadString(aKey.Section, aKey.Key, aKey.DefaultText), v);
    return read && aKey.Range.Contains(v) ? v : aKey.Default;
}

// Writes the value with the key's mask; a value that would not read back
// inside the range is written as the default instead.
void WriteReal(TIniFile& aIni, const TRealKey& aKey, double aValue) {
    std::string text = std::isfinite(aValue) ? FormatMask(aValue, MaskKeepingValue(aValue, aKey.Mask)) : std::string();
    double back = 0.0;
    if (!TryParseFileNumber(text, back) || !aKey.Range.Contains(back)) text = FormatMask(aKey.Default, aKey.Mask);
    aIni.WriteString(aKey.Section, aKey.Key, text);
}

// Table entries as they are written: a value outside its range is written as
// the value it would fall back to when read.
TWireMaterial WithinRange(TWireMaterial aMaterial) {
    if (!ModulusInRange(aMaterial.Modulus)) aMaterial.Modulus = FallbackModulus;
    return aMaterial;
}

TWireSize WithinRange(TWireSize aSize) {
    if (!CrossDimensionInRange(aSize.CrossA, false)) aSize.CrossA = FallbackCrossDimension;
    if (!CrossDimensionInRange(aSize.CrossB, true)) aSize.CrossB = FallbackCrossDimension;
    return aSize;
}

// An index key; a missing, unreadable or out-of-range value gives aDefault.
int ReadIndex(const TIniFile& aIni, std::string_view aSection, std::string_view aKey, int aDefault, int aCount) {
    const int v = aIni.ReadInteger(aSection, aKey, aDefault);
    return v >= 0 && v < aCount ? v : aDefault;
}

void SetBit(int& aFlags, int aBit, bool aOn) { aFlags = aOn ? (aFlags | aBit) : (aFlags & ~aBit); }

std::string MaterialKey(int i) { return "Material " + std::to_string(i); }
std::string CrossSectionKey(int i) { return "Cross Section " + std::to_string(i); }

}  // namespace

TWindowPlacement ParseWindowPlacement(std::string_view aText) {
    TWindowPlacement placement;
    const std::vector<std::string> items = SplitQuoted(aText, " ");
    if (items.empty()) return placement;
    if (items[0] == "Maximized") {
        placement.Maximized = true;
        return placement;
    }
    for (std::size_t i = 0; i < items.size() && i < 4; ++i) {
        int v = 0;
        if (!TryParseInt(items[i], v)) break;
        // An empty or negative size is no size; a position or size beyond
        // any desktop would only overflow the arithmetic that places the window.
        const int min = i >= 2 ? 1 : -WindowCoordinateLimit;
        if (v < min || v > WindowCoordinateLimit) break;
        placement.Values.push_back(v);
    }
    return placement;
}

std::string WindowPlacementText(bool aRemember, bool aMaximized, int aLeft, int aTop, int aWidth, int aHeight) {
    if (!aRemember) return "Default";
    if (aMaximized) return "Maximized";
    return std::to_string(aLeft) + " " + std::to_string(aTop) + " " + std::to_string(aWidth) + " " +
           std::to_string(aHeight);
}

TWindowPlacement ReadSettings(const TIniFile& aIni, TSettings& s) {
    // General
    s.BestFitOnOpen = aIni.ReadBool(General, "Best Fit on Open", true);
    s.UndoLevels = ReadIndex(aIni, General, "Undo Levels", Undo5, UndoLevelCount);
    TWindowPlacement placement;
    const std::string rect = aIni.ReadString(General, "Torvik Rect", "Default");
    if (rect != "Default") placement = ParseWindowPlacement(rect);
    s.RememberWindowRect = placement.Complete();

    // Calculation
    TActivationSettings& a = s.Activation;
    a.AutoStop = aIni.ReadBool(Calculation, "Auto Stop", true);
    a.ToleranceDistance = ReadReal(aIni, ToleranceDistanceKey);
    a.ToleranceAngle = ToRadians(ReadReal(aIni, ToleranceAngleKey));
    const int target = aIni.ReadInteger(Calculation, "Target", TargetSlot);
    if (target >= TargetPoint && target <= TargetSlot) a.TargetMode = target;
    a.RefineLoads = aIni.ReadBool(Calculation, RefineLoadsKey, true);

    // Wire
    s.View.DrawThickness = aIni.ReadBool(Wire, "Draw Thickness", s.View.DrawThickness);
    for (int i = 0; i < static_cast<int>(s.MaterialTable.size()); ++i)
        s.MaterialTable[i] = ParseMaterialText(aIni.ReadString(Wire, MaterialKey(i), MaterialText(s.MaterialTable[i])));
    for (int i = 0; i < static_cast<int>(s.CrossSectionTable.size()); ++i)
        s.CrossSectionTable[i] =
            ParseCrossSectionText(aIni.ReadString(Wire, CrossSectionKey(i), CrossSectionText(s.CrossSectionTable[i])));
    s.Stock.Material =
        SelectMaterial(s.MaterialTable, aIni.ReadString(Wire, "Default Material", s.MaterialTable[0].Name));
    s.Stock.Size = SelectCrossSection(s.CrossSectionTable,
                                      aIni.ReadString(Wire, "Default Cross Section", s.CrossSectionTable[0].Name));
    s.SegmentSize = ReadReal(aIni, SegmentSizeKey);

    // View
    s.GridDensity = ReadIndex(aIni, View, "Grid Density", 2, GridDensityCount);
    s.SnapGridDensity = ReadIndex(aIni, View, "Snap Grid Density", 4, SnapGridDensityCount);
    s.SnapGrid = aIni.ReadBool(View, "Snap to Grid", true);
    s.ShowGrid = aIni.ReadBool(View, "View Grid", true);
    SetBit(s.View.ViewFlags, ViewForcesBit, aIni.ReadBool(View, "View Forces", true));
    SetBit(s.View.ViewFlags, ViewMomentsBit, aIni.ReadBool(View, "View Moments", true));
    SetBit(s.View.ViewFlags, ViewBracketForcesBit, aIni.ReadBool(View, "Bracket Forces", true));
    s.View.StrainAutoRange = aIni.ReadBool(View, "Strain Auto Range", true);
    s.View.ViewStrain = aIni.ReadBool(View, "View Strain", false);
    s.View.StrainMaxRange = ToRadians(ReadReal(aIni, StrainMaxRangeKey));

    // Engagement
    a.WireSlides = aIni.ReadBool(Engagement, WireSlidesKey, false);
    // Tooth: a distance that does not read or lies outside its range, and a
    // side that is neither "Up" nor "Down", keep their start values.
    s.Tooth.Distance = ReadReal(aIni, ResistanceDistanceKey);
    const std::string roots = aIni.ReadString(Tooth, "Roots", "Up");
    s.Tooth.Roots = roots == "Down" ? TRootSide::Down : TRootSide::Up;

    s.RecentDesigns.Read(aIni);
    return placement;
}

void WriteSettings(TIniFile& aIni, const TSettings& s, std::string_view aWindowPlacement) {
    const TActivationSettings& a = s.Activation;
    aIni.WriteBool(Calculation, "Auto Stop", a.AutoStop);
    WriteReal(aIni, ToleranceDistanceKey, a.ToleranceDistance);
    WriteReal(aIni, ToleranceAngleKey, ToDegrees(a.ToleranceAngle));
    aIni.WriteInteger(Calculation, "Target", a.TargetMode);
    aIni.WriteBool(Calculation, RefineLoadsKey, a.RefineLoads);

    for (int i = 0; i < static_cast<int>(s.MaterialTable.size()); ++i)
        aIni.WriteString(Wire, MaterialKey(i), MaterialText(WithinRange(s.MaterialTable[i])));
    for (int i = 0; i < static_cast<int>(s.CrossSectionTable.size()); ++i)
        aIni.WriteString(Wire, CrossSectionKey(i), CrossSectionText(WithinRange(s.CrossSectionTable[i])));
    aIni.WriteString(Wire, "Default Material", s.Stock.Material.Name);
    aIni.WriteString(Wire, "Default Cross Section", s.Stock.Size.Name);
    WriteReal(aIni, SegmentSizeKey, s.SegmentSize);
    aIni.WriteBool(Wire, "Draw Thickness", s.View.DrawThickness);

    aIni.WriteInteger(View, "Grid Density", s.GridDensity);
    aIni.WriteInteger(View, "Snap Grid Density", s.SnapGridDensity);
    aIni.WriteBool(View, "Snap to Grid", s.SnapGrid);
    aIni.WriteBool(View, "View Grid", s.ShowGrid);
    aIni.WriteBool(View, "View Forces", (s.View.ViewFlags & ViewForcesBit) != 0);
    aIni.WriteBool(View, "View Moments", (s.View.ViewFlags & ViewMomentsBit) != 0);
    aIni.WriteBool(View, "Bracket Forces", (s.View.ViewFlags & ViewBracketForcesBit) != 0);
    aIni.WriteBool(View, "View Strain", s.View.ViewStrain);
    aIni.WriteBool(View, "Strain Auto Range", s.View.StrainAutoRange);
    WriteReal(aIni, StrainMaxRangeKey, ToDegrees(s.View.StrainMaxRange));

    aIni.WriteBool(General, "Best Fit on Open", s.BestFitOnOpen);
    aIni.WriteInteger(General, "Undo Levels", s.UndoLevels);
    aIni.WriteString(General, "Torvik Rect", aWindowPlacement);

    aIni.WriteBool(Engagement, WireSlidesKey, a.WireSlides);
    WriteReal(aIni, ResistanceDistanceKey, s.Tooth.Distance);
    aIni.WriteString(Tooth, "Roots", s.Tooth.Roots == TRootSide::Down ? "Down" : "Up");

    s.RecentDesigns.Write(aIni);
}

std::string SettingsFileVersion(const std::string& aSettingsFile) {
    TIniFile ini;
    if (!ini.Load(aSettingsFile)) return {};
    return ini.ReadString(General, "Version", "");
}

bool DefaultDataNeeded(const std::string& aSettingsFile, const std::string& aProgramVersion) {
    std::error_code ec;
    if (!std::filesystem::exists(aSettingsFile, ec)) return true;
    return SettingsFileVersion(aSettingsFile) != aProgramVersion;
}

void CopyDefaultData(const std::string& aCommonFolder, const std::string& aUserFolder,
                     const std::string& aSettingsFile) {
    namespace fs = std::filesystem;
    // The settings file does not live among the user's data: the default
    // one goes where the settings file is kept, unless one is there.
    const fs::path defaultSettings = fs::path(DefaultSettingsFolder) / DefaultSettingsFile;
    try {
        CopyFolderTree(aCommonFolder, aUserFolder, DefaultSettingsFolder);
    } catch (const std::exception&) {
        // Start-up goes on without the default data.
    }
    std::error_code ec;
    fs::create_directories(fs::path(aSettingsFile).parent_path(), ec);
    fs::copy_file(fs::path(aCommonFolder) / defaultSettings, aSettingsFile, fs::copy_options::none, ec);
}

}  // namespace torvik
