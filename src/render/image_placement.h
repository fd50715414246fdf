#pragma once
// The background picture's place in the design: its top-left corner in
// logical units and the size of one picture pixel, whether it is shown, the
// eight resize handles, the image tool's drag (move, resize with or without
// keeping the aspect ratio, cancel) and the part of the picture a redraw
// copies. Widget-free: the picture itself is only its size in pixels here.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "render/canvas.h"
#include "render/shapes.h"

namespace torvik {

// Cursors over the handles: the four sizing directions.
enum TSizeCursor : int {
    SizeCursorNWSE = 1,  // north-west / south-east
    SizeCursorNS = 2,    // north / south
    SizeCursorNESW = 3,  // north-east / south-west
    SizeCursorWE = 4     // west / east
};
// The image tool's own cursor, away from the handles.
constexpr int ImageMoveCursor = 0;

// Logical units per picture pixel at the start: 150 dpi.
constexpr double DefaultImageScale = 2540.0 / 150.0;

struct TRealRect {
    double Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// What a redraw copies: aSource (picture pixels, right and bottom
// exclusive) stretched onto aDest (logical units).
struct TImageBlit {
    TRect dest;
    TRect source;
};

class TImagePlacement {
public:
    // No picture, at the origin, 150 dpi, shown.
    TImagePlacement();

    bool HasPicture() const { return FHasPicture; }
    int PictureWidth() const { return FWidth; }
    int PictureHeight() const { return FHeight; }
    // A new picture of aWidth x aHeight pixels takes the previous one's
    // place and scale. Throws std::invalid_argument for a negative size.
    void SetPicture(int aWidth, int aHeight);

    bool Visible() const { return FVisible; }
    void SetVisible(bool aVisible) { FVisible = aVisible; }
    // The image tool acts only on a picture that is shown.
    bool Active() const { return FHasPicture && FVisible; }

    TPoint Offset() const { return FOffset; }
    double ScaleX() const { return FScaleX; }
    double ScaleY() const { return FScaleY; }
    void SetOffset(TPoint aOffset) { FOffset = aOffset; }
    // Logical units per picture pixel; both must be positive and finite
    // (std::invalid_argument otherwise).
    void SetScale(double aScaleX, double aScaleY);
    // Dots per inch of the picture's width: 2540 / ScaleX().
    double Resolution() const { return 2540.0 / FScaleX; }
    // Square pixels of aDpi dots per inch; the top-left corner stays. Throws
    // std::invalid_argument unless aDpi is positive and finite.
    void SetResolution(double aDpi);
    // The logical rectangle the picture covers.
    TRealRect Rect() const;

    // The eight handles: corners and edge midpoints, top row first.
    const std::vector<TMarkerExtended>& Handles() const { return FHandles; }
    // Puts the handles on the picture's rectangle (halves of the pixel size
    // taken before scaling). Throws std::range_error when a position does
    // not fit 32 bits.
    void PlaceHandles();
    // Places the handles and draws them.
    void DrawHandles(TCanvas& aCanvas);
    // The first handle whose last placed position lies within its size of
    // (X, Y) on both axes; null when none does.
    const TMarkerExtended* AboveImageMarker(int X, int Y) const;

    // The image tool's gesture. What a drag acts on: 0 the whole picture,
    // i + 1 handle i. Chosen while hovering, kept during a drag.
    int ActiveHandle() const { return FActiveHandle; }
    bool Dragging() const { return FDragging; }
    TPoint PressPoint() const { return FPressPoint; }
    // Hovering: chooses what a drag will act on; the cursor to show
    // (ImageMoveCursor or the handle's TSizeCursor). Does nothing while
    // dragging.
    int Hover(int X, int Y);
    // A press starts a drag; the second press of a double click moves the
    // picture's top-left corner to the origin instead. Nothing happens while
    // the picture is not Active(); the result says whether anything did.
    bool Press(int X, int Y, bool aDoubleClick);
    // A move during a drag: moves the picture or resizes it by the active
    // handle. Corner handles keep the aspect ratio unless aFreeAspect (Ctrl);
    // no edge is dragged across the opposite one. False when not dragging.
    bool Drag(int X, int Y, bool aFreeAspect);
    // Ends a drag; the picture keeps its place and size.
    bool Release();
    // Esc during a drag: the place and size of the press come back exactly.
    // False (and nothing changes) when no drag is in progress.
    bool Cancel();

private:
    bool FHasPicture = false;
    int FWidth = 0, FHeight = 0;
    bool FVisible = true;
    TPoint FOffset{0, 0};
    double FScaleX = DefaultImageScale, FScaleY = DefaultImageScale;
    std::vector<TMarkerExtended> FHandles;

    int FActiveHandle = 0;
    bool FDragging = false;
    TPoint FPressPoint{0, 0}, FLastPoint{0, 0};
    TPoint FSavedOffset{0, 0};
    double FSavedScaleX = DefaultImageScale, FSavedScaleY = DefaultImageScale;
};

// The part of a shown picture that lies in aVisible (logical units) and the
// matching picture pixels; empty when nothing of it is visible. Edges inside
// the visible area are the picture's own; the far edges are rounded, the
// source rounded to whole pixels, and the destination lies one unit left of
// and above the computed one.
std::optional<TImageBlit> ImageBlit(const TImagePlacement& aPlacement, const TRect& aVisible);

// The status text during a drag from aPress, now at aNow: " dx: " and
// " dy: " with the press point minus the current point, written by aFormat
// ("0.#" in the user's locale).
std::string ImageDragText(TPoint aPress, TPoint aNow, const std::function<std::string(double)>& aFormat);

}  // namespace torvik
