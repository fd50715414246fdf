#pragma once
// The step of a Levenberg-Marquardt iteration kept within the unit box: the
// linear algebra of the loop fitter, apart from the designs it fits.
//
// The unknowns u (n of them, at most MaxDampedUnknowns) lie in [0, 1]; the
// residuals r(u) (m of them) have the Jacobian J. The step solves
//   (J'J + lambda D) d = -J'r,   D = diag(J'J), floored so that it is never
// singular (Marquardt's scaling: lambda has no unit; 1e-3 is the usual
// start), over the unknowns that are free to move: an unknown on a bound
// whose gradient J'r pushes it out of the box is held. The step is then cut
// back into the box, and the reduction of 1/2 |r|^2 that the linear model
// predicts for the step as cut is given beside it.

#include <vector>

namespace torvik {

constexpr int MaxDampedUnknowns = 3;

struct TDampedStep {
    bool ok = false;                // false: the system could not be solved
    std::vector<double> step;       // u + step lies in the box
    double predicted = 0;           // the model's reduction of 1/2 |r|^2
};

// aJ holds m rows of n values (row-major).
TDampedStep BoundedDampedStep(const std::vector<double>& aU, const std::vector<double>& aJ,
                              const std::vector<double>& aR, double aLambda);

// The largest component of the gradient J'r over the unknowns free to move
// (as BoundedDampedStep takes them): zero at a point where no move within
// the box lowers the misfit to first order.
double ProjectedGradient(const std::vector<double>& aU, const std::vector<double>& aJ,
                         const std::vector<double>& aR);

}  // namespace torvik
