// The L-loop: a loop whose top reaches out towards the right bracket, a
// doubled wire ending in a half circle of the bend radius, so the top is two
// bend radii deep.

#include "solve/loop_forms.h"

namespace torvik {

namespace {

class TLLoop final : public TLoopForm {
public:
    TLLoop()
        : TLoopForm({LengthParameter("width", "Width", 5, 1, 20,
                                     "From the centre line of the left leg to the end of the top, between the centre "
                                     "lines of the wire."),
                     LengthParameter("gap", "Leg gap", 2, 0, 10, "The distance between the centre lines of the legs.")},
                    7, 12, 0.5, "The radius of every bend: the corners and the top's round end.") {}

    const char* Name() const override { return "l-loop"; }
    const char* Caption() const override { return "L-Loop"; }
    const char* Description() const override {
        return "Two legs carrying a top of doubled wire that reaches out towards the right bracket.";
    }

    std::string ShapeProblem(const std::vector<double>& v, const TNumberFormat& f) const override {
        const double height = Get(v, "height"), width = Get(v, "width"), gap = Get(v, "gap"),
                     radius = Get(v, "radius");
        if (height < 4 * radius - ShapeSlack)
            return "The height (" + MmText(height, f) + ") must be at least four times the bend radius (" +
                   MmText(4 * radius, f) + "): the feet, the corners and the top's round end take that much.";
        if (width < gap + 2 * radius - ShapeSlack)
            return "The width (" + MmText(width, f) + ") must be at least the leg gap plus twice the bend radius (" +
                   MmText(gap + 2 * radius, f) + ").";
        return {};
    }

    TLoopShape Shape(const std::vector<double>& v) const override {
        const double height = Get(v, "height"), width = Get(v, "width"), gap = Get(v, "gap"),
                     radius = Get(v, "radius");
        return {-gap / 2 - radius,
                gap / 2 + radius,
                {ArcPiece(radius, -Pi / 2), MarkPiece(LeftLegFoot), StraightPiece(height - 2 * radius),
                 ArcPiece(radius, Pi / 2), StraightPiece(width - 2 * radius), ArcPiece(radius, Pi),
                 StraightPiece(width - gap - 2 * radius), ArcPiece(radius, -Pi / 2), StraightPiece(height - 4 * radius),
                 MarkPiece(RightLegFoot), ArcPiece(radius, -Pi / 2)}};
    }
};

}  // namespace

const TLoopForm& LLoopForm() {
    static const TLLoop form;
    return form;
}

}  // namespace torvik
