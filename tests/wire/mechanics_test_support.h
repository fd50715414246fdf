// Helpers of the wire mechanics tests: the linear (Castigliano) compliance
// of an unloaded wire's free end, a 3 x 3 solve, and a run to its stop.
#pragma once

#include <array>

#include "wire/activation_run.h"

namespace torvik::test {

using Mat3 = std::array<std::array<double, 3>, 3>;

// The tests' L: 5 mm along the start direction, a quarter turn, 5 mm on, in
// 0.25 mm segments; the right bracket at the wire end moved by (dx, dy) and
// turned by aTurn against the end's direction.
inline void BuildL(TDesign& d, double dx, double dy, double aTurn) {
    TWire& w = *d.CurrentWire;
    for (int i = 1; i < 20; ++i) w.AddSeg(0.25, i == 19 ? Pi / 2 : 0);
    for (int i = 0; i < 20; ++i) w.AddSeg(0.25, 0);
    const TPointReal tip = w.Corner();
    d.RightBracket.Origin()->SetXY(tip.x + dx, tip.y + dy);
    d.RightBracket.SetDirection(w.EndDirection() + aTurn);
}

// Tip compliance of the unloaded wire: the integral along the wire of
// b.b^T / EI with b = (y - y_tip, x_tip - x, 1), exact per straight segment
// (Simpson's rule on a quadratic).
inline Mat3 Compliance(const TWire& w) {
    const TPointReal tip = w.Corner();
    Mat3 c{};
    for (const TWireSeg& s : w.Segments()) {
        const TPointReal p0 = *s.origin, p1 = s.Corner();
        const TPointReal pm((p0.x + p1.x) / 2, (p0.y + p1.y) / 2);
        const auto b = [&](const TPointReal& p) { return std::array<double, 3>{p.y - tip.y, tip.x - p.x, 1}; };
        const auto b0 = b(p0), bm = b(pm), b1 = b(p1);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                c[i][j] += s.length / 6 * (b0[i] * b0[j] + 4 * bm[i] * bm[j] + b1[i] * b1[j]) / s.Stiffness();
    }
    return c;
}

// a x = r by elimination without pivoting (the compliance is positive definite).
inline std::array<double, 3> Solve3(Mat3 a, std::array<double, 3> r) {
    for (int k = 0; k < 3; ++k)
        for (int i = k + 1; i < 3; ++i) {
            const double f = a[i][k] / a[k][k];
            for (int j = k; j < 3; ++j) a[i][j] -= f * a[k][j];
            r[i] -= f * r[k];
        }
    std::array<double, 3> x{};
    for (int i = 2; i >= 0; --i) {
        double s = r[i];
        for (int j = i + 1; j < 3; ++j) s -= a[i][j] * x[j];
        x[i] = s / a[i][i];
    }
    return x;
}

// Iterates the activation until it stops by itself; None when it has not
// after maxIterations.
inline TStopReason RunToStop(TDesign& d, const TActivationSettings& s, int maxIterations = 5000) {
    TActivationRun run;
    for (int i = 0; i < maxIterations; ++i) {
        const TIterationResult r = run.Iterate(d, s);
        if (r.stop != TStopReason::None) return r.stop;
    }
    return TStopReason::None;
}

}  // namespace torvik::test
