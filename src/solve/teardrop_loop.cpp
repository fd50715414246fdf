// The teardrop loop: a round top whose diameter is the loop's width,
// carried by two straight legs that narrow towards the arms. The legs run
// along the lines that touch the top's circle and cross the brackets' line
// the leg gap apart; corners of the bend radius join them to the arms.

#include <cmath>

#include "solve/loop_forms.h"

namespace torvik {

namespace {

// The legs' lean: each leg leans out from the vertical by Lean as it rises
// (the left one to the left). Its line crosses the brackets' line half the
// gap from the loop's centre line and touches the top's circle, whose centre
// lies Rise above the line: (gap / 2) cos Lean + Rise sin Lean = Top.
struct TTeardropLegs {
    double Lean = 0;   // radians
    double Turn = 0;   // the corner at each foot: a quarter turn and the lean
    double Setback = 0;  // mm from a leg's crossing of the line to where its corner begins
    double Leg = 0;    // the straight leg's length, mm; negative when the loop cannot be made
};

TTeardropLegs Legs(double aHeight, double aWidth, double aGap, double aRadius) {
    const double top = aWidth / 2;
    const double rise = aHeight - top;
    const double a = aGap / 2;
    const double reach = std::hypot(a, rise);
    TTeardropLegs legs;
    if (!(rise > 0) || reach <= top) {
        legs.Leg = -1;
        return legs;
    }
    legs.Lean = std::atan2(rise, a) - std::acos(top / reach);
    legs.Turn = Pi / 2 + legs.Lean;
    legs.Setback = aRadius * std::tan(legs.Turn / 2);
    // From the crossing to where the leg touches the circle, along the leg.
    const double touch = -a * std::sin(legs.Lean) + rise * std::cos(legs.Lean);
    legs.Leg = touch - legs.Setback;
    return legs;
}

class TTeardropLoop final : public TLoopForm {
public:
    TTeardropLoop()
        : TLoopForm({LengthParameter("width", "Width", 3, 0.5, 20, "The diameter of the round top, the loop's widest part."),
                     LengthParameter("gap", "Leg gap", 1, 0, 10,
                                     "How far apart the legs' centre lines cross the brackets' line.")},
                    7, 12, 0.5, "The radius of the corners at the feet of the legs, 0 for sharp bends.") {}

    const char* Name() const override { return "teardrop-loop"; }
    const char* Caption() const override { return "Teardrop Loop"; }
    const char* Description() const override {
        return "A round top carried by two straight legs that narrow towards the arms.";
    }

    std::string ShapeProblem(const std::vector<double>& v, const TNumberFormat& f) const override {
        const double height = Get(v, "height"), width = Get(v, "width"), gap = Get(v, "gap"),
                     radius = Get(v, "radius");
        if (gap > width + ShapeSlack)
            return "The leg gap (" + MmText(gap, f) + ") must not be larger than the width (" + MmText(width, f) +
                   "): the legs narrow towards the arms.";
        if (Legs(height, width, gap, radius).Leg < -ShapeSlack)
            return "The height (" + MmText(height, f) + ") leaves the legs no room below a top " + MmText(width, f) +
                   " wide with corners of " + MmText(radius, f) +
                   ": make the loop higher, its top narrower or its corners tighter.";
        return {};
    }

    TLoopShape Shape(const std::vector<double>& v) const override {
        const double width = Get(v, "width"), gap = Get(v, "gap"), radius = Get(v, "radius");
        const TTeardropLegs legs = Legs(Get(v, "height"), width, gap, radius);
        return {-gap / 2 - legs.Setback,
                gap / 2 + legs.Setback,
                {ArcPiece(radius, -legs.Turn), MarkPiece(LeftLegFoot), StraightPiece(legs.Leg),
                 ArcPiece(width / 2, Pi + 2 * legs.Lean), StraightPiece(legs.Leg), MarkPiece(RightLegFoot),
                 ArcPiece(radius, -legs.Turn)}};
    }
};

}  // namespace

const TLoopForm& TeardropLoopForm() {
    static const TTeardropLoop form;
    return form;
}

}  // namespace torvik
