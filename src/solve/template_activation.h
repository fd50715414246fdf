#pragma once
// A loop template made into its design and activated from zero load by the
// fast path (SolveActivation's), one solver iteration at a time: the unit of
// work of a parameter sweep and of the loop fitter. It works on its own copy
// of the template and on the design it generates, so separate activations
// run on separate threads at once.

#include <memory>
#include <string>

#include "solve/activation_curve.h"
#include "solve/activation_solver.h"
#include "solve/loop_template.h"

namespace torvik {

// What became of one template.
struct TTemplateLoads {
    // The values made a design; when not, Problem says why.
    bool made = false;
    std::string problem;
    int segments = 0;
    // The activation of the made design; its loads as the read-out shows
    // them, valid when it converged.
    TSolveResult solve;
    TBracketLoad right, left;
    double maxStrain = 0;  // radians

    bool Activated() const { return made && solve.end == TSolveEnd::Converged; }
    // "converged", "bad values", "overstrain", "no convergence", "error".
    const char* EndName() const;
    // For people: "converged", or why not (the template's message, or the
    // solve's end with its reason: "overstrain: a segment would be ...").
    std::string Text() const;
};

class TTemplateActivation {
public:
    // Generates the design of aTemplate (a template that cannot be made is
    // finished at once, with its problem) and prepares its activation from
    // zero load with aSettings' target.
    TTemplateActivation(const TLoopTemplate& aTemplate, const TActivationSettings& aSettings,
                        const TSolveTolerances& aTol = {});
    ~TTemplateActivation();
    TTemplateActivation(const TTemplateActivation&) = delete;
    TTemplateActivation& operator=(const TTemplateActivation&) = delete;

    // One solver iteration; whether work remains.
    bool Iterate();
    void Run();
    bool Finished() const { return FFinished; }
    // Valid once finished.
    const TTemplateLoads& Result() const { return FResult; }
    // The generated design, loaded as the activation left it (the start,
    // unloaded, when it failed); null when the values made no design.
    const TDesign* Design() const { return FDesign.get(); }
    std::unique_ptr<TDesign> TakeDesign() { return std::move(FDesign); }

private:
    void Finish();

    std::unique_ptr<TDesign> FDesign;
    std::unique_ptr<TActivationSolver> FSolver;
    bool FFinished = false;
    TTemplateLoads FResult;
};

// The whole activation of one template.
TTemplateLoads ActivateTemplate(const TLoopTemplate& aTemplate, const TActivationSettings& aSettings,
                                const TSolveTolerances& aTol = {});

}  // namespace torvik
