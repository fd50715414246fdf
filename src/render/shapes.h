#pragma once
// Small shapes that draw themselves on a canvas in logical units: node and
// handle markers, the zoom tool's rubber band, force arrows and moment arrows.

#include <string>

#include "render/canvas.h"

namespace torvik {

// Half-size given to new markers, in logical units.
constexpr int MarkerSize = 4;

class TMyShape {
public:
    TPoint origin;
    TPoint corner;
    TPen pen;      // black, width 1, solid, copy
    TBrush brush;  // white, solid

    TMyShape() = default;
    virtual ~TMyShape() = default;
    TMyShape(const TMyShape&) = default;
    TMyShape& operator=(const TMyShape&) = default;

    virtual void Draw(TCanvas& aCanvas) const;
    // Copies the pen (colour, mode, style, width) and brush (colour, style)
    // onto the canvas.
    void TransferPen(TCanvas& aCanvas) const;
    double Width() const { return static_cast<double>(corner.X) - origin.X; }
    double Height() const { return static_cast<double>(corner.Y) - origin.Y; }
};

class TMarker : public TMyShape {
public:
    int size = MarkerSize;

    // Circle, red outline, black fill, copy mode.
    TMarker();
    const std::string& Shape() const { return FShape; }
    void SetShape(const std::string& aShape) { FShape = aShape; }

    // Draws a "square" or "circle" of half-size `size` about origin, with the
    // pen width the canvas already has.
    void Draw(TCanvas& aCanvas) const override;
    // A square test, for circles too.
    bool Contains(int ax, int ay) const;

private:
    std::string FShape = "circle";
};

class TMarkerExtended : public TMarker {
public:
    TMarkerExtended() = default;

    int Cursor() const { return FCursor; }
    void SetCursor(int aCursor) { FCursor = aCursor; }
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& aHint) { FHint = aHint; }
    const std::string& Action() const { return FAction; }
    void SetAction(const std::string& aAction) { FAction = aAction; }
    // Not owned.
    const void* Owner() const { return FOwner; }
    void SetOwner(const void* aOwner) { FOwner = aOwner; }

private:
    int FCursor = 0;
    std::string FHint;
    std::string FAction;
    const void* FOwner = nullptr;
};

class TRectangle : public TMyShape {
public:
    void Draw(TCanvas& aCanvas) const override;
};

class TArrow : public TMyShape {
public:
    // Shaft from origin to corner, head at corner reaching back a fifth of
    // the length and spreading a tenth to each side. Throws std::range_error
    // when a barb does not fit 32-bit integers.
    void Draw(TCanvas& aCanvas) const override;
    // True when Draw would not throw.
    bool Fits() const;
};

// A three-quarter circle about origin; corner.X is the signed radius
// (positive turns clockwise as displayed).
class TCircularArrow : public TMyShape {
public:
    // Throws std::range_error when a point of the figure does not fit 32-bit
    // integers.
    void Draw(TCanvas& aCanvas) const override;
    // True when Draw would not throw.
    bool Fits() const;
};

}  // namespace torvik
