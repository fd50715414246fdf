#include "support/chart_scale.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace torvik {

double RoundStepUp(double aValue) {
    if (!(aValue > 0) || !std::isfinite(aValue)) return 1;
    const double power = std::pow(10.0, std::floor(std::log10(aValue)));
    for (const double m : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        // A hair of slack, so that a value that is already round stays.
        if (m * power >= aValue * (1 - 1e-12)) return m * power;
    }
    return 10 * power;
}

TAlignedScales AlignedScales(const std::vector<TDataExtent>& aExtents, int aMinIntervals, int aMaxIntervals) {
    const int fewest = std::max(aMinIntervals, 1);
    const int most = std::max(aMaxIntervals, fewest);
    bool anyBelow = false, anyAbove = false;
    std::vector<TDataExtent> extents;
    for (TDataExtent e : aExtents) {
        if (!std::isfinite(e.lo) || !std::isfinite(e.hi)) e = {};
        e.lo = std::min(e.lo, 0.0);
        e.hi = std::max(e.hi, 0.0);
        anyBelow = anyBelow || e.lo < 0;
        anyAbove = anyAbove || e.hi > 0;
        extents.push_back(e);
    }

    TAlignedScales best{fewest, std::vector<TAxisScale>(extents.size(), TAxisScale{0, double(fewest), 1})};
    double bestWorst = std::numeric_limits<double>::infinity();
    double bestWaste = bestWorst;
    for (int n = fewest; n <= most; ++n) {
        // Zero on tick k: k intervals below it, n - k above.
        for (int k = 0; k <= n; ++k) {
            if ((anyBelow && k == 0) || (anyAbove && k == n)) continue;
            std::vector<TAxisScale> scales;
            double worst = 0, waste = 0;
            for (const TDataExtent& e : extents) {
                double need = 0;
                if (e.lo < 0) need = std::max(need, -e.lo / k);
                if (e.hi > 0) need = std::max(need, e.hi / (n - k));
                const double step = need > 0 ? RoundStepUp(need) : 1;
                scales.push_back({-k * step, (n - k) * step, step});
                if (need > 0) {
                    const double unused = 1 - (e.hi - e.lo) / (n * step);
                    worst = std::max(worst, unused);
                    waste += unused;
                }
            }
            // The axis that wastes most of its height decides, so that a
            // force above zero and a moment below it share the height
            // rather than one of them being squeezed into an interval; then
            // the waste of all, then fewer intervals.
            if (worst < bestWorst - 1e-9 || (worst < bestWorst + 1e-9 && waste < bestWaste - 1e-9)) {
                bestWorst = worst;
                bestWaste = waste;
                best = {n, scales};
            }
        }
    }
    return best;
}

}  // namespace torvik
