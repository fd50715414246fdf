#include "wire/activation_run.h"

#include <cmath>
#include <exception>

#include "support/errors.h"

namespace torvik {

const char* TargetName(int aTargetMode) {
    return aTargetMode == TargetPoint || aTargetMode == TargetAngle ? TargetNames[aTargetMode] : TargetNames[TargetSlot];
}

bool SlidingTarget(const TActivationSettings& aSettings) {
    return aSettings.WireSlides && aSettings.TargetMode != TargetPoint && aSettings.TargetMode != TargetAngle;
}

const char* TargetCaption(const TActivationSettings& aSettings) {
    return SlidingTarget(aSettings) ? SlidingTargetName : TargetName(aSettings.TargetMode);
}

double EndDistance(const TDesign& aDesign) {
    return Distance(aDesign.CurrentWire->Corner(), *aDesign.RightBracket.Origin());
}

double EndAngle(const TDesign& aDesign) {
    return std::abs(AngleDiff(aDesign.RightBracket.Direction(), aDesign.CurrentWire->EndDirection()));
}

double EndOffsetAcross(const TDesign& aDesign) {
    const TPointReal c = aDesign.CurrentWire->Corner();
    const TPointReal& t = *aDesign.RightBracket.Origin();
    const double b = aDesign.RightBracket.Direction();
    return -std::sin(b) * (c.x - t.x) + std::cos(b) * (c.y - t.y);
}

double EndOffsetAlong(const TDesign& aDesign) {
    const TPointReal c = aDesign.CurrentWire->Corner();
    const TPointReal& t = *aDesign.RightBracket.Origin();
    const double b = aDesign.RightBracket.Direction();
    return std::cos(b) * (c.x - t.x) + std::sin(b) * (c.y - t.y);
}

TPointReal SlotFoot(const TDesign& aDesign) {
    const TPointReal& t = *aDesign.RightBracket.Origin();
    const double b = aDesign.RightBracket.Direction();
    const double along = EndOffsetAlong(aDesign);
    return TPointReal(t.x + along * std::cos(b), t.y + along * std::sin(b));
}

bool TargetMet(const TDesign& aDesign, const TActivationSettings& aSettings) {
    const double dang = EndAngle(aDesign);
    if (SlidingTarget(aSettings))
        return std::abs(EndOffsetAcross(aDesign)) <= aSettings.ToleranceDistance && dang <= aSettings.ToleranceAngle;
    const double dist = EndDistance(aDesign);
    switch (aSettings.TargetMode) {
        case TargetPoint: return dist <= aSettings.ToleranceDistance;
        case TargetAngle: return dang <= aSettings.ToleranceAngle;
        default: return dist <= aSettings.ToleranceDistance && dang <= aSettings.ToleranceAngle;
    }
}

namespace {

// Deforms the wire under the current load again after a failed step; if even
// that fails, leaves it unloaded.
void RestoreShape(TDesign& d) {
    try {
        d.DeformUnderLoad();
    } catch (...) {
        d.CurrentWire->Unload();
    }
}

// The load a sliding iteration starts from: RightForce moved, as the same
// load, to a new point at the foot of the wire end on the slot's line, with
// its force along the slot taken off.
TForceMoment SlidingLoad(const TDesign& d) {
    TForceMoment load = LoadMovedTo(d.RightForce, std::make_shared<TPointReal>(SlotFoot(d)));
    const double b = d.RightBracket.Direction();
    const double nx = -std::sin(b), ny = std::cos(b);
    const double fn = nx * load.x + ny * load.y;
    load.x = fn * nx + 0.0;
    load.y = fn * ny + 0.0;
    return load;
}

// The load a fixed-target iteration starts from: RightForce, moved back to
// the bracket's point if a sliding run left it elsewhere.
TForceMoment BracketLoad(const TDesign& d) {
    return d.LoadAtBracket() ? d.RightForce : LoadMovedTo(d.RightForce, d.RightBracket.Origin());
}

}  // namespace

TIterationResult TActivationRun::Iterate(TDesign& aDesign, const TActivationSettings& aSettings) {
    TIterationResult result;
    TWire& wire = *aDesign.CurrentWire;
    if (!FDelta.origin) FDelta.origin = aDesign.RightBracket.Origin();
    ++FIterations;
    const bool sliding = SlidingTarget(aSettings);
    try {
        // RightForce changes only when the whole iteration succeeds: the
        // step is made from a copy of the load.
        const TForceMoment load = sliding ? SlidingLoad(aDesign) : BracketLoad(aDesign);
        const TForceMoment& f = aDesign.RightForce;
        const auto deformUnderLoad = [&] { wire.Deform(*load.origin, load.x, load.y, load.m); };
        if (load.origin != f.origin || load.x != f.x || load.y != f.y || load.m != f.m) deformUnderLoad();
        const auto makeStep = [&] {
            if (sliding) return wire.StepDeformSliding(aDesign.RightBracket, load, FDelta);
            switch (aSettings.TargetMode) {
                case TargetPoint: return wire.StepDeformPoint(aDesign.RightBracket, load, FDelta);
                case TargetAngle: return wire.StepDeformAngle(aDesign.RightBracket, load, FDelta);
                default: return wire.StepDeform(aDesign.RightBracket, load, FDelta);
            }
        };
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
            deformUnderLoad();
            FDelta.x = FDelta.y = FDelta.m = 0;
            step = makeStep();
        }
        const double nx = load.x + step.x;
        const double ny = load.y + step.y;
        const double nm = load.m + step.m;
        if (!std::isfinite(nx) || !std::isfinite(ny) || !std::isfinite(nm)) throw TArithmeticError("Floating point overflow");
        aDesign.RightForce = TForceMoment(load.origin, nx, ny, nm);
        aDesign.CalcLeftForce();
        FDelta = step;
    } catch (const std::exception& e) {
        RestoreShape(aDesign);
        result.stop = TStopReason::Error;
        result.message = ActivationErrorMessage;
        result.detail = e.what();
        return result;
    }

    if (aSettings.AutoStop && TargetMet(aDesign, aSettings)) result.stop = TStopReason::Tolerance;
    if (wire.MaxStrain() > MaxElasticStrain) {
        result.stop = TStopReason::Overstrain;
        result.message = OverstrainMessage;
    }
    return result;
}

}  // namespace torvik
