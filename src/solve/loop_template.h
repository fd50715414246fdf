#pragma once
// Parametric loops: the vertical (open) loop, the T-loop, the teardrop loop,
// the L-loop and the box loop, each a form described by named parameters in
// mm and degrees, and a template (a form with values, a stock and a segment
// size) that generates a whole design from them.
//
// How a template lays out its design, in the frame of the brackets' line
// (x along it from the left bracket towards the right one, up meaning -y on
// the screen, the side the program's loops rise to):
// - The left bracket sits at LeftBracketPoint facing the right one, which
//   sits `span` mm further along the line, facing back: both slots lie on
//   one line, as on a straight arch. That is the right bracket's activated
//   position and angle.
// - The loop's centre line (midway between its legs) lies `offset` mm from
//   the middle of the span, towards the right bracket when positive.
// - The passive wire is built first without its gable bends: a straight arm
//   from the left bracket along the line, the loop rising `height` mm above
//   the line (to the centre line of its highest wire), a straight arm back
//   on the line ending `activation` mm short of the right bracket's point,
//   pointing along its slot. Every bend of radius r is an arc of chords of
//   about the segment size inscribed in its circle; a radius of 0 is a sharp
//   bend at one node.
// - Then the gable bends go in, each turning the wire beyond its node, a
//   positive angle anticlockwise as displayed (a "left" bend, towards the
//   loop's side): `gable-left` at the foot of the left leg (where the leg
//   leaves its corner), `gable-right` at the foot of the right leg (where it
//   enters its corner), `end-bend-left` at the first node (one segment from
//   the left bracket) and `end-bend-right` one segment before the wire's
//   end. Equal positive gables at both legs are the classic gable: the arms
//   rise away from the loop like a V. With gable bends the passive end lies
//   off the line and at an angle; the activation brings it into the slot.
// - Each arm, from its bracket's point to where the loop leaves the line,
//   must be at least MinArmLength long (half a bracket's slot) in the
//   passive wire.
//
// Forms are immutable and shared; templates are small values. Generating
// touches nothing shared, so separate templates generate on separate
// threads at once.

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "geometry/point.h"
#include "wire/design.h"
#include "wire/design_template.h"
#include "wire/materials.h"

namespace torvik {

// A template that cannot be generated, or a parameter that does not exist.
// Its text is the user's message.
class TTemplateError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TParameterUnit { Millimetre, Degree };

// "mm" or "°".
const char* UnitSymbol(TParameterUnit aUnit);

struct TTemplateParameter {
    std::string Name;     // the key in files and on the command line: "height"
    std::string Caption;  // "Height"
    TParameterUnit Unit = TParameterUnit::Millimetre;
    double Default = 0;
    double Min = 0, Max = 0;  // the valid range, both included
    std::string Description;  // one sentence
};

// Writes a number in a message with a mask such as "0.###"; the window
// passes one that uses the user's locale.
using TNumberFormat = std::function<std::string(double aValue, std::string_view aMask)>;
// The file format's: a point as decimal separator.
std::string FileNumberText(double aValue, std::string_view aMask);

// Where a template puts the left bracket's point, mm.
inline constexpr double LeftBracketX = 10.0;
inline constexpr double LeftBracketY = 25.0;
// The shortest arm a template makes, mm.
inline constexpr double MinArmLength = 1.0;
// The segment sizes a template is generated with, mm.
inline constexpr double MinTemplateSegmentSize = 0.01;
inline constexpr double MaxTemplateSegmentSize = 1.0;

// A straight run or a circular arc of the wire's centre line; a mark names
// the node where the wire stands at that point.
struct TPathPiece {
    enum TKind { Straight, Arc, Mark } Kind = Straight;
    double Length = 0;  // Straight: mm
    double Radius = 0;  // Arc: mm, 0 for a sharp bend
    double Turn = 0;    // Arc: radians, positive clockwise as displayed
    int Tag = 0;        // Mark: which node
};

// The loop between the arms, as a form lays it out from its values: the
// pieces from where the wire leaves the line (Begin, mm along the line from
// the loop's centre line, usually negative) to where it comes back (End).
struct TLoopShape {
    double Begin = 0;
    double End = 0;
    std::vector<TPathPiece> Pieces;
};

// The marks a loop shape carries: the feet of its legs.
enum TLoopMark : int { LeftLegFoot = 1, RightLegFoot = 2 };

class TLoopForm {
public:
    virtual ~TLoopForm() = default;
    TLoopForm(const TLoopForm&) = delete;
    TLoopForm& operator=(const TLoopForm&) = delete;

    // "t-loop": files and the command line name the form so.
    virtual const char* Name() const = 0;
    // "T-Loop"
    virtual const char* Caption() const = 0;
    // What the form is, in one sentence.
    virtual const char* Description() const = 0;
    const std::vector<TTemplateParameter>& Parameters() const { return FParameters; }
    // The index of a parameter in Parameters (its name matched without
    // regard to case), or -1.
    int IndexOf(std::string_view aName) const;

    // Why the values (in the order of Parameters) cannot make this loop: a
    // height below what its bends need, a width too small for its gap, ...;
    // empty when they can. The values are finite and within their ranges.
    virtual std::string ShapeProblem(const std::vector<double>& aValues, const TNumberFormat& aFormat) const = 0;
    // The loop of values that ShapeProblem accepts.
    virtual TLoopShape Shape(const std::vector<double>& aValues) const = 0;

protected:
    // The form's own parameters go between the common ones: span, offset,
    // height, then aOwn, then radius, the four gable bends, activation.
    TLoopForm(std::vector<TTemplateParameter> aOwn, double aHeight, double aSpan, double aRadius,
              const char* aRadiusDescription);
    // The value of a parameter by name, for the forms' own arithmetic.
    double Get(const std::vector<double>& aValues, std::string_view aName) const;

private:
    std::vector<TTemplateParameter> FParameters;
};

// Every form, in the order the user is shown them.
const std::vector<const TLoopForm*>& LoopForms();
// The form of that name (without regard to case), or null.
const TLoopForm* FindLoopForm(std::string_view aName);

// A form with values: what a dialog edits, a sweep varies and a design file
// keeps.
class TLoopTemplate {
public:
    // The form's default values, the default stock, segments of 0.25 mm.
    explicit TLoopTemplate(const TLoopForm& aForm);

    const TLoopForm& Form() const { return *FForm; }
    const std::vector<double>& Values() const { return FValues; }
    // The value of a parameter; throws TTemplateError for a name the form
    // does not have.
    double Value(std::string_view aName) const;
    // Sets a parameter to any number (Problem judges it); throws
    // TTemplateError for a name the form does not have.
    void SetValue(std::string_view aName, double aValue);

    TWireStock Stock = DefaultStock();
    double SegmentSize = 0.25;  // mm

    // Why this template cannot be generated, in one message naming the
    // parameter and the rule, numbers written by aFormat; empty when it can.
    std::string Problem(const TNumberFormat& aFormat = FileNumberText) const;
    // A new design as the header describes, its Template the record of this
    // one. Throws TTemplateError with Problem's message when there is one.
    std::unique_ptr<TDesign> Generate() const;

    // The record a design file keeps.
    TDesignTemplate Record() const;
    // The template a record describes, with aStock: the record's values
    // over the form's defaults (a parameter it lacks keeps its default, one
    // the form lacks is passed over). Throws TTemplateError when the form
    // is unknown.
    static TLoopTemplate FromRecord(const TDesignTemplate& aRecord, const TWireStock& aStock);

private:
    int Index(std::string_view aName) const;

    const TLoopForm* FForm;
    std::vector<double> FValues;
};

// Whether the design is, to the file's precision, what its template
// generates with the stock of its wire's first segment: false once the wire
// or a bracket was changed by hand, and for a design without a template or
// with one that cannot be generated.
bool MatchesTemplate(const TDesign& aDesign);

// Makes aTarget the generated design in place: its wire takes the generated
// shape and stock as one edit (its undo history stays), both brackets move
// to the generated places, the loads become zero and the template record
// goes with it. aTarget's shared points stay the same objects.
void AdoptGenerated(TDesign& aTarget, const TDesign& aGenerated);

}  // namespace torvik
