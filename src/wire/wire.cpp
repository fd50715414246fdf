#include "wire/wire.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "render/drawable.h"

namespace torvik {

TWire::TWire(double aSegmentSize, const TWireStock& aStock) : Stock(aStock) {
    FSegments.emplace_back(MakePoint(0, 0), aSegmentSize, 0.0, 0.0, Stock);
}

TWire::~TWire() = default;

void TWire::SetOrigin(TPointRef aOrigin) {
    FSegments.front().origin = std::move(aOrigin);
    Rebuild();
}

void TWire::SetDirection(double aDirection) {
    FSegments.front().direction = aDirection;
    Rebuild();
}

TWireSeg& TWire::Segment(int i) { return FSegments.at(static_cast<std::size_t>(i)); }
const TWireSeg& TWire::Segment(int i) const { return FSegments.at(static_cast<std::size_t>(i)); }

void TWire::Rebuild() {
    for (std::size_t i = 1; i < FSegments.size(); ++i) {
        const TWireSeg& prev = FSegments[i - 1];
        TWireSeg& seg = FSegments[i];
        // Every segment but the first owns its origin point, so it can be
        // overwritten in place.
        *seg.origin = prev.Corner();
        seg.direction = prev.EndDirection();
    }
}

void TWire::AddSeg(double aLen, double aAng) {
    const TPointReal c = Corner();
    const double d = EndDirection();
    FSegments.emplace_back(MakePoint(c.x, c.y), aLen, aAng, d, Stock);
    dirty = true;
}

void TWire::InsertSeg(int i, double aLen, double aAng) {
    if (i < 0 || i >= Count()) return;
    const double d = FSegments[static_cast<std::size_t>(i)].EndDirection();
    FSegments.insert(FSegments.begin() + i + 1, TWireSeg(MakePoint(0, 0), aLen, aAng, d, Stock));
    Rebuild();
    dirty = true;
}

void TWire::DeleteSeg(int i) {
    if (i < 0 || i >= Count()) return;
    if (i == 0) {
        // The first segment carries the clamp at the left bracket: the next
        // one takes over its shared origin point and start direction.
        if (Count() == 1) return;  // the chain is never empty
        FSegments[1].origin = FSegments[0].origin;
        FSegments[1].direction = FSegments[0].direction;
    }
    FSegments.erase(FSegments.begin() + i);
    Rebuild();
    dirty = true;
}

void TWire::CutToEnd(int i) {
    if (i < 0 || i >= Count()) return;
    // The chain is never empty: cutting at the first segment keeps it.
    FSegments.erase(FSegments.begin() + std::max(i, 1), FSegments.end());
    Rebuild();
    dirty = true;
}

void TWire::BendSeg(int i, double aAng) {
    Segment(i).Bend(aAng);
    Rebuild();
    dirty = true;
}

double TWire::TotalLength() const {
    double sum = 0;
    for (const TWireSeg& s : FSegments) sum += s.length;
    return sum;
}

void TWire::Freeze() {
    for (TWireSeg& s : FSegments) {
        s.angle += s.dAngle;
        s.dAngle = 0;
    }
    Rebuild();
    dirty = true;
}

void TWire::FlipVertical() {
    for (TWireSeg& s : FSegments) {
        s.angle = -s.angle;
        s.dAngle = 0;
    }
    Rebuild();
    dirty = true;
}

double TWire::MaxStrain() const {
    double result = 0;
    for (const TWireSeg& s : FSegments) result = std::max(result, std::abs(s.dAngle));
    return result;
}

double TWire::MinStrain() const {
    double result = MaxStrain();
    for (const TWireSeg& s : FSegments) result = std::min(result, std::abs(s.dAngle));
    return result;
}

void TWire::Deform(const TPointReal& Target, double Fx, double Fy, double Mom) {
    const std::size_t n = FSegments.size();
    for (std::size_t i = 0; i < n; ++i) {
        TWireSeg& seg = FSegments[i];
        const TPointReal corner = seg.DeformToCorner(Target, Fx, Fy, Mom);
        if (i + 1 < n) {
            TWireSeg& next = FSegments[i + 1];
            *next.origin = corner;
            next.direction = seg.EndDirection();
        }
    }
}

TWire::TEnd TWire::EndUnderLoad(const TPointReal& Target, double Fx, double Fy, double Mom) const {
    // The same chain as Deform, each segment starting where the one before
    // would end, in its end direction.
    TPointReal origin = *FSegments.front().origin;
    double direction = FSegments.front().direction;
    for (const TWireSeg& seg : FSegments) {
        const TWireSeg::TResponse r = seg.Response(origin, direction, Target, Fx, Fy, Mom);
        origin = r.corner;
        direction = NormalizeAngle(direction + seg.angle + r.dAngle);
    }
    return TEnd{origin, direction};
}

void TWire::Unload() {
    for (TWireSeg& s : FSegments) s.dAngle = s.deflection = 0;
    Rebuild();
}

std::vector<TMarker> TWire::Markers(int aSelectedNode) const {
    std::vector<TMarker> result;
    result.reserve(FSegments.size());
    for (std::size_t i = 0; i < FSegments.size(); ++i) {
        const TWireSeg& s = FSegments[i];
        const TPointReal c = s.Corner();
        TMarker m;
        m.origin = TPointReal(c.x * 100, c.y * 100).AsTPoint();
        m.size = RoundToInt32(s.size.CrossA * 100 / 10 / 3);
        if (static_cast<int>(i) == aSelectedNode) {
            m.pen.color = colors::Blue;
            m.SetShape("circle");
        }
        result.push_back(std::move(m));
    }
    return result;
}

int TWire::SegmentPosition(int ax, int ay) const {
    const std::vector<TMarker> markers = Markers(-1);
    for (std::size_t i = 0; i < markers.size(); ++i)
        if (markers[i].Contains(ax, ay)) return static_cast<int>(i);
    return -1;
}

bool TWire::Contains(int ax, int ay) const {
    return std::any_of(FSegments.begin(), FSegments.end(), [=](const TWireSeg& s) { return s.Contains(ax, ay); });
}

TRect TWire::BoundsRect() const {
    double minX = FSegments.front().origin->x, maxX = minX;
    double minY = FSegments.front().origin->y, maxY = minY;
    for (const TWireSeg& s : FSegments) {
        minX = std::min(minX, s.origin->x);
        maxX = std::max(maxX, s.origin->x);
        minY = std::min(minY, s.origin->y);
        maxY = std::max(maxY, s.origin->y);
    }
    // A wire overstrained far beyond reason is bounded by the drawable range,
    // so that a Best Fit of it shows what can be shown rather than failing.
    const auto mm = [](double v) {
        constexpr double limit = DrawableLimit / 100;
        return RoundToInt32(std::isnan(v) ? 0.0 : std::clamp(v, -limit, limit));
    };
    return TRect{mm(minX), mm(maxY), mm(maxX), mm(minY)};
}

}  // namespace torvik
