// Protects the loop templates: each form's wire measures what its parameters say, the gable bends sit at their nodes with their sign, bad values get one message naming the rule, and a template's record, its match with a design and its adoption into a design on screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <thread>

#include "solve/loop_template.h"
#include "support/numbers.h"
#include "wire/wire_edit.h"

using namespace torvik;

namespace {

// What the generated wire measures, in the frame of the brackets' line:
// x along it from the left bracket, height above it.
struct TMeasure {
    double span = 0;      // between the brackets' points
    double endX = 0;      // the passive wire's end
    double endHeight = 0;
    double endTurn = 0;   // the end's direction, radians in (-pi, pi]
    double height = 0;    // the highest node
    double width = 0;     // the extent of the nodes above the feet's corners
    double longest = 0;   // the longest segment
};

TMeasure Measure(const TDesign& d, double aRadius) {
    const TPointReal o = *d.LeftBracket.Origin();
    const TWire& w = *d.CurrentWire;
    TMeasure m;
    m.span = d.RightBracket.Origin()->x - o.x;
    const TPointReal end = w.Corner();
    m.endX = end.x - o.x;
    m.endHeight = o.y - end.y;
    m.endTurn = AngleDiff(w.EndDirection(), 0);
    double left = 1e9, right = -1e9;
    for (const TWireSeg& s : w.Segments()) {
        const TPointReal c = s.Corner();
        const double h = o.y - c.y;
        m.height = std::max(m.height, h);
        if (h > aRadius + 1e-6) {
            left = std::min(left, c.x - o.x);
            right = std::max(right, c.x - o.x);
        }
        m.longest = std::max(m.longest, s.length);
    }
    m.width = right - left;
    return m;
}

TLoopTemplate Make(const char* aForm, std::initializer_list<std::pair<const char*, double>> aValues = {}) {
    TLoopTemplate t(*FindLoopForm(aForm));
    for (const auto& [name, value] : aValues) t.SetValue(name, value);
    return t;
}

}  // namespace

TEST(LoopTemplateTest, EachFormsWireMeasuresItsParameters) {
    ASSERT_EQ(LoopForms().size(), 5u);
    for (const TLoopForm* form : LoopForms()) {
        for (const double segment : {0.25, 0.1}) {
            for (const bool variant : {false, true}) {
                TLoopTemplate t(*form);
                t.SegmentSize = segment;
                if (variant) {
                    // Away from the defaults: a higher, wider loop off the
                    // middle of a longer span, pulled further open.
                    t.SetValue("span", 18);
                    t.SetValue("offset", 1.5);
                    t.SetValue("height", 9);
                    t.SetValue("width", t.Value("width") + 1);
                    t.SetValue("activation", 2);
                }
                SCOPED_TRACE(std::string(form->Name()) + (variant ? " varied" : " defaults") + " segments " +
                             std::to_string(segment));
                ASSERT_EQ(t.Problem(), "");
                const auto d = t.Generate();
                const TMeasure m = Measure(*d, t.Value("radius"));
                const double half = segment / 2;
                EXPECT_NEAR(d->LeftBracket.Origin()->x, LeftBracketX, 1e-12);
                EXPECT_NEAR(d->LeftBracket.Direction(), Pi, 1e-12);
                EXPECT_NEAR(d->RightBracket.Direction(), 0, 1e-12);
                EXPECT_NEAR(d->RightBracket.Origin()->y, LeftBracketY, 1e-12);
                EXPECT_NEAR(m.span, t.Value("span"), 1e-12);
                // The passive end lies the activation short of the right
                // bracket's point, on its line, along its slot.
                EXPECT_NEAR(m.endX, t.Value("span") - t.Value("activation"), 1e-9);
                EXPECT_NEAR(m.endHeight, 0, 1e-9);
                EXPECT_NEAR(m.endTurn, 0, 1e-9);
                EXPECT_NEAR(m.height, t.Value("height"), half);
                EXPECT_NEAR(m.width, t.Value("width"), half);
                EXPECT_NEAR(d->CurrentWire->Segment(0).length, segment, 1e-15);
                EXPECT_LT(m.longest, 1.5 * segment + 1e-12);
                EXPECT_EQ(d->CurrentWire->Segment(1).material, t.Stock.Material);
                ASSERT_TRUE(d->Template);
                EXPECT_EQ(d->Template->Form, form->Name());
            }
        }
    }
}

TEST(LoopTemplateTest, GableBendsTurnTheWireAtTheirNodesAnticlockwise) {
    const TLoopTemplate plain = Make("box-loop");
    const auto base = plain.Generate();
    const TWire& b = *base->CurrentWire;
    for (const char* name : {"gable-left", "gable-right", "end-bend-left", "end-bend-right"}) {
        SCOPED_TRACE(name);
        TLoopTemplate t = plain;
        t.SetValue(name, 10);
        const auto d = t.Generate();
        const TWire& w = *d->CurrentWire;
        ASSERT_EQ(w.Count(), b.Count());
        std::vector<int> changed;
        for (int i = 0; i < w.Count(); ++i)
            if (std::abs(w.Segment(i).angle - b.Segment(i).angle) > 1e-12) {
                changed.push_back(i);
                EXPECT_NEAR(w.Segment(i).angle - b.Segment(i).angle, -ToRadians(10), 1e-12);
            }
        ASSERT_EQ(changed.size(), 1u);
        const int node = changed.front();
        const std::string which = name;
        if (which == "end-bend-left") {
            EXPECT_EQ(node, 0);
        } else if (which == "end-bend-right") {
            EXPECT_EQ(node, w.Count() - 2);
        } else if (which == "gable-left") {
            // The foot of the left leg: the wire beyond it points straight up
            // before the gable.
            EXPECT_NEAR(AngleDiff(b.Segment(node).EndDirection(), -Pi / 2), 0, 1e-9);
        } else {
            // The foot of the right leg: the leg comes straight down to it.
            EXPECT_NEAR(AngleDiff(b.Segment(node).direction, Pi / 2), 0, 1e-9);
        }
        // The end turns anticlockwise by the bend and rises off the line.
        EXPECT_NEAR(AngleDiff(w.EndDirection(), 0), -ToRadians(10), 1e-9);
        EXPECT_LT(w.Corner().y, d->LeftBracket.Origin()->y - 1e-3);
    }
}

TEST(LoopTemplateTest, BadValuesGetOneMessageNamingTheRule) {
    const auto problem = [](TLoopTemplate t) {
        const std::string text = t.Problem();
        try {
            t.Generate();
            ADD_FAILURE() << "generated: " << text;
        } catch (const TTemplateError& e) {
            EXPECT_EQ(e.what(), text);
        }
        return text;
    };
    EXPECT_EQ(problem(Make("t-loop", {{"height", std::nan("")}})), "Height is not a number.");
    EXPECT_EQ(problem(Make("t-loop", {{"span", 61}})), "Span must be between 4 mm and 60 mm.");
    EXPECT_EQ(problem(Make("t-loop", {{"gable-left", -46}})), "Left leg gable must be between -45\u00b0 and 45\u00b0.");
    EXPECT_EQ(problem(Make("box-loop", {{"height", 1.5}, {"radius", 1}})),
              "The height (1.5 mm) must be at least twice the bend radius (2 mm).");
    EXPECT_EQ(problem(Make("vertical-loop", {{"height", 1.9}, {"width", 3}})),
              "The height (1.9 mm) must be at least half the width plus the bend radius (2 mm).");
    EXPECT_EQ(problem(Make("t-loop", {{"width", 5}})),
              "The width (5 mm) must be at least the leg gap plus four times the bend radius (6 mm).");
    EXPECT_EQ(problem(Make("teardrop-loop", {{"gap", 4}})),
              "The leg gap (4 mm) must not be larger than the width (3 mm): the legs narrow towards the arms.");
    EXPECT_NE(problem(Make("teardrop-loop", {{"height", 3.2}})).find("leaves the legs no room"), std::string::npos);
    EXPECT_EQ(problem(Make("vertical-loop", {{"offset", -3.6}})),
              "The loop does not fit the span: its left arm would be 0.9 mm long, and each arm needs at least 1 mm. "
              "Lengthen the span or move the loop to the right.");
    // The activation shortens the right arm.
    EXPECT_NE(problem(Make("vertical-loop", {{"offset", 3}, {"activation", 0.6}})).find("its right arm would be 0.9 mm"),
              std::string::npos);
    TLoopTemplate coarse = Make("l-loop");
    coarse.SegmentSize = 2;
    EXPECT_EQ(problem(coarse), "The segment size must be between 0.01 mm and 1 mm for a loop template.");

    // Exactly at a limit is allowed; numbers come written as the caller says.
    EXPECT_EQ(Make("box-loop", {{"height", 1}, {"radius", 0.5}}).Problem(), "");
    const TNumberFormat comma = [](double v, std::string_view mask) {
        std::string text = FormatMask(v, mask);
        std::replace(text.begin(), text.end(), '.', ',');
        return text;
    };
    EXPECT_EQ(Make("box-loop", {{"height", 1.5}, {"radius", 1}}).Problem(comma),
              "The height (1,5 mm) must be at least twice the bend radius (2 mm).");
    // A parameter the form does not have.
    TLoopTemplate box = Make("box-loop");
    EXPECT_THROW(box.SetValue("gap", 1), TTemplateError);
    EXPECT_EQ(FindLoopForm("T-LOOP"), FindLoopForm("t-loop"));
    EXPECT_EQ(FindLoopForm("omega-loop"), nullptr);
}

TEST(LoopTemplateTest, RecordsMatchesAndAdoption) {
    TLoopTemplate t = Make("teardrop-loop", {{"height", 7.123456789012345}, {"gable-left", 12.5}});
    t.Stock.Material = DefaultMaterialTable()[1];
    t.SegmentSize = 0.2;
    const TDesignTemplate record = t.Record();
    const TLoopTemplate back = TLoopTemplate::FromRecord(record, t.Stock);
    EXPECT_EQ(back.Values(), t.Values());
    EXPECT_EQ(back.SegmentSize, 0.2);
    TDesignTemplate unknown = record;
    unknown.Form = "omega-loop";
    EXPECT_THROW(TLoopTemplate::FromRecord(unknown, t.Stock), TTemplateError);

    // A generated design matches its template until the wire or a bracket
    // changes; the stock is the wire's, but a mixed wire is no template's.
    const auto made = t.Generate();
    EXPECT_TRUE(MatchesTemplate(*made));
    const auto bent = t.Generate();
    BendNode(*bent->CurrentWire, 30, 1);
    EXPECT_FALSE(MatchesTemplate(*bent));
    const auto moved = t.Generate();
    moved->RightBracket.Origin()->SetXY(moved->RightBracket.Origin()->x + 0.01, moved->RightBracket.Origin()->y);
    EXPECT_FALSE(MatchesTemplate(*moved));
    const auto steel = t.Generate();
    for (int i = 0; i < steel->CurrentWire->Count(); ++i) steel->CurrentWire->Segment(i).material = DefaultStock().Material;
    EXPECT_TRUE(MatchesTemplate(*steel));
    steel->CurrentWire->Segment(5).material = t.Stock.Material;
    EXPECT_FALSE(MatchesTemplate(*steel));

    // Adopted into a design on screen: the same shared points, the loads
    // gone, the old wire one undo step away.
    TDesign screen(0.2, DefaultStock());
    for (int i = 0; i < 10; ++i) screen.CurrentWire->AddSeg(0.2, 0.1);
    screen.RightForce.x = 50;
    const TPointRef leftPoint = screen.LeftBracket.Origin();
    screen.CurrentWire->KeepState(UndoUnlimited);
    AdoptGenerated(screen, *made);
    EXPECT_TRUE(MatchesTemplate(screen));
    EXPECT_EQ(screen.LeftBracket.Origin(), leftPoint);
    EXPECT_EQ(screen.CurrentWire->Origin(), leftPoint);
    EXPECT_EQ(screen.RightForce.origin, screen.RightBracket.Origin());
    EXPECT_EQ(screen.RightForce.x, 0);
    EXPECT_TRUE(screen.CurrentWire->dirty);
    EXPECT_EQ(screen.CurrentWire->Stock.Material.Name, "TMA");
    screen.CurrentWire->Undo();
    EXPECT_EQ(screen.CurrentWire->Count(), 11);
    EXPECT_FALSE(MatchesTemplate(screen));
}

TEST(LoopTemplateTest, TemplatesGenerateOnSeparateThreadsAlike) {
    const auto shape = [](double height) {
        const auto d = Make("t-loop", {{"height", height}}).Generate();
        return d->CurrentWire->Corner().x + 1000 * d->CurrentWire->Count();
    };
    std::vector<double> alone, together(20);
    for (int i = 0; i < 20; ++i) alone.push_back(shape(5 + 0.2 * i));
    std::thread other([&] {
        for (int i = 0; i < 20; i += 2) together[static_cast<std::size_t>(i)] = shape(5 + 0.2 * i);
    });
    for (int i = 1; i < 20; i += 2) together[static_cast<std::size_t>(i)] = shape(5 + 0.2 * i);
    other.join();
    EXPECT_EQ(alone, together);
}
