// Fuzzes the design reader: any bytes either read as a design or fail with
// an error (never a crash, a hang or undefined behaviour), and a design that
// was read is written as text that reads back as the same design. So does
// the template a design keeps, and a template that reads either makes its
// loop or says why it cannot.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <string_view>

#include "render/recording_canvas.h"
#include "render/scene.h"
#include "render/view_settings.h"
#include "solve/loop_template.h"
#include "support/ini_file.h"
#include "wire/design.h"
#include "wire/design_file.h"

namespace {

using namespace torvik;

void Fail() { std::abort(); }

// The design's sections written into a document of their own.
TIniFile Written(TDesign& aDesign) {
    TIniFile ini;
    aDesign.CurrentWire->SaveToIni(ini);
    aDesign.LeftBracket.SaveToIni(ini);
    aDesign.RightBracket.SaveToIni(ini);
    return ini;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* aData, std::size_t aSize) {
    TIniFile ini;
    ini.Parse(std::string_view(reinterpret_cast<const char*>(aData), aSize));
    TDesign design(0.25, DefaultStock());
    try {
        ReadDesign(ini, *design.CurrentWire, design.LeftBracket, design.RightBracket);
    } catch (const std::exception&) {
        return 0;  // a clear error is what bad input gets
    }
    design.AttachToBrackets();
    // What the program computes from a design as it opens and shows it:
    // results out of range fail as errors, which is allowed.
    try {
        (void)design.CurrentWire->BoundsRect();
        (void)design.RightBracket.BoundsRect();
        (void)design.CurrentWire->TotalLength();
    } catch (const std::exception&) {
    }
    try {
        TViewSettings view;
        view.ViewStrain = true;
        view.MarkersShown = true;
        const std::vector<TMarker> markers = design.RightBracket.Markers();
        TScene scene{design.CurrentWire.get(), &design.LeftBracket, &design.RightBracket, &design.RightForce,
                     &design.LeftForce, &markers};
        TRecordingCanvas canvas;
        DrawDesignLayers(canvas, scene, view, true, 3, true);
    } catch (const std::exception&) {
    }

    // Written and read again, the design is the same: the same number of
    // segments, and the same text when written once more.
    const std::string text = Written(design).Text();
    TIniFile again;
    again.Parse(text);
    TDesign reread(0.25, DefaultStock());
    try {
        ReadDesign(again, *reread.CurrentWire, reread.LeftBracket, reread.RightBracket);
    } catch (const std::exception&) {
        Fail();  // what the program wrote, it must read
    }
    reread.AttachToBrackets();
    if (reread.CurrentWire->Count() != design.CurrentWire->Count()) Fail();
    if (Written(reread).Text() != text) Fail();

    std::string problem;
    if (const std::optional<TDesignTemplate> record = ReadTemplateFromIni(ini, &problem)) {
        TIniFile kept;
        SaveTemplateToIni(kept, *record);
        const std::optional<TDesignTemplate> back = ReadTemplateFromIni(kept);
        if (!back || !(*back == *record)) Fail();
        try {
            const TLoopTemplate t = TLoopTemplate::FromRecord(*record, DefaultStock());
            if (t.Problem().empty()) {
                design.Template = record;
                (void)MatchesTemplate(design);
                (void)t.Generate();
            }
        } catch (const TTemplateError&) {
        }
    } else if (problem.empty() && ini.SectionExists(TemplateSection)) {
        Fail();  // a section that does not read says why
    }
    return 0;
}
