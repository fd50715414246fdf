#include "solve/loop_template.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "solve/loop_forms.h"
#include "solve/wire_path.h"
#include "support/numbers.h"

namespace torvik {

namespace {

// Arms and lengths compared with this much slack, so that a value typed to
// fit exactly is not refused for a rounding error.
constexpr double Slack = 1e-9;

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

TTemplateParameter Angle(const char* aName, const char* aCaption, const char* aDescription) {
    return {aName, aCaption, TParameterUnit::Degree, 0, -45, 45, aDescription};
}

// "12 mm", "-45°".
std::string WithUnit(double aValue, TParameterUnit aUnit, const TNumberFormat& aFormat) {
    return aFormat(aValue, "0.###") + (aUnit == TParameterUnit::Millimetre ? " mm" : "\u00b0");
}

// Where the shape's pieces put the passive wire, along the brackets' line.
struct TArms {
    double Left = 0;   // mm from the left bracket's point to where the loop begins
    double Right = 0;  // mm from where the loop ends to the passive wire's end
};

TArms ArmsOf(const TLoopTemplate& aTemplate, const TLoopShape& aShape) {
    const double span = aTemplate.Value("span");
    const double centre = span / 2 + aTemplate.Value("offset");
    return {centre + aShape.Begin, span - aTemplate.Value("activation") - (centre + aShape.End)};
}

void PlaceBracket(const TBracket& aFrom, TBracket& aTo) {
    aTo.Origin()->SetXY(aFrom.Origin()->x, aFrom.Origin()->y);
    aTo.SetDirection(aFrom.Direction());
}

bool SameBracket(const TBracket& a, const TBracket& b) {
    constexpr double Place = 1e-4;  // mm; the file keeps 1/200000 mm
    constexpr double Turn = 1e-5;   // radians; the file keeps 1e-6
    return std::abs(a.Origin()->x - b.Origin()->x) <= Place && std::abs(a.Origin()->y - b.Origin()->y) <= Place &&
           std::abs(AngleDiff(a.Direction(), b.Direction())) <= Turn;
}

}  // namespace

const char* UnitSymbol(TParameterUnit aUnit) { return aUnit == TParameterUnit::Millimetre ? "mm" : "\u00b0"; }

std::string FileNumberText(double aValue, std::string_view aMask) { return FormatMask(aValue, aMask); }

TTemplateParameter LengthParameter(const char* aName, const char* aCaption, double aDefault, double aMin,
                                   double aMax, const char* aDescription) {
    return {aName, aCaption, TParameterUnit::Millimetre, aDefault, aMin, aMax, aDescription};
}

std::string MmText(double aValue, const TNumberFormat& aFormat) {
    return WithUnit(aValue, TParameterUnit::Millimetre, aFormat);
}

// ---- forms -----------------------------------------------------------------

TLoopForm::TLoopForm(std::vector<TTemplateParameter> aOwn, double aHeight, double aSpan, double aRadius,
                     const char* aRadiusDescription) {
    FParameters = {
        LengthParameter("span", "Span", aSpan, 4, 60, "The distance between the brackets' points along their line."),
        LengthParameter("offset", "Offset", 0, -20, 20,
               "How far the loop's centre line lies from the middle of the span, towards the right bracket when "
               "positive."),
        LengthParameter("height", "Height", aHeight, 1, 20,
               "From the brackets' line to the centre line of the loop's highest wire."),
    };
    for (TTemplateParameter& p : aOwn) FParameters.push_back(std::move(p));
    FParameters.push_back(LengthParameter("radius", "Bend radius", aRadius, 0, 3, aRadiusDescription));
    FParameters.push_back(Angle("gable-left", "Left leg gable",
                                "The bend at the foot of the left leg, positive anticlockwise as displayed."));
    FParameters.push_back(Angle("gable-right", "Right leg gable",
                                "The bend at the foot of the right leg, positive anticlockwise as displayed."));
    FParameters.push_back(Angle("end-bend-left", "Left end bend",
                                "The bend one segment from the left bracket, positive anticlockwise as displayed."));
    FParameters.push_back(Angle("end-bend-right", "Right end bend",
                                "The bend one segment before the wire's end, positive anticlockwise as displayed."));
    FParameters.push_back(LengthParameter("activation", "Activation", 1, 0, 5,
                                 "How far the loop is pulled open: the passive wire ends this far short of the right "
                                 "bracket's point along its slot."));
}

int TLoopForm::IndexOf(std::string_view aName) const {
    for (std::size_t i = 0; i < FParameters.size(); ++i)
        if (SameName(FParameters[i].Name, aName)) return static_cast<int>(i);
    return -1;
}

double TLoopForm::Get(const std::vector<double>& aValues, std::string_view aName) const {
    return aValues.at(static_cast<std::size_t>(IndexOf(aName)));
}

const std::vector<const TLoopForm*>& LoopForms() {
    static const std::vector<const TLoopForm*> forms = {&VerticalLoopForm(), &TeeLoopForm(), &TeardropLoopForm(),
                                                        &LLoopForm(), &BoxLoopForm()};
    return forms;
}

const TLoopForm* FindLoopForm(std::string_view aName) {
    for (const TLoopForm* form : LoopForms())
        if (SameName(form->Name(), aName)) return form;
    return nullptr;
}

// ---- templates -------------------------------------------------------------

TLoopTemplate::TLoopTemplate(const TLoopForm& aForm) : FForm(&aForm) {
    for (const TTemplateParameter& p : aForm.Parameters()) FValues.push_back(p.Default);
}

int TLoopTemplate::Index(std::string_view aName) const {
    const int i = FForm->IndexOf(aName);
    if (i < 0) {
        std::string known;
        for (const TTemplateParameter& p : FForm->Parameters()) known += (known.empty() ? "" : ", ") + p.Name;
        throw TTemplateError("The " + std::string(FForm->Caption()) + " has no parameter '" + std::string(aName) +
                             "' (it has " + known + ").");
    }
    return i;
}

double TLoopTemplate::Value(std::string_view aName) const { return FValues[static_cast<std::size_t>(Index(aName))]; }

void TLoopTemplate::SetValue(std::string_view aName, double aValue) {
    FValues[static_cast<std::size_t>(Index(aName))] = aValue;
}

std::string TLoopTemplate::Problem(const TNumberFormat& aFormat) const {
    const std::vector<TTemplateParameter>& parameters = FForm->Parameters();
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        const TTemplateParameter& p = parameters[i];
        const double v = FValues[i];
        if (!std::isfinite(v)) return p.Caption + " is not a number.";
        if (v < p.Min || v > p.Max)
            return p.Caption + " must be between " + WithUnit(p.Min, p.Unit, aFormat) + " and " +
                   WithUnit(p.Max, p.Unit, aFormat) + ".";
    }
    if (!(SegmentSize >= MinTemplateSegmentSize && SegmentSize <= MaxTemplateSegmentSize))
        return "The segment size must be between " + WithUnit(MinTemplateSegmentSize, TParameterUnit::Millimetre, aFormat) +
               " and " + WithUnit(MaxTemplateSegmentSize, TParameterUnit::Millimetre, aFormat) + " for a loop template.";
    if (!ModulusInRange(Stock.Material.Modulus)) return "The wire's modulus is not one a wire can have.";
    if (!CrossDimensionInRange(Stock.Size.CrossA, false) || !CrossDimensionInRange(Stock.Size.CrossB, true))
        return "The wire's cross-section is not one a wire can have.";

    if (std::string shape = FForm->ShapeProblem(FValues, aFormat); !shape.empty()) return shape;
    const TArms arms = ArmsOf(*this, FForm->Shape(FValues));
    const std::string need = WithUnit(MinArmLength, TParameterUnit::Millimetre, aFormat);
    if (arms.Left < MinArmLength - Slack)
        return "The loop does not fit the span: its left arm would be " +
               WithUnit(arms.Left, TParameterUnit::Millimetre, aFormat) + " long, and each arm needs at least " +
               need + ". Lengthen the span or move the loop to the right.";
    if (arms.Right < MinArmLength - Slack)
        return "The loop does not fit the span: its right arm would be " +
               WithUnit(arms.Right, TParameterUnit::Millimetre, aFormat) +
               " long once the activation is taken off, and each arm needs at least " + need +
               ". Lengthen the span or move the loop to the left.";
    return {};
}

std::unique_ptr<TDesign> TLoopTemplate::Generate() const {
    if (std::string problem = Problem(); !problem.empty()) throw TTemplateError(problem);
    const TLoopShape shape = FForm->Shape(FValues);
    const TArms arms = ArmsOf(*this, shape);

    auto d = std::make_unique<TDesign>(SegmentSize, Stock);
    d->LeftBracket.Origin()->SetXY(LeftBracketX, LeftBracketY);
    d->LeftBracket.SetDirection(Pi);
    d->RightBracket.Origin()->SetXY(LeftBracketX + Value("span"), LeftBracketY);
    d->RightBracket.SetDirection(0);
    d->AttachToBrackets();

    TWire& w = *d->CurrentWire;
    TWirePath path(w, SegmentSize);
    int feet[3] = {0, 0, 0};
    path.Straight(arms.Left - SegmentSize);  // the wire's first segment is the arm's start
    for (const TPathPiece& piece : shape.Pieces) {
        switch (piece.Kind) {
            case TPathPiece::Straight: path.Straight(piece.Length); break;
            case TPathPiece::Arc: path.Arc(piece.Radius, piece.Turn); break;
            case TPathPiece::Mark: feet[piece.Tag] = path.Node(); break;
        }
    }
    path.Straight(arms.Right);
    path.Finish();

    // The gable bends, positive anticlockwise: a "left" bend of the program.
    w.Segment(feet[LeftLegFoot]).angle -= ToRadians(Value("gable-left"));
    w.Segment(feet[RightLegFoot]).angle -= ToRadians(Value("gable-right"));
    w.Segment(0).angle -= ToRadians(Value("end-bend-left"));
    w.Segment(w.Count() - 2).angle -= ToRadians(Value("end-bend-right"));
    w.Rebuild();
    d->Template = Record();
    return d;
}

TDesignTemplate TLoopTemplate::Record() const {
    TDesignTemplate record;
    record.Form = FForm->Name();
    record.SegmentSize = SegmentSize;
    const std::vector<TTemplateParameter>& parameters = FForm->Parameters();
    for (std::size_t i = 0; i < parameters.size(); ++i) record.Values.emplace_back(parameters[i].Name, FValues[i]);
    return record;
}

TLoopTemplate TLoopTemplate::FromRecord(const TDesignTemplate& aRecord, const TWireStock& aStock) {
    const TLoopForm* form = FindLoopForm(aRecord.Form);
    if (!form)
        throw TTemplateError("The design's template uses the form '" + aRecord.Form +
                             "', which this version of the program does not know.");
    TLoopTemplate t(*form);
    for (const auto& [name, value] : aRecord.Values)
        if (const int i = form->IndexOf(name); i >= 0) t.FValues[static_cast<std::size_t>(i)] = value;
    t.SegmentSize = aRecord.SegmentSize;
    t.Stock = aStock;
    return t;
}

// ---- designs ---------------------------------------------------------------

bool MatchesTemplate(const TDesign& aDesign) {
    if (!aDesign.Template) return false;
    const TWire& wire = *aDesign.CurrentWire;
    std::unique_ptr<TDesign> made;
    try {
        const TWireSeg& first = wire.Segment(0);
        made = TLoopTemplate::FromRecord(*aDesign.Template, TWireStock{first.material, first.size}).Generate();
    } catch (const TTemplateError&) {
        return false;
    }
    const TWire& other = *made->CurrentWire;
    if (wire.Count() != other.Count()) return false;
    // The file keeps lengths to 1/2000 mm and bends to 1e-6 radians.
    constexpr double Length = 1e-3, Bend = 1e-5;
    for (int i = 0; i < wire.Count(); ++i) {
        const TWireSeg& a = wire.Segment(i);
        const TWireSeg& b = other.Segment(i);
        if (std::abs(a.length - b.length) > Length || std::abs(a.angle - b.angle) > Bend ||
            !(a.material == b.material) || !(a.size == b.size))
            return false;
    }
    return SameBracket(aDesign.LeftBracket, made->LeftBracket) && SameBracket(aDesign.RightBracket, made->RightBracket);
}

void AdoptGenerated(TDesign& aTarget, const TDesign& aGenerated) {
    aTarget.CurrentWire->ReplaceShape(*aGenerated.CurrentWire);
    PlaceBracket(aGenerated.LeftBracket, aTarget.LeftBracket);
    PlaceBracket(aGenerated.RightBracket, aTarget.RightBracket);
    aTarget.AttachToBrackets();
    for (TForceMoment* load : {&aTarget.RightForce, &aTarget.LeftForce}) load->x = load->y = load->m = 0;
    aTarget.Template = aGenerated.Template;
}

}  // namespace torvik
