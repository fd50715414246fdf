#pragma once
// The program's settings as the main window, the model and the drawing code
// read them, and their settings file: sections Calculation, Wire, View,
// General and Engagement with every key, value format, default and fallback,
// and the recent designs in a section of their own; the window placement
// text "Torvik Rect"; and the first-start copy of the default data.
// Widget-free, so it is tested without a window.

#include <string>
#include <string_view>
#include <vector>

#include "render/view_settings.h"
#include "support/recent_files.h"
#include "wire/activation_run.h"
#include "wire/centre_of_resistance.h"
#include "wire/materials.h"

namespace torvik {

class TIniFile;

// Sizes of the tables that the settings index.
constexpr int GridDensityCount = 4;      // 10, 5, 2, 1 mm
constexpr int SnapGridDensityCount = 6;  // 0.1, 0.2, 0.25, 0.5, 1, 2 mm
constexpr int UndoLevelCount = 5;        // None, 5, 10, 15, Unlimited
// The range of a real setting. A value outside it, or one that does not
// read, gives the setting's default; the bounds are values the settings
// file can hold, so whatever lies inside reads back inside.
struct TSettingRange {
    double Min;
    double Max;
    bool Contains(double aValue) const { return aValue >= Min && aValue <= Max; }  // false for NaN
};
constexpr TSettingRange ToleranceDistanceRange{0.0, 100.0};  // mm
constexpr TSettingRange ToleranceAngleRange{0.0, 180.0};     // degrees
constexpr TSettingRange SegmentSizeRange{0.01, 10.0};        // mm, kept to two decimals
constexpr TSettingRange StrainMaxRangeRange{0.1, 180.0};     // degrees, kept to one decimal
constexpr TSettingRange ResistanceDistanceRange{0.01, MaxResistanceDistance};  // mm, kept to two decimals
// The user's own material and cross-section ("Other"); a round wire's
// second dimension is exactly 0, outside this range.
constexpr TSettingRange ModulusRange{MinModulus, MaxModulus};                     // N/mm^2
constexpr TSettingRange CrossDimensionRange{MinCrossDimension, MaxCrossDimension};  // tenths of a mm
// Segment sizes above this (mm) are taken as unreadable.
constexpr double MaxSegmentSize = SegmentSizeRange.Max;
// The window placement's left and top lie within +-WindowCoordinateLimit,
// its width and height within 1 .. WindowCoordinateLimit pixels.
constexpr int WindowCoordinateLimit = 100000;

// The run-time settings with their start values.
struct TSettings {
    TActivationSettings Activation;  // target mode, auto stop, tolerances
    TViewSettings View;              // force display, strain colours, thickness
    int GridDensity = 2;
    int SnapGridDensity = 4;
    bool ShowGrid = true;
    bool SnapGrid = true;
    TMaterialTable MaterialTable = DefaultMaterialTable();
    TCrossSectionTable CrossSectionTable = DefaultCrossSectionTable();
    TWireStock Stock = DefaultStock();  // the current material and cross-section
    double SegmentSize = 0.25;          // mm
    int UndoLevels = Undo5;
    bool BestFitOnOpen = true;
    bool RememberWindowRect = false;
    TToothSettings Tooth;  // where the teeth's centres of resistance lie; section Tooth
    bool ShowCentres = false;  // View > Centre of Resistance; not stored, off at start
    TRecentFiles RecentDesigns;  // section "Recent Designs"
};

// The main window's placement as "Torvik Rect" holds it: "Default",
// "Maximized", or left, top, width and height separated by blanks.
struct TWindowPlacement {
    bool Maximized = false;
    // Left, top, width and height as far as they read, in that order; a
    // value outside its range (see WindowCoordinateLimit) counts as
    // unreadable.
    std::vector<int> Values;
    // Maximised, or all four values read: the placement is remembered.
    bool Complete() const { return Maximized || Values.size() == 4; }
};

TWindowPlacement ParseWindowPlacement(std::string_view aText);
// "Default" unless aRemember; then "Maximized" or the four numbers.
std::string WindowPlacementText(bool aRemember, bool aMaximized, int aLeft, int aTop, int aWidth, int aHeight);

// Reads the settings file's keys over aSettings, section by section in the
// order General, Calculation, Wire, View, Engagement, Tooth, so that later
// keys see earlier results. Unreadable numbers, numbers outside their ranges
// and out-of-range indices fall back as the settings file's rules say;
// RememberWindowRect follows the placement read. Returns that placement for
// the window to apply.
TWindowPlacement ReadSettings(const TIniFile& aIni, TSettings& aSettings);

// Writes every key, sections in the order Calculation, Wire, View, General,
// Engagement, Tooth. Other keys of the document (such as "Version") stay. A
// value outside its range is written as its default, so the file never holds
// a value that would not read back.
void WriteSettings(TIniFile& aIni, const TSettings& aSettings, std::string_view aWindowPlacement);

// The settings file's "Version" in section General, empty when the file is
// missing or unreadable.
std::string SettingsFileVersion(const std::string& aSettingsFile);
// The default data must be copied when there is no settings file or its
// version differs from aProgramVersion.
bool DefaultDataNeeded(const std::string& aSettingsFile, const std::string& aProgramVersion);
// Where the installed default data folder holds the default settings file.
constexpr const char* DefaultSettingsFolder = "Settings";
constexpr const char* DefaultSettingsFile = "TorvikSettings.ini";
// Copies the default data folder into the user's data folder, all but its
// settings folder, and its settings file to aSettingsFile, without
// overwriting anything; a failure ends the copy silently.
void CopyDefaultData(const std::string& aCommonFolder, const std::string& aUserFolder,
                     const std::string& aSettingsFile);

}  // namespace torvik
