#pragma once
// A bracket: a point (mm) and an angulation (radians) with a fixed outline of
// six corners: a slot 2 mm long and 0.6 mm wide whose -x half flares out to
// 1 mm at its open end.

#include <array>
#include <string>
#include <vector>

#include "geometry/point.h"
#include "render/canvas.h"
#include "render/shapes.h"

namespace torvik {

class TIniFile;

// The farthest from the drawing's origin (mm) a design file may place a
// bracket; a position farther out is refused as absurd.
constexpr double MaxFilePosition = 10000;

class TBracket {
public:
    TBracket();

    std::string Name = "Bracket";

    const TPointRef& Origin() const { return FOrigin; }
    // The bracket holds the given point from now on and rebuilds.
    void SetOrigin(TPointRef aOrigin);
    double Direction() const { return FDirection; }
    // Stores the value and rebuilds (which folds it into [0, 2pi)).
    void SetDirection(double aDirection);

    void Rebuild();
    // Corners 1 to 6 (index 0 to 5), in logical units, unrounded.
    const std::array<TPointReal, 6>& Corners() const { return FCorners; }
    // Hit test in logical units, inside the slot and its flare.
    bool Contains(int ax, int ay) const;
    // A 0.6 mm square about the origin in logical units; throws
    // std::range_error when it does not fit 32-bit integers.
    TRect BoundsRect() const;
    // Six markers at the rounded corners.
    std::vector<TMarker> Markers() const;

    // Defined with the drawing code.
    void Draw(TCanvas& aCanvas) const;
    void DrawGhost(TCanvas& aCanvas) const;

    // Design file section named after the bracket.
    void SaveToIni(TIniFile& aIni) const;
    void ReadFromIni(const TIniFile& aIni);
    void SaveToFile(const std::string& aFileName) const;
    void ReadFromFile(const std::string& aFileName);

private:
    std::array<TPointReal, 6> FCorners{};
    TPointRef FOrigin;
    double FDirection = 0.0;
};

}  // namespace torvik
