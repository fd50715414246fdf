#include "render/image_placement.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "geometry/point.h"

namespace torvik {

namespace {

constexpr int HandleCount = 8;
constexpr int HandleSize = 5;
// The least half-size of a handle on the screen, in pixels.
constexpr int MinHandlePixels = 4;
constexpr TSizeCursor HandleCursors[HandleCount] = {SizeCursorNWSE, SizeCursorNS, SizeCursorNESW, SizeCursorWE,
                                                    SizeCursorWE,   SizeCursorNESW, SizeCursorNS, SizeCursorNWSE};

bool PositiveFinite(double v) { return v > 0.0 && std::isfinite(v); }

}  // namespace

TImagePlacement::TImagePlacement() {
    FHandles.resize(HandleCount);
    for (int i = 0; i < HandleCount; ++i) {
        TMarkerExtended& h = FHandles[static_cast<std::size_t>(i)];
        h.size = HandleSize;
        h.SetShape("square");
        h.pen.color = colors::Red;
        h.brush.color = colors::Black;
        h.SetAction(std::to_string(i));
        h.SetCursor(HandleCursors[i]);
        h.SetOwner(this);
    }
}

void TImagePlacement::SetPicture(int aWidth, int aHeight) {
    if (aWidth < 0 || aHeight < 0) throw std::invalid_argument("A picture cannot have a negative size");
    FHasPicture = true;
    FWidth = aWidth;
    FHeight = aHeight;
}

void TImagePlacement::SetScale(double aScaleX, double aScaleY) {
    if (!PositiveFinite(aScaleX) || !PositiveFinite(aScaleY))
        throw std::invalid_argument("A picture's pixels must have a positive size");
    FScaleX = aScaleX;
    FScaleY = aScaleY;
}

void TImagePlacement::SetResolution(double aDpi) {
    if (!PositiveFinite(aDpi)) throw std::invalid_argument("A resolution must be a positive number");
    const double scale = 25.4 / aDpi * 100;
    SetScale(scale, scale);
}

TRealRect TImagePlacement::Rect() const {
    return TRealRect{static_cast<double>(FOffset.X), static_cast<double>(FOffset.Y), FOffset.X + FWidth * FScaleX,
                     FOffset.Y + FHeight * FScaleY};
}

void TImagePlacement::PlaceHandles() {
    const double ix = FOffset.X, iy = FOffset.Y;
    const double midX = (FWidth / 2) * FScaleX + ix, midY = (FHeight / 2) * FScaleY + iy;
    const double right = FWidth * FScaleX + ix, bottom = FHeight * FScaleY + iy;
    const double xs[HandleCount] = {ix, midX, right, ix, right, ix, midX, right};
    const double ys[HandleCount] = {iy, iy, iy, midY, midY, bottom, bottom, bottom};
    // All positions are worked out before any handle moves.
    TPoint placed[HandleCount];
    for (int i = 0; i < HandleCount; ++i) placed[i] = TPoint{RoundToInt32(xs[i]), RoundToInt32(ys[i])};
    for (int i = 0; i < HandleCount; ++i) FHandles[static_cast<std::size_t>(i)].origin = placed[i];
}

void TImagePlacement::DrawHandles(TCanvas& aCanvas) {
    PlaceHandles();
    // Five logical units are a fraction of a pixel at the usual zooms, so a
    // handle is drawn, and hit, at least a few pixels either side of its point.
    const TPoint a = aCanvas.DeviceToLogical(TPoint{0, 0});
    const TPoint b = aCanvas.DeviceToLogical(TPoint{MinHandlePixels, 0});
    const int size = std::max(HandleSize, std::abs(b.X - a.X));
    for (TMarkerExtended& h : FHandles) {
        h.size = size;
        h.Draw(aCanvas);
    }
}

const TMarkerExtended* TImagePlacement::AboveImageMarker(int X, int Y) const {
    for (const TMarkerExtended& h : FHandles)
        if (h.Contains(X, Y)) return &h;
    return nullptr;
}

int TImagePlacement::Hover(int X, int Y) {
    if (FDragging) return FActiveHandle == 0 ? ImageMoveCursor : FHandles[FActiveHandle - 1].Cursor();
    const TMarkerExtended* h = AboveImageMarker(X, Y);
    if (!h) {
        FActiveHandle = 0;
        return ImageMoveCursor;
    }
    FActiveHandle = std::stoi(h->Action()) + 1;
    return h->Cursor();
}

bool TImagePlacement::Press(int X, int Y, bool aDoubleClick) {
    if (!Active()) return false;
    if (aDoubleClick) {
        FOffset = TPoint{0, 0};
        return true;
    }
    FDragging = true;
    FPressPoint = FLastPoint = TPoint{X, Y};
    FSavedOffset = FOffset;
    FSavedScaleX = FScaleX;
    FSavedScaleY = FScaleY;
    return true;
}

bool TImagePlacement::Drag(int X, int Y, bool aFreeAspect) {
    if (!FDragging) return false;
    const double dx = static_cast<double>(X) - FLastPoint.X;
    const double dy = static_cast<double>(Y) - FLastPoint.Y;
    FLastPoint = TPoint{X, Y};
    if (FActiveHandle == 0) {
        FOffset = TPoint{RoundToInt32(FOffset.X + dx), RoundToInt32(FOffset.Y + dy)};
        return true;
    }
    // A picture without pixels cannot be resized.
    if (FWidth == 0 || FHeight == 0) return true;

    const double W = FWidth, H = FHeight;
    const double ox = FOffset.X, oy = FOffset.Y;
    const double R = ox + W * FScaleX, B = oy + H * FScaleY;
    const double sL = (R - X) / W, sT = (B - Y) / H, sR = (X - ox) / W, sB = (Y - oy) / H;
    // Everything is computed on the state before this move, then applied.
    TPoint offset = FOffset;
    double sx = FScaleX, sy = FScaleY;
    const bool left = X < R, top = Y < B, right = X > ox, bottom = Y > oy;
    const auto moveTop = [&] {
        if (top) {
            sy = sT;
            offset.Y = Y;
        }
    };
    const auto moveLeft = [&] {
        if (left) {
            sx = sL;
            offset.X = X;
        }
    };
    const auto moveRight = [&] {
        if (right) sx = sR;
    };
    const auto moveBottom = [&] {
        if (bottom) sy = sB;
    };

    switch (FActiveHandle) {
        case 1:  // top left
            if (aFreeAspect) {
                moveTop();
                moveLeft();
            } else if (left && top) {
                const double s = std::min(sL, sT);
                offset = TPoint{RoundToInt32(R - W * s), RoundToInt32(B - H * s)};
                sx = sy = s;
            }
            break;
        case 2: moveTop(); break;  // top middle
        case 3:                    // top right
            if (aFreeAspect) {
                moveTop();
                moveRight();
            } else if (right && top) {
                const double s = std::min(sR, sT);
                offset.Y = RoundToInt32(B - H * s);
                sx = sy = s;
            }
            break;
        case 4: moveLeft(); break;   // middle left
        case 5: moveRight(); break;  // middle right
        case 6:                      // bottom left
            if (aFreeAspect) {
                moveLeft();
                moveBottom();
            } else if (left && bottom) {
                const double s = std::min(sL, sB);
                offset.X = RoundToInt32(R - W * s);
                sx = sy = s;
            }
            break;
        case 7: moveBottom(); break;  // bottom middle
        case 8:                       // bottom right
            if (aFreeAspect) {
                moveRight();
                moveBottom();
            } else if (right && bottom) {
                sx = sy = std::min(sR, sB);
            }
            break;
        default: break;
    }
    FOffset = offset;
    FScaleX = sx;
    FScaleY = sy;
    return true;
}

bool TImagePlacement::Release() {
    const bool was = FDragging;
    FDragging = false;
    return was;
}

bool TImagePlacement::Cancel() {
    if (!FDragging) return false;
    FOffset = FSavedOffset;
    FScaleX = FSavedScaleX;
    FScaleY = FSavedScaleY;
    FDragging = false;
    return true;
}

std::optional<TImageBlit> ImageBlit(const TImagePlacement& aPlacement, const TRect& aVisible) {
    if (!aPlacement.Active()) return std::nullopt;
    const int w = aPlacement.PictureWidth(), h = aPlacement.PictureHeight();
    if (w == 0 || h == 0) return std::nullopt;
    const TRealRect r = aPlacement.Rect();
    if (r.Right <= aVisible.Left || r.Left >= aVisible.Right || r.Bottom <= aVisible.Top || r.Top >= aVisible.Bottom)
        return std::nullopt;
    const double sx = aPlacement.ScaleX(), sy = aPlacement.ScaleY();

    TImageBlit blit;
    // Near edges: the picture's own where it starts inside the visible area.
    const bool ownLeft = r.Left >= aVisible.Left, ownTop = r.Top >= aVisible.Top;
    const int left = ownLeft ? static_cast<int>(r.Left) : aVisible.Left;
    const int top = ownTop ? static_cast<int>(r.Top) : aVisible.Top;
    blit.source.Left = ownLeft ? 0 : RoundToInt32((left - r.Left) / sx);
    blit.source.Top = ownTop ? 0 : RoundToInt32((top - r.Top) / sy);
    // Far edges: the picture's own, rounded, where it ends inside.
    const bool ownRight = r.Right <= aVisible.Right, ownBottom = r.Bottom <= aVisible.Bottom;
    const int right = ownRight ? RoundToInt32(r.Right) : aVisible.Right;
    const int bottom = ownBottom ? RoundToInt32(r.Bottom) : aVisible.Bottom;
    blit.source.Right = ownRight ? w : RoundToInt32((right - r.Left) / sx);
    blit.source.Bottom = ownBottom ? h : RoundToInt32((bottom - r.Top) / sy);

    blit.dest = TRect{left - 1, top - 1, right - 1, bottom - 1};
    return blit;
}

std::string ImageDragText(TPoint aPress, TPoint aNow, const std::function<std::string(double)>& aFormat) {
    const double dx = static_cast<double>(aPress.X) - aNow.X;
    const double dy = static_cast<double>(aPress.Y) - aNow.Y;
    return " dx: " + aFormat(dx) + " dy: " + aFormat(dy);
}

}  // namespace torvik
