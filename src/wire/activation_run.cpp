#include "wire/activation_run.h"

#include <cmath>
#include <exception>

#include "support/errors.h"

namespace torvik {

const char* TargetName(int aTargetMode) {
    return aTargetMode == TargetPoint || aTargetMode == TargetAngle ? TargetNames[aTargetMode] : TargetNames[TargetSlot];
}

double EndDistance(const TDesign& aDesign) {
    return Distance(aDesign.CurrentWire->Corner(), *aDesign.RightBracket.Origin());
}

double EndAngle(const TDesign& aDesign) {
    return std::abs(AngleDiff(aDesign.RightBracket.Direction(), aDesign.CurrentWire->EndDirection()));
}

namespace {

// Deforms the wire under the current load again after a failed step; if even
// that fails, leaves it unloaded.
void RestoreShape(TDesign& d) {
    const TForceMoment& f = d.RightForce;
    try {
        d.CurrentWire->Deform(*d.RightBracket.Origin(), f.x, f.y, f.m);
    } catch (...) {
        d.CurrentWire->Unload();
    }
}

}  // namespace

TIterationResult TActivationRun::Iterate(TDesign& aDesign, const TActivationSettings& aSettings) {
    TIterationResult result;
    TWire& wire = *aDesign.CurrentWire;
    if (!FDelta.origin) FDelta.origin = aDesign.RightBracket.Origin();
    ++FIterations;
    const auto makeStep = [&] {
        switch (aSettings.TargetMode) {
            case TargetPoint: return wire.StepDeformPoint(aDesign.RightBracket, aDesign.RightForce, FDelta);
            case TargetAngle: return wire.StepDeformAngle(aDesign.RightBracket, aDesign.RightForce, FDelta);
            default: return wire.StepDeform(aDesign.RightBracket, aDesign.RightForce, FDelta);
        }
    };
    try {
        TForceMoment step;
        try {
            step = makeStep();
        } catch (const TArithmeticError&) {
            // The probes are a tenth of the previous step, so once a run has
            // converged to rounding they become too small to move the wire
            // end and the solve degenerates. Probing again with the sizes of
            // a run's first step tells that apart from a truly degenerate
            // design, which fails again.
            if (FDelta.x == 0 && FDelta.y == 0 && FDelta.m == 0) throw;
            RestoreShape(aDesign);
            FDelta.x = FDelta.y = FDelta.m = 0;
            step = makeStep();
        }
        const double nx = aDesign.RightForce.x + step.x;
        const double ny = aDesign.RightForce.y + step.y;
        const double nm = aDesign.RightForce.m + step.m;
        if (!std::isfinite(nx) || !std::isfinite(ny) || !std::isfinite(nm)) throw TArithmeticError("Floating point overflow");
        aDesign.RightForce.x = nx;
        aDesign.RightForce.y = ny;
        aDesign.RightForce.m = nm;
        aDesign.CalcLeftForce();
        FDelta = step;
    } catch (const std::exception& e) {
        RestoreShape(aDesign);
        result.stop = TStopReason::Error;
        result.message = ActivationErrorMessage;
        result.detail = e.what();
        return result;
    }

    if (aSettings.AutoStop) {
        const double dist = EndDistance(aDesign);
        const double dang = EndAngle(aDesign);
        bool met = false;
        switch (aSettings.TargetMode) {
            case TargetPoint: met = dist <= aSettings.ToleranceDistance; break;
            case TargetAngle: met = dang <= aSettings.ToleranceAngle; break;
            default: met = dist <= aSettings.ToleranceDistance && dang <= aSettings.ToleranceAngle; break;
        }
        if (met) result.stop = TStopReason::Tolerance;
    }
    if (wire.MaxStrain() > MaxElasticStrain) {
        result.stop = TStopReason::Overstrain;
        result.message = OverstrainMessage;
    }
    return result;
}

}  // namespace torvik
