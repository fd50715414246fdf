#pragma once
// Draws the background picture on the display: the part of it that lies in
// the visible rectangle, stretched onto its logical rectangle with pixels
// repeated or dropped (never blended), and its eight handles.

#include <QImage>

#include "render/image_placement.h"

namespace torvik {

class TQtCanvas;

// aCanvas carries the display's mapping; aVisible is the display's logical
// rectangle. The handles are placed and drawn when aWithHandles is set and
// the picture is shown, whether or not any of it lies in view.
void DrawBackgroundImage(TQtCanvas& aCanvas, const QImage& aPicture, TImagePlacement& aPlacement,
                         const TRect& aVisible, bool aWithHandles);

}  // namespace torvik
