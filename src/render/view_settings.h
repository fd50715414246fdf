#pragma once
// The display settings that the drawing of the wire, the brackets and the
// forces reads. The main window owns one and passes it explicitly.

#include "geometry/point.h"

namespace torvik {

// Bits of TViewSettings::ViewFlags.
enum : int {
    ViewForcesBit = 1,        // show forces
    ViewMomentsBit = 2,       // show moments
    ViewBracketForcesBit = 4  // show the reaction on the brackets instead of the load on the wire
};

struct TViewSettings {
    int ViewFlags = ViewForcesBit | ViewMomentsBit;
    double ForceScale = 1.0;  // force units per logical unit
    bool ViewStrain = false;
    bool StrainAutoRange = false;
    double StrainMaxRange = 2.0 * Pi / 180.0;  // radians
    bool DrawThickness = true;
    bool MarkersShown = false;
    bool Running = false;
    int SelectedNode = 0;
    // The loads no longer hold the wire in the right bracket (a bracket
    // moved, the wire edited): their arrows are drawn grey.
    bool LoadsStale = false;
};

}  // namespace torvik
