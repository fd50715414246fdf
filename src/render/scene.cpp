#include "render/scene.h"

#include "geometry/force_moment.h"
#include "render/grid.h"
#include "render/resistance_draw.h"
#include "render/template_draw.h"
#include "render/view_settings.h"
#include "wire/bracket.h"
#include "wire/design.h"
#include "wire/wire.h"

namespace torvik {

TScene SceneOf(const TDesign& aDesign, const std::vector<TMarker>* aBracketMarkers) {
    TScene scene;
    scene.wire = aDesign.CurrentWire.get();
    scene.left = &aDesign.LeftBracket;
    scene.right = &aDesign.RightBracket;
    scene.rightForce = &aDesign.RightForce;
    scene.leftForce = &aDesign.LeftForce;
    scene.bracketMarkers = aBracketMarkers;
    return scene;
}

void DrawDesignLayers(TCanvas& aCanvas, const TScene& aScene, const TViewSettings& aView, bool showGrid,
                      int gridDensity, bool withMarkers) {
    if (showGrid) DrawGrid(aCanvas, gridDensity);
    if (aScene.passiveWire) {
        DrawBentWire(aCanvas, *aScene.passiveWire);
        if (aScene.wire) DrawActivatedLine(aCanvas, *aScene.wire);
    } else if (aScene.wire) {
        aScene.wire->Draw(aCanvas, aView);
    }
    if (aScene.left) aScene.left->Draw(aCanvas);
    if (aScene.right) aScene.right->Draw(aCanvas);
    if (aScene.rightForce) aScene.rightForce->Draw(aCanvas, aView);
    if (aScene.leftForce) aScene.leftForce->Draw(aCanvas, aView);
    if (aScene.tooth && aScene.left && aScene.right)
        DrawResistanceCentres(aCanvas, *aScene.left, *aScene.right, *aScene.tooth);
    // The markers take the pen width the layer before them left.
    if (withMarkers && !aView.Running && aScene.bracketMarkers)
        for (const TMarker& marker : *aScene.bracketMarkers) marker.Draw(aCanvas);
}

}  // namespace torvik
