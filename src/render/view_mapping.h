#pragma once
// The mapping between logical units (0.01 mm) and the pixels of the display:
// zoom, scroll bars, centring, rectangle zoom, Best Fit and Fit All, and the
// rules of the zoom box. Widget-free: the window feeds it sizes and events
// and builds its painter transform from Scale() and the offsets.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "geometry/point.h"
#include "render/canvas.h"

namespace torvik {

// The design area is the logical square 0..WorldExtent on both axes (100 mm).
constexpr int WorldExtent = 10000;

// Limits of the zoom commands, in tenths of a percent (25 % .. 1200 %). Fit All
// alone may go below MinZoom.
constexpr int MinZoom = 250;
constexpr int MaxZoom = 12000;
// What the mapping accepts at all; Fit All on a tiny display still gives 1.
constexpr int MinAcceptedZoom = 1;
constexpr int MaxAcceptedZoom = 100000;
// Largest display side the mapping accepts, in pixels.
constexpr int MaxDisplaySize = 32767;

// Pixels per millimetre at 25 %: one logical unit is 3.37 x Zoom / 25000 px,
// whatever the screen's resolution.
constexpr double PixelsPerMmAtQuarter = 3.37;

// The zoom box's items, in the order shown.
constexpr std::array<std::string_view, 11> ZoomBoxItems = {
    "1200%", "600%", "300%", "200%", "150%", "100%", "75%", "50%", "25%", "Best Fit", "Fit All"};
constexpr std::string_view BestFitItem = "Best Fit";
constexpr std::string_view FitAllItem = "Fit All";
constexpr std::string_view ZoomBoxHint = "Zoom Control|Select the desired zoom level or enter a value.";
constexpr std::string_view InvalidZoomMessage =
    "This is not a valid zoom value.\r\nUse an integer number in the range 25 - 1200.";

// The zoom steps of Zoom In and Zoom Out, read from the percentage items of
// the zoom box, largest first: 12000, 6000, ..., 250.
const std::array<int, 9>& ZoomSteps();
// The smallest step strictly above aZoom, or the largest step.
int NextZoomIn(int aZoom);
// The largest step strictly below aZoom, or the smallest step.
int NextZoomOut(int aZoom);

// Round(aZoom / 10) followed by "%", halves to even: 289 -> "29%", 225 -> "22%".
std::string ZoomText(int aZoom);
// The zoom of a chosen percentage item: the text without its last character
// read as an integer, times 10; 1000 when that does not read as an integer
// or gives a zoom outside MinZoom..MaxZoom.
int ZoomItemValue(std::string_view aItem);
// A zoom typed into the box and confirmed with Enter: the text is cut before
// its first "%", the rest (blanks around it allowed) read as an integer n; the
// result is 10 x n. Empty when it does not read or lies outside 25..1200 %.
std::optional<int> ParseTypedZoom(std::string_view aText);
// Characters the zoom box takes while typing: Backspace (8), Enter (13), "%"
// and the digits. Anything else is refused with a beep.
bool IsZoomKeyAccepted(int aChar);

// Fit All: Round(min(W - 1, H - 1) x 250 x 100 / WorldExtent / 3.37), not
// clamped to MinZoom..MaxZoom but never below MinAcceptedZoom.
int FitAllZoom(int aWidth, int aHeight);
// The zoom at which a logical extent w x h fills a W x H display (the smaller
// of the two ratios), clamped to MinZoom..MaxZoom. w and h must be positive.
int RectZoom(int aWidth, int aHeight, std::int64_t w, std::int64_t h);
// Best Fit's logical rectangle: aBounds (whole millimetres, any corner order)
// widened to include aBracket (mm), then by a 10 % margin on each side (1 mm
// where the margin comes out 0), times 100 and rounded. Throws
// std::range_error when a coordinate does not fit a 32-bit integer.
TRect BestFitRect(const TRect& aBounds, const TPointReal& aBracket);
// Device pixels per logical unit of a true-size picture at aPixelsPerInch:
// 10000 logical units span Round(ppi / 0.254) pixels (100 mm).
double TrueSizeScale(double aPixelsPerInch);

// Rounds a / b to the nearest integer, halves to even; b > 0.
std::int64_t DivRoundHalfEven(std::int64_t a, std::int64_t b);

// One scroll bar of the display. Position is the logical coordinate of the
// display's top-left pixel on that axis.
struct TScrollBarState {
    int Position = 0;
    int Max = WorldExtent;
    int PageSize = 0;     // the visible extent while enabled, 0 while disabled
    int LargeChange = 1;  // the visible extent, kept within 1..32767
    int SmallChange = 1;
    bool Enabled = false;
    // The largest position the bar can take.
    int MaxPosition() const { return Max - PageSize; }
};

enum class TScrollAxis { Horz, Vert };

class TViewMapping {
public:
    TViewMapping() = default;

    // Zoom in tenths of a percent (1000 = 100 %).
    int Zoom() const { return FZoom; }
    // Sets the zoom alone, without scrolling; throws std::out_of_range
    // outside MinAcceptedZoom..MaxAcceptedZoom and changes nothing then.
    void SetZoom(int aZoom);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // Stores the display size alone; throws std::out_of_range outside
    // 0..MaxDisplaySize and changes nothing then.
    void SetDisplaySize(int aWidth, int aHeight);

    const TScrollBarState& ScrollBarHorz() const { return FHorz; }
    const TScrollBarState& ScrollBarVert() const { return FVert; }

    // The mapping: device = logical x Scale() + offset, one common scale for
    // both axes (the smaller of the two axis scales of the rounded window
    // extents), the scroll positions at the top-left pixel.
    double Scale() const;
    double OffsetX() const { return -FHorz.Position * Scale(); }
    double OffsetY() const { return -FVert.Position * Scale(); }
    // The exact scale as a fraction: ScaleNum() / ScaleDen() pixels per unit.
    std::int64_t ScaleNum() const { return Ratio().num; }
    std::int64_t ScaleDen() const { return Ratio().den; }

    // Device to logical: scroll position + Round(device / Scale()), halves to
    // even. Throws std::range_error when the result does not fit 32 bits.
    TPoint DeviceToLogical(TPoint aDevice) const;
    TPoint DeviceToLogical(int x, int y) const { return DeviceToLogical(TPoint{x, y}); }
    // Logical to device, rounded the same way.
    TPoint LogicalToDevice(TPoint aLogical) const;
    // The logical rectangle of the pixel rectangle (0, 0)-(W, H).
    TRect VisibleRect() const;
    // The logical point under the display's centre pixel (W div 2, H div 2).
    TPoint DisplayCenter() const;

    // Recomputes both scroll bars for the current zoom and display size.
    void AdjustScrollBars();
    // Sets Zoom to aZ and scrolls so that (X, Y) is at the display's centre as
    // far as the scroll ranges allow.
    void ZoomCenterInDisplay(int aZ, int X, int Y);
    // Zooms so that aRect (logical, any corner order) fills the display and
    // centres it. A zero width or height does nothing and returns false.
    bool ZoomRect(const TRect& aRect);
    // One zoom step up or down; no scrolling.
    void ZoomIn();
    void ZoomOut();
    // Zoom to aZ keeping the logical point at the display's centre there.
    void ZoomAroundCenter(int aZ);
    // Fit All: the whole design area in the display, scrolled to its
    // top-left corner.
    void FitAll();
    // A scroll event: the position clamped to 0..MaxPosition(). A disabled
    // bar stays at 0.
    void Scroll(TScrollAxis aAxis, int aPos);
    // The display changed size: new scroll ranges, the view's top-left corner
    // kept where it was as far as the new ranges allow.
    void Resize(int aWidth, int aHeight);

    // The zoom tool. A right-button press: one step out, centred on (X, Y).
    void ZoomToolOut(int X, int Y);
    // Release of a left-button drag from aFirst whose band's second corner is
    // aSecond, released at aRelease: a band at least 2 units wide or high
    // (signed, second minus first) zooms to it; anything else acts as a
    // click, one step in centred on the release point.
    void ZoomToolRelease(TPoint aFirst, TPoint aSecond, TPoint aRelease);

private:
    struct TRatio {
        std::int64_t num;
        std::int64_t den;
    };
    TRatio Ratio() const;
    std::int32_t ToLogical(int aPosition, std::int64_t aDevice, const TRatio& r) const;

    int FZoom = 1000;
    int FWidth = 0;
    int FHeight = 0;
    TScrollBarState FHorz;
    TScrollBarState FVert;
};

}  // namespace torvik
