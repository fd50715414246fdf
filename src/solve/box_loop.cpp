// The box loop: two straight legs and a straight top, the four corners bent
// to the bend radius.

#include "solve/loop_forms.h"

namespace torvik {

namespace {

class TBoxLoop final : public TLoopForm {
public:
    TBoxLoop()
        : TLoopForm({LengthParameter("width", "Width", 4, 0.5, 20, "The distance between the centre lines of the legs.")},
                    6, 12, 0.5, "The radius of the box's four corners, 0 for sharp bends.") {}

    const char* Name() const override { return "box-loop"; }
    const char* Caption() const override { return "Box Loop"; }
    const char* Description() const override {
        return "A rectangle open at its foot: two straight legs and a straight top.";
    }

    std::string ShapeProblem(const std::vector<double>& v, const TNumberFormat& f) const override {
        const double height = Get(v, "height"), width = Get(v, "width"), radius = Get(v, "radius");
        if (height < 2 * radius - ShapeSlack)
            return "The height (" + MmText(height, f) + ") must be at least twice the bend radius (" +
                   MmText(2 * radius, f) + ").";
        if (width < 2 * radius - ShapeSlack)
            return "The width (" + MmText(width, f) + ") must be at least twice the bend radius (" +
                   MmText(2 * radius, f) + ").";
        return {};
    }

    TLoopShape Shape(const std::vector<double>& v) const override {
        const double width = Get(v, "width"), radius = Get(v, "radius");
        const double leg = Get(v, "height") - 2 * radius;
        return {-width / 2 - radius,
                width / 2 + radius,
                {ArcPiece(radius, -Pi / 2), MarkPiece(LeftLegFoot), StraightPiece(leg), ArcPiece(radius, Pi / 2),
                 StraightPiece(width - 2 * radius), ArcPiece(radius, Pi / 2), StraightPiece(leg),
                 MarkPiece(RightLegFoot), ArcPiece(radius, -Pi / 2)}};
    }
};

}  // namespace

const TLoopForm& BoxLoopForm() {
    static const TBoxLoop form;
    return form;
}

}  // namespace torvik
