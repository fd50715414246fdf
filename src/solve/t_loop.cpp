// The T-loop: two legs close together carry a head that reaches out to
// both sides, each wing a doubled wire whose end is a half circle of the
// bend radius, so the head is two bend radii deep.

#include "solve/loop_forms.h"

namespace torvik {

namespace {

class TTeeLoop final : public TLoopForm {
public:
    TTeeLoop()
        : TLoopForm({LengthParameter("width", "Width", 10, 1, 20,
                                     "The head's length from the end of one wing to the end of the other, between "
                                     "the centre lines of the wire."),
                     LengthParameter("gap", "Leg gap", 2, 0, 10, "The distance between the centre lines of the legs.")},
                    8, 14, 1, "The radius of every bend: the corners and the wings' round ends.") {}

    const char* Name() const override { return "t-loop"; }
    const char* Caption() const override { return "T-Loop"; }
    const char* Description() const override {
        return "Two legs close together carrying a head of doubled wire that reaches out to both sides.";
    }

    std::string ShapeProblem(const std::vector<double>& v, const TNumberFormat& f) const override {
        const double height = Get(v, "height"), width = Get(v, "width"), gap = Get(v, "gap"),
                     radius = Get(v, "radius");
        if (height < 4 * radius - ShapeSlack)
            return "The height (" + MmText(height, f) + ") must be at least four times the bend radius (" +
                   MmText(4 * radius, f) + "): the feet, the shoulders and the head's round ends take that much.";
        if (width < gap + 4 * radius - ShapeSlack)
            return "The width (" + MmText(width, f) + ") must be at least the leg gap plus four times the bend radius (" +
                   MmText(gap + 4 * radius, f) + ").";
        return {};
    }

    TLoopShape Shape(const std::vector<double>& v) const override {
        const double width = Get(v, "width"), gap = Get(v, "gap"), radius = Get(v, "radius");
        const double leg = Get(v, "height") - 4 * radius;
        const double wing = (width - gap) / 2 - 2 * radius;  // the lower edge of a wing
        return {-gap / 2 - radius,
                gap / 2 + radius,
                {ArcPiece(radius, -Pi / 2), MarkPiece(LeftLegFoot), StraightPiece(leg), ArcPiece(radius, -Pi / 2),
                 StraightPiece(wing), ArcPiece(radius, Pi), StraightPiece(width - 2 * radius), ArcPiece(radius, Pi),
                 StraightPiece(wing), ArcPiece(radius, -Pi / 2), StraightPiece(leg), MarkPiece(RightLegFoot),
                 ArcPiece(radius, -Pi / 2)}};
    }
};

}  // namespace

const TLoopForm& TeeLoopForm() {
    static const TTeeLoop form;
    return form;
}

}  // namespace torvik
