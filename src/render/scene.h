#pragma once
// The design layers of a picture, composed without any widget: grid, wire,
// brackets, force and moment arrows and the bracket markers. The screen, the
// clipboard picture and the printer draw their own background and read-out
// around them.

#include <vector>

#include "render/canvas.h"
#include "render/shapes.h"

namespace torvik {

class TWire;
class TBracket;
class TForceMoment;
struct TDesign;
struct TToothSettings;
struct TViewSettings;

// What a picture shows; absent parts (null) are left out.
struct TScene {
    const TWire* wire = nullptr;
    const TBracket* left = nullptr;
    const TBracket* right = nullptr;
    const TForceMoment* rightForce = nullptr;
    const TForceMoment* leftForce = nullptr;
    const std::vector<TMarker>* bracketMarkers = nullptr;
    // With it, the teeth's centres of resistance of both brackets.
    const TToothSettings* tooth = nullptr;
    // With it, a bending template: this wire (the wire as bent) in black at
    // its true thickness, and the wire above as a thin grey line over it.
    const TWire* passiveWire = nullptr;
};

// The whole design: its wire, both brackets and both loads, with the given
// bracket markers (null: none).
TScene SceneOf(const TDesign& aDesign, const std::vector<TMarker>* aBracketMarkers = nullptr);

// Draws, in this order: the grid when showGrid, the wire (with its node
// markers as aView directs; for a template the wire as bent and the wire
// over it), the left and then the right bracket, the right
// and then the left force, the teeth's centres of resistance when the scene
// has a tooth, and, when withMarkers and no run is in progress, the bracket
// markers. Later layers cover earlier ones.
void DrawDesignLayers(TCanvas& aCanvas, const TScene& aScene, const TViewSettings& aView, bool showGrid,
                      int gridDensity, bool withMarkers);

}  // namespace torvik
