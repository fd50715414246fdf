#include "render/view_mapping.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <stdexcept>

namespace torvik {

namespace {

// An optionally signed decimal integer with blanks around it; empty when the
// text is anything else or the number is absurdly large.
std::optional<std::int64_t> ReadInteger(std::string_view s) {
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > 1'000'000'000'000LL) return std::nullopt;
    }
    return negative ? -value : value;
}

std::int32_t CheckedInt32(std::int64_t v) {
    if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        throw std::range_error("Range check error");
    return static_cast<std::int32_t>(v);
}

int ClampToInt(std::int64_t v, std::int64_t lo, std::int64_t hi) {
    return static_cast<int>(std::clamp(v, lo, hi));
}

}  // namespace

std::int64_t DivRoundHalfEven(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    std::int64_t r = a % b;
    if (r < 0) {  // floor division
        --q;
        r += b;
    }
    if (2 * r > b || (2 * r == b && (q & 1) != 0)) ++q;
    return q;
}

const std::array<int, 9>& ZoomSteps() {
    static const std::array<int, 9> steps = [] {
        std::array<int, 9> s{};
        for (std::size_t i = 0; i < s.size(); ++i) {
            const std::string_view item = ZoomBoxItems[i];
            s[i] = static_cast<int>(*ReadInteger(item.substr(0, item.size() - 1))) * 10;
        }
        return s;
    }();
    return steps;
}

int NextZoomIn(int aZoom) {
    const auto& steps = ZoomSteps();
    for (auto it = steps.rbegin(); it != steps.rend(); ++it)
        if (*it > aZoom) return *it;
    return steps.front();
}

int NextZoomOut(int aZoom) {
    for (int step : ZoomSteps())
        if (step < aZoom) return step;
    return ZoomSteps().back();
}

std::string ZoomText(int aZoom) {
    return std::to_string(static_cast<long long>(RoundHalfEven(aZoom / 10.0))) + "%";
}

int ZoomItemValue(std::string_view aItem) {
    if (aItem.empty()) return 1000;
    const auto n = ReadInteger(aItem.substr(0, aItem.size() - 1));
    if (!n || *n * 10 < MinZoom || *n * 10 > MaxZoom) return 1000;
    return static_cast<int>(*n * 10);
}

std::optional<int> ParseTypedZoom(std::string_view aText) {
    const auto percent = aText.find('%');
    if (percent != std::string_view::npos) aText = aText.substr(0, percent);
    const auto n = ReadInteger(aText);
    if (!n || *n * 10 < MinZoom || *n * 10 > MaxZoom) return std::nullopt;
    return static_cast<int>(*n * 10);
}

bool IsZoomKeyAccepted(int aChar) {
    return aChar == 8 || aChar == 13 || aChar == '%' || (aChar >= '0' && aChar <= '9');
}

int FitAllZoom(int aWidth, int aHeight) {
    const int m = std::min(aWidth - 1, aHeight - 1);
    const double z = RoundHalfEven(m * 250.0 * 100.0 / WorldExtent / PixelsPerMmAtQuarter);
    return static_cast<int>(std::clamp(z, double(MinAcceptedZoom), double(MaxAcceptedZoom)));
}

int RectZoom(int aWidth, int aHeight, std::int64_t w, std::int64_t h) {
    if (w <= 0 || h <= 0) throw std::invalid_argument("RectZoom needs a positive extent");
    const double rw = aWidth / static_cast<double>(w);
    const double rh = aHeight / static_cast<double>(h);
    const double r = rw > rh ? rh : rw;
    const double z = RoundHalfEven(r * 25000.0 / PixelsPerMmAtQuarter);
    return static_cast<int>(std::clamp(z, double(MinZoom), double(MaxZoom)));
}

TRect BestFitRect(const TRect& aBounds, const TPointReal& aBracket) {
    double minX = std::min(aBounds.Left, aBounds.Right);
    double maxX = std::max(aBounds.Left, aBounds.Right);
    double minY = std::min(aBounds.Top, aBounds.Bottom);
    double maxY = std::max(aBounds.Top, aBounds.Bottom);
    if (aBracket.x < minX) minX = aBracket.x;
    if (aBracket.x > maxX) maxX = aBracket.x;
    if (aBracket.y < minY) minY = aBracket.y;
    if (aBracket.y > maxY) maxY = aBracket.y;
    double dx = 0.1 * (maxX - minX);
    double dy = 0.1 * (maxY - minY);
    if (dx == 0.0) dx = 1.0;
    if (dy == 0.0) dy = 1.0;
    minX -= dx;
    maxX += dx;
    minY -= dy;
    maxY += dy;
    return TRect{RoundToInt32(minX * 100.0), RoundToInt32(minY * 100.0), RoundToInt32(maxX * 100.0),
                 RoundToInt32(maxY * 100.0)};
}

double TrueSizeScale(double aPixelsPerInch) {
    if (!(aPixelsPerInch > 0.0) || !std::isfinite(aPixelsPerInch))
        throw std::invalid_argument("The screen resolution must be a positive number");
    return RoundHalfEven(aPixelsPerInch / 0.254) / 10000.0;
}

void TViewMapping::SetZoom(int aZoom) {
    if (aZoom < MinAcceptedZoom || aZoom > MaxAcceptedZoom)
        throw std::out_of_range("Zoom " + std::to_string(aZoom) + " is out of range");
    FZoom = aZoom;
}

void TViewMapping::SetDisplaySize(int aWidth, int aHeight) {
    if (aWidth < 0 || aHeight < 0 || aWidth > MaxDisplaySize || aHeight > MaxDisplaySize)
        throw std::out_of_range("Display size out of range");
    FWidth = aWidth;
    FHeight = aHeight;
}

TViewMapping::TRatio TViewMapping::Ratio() const {
    // The window extent of each axis, rounded as the mapping installs it; the
    // common scale is the smaller of size / extent over the axes that have
    // one. A display with no usable axis gets the nominal scale.
    auto extent = [this](int size) {
        return static_cast<std::int64_t>(
            RoundHalfEven(size / PixelsPerMmAtQuarter * 100.0 / (FZoom / 250.0)));
    };
    std::optional<TRatio> best;
    for (int size : {FWidth, FHeight}) {
        if (size <= 0) continue;
        const std::int64_t ext = extent(size);
        if (ext < 1) continue;
        const TRatio r{size, ext};
        if (!best || r.num * best->den < best->num * r.den) best = r;
    }
    if (best) return *best;
    return TRatio{337LL * FZoom, 2'500'000LL};  // 3.37 x Zoom / 25000
}

double TViewMapping::Scale() const {
    const TRatio r = Ratio();
    return static_cast<double>(r.num) / static_cast<double>(r.den);
}

std::int32_t TViewMapping::ToLogical(int aPosition, std::int64_t aDevice, const TRatio& r) const {
    return CheckedInt32(aPosition + DivRoundHalfEven(aDevice * r.den, r.num));
}

TPoint TViewMapping::DeviceToLogical(TPoint aDevice) const {
    const TRatio r = Ratio();
    return TPoint{ToLogical(FHorz.Position, aDevice.X, r), ToLogical(FVert.Position, aDevice.Y, r)};
}

TPoint TViewMapping::LogicalToDevice(TPoint aLogical) const {
    const TRatio r = Ratio();
    return TPoint{
        CheckedInt32(DivRoundHalfEven((std::int64_t{aLogical.X} - FHorz.Position) * r.num, r.den)),
        CheckedInt32(DivRoundHalfEven((std::int64_t{aLogical.Y} - FVert.Position) * r.num, r.den))};
}

TRect TViewMapping::VisibleRect() const {
    const TPoint a = DeviceToLogical(0, 0);
    const TPoint b = DeviceToLogical(FWidth, FHeight);
    return TRect{a.X, a.Y, b.X, b.Y};
}

TPoint TViewMapping::DisplayCenter() const {
    return DeviceToLogical(FWidth / 2, FHeight / 2);
}

void TViewMapping::AdjustScrollBars() {
    const TRatio r = Ratio();
    // The visible extents from the first to the last pixel; an empty display
    // sees nothing.
    auto visible = [&r](int size) {
        return std::max<std::int64_t>(0, DivRoundHalfEven(std::int64_t{size - 1} * r.den, r.num));
    };
    auto adjust = [](TScrollBarState& bar, std::int64_t e) {
        bar.Max = WorldExtent;
        bar.PageSize = 0;
        bar.LargeChange = ClampToInt(e, 1, 32767);
        if (e < WorldExtent) {
            bar.Enabled = true;
            bar.PageSize = static_cast<int>(e);
        } else {
            bar.Position = 0;
            bar.Enabled = false;
        }
    };
    adjust(FVert, visible(FHeight));
    adjust(FHorz, visible(FWidth));
}

void TViewMapping::ZoomCenterInDisplay(int aZ, int X, int Y) {
    SetZoom(aZ);
    AdjustScrollBars();
    const TPoint o = DeviceToLogical(0, 0);
    const TPoint c = DisplayCenter();
    const std::int64_t targetX = std::int64_t{X} - (std::int64_t{c.X} - o.X);
    const std::int64_t targetY = std::int64_t{Y} - (std::int64_t{c.Y} - o.Y);
    for (auto [bar, target] : {std::pair{&FVert, targetY}, std::pair{&FHorz, targetX}}) {
        if (bar->Enabled) bar->Position = ClampToInt(target, 0, bar->MaxPosition());
    }
}

bool TViewMapping::ZoomRect(const TRect& aRect) {
    const std::int64_t w = std::abs(std::int64_t{aRect.Right} - aRect.Left);
    const std::int64_t h = std::abs(std::int64_t{aRect.Bottom} - aRect.Top);
    if (w == 0 || h == 0) return false;
    const int z = RectZoom(FWidth, FHeight, w, h);
    const auto cx = static_cast<int>(std::min(aRect.Left, aRect.Right) + DivRoundHalfEven(w, 2));
    const auto cy = static_cast<int>(std::min(aRect.Top, aRect.Bottom) + DivRoundHalfEven(h, 2));
    ZoomCenterInDisplay(z, cx, cy);
    return true;
}

void TViewMapping::ZoomIn() { FZoom = NextZoomIn(FZoom); }

void TViewMapping::ZoomOut() { FZoom = NextZoomOut(FZoom); }

void TViewMapping::ZoomAroundCenter(int aZ) {
    if (aZ < MinAcceptedZoom || aZ > MaxAcceptedZoom)
        throw std::out_of_range("Zoom " + std::to_string(aZ) + " is out of range");
    const TPoint c = DisplayCenter();
    ZoomCenterInDisplay(aZ, c.X, c.Y);
}

void TViewMapping::FitAll() { ZoomCenterInDisplay(FitAllZoom(FWidth, FHeight), 0, 0); }

void TViewMapping::Scroll(TScrollAxis aAxis, int aPos) {
    TScrollBarState& bar = aAxis == TScrollAxis::Horz ? FHorz : FVert;
    if (!bar.Enabled) return;
    bar.Position = std::clamp(aPos, 0, std::max(0, bar.MaxPosition()));
}

void TViewMapping::Resize(int aWidth, int aHeight) {
    SetDisplaySize(aWidth, aHeight);
    // The centre under the new size and the old scroll positions; centring on
    // it again puts the old top-left corner back at the top left.
    const TPoint c = DisplayCenter();
    ZoomCenterInDisplay(FZoom, c.X, c.Y);
}

void TViewMapping::ZoomToolOut(int X, int Y) {
    ZoomOut();
    ZoomCenterInDisplay(FZoom, X, Y);
}

void TViewMapping::ZoomToolRelease(TPoint aFirst, TPoint aSecond, TPoint aRelease) {
    const std::int64_t w = std::int64_t{aSecond.X} - aFirst.X;
    const std::int64_t h = std::int64_t{aSecond.Y} - aFirst.Y;
    if (w >= 2 || h >= 2) {
        ZoomRect(TRect{aFirst.X, aFirst.Y, aSecond.X, aSecond.Y});
    } else {
        ZoomIn();
        ZoomCenterInDisplay(FZoom, aRelease.X, aRelease.Y);
    }
}

}  // namespace torvik
