#include "solve/run_stop.h"

#include <exception>

namespace torvik {

TRunStop FinishStoppedRun(TDesign& aDesign, const TActivationSettings& aSettings) {
    TRunStop stop;
    if (!aSettings.RefineLoads) return stop;
    stop.tried = true;
    try {
        stop.solve = RefineLoads(aDesign, aSettings);
    } catch (const std::exception& e) {
        // Only running out of memory gets here; it is reported like any
        // other failure of the refinement.
        stop.solve.end = TSolveEnd::Error;
        stop.solve.message = e.what();
    }
    stop.refined = stop.solve.end == TSolveEnd::Converged;
    if (stop.refined) {
        const int n = stop.solve.iterations;
        stop.status = "The loads are refined to full engagement with the right bracket (" + std::to_string(n) +
                      (n == 1 ? " iteration)." : " iterations).");
    } else {
        stop.status = "The loads are those of the stopped run, not refined: " + stop.solve.message + ".";
    }
    return stop;
}

}  // namespace torvik
