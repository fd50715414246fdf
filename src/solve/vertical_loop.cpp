// The vertical (open) loop: two straight legs rising from corners on the
// arms and joined by a half circle whose diameter is the loop's width.

#include "solve/loop_forms.h"

namespace torvik {

namespace {

class TVerticalLoop final : public TLoopForm {
public:
    TVerticalLoop()
        : TLoopForm({LengthParameter("width", "Width", 2, 0.5, 20,
                                     "The distance between the centre lines of the legs: the diameter of the round "
                                     "top.")},
                    7, 12, 0.5, "The radius of the corners at the feet of the legs, 0 for sharp bends.") {}

    const char* Name() const override { return "vertical-loop"; }
    const char* Caption() const override { return "Vertical Loop"; }
    const char* Description() const override {
        return "Two straight legs rising from the arms, joined by a round top.";
    }

    std::string ShapeProblem(const std::vector<double>& v, const TNumberFormat& f) const override {
        const double height = Get(v, "height"), width = Get(v, "width"), radius = Get(v, "radius");
        if (height < width / 2 + radius - ShapeSlack)
            return "The height (" + MmText(height, f) + ") must be at least half the width plus the bend radius (" +
                   MmText(width / 2 + radius, f) + ").";
        return {};
    }

    TLoopShape Shape(const std::vector<double>& v) const override {
        const double top = Get(v, "width") / 2, radius = Get(v, "radius");
        const double leg = Get(v, "height") - top - radius;
        return {-top - radius,
                top + radius,
                {ArcPiece(radius, -Pi / 2), MarkPiece(LeftLegFoot), StraightPiece(leg), ArcPiece(top, Pi),
                 StraightPiece(leg), MarkPiece(RightLegFoot), ArcPiece(radius, -Pi / 2)}};
    }
};

}  // namespace

const TLoopForm& VerticalLoopForm() {
    static const TVerticalLoop form;
    return form;
}

}  // namespace torvik
