// The activation solver's correction steps. Each step probes the wire with
// small changes of the load, measures how the wire end moves and turns in
// response, solves for the change of load that would close the remaining
// gap to the bracket, and applies a damped share of it.
//
// The probes and the final deformation load the wire at the right bracket's
// point, except in the sliding step, whose load acts where the wire end sits
// in the slot.

#include <cmath>

#include "geometry/force_moment.h"
#include "support/errors.h"
#include "wire/bracket.h"
#include "wire/wire.h"

namespace torvik {

namespace {

struct TProbes {
    double sx, sy, sm;
};

// Each probe is a tenth of the previous step's component, signed so that it
// should close the gap; the first probes of a run are 0.1, 0.1 and 10.
TProbes Probes(const TPointReal& T, double B, const TPointReal& C0, double D0, const TForceMoment& deltaFM) {
    const double px = deltaFM.x != 0 ? std::abs(0.1 * deltaFM.x) : 0.1;
    const double py = deltaFM.y != 0 ? std::abs(0.1 * deltaFM.y) : 0.1;
    const double pm = deltaFM.m != 0 ? std::abs(0.1 * deltaFM.m) : 10.0;
    return {T.x - C0.x >= 0 ? px : -px, T.y - C0.y >= 0 ? py : -py, AngleDiff(D0, B) > 0 ? -pm : pm};
}

// How the wire end moved and turned under a probe load, measured against
// where it was when the step started.
struct TResponse {
    double dx, dy, da;
};

struct TStepStart {
    TPointReal T;  // the bracket's point
    double B;      // the bracket's direction
    TPointReal C0; // the wire end when the step starts
    double D0;     // its end direction
    TProbes p;
    TPointReal L;  // where the load acts

    TStepStart(const TWire& w, const TBracket& theBr, const TForceMoment& deltaFM)
        : T(*theBr.Origin()), B(theBr.Direction()), C0(w.Corner()), D0(w.EndDirection()),
          p(Probes(T, B, C0, D0, deltaFM)), L(T) {}

    TResponse Probe(TWire& w, double Fx, double Fy, double Mom) const {
        w.Deform(L, Fx, Fy, Mom);
        const TPointReal c = w.Corner();
        return {c.x - C0.x, c.y - C0.y, AngleDiff(w.EndDirection(), D0)};
    }
};

}  // namespace

TForceMoment TWire::StepDeformPoint(const TBracket& theBr, const TForceMoment& aFM, const TForceMoment& deltaFM) {
    const TStepStart s(*this, theBr, deltaFM);
    const TProbes& p = s.p;
    const TResponse r1 = s.Probe(*this, aFM.x + p.sx, aFM.y, aFM.m);
    const TResponse r2 = s.Probe(*this, aFM.x, aFM.y + p.sy, aFM.m);
    const double dx1 = r1.dx, dy1 = r1.dy, dx2 = r2.dx, dy2 = r2.dy;
    const double ex = s.T.x - s.C0.x, ey = s.T.y - s.C0.y;

    const double k2 = CheckedDivide(ex * dy1 - ey * dx1, dx2 * dy1 - dy2 * dx1);
    const double k1 = CheckedDivide(ex - k2 * dx2, dx1);
    TForceMoment step(theBr.Origin(), CheckFinite(p.sx * k1 / 5), CheckFinite(p.sy * k2 / 5), 0);
    Deform(s.T, aFM.x + step.x, aFM.y + step.y, aFM.m);
    return step;
}

TForceMoment TWire::StepDeformAngle(const TBracket& theBr, const TForceMoment& aFM, const TForceMoment& deltaFM) {
    const TStepStart s(*this, theBr, deltaFM);
    const double da = s.Probe(*this, aFM.x, aFM.y, aFM.m + s.p.sm).da;
    const double ea = AngleDiff(s.B, s.D0);
    // The angle step takes the full estimate, undamped.
    TForceMoment step(theBr.Origin(), 0, 0, CheckedDivide(s.p.sm * ea, da));
    Deform(s.T, aFM.x, aFM.y, aFM.m + step.m);
    return step;
}

TForceMoment TWire::StepDeform(const TBracket& theBr, const TForceMoment& aFM, const TForceMoment& deltaFM) {
    const TStepStart s(*this, theBr, deltaFM);
    const TProbes& p = s.p;
    const TResponse r1 = s.Probe(*this, aFM.x + p.sx, aFM.y, aFM.m);
    const TResponse r2 = s.Probe(*this, aFM.x, aFM.y + p.sy, aFM.m);
    const TResponse r3 = s.Probe(*this, aFM.x, aFM.y, aFM.m + p.sm);
    const double dx1 = r1.dx, dy1 = r1.dy, da1 = r1.da;
    const double dx2 = r2.dx, dy2 = r2.dy, da2 = r2.da;
    const double dx3 = r3.dx, dy3 = r3.dy, da3 = r3.da;
    const double ex = s.T.x - s.C0.x, ey = s.T.y - s.C0.y, ea = AngleDiff(s.B, s.D0);

    // Elimination of k1 from k1*r1 + k2*r2 + k3*r3 = e.
    const double A = ex * dy1 - ey * dx1;
    const double Bq = dy2 * da1 - da2 * dy1;
    const double Cq = ey * da1 - ea * dy1;
    const double Dq = dx2 * dy1 - dy2 * dx1;
    const double Eq = dx3 * dy1 - dy3 * dx1;
    const double Gq = dy3 * da1 - da3 * dy1;
    const double k3 = CheckedDivide(A * Bq - Cq * Dq, Eq * Bq - Gq * Dq);
    const double k2 = CheckedDivide(A - Eq * k3, Dq);
    const double k1 = CheckedDivide(ex - k2 * dx2 - k3 * dx3, dx1);

    TForceMoment step(theBr.Origin(), CheckFinite(p.sx * k1 / 5), CheckFinite(p.sy * k2 / 5), CheckFinite(p.sm * k3 / 5));
    Deform(s.T, aFM.x + step.x, aFM.y + step.y, aFM.m + step.m);
    return step;
}

TForceMoment TWire::StepDeformSliding(const TBracket& theBr, const TForceMoment& aFM, const TForceMoment& deltaFM) {
    // The slot step without its equation along the slot: one force probe
    // across the slot and the moment probe, in the slot step's order, sized
    // and signed as its probes are; a damped fifth of the solve applied.
    TStepStart s(*this, theBr, deltaFM);
    s.L = *aFM.origin;
    // Across the slot: the left-hand normal of the bracket's direction.
    const double nx = -std::sin(s.B), ny = std::cos(s.B);
    const auto across = [nx, ny](double dx, double dy) { return nx * dx + ny * dy; };
    const double en = across(s.T.x - s.C0.x, s.T.y - s.C0.y);
    const double ea = AngleDiff(s.B, s.D0);
    const double dn = across(deltaFM.x, deltaFM.y);
    const double pn = dn != 0 ? std::abs(0.1 * dn) : 0.1;
    const double sn = en >= 0 ? pn : -pn;
    const double sm = s.p.sm;

    const TResponse r1 = s.Probe(*this, aFM.x + sn * nx, aFM.y + sn * ny, aFM.m);
    const TResponse r2 = s.Probe(*this, aFM.x, aFM.y, aFM.m + sm);
    const double dn1 = across(r1.dx, r1.dy), da1 = r1.da;
    const double dn2 = across(r2.dx, r2.dy), da2 = r2.da;

    // k1 * (dn1, da1) + k2 * (dn2, da2) = (en, ea).
    const double det = dn1 * da2 - dn2 * da1;
    const double k1 = CheckedDivide(en * da2 - ea * dn2, det);
    const double k2 = CheckedDivide(dn1 * ea - da1 * en, det);

    const double fn = CheckFinite(sn * k1 / 5);
    // Adding 0 turns a negative zero into zero, so that a force along an
    // axis reads 0 rather than -0.
    TForceMoment step(aFM.origin, fn * nx + 0.0, fn * ny + 0.0, CheckFinite(sm * k2 / 5));
    Deform(s.L, aFM.x + step.x, aFM.y + step.y, aFM.m + step.m);
    return step;
}

}  // namespace torvik
