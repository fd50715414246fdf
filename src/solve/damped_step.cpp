#include "solve/damped_step.h"

#include <algorithm>
#include <cmath>

namespace torvik {

namespace {

// An unknown this close to a bound stands on it.
constexpr double OnBound = 1e-12;

struct TNormal {
    int n = 0;
    double a[MaxDampedUnknowns][MaxDampedUnknowns] = {};  // J'J
    double g[MaxDampedUnknowns] = {};                      // J'r
};

TNormal Normal(const std::vector<double>& aJ, const std::vector<double>& aR, int n) {
    TNormal s;
    s.n = n;
    const std::size_t m = aR.size();
    for (std::size_t i = 0; i < m; ++i) {
        const double* row = &aJ[i * static_cast<std::size_t>(n)];
        for (int j = 0; j < n; ++j) {
            s.g[j] += row[j] * aR[i];
            for (int k = 0; k < n; ++k) s.a[j][k] += row[j] * row[k];
        }
    }
    return s;
}

// Whether the unknown may move: not on a bound that the descent direction
// -g points beyond.
bool Free(double u, double g) { return !((u <= OnBound && g > 0) || (u >= 1 - OnBound && g < 0)); }

// Solves the symmetric positive definite system a x = b of size n in place
// (Cholesky); false when it is not positive definite.
bool SolveSpd(double a[MaxDampedUnknowns][MaxDampedUnknowns], double* b, int n) {
    double l[MaxDampedUnknowns][MaxDampedUnknowns] = {};
    for (int j = 0; j < n; ++j) {
        double d = a[j][j];
        for (int k = 0; k < j; ++k) d -= l[j][k] * l[j][k];
        if (!(d > 0) || !std::isfinite(d)) return false;
        l[j][j] = std::sqrt(d);
        for (int i = j + 1; i < n; ++i) {
            double s = a[i][j];
            for (int k = 0; k < j; ++k) s -= l[i][k] * l[j][k];
            l[i][j] = s / l[j][j];
        }
    }
    for (int i = 0; i < n; ++i) {
        for (int k = 0; k < i; ++k) b[i] -= l[i][k] * b[k];
        b[i] /= l[i][i];
    }
    for (int i = n - 1; i >= 0; --i) {
        for (int k = i + 1; k < n; ++k) b[i] -= l[k][i] * b[k];
        b[i] /= l[i][i];
    }
    return true;
}

}  // namespace

double ProjectedGradient(const std::vector<double>& aU, const std::vector<double>& aJ, const std::vector<double>& aR) {
    const int n = static_cast<int>(aU.size());
    const TNormal s = Normal(aJ, aR, n);
    double largest = 0;
    for (int j = 0; j < n; ++j)
        if (Free(aU[static_cast<std::size_t>(j)], s.g[j])) largest = std::max(largest, std::abs(s.g[j]));
    return largest;
}

TDampedStep BoundedDampedStep(const std::vector<double>& aU, const std::vector<double>& aJ,
                              const std::vector<double>& aR, double aLambda) {
    const int n = static_cast<int>(aU.size());
    const TNormal s = Normal(aJ, aR, n);
    TDampedStep result;
    result.step.assign(aU.size(), 0.0);

    double largest = 0;
    for (int j = 0; j < n; ++j) largest = std::max(largest, s.a[j][j]);
    const double floor = std::max(largest * 1e-9, 1e-300);

    int index[MaxDampedUnknowns];
    int f = 0;
    for (int j = 0; j < n; ++j)
        if (Free(aU[static_cast<std::size_t>(j)], s.g[j])) index[f++] = j;
    if (f == 0) return result;  // held on every side: no step

    double a[MaxDampedUnknowns][MaxDampedUnknowns] = {};
    double b[MaxDampedUnknowns] = {};
    for (int p = 0; p < f; ++p) {
        for (int q = 0; q < f; ++q) a[p][q] = s.a[index[p]][index[q]];
        a[p][p] += aLambda * std::max(s.a[index[p]][index[p]], floor);
        b[p] = -s.g[index[p]];
    }
    if (!SolveSpd(a, b, f)) return result;

    // Cut back into the box, then the model's reduction for the step as cut.
    for (int p = 0; p < f; ++p) {
        const std::size_t j = static_cast<std::size_t>(index[p]);
        result.step[j] = std::clamp(aU[j] + b[p], 0.0, 1.0) - aU[j];
    }
    double linear = 0, quadratic = 0;
    for (int j = 0; j < n; ++j) {
        linear += s.g[j] * result.step[static_cast<std::size_t>(j)];
        for (int k = 0; k < n; ++k)
            quadratic += result.step[static_cast<std::size_t>(j)] * s.a[j][k] * result.step[static_cast<std::size_t>(k)];
    }
    result.predicted = -(linear + 0.5 * quadratic);
    result.ok = std::isfinite(result.predicted);
    return result;
}

}  // namespace torvik
