#include "render/drawable.h"

#include <algorithm>
#include <cmath>

namespace torvik {

namespace {

bool Inside(const TPointReal& p) { return std::abs(p.x) <= DrawableLimit && std::abs(p.y) <= DrawableLimit; }

bool Finite(const TPointReal& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

double Clamp(double v) { return std::isnan(v) ? 0.0 : std::clamp(v, -DrawableLimit, DrawableLimit); }

// One side of the square for the polygon cut: a coordinate (x or y) and a
// bound it must not pass (-limit from above, +limit from below).
struct TSide {
    bool vertical;  // bounds x
    double bound;
    bool In(const TPointReal& p) const {
        const double v = vertical ? p.x : p.y;
        return bound < 0 ? v >= bound : v <= bound;
    }
    TPointReal Cross(const TPointReal& a, const TPointReal& b) const {
        const double av = vertical ? a.x : a.y, bv = vertical ? b.x : b.y;
        const double t = (bound - av) / (bv - av);
        return vertical ? TPointReal(bound, a.y + t * (b.y - a.y)) : TPointReal(a.x + t * (b.x - a.x), bound);
    }
};

}  // namespace

bool ClipToDrawable(TPointReal& aFrom, TPointReal& aTo) {
    if (!Finite(aFrom) || !Finite(aTo)) return false;
    if (Inside(aFrom) && Inside(aTo)) return true;
    // Liang-Barsky: the part of from + t (to - from), 0 <= t <= 1, inside.
    const double dx = aTo.x - aFrom.x, dy = aTo.y - aFrom.y;
    double t0 = 0.0, t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {aFrom.x + DrawableLimit, DrawableLimit - aFrom.x, aFrom.y + DrawableLimit,
                         DrawableLimit - aFrom.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;  // parallel to this side and outside it
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const TPointReal from = aFrom;
    aFrom = TPointReal(Clamp(from.x + t0 * dx), Clamp(from.y + t0 * dy));
    aTo = TPointReal(Clamp(from.x + t1 * dx), Clamp(from.y + t1 * dy));
    return true;
}

TPoint DrawablePoint(const TPointReal& aPoint) {
    return TPoint{RoundToInt32(Clamp(aPoint.x)), RoundToInt32(Clamp(aPoint.y))};
}

void DrawLine(TCanvas& aCanvas, const TPointReal& aFrom, const TPointReal& aTo) {
    TPointReal a = aFrom, b = aTo;
    if (!ClipToDrawable(a, b)) return;
    const TPoint p = DrawablePoint(a), q = DrawablePoint(b);
    aCanvas.MoveTo(p.X, p.Y);
    aCanvas.LineTo(q.X, q.Y);
}

void DrawPolygon(TCanvas& aCanvas, const std::vector<TPointReal>& aPoints) {
    if (!std::all_of(aPoints.begin(), aPoints.end(), Finite)) return;
    std::vector<TPointReal> points = aPoints;
    if (!std::all_of(points.begin(), points.end(), Inside)) {
        // Sutherland-Hodgman, one side of the square at a time.
        for (const TSide side : {TSide{true, -DrawableLimit}, TSide{true, DrawableLimit}, TSide{false, -DrawableLimit},
                                 TSide{false, DrawableLimit}}) {
            std::vector<TPointReal> cut;
            for (std::size_t i = 0; i < points.size(); ++i) {
                const TPointReal& prev = points[(i + points.size() - 1) % points.size()];
                const TPointReal& cur = points[i];
                if (side.In(cur)) {
                    if (!side.In(prev)) cut.push_back(side.Cross(prev, cur));
                    cut.push_back(cur);
                } else if (side.In(prev)) {
                    cut.push_back(side.Cross(prev, cur));
                }
            }
            points = std::move(cut);
        }
    }
    if (points.size() < 3) return;
    std::vector<TPoint> rounded;
    rounded.reserve(points.size());
    for (const TPointReal& p : points) rounded.push_back(DrawablePoint(p));
    aCanvas.Polygon(rounded);
}

}  // namespace torvik
