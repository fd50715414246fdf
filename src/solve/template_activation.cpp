#include "solve/template_activation.h"

namespace torvik {

const char* TTemplateLoads::EndName() const { return made ? SolveEndName(solve.end) : "bad values"; }

std::string TTemplateLoads::Text() const {
    if (!made) return problem;
    if (solve.end == TSolveEnd::Converged) return "converged";
    std::string text = SolveEndName(solve.end);
    if (!solve.message.empty()) text += ": " + solve.message;
    return text;
}

TTemplateActivation::TTemplateActivation(const TLoopTemplate& aTemplate, const TActivationSettings& aSettings,
                                         const TSolveTolerances& aTol) {
    try {
        FDesign = aTemplate.Generate();
    } catch (const TTemplateError& e) {
        FResult.problem = e.what();
        FFinished = true;
        return;
    }
    FResult.made = true;
    FResult.segments = FDesign->CurrentWire->Count();
    // A fresh activation: no load, the wire at rest.
    FDesign->CurrentWire->Unload();
    FDesign->CalcLeftForce();
    FSolver = std::make_unique<TActivationSolver>(*FDesign, aSettings, aTol);
    if (FSolver->Finished()) Finish();
}

TTemplateActivation::~TTemplateActivation() = default;

bool TTemplateActivation::Iterate() {
    if (FFinished) return false;
    FSolver->Iterate();
    if (FSolver->Finished()) Finish();
    return !FFinished;
}

void TTemplateActivation::Run() {
    while (Iterate()) {
    }
}

void TTemplateActivation::Finish() {
    FResult.solve = FSolver->Result();
    FSolver.reset();
    FFinished = true;
    if (FResult.solve.end != TSolveEnd::Converged) return;
    FResult.right = LoadOf(FDesign->RightForce);
    FResult.left = LoadOf(FDesign->LeftForce);
    FResult.maxStrain = FDesign->CurrentWire->MaxStrain();
}

TTemplateLoads ActivateTemplate(const TLoopTemplate& aTemplate, const TActivationSettings& aSettings,
                                const TSolveTolerances& aTol) {
    TTemplateActivation activation(aTemplate, aSettings, aTol);
    activation.Run();
    return activation.Result();
}

}  // namespace torvik
