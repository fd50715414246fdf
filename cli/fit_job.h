#pragma once
// torvik-design --fit: the fit of up to three parameters of the template
// the options describe to the targets, the fitted design written to --out
// (also when a target is missed: it is the best the fit found), and the
// report printed as text, JSON or CSV.

#include <memory>
#include <string>

#include "cli/design_options.h"
#include "solve/loop_fitter.h"

namespace torvik::cli {

// The fitter the options ask for, not yet run. Throws TUsageError for bad
// input: values that cannot make the loop, bounds or targets the fitter
// refuses, an output file that is not a design.
std::unique_ptr<TLoopFitter> MakeFitter(const TDesignOptions& aOptions);

// The report of a finished fit. aWritten is the line that reports the
// written design (empty when none was: the start could not be activated).
// Text: the template, the activation, the result and the work, a table of
// the targets (wanted, at the start, reached, tolerance, met) and one of
// the free parameters (bounds, start, found). JSON: the same with the
// inputs and the units. CSV: a row per target and per free parameter.
std::string FormatFit(const TLoopFitter& aFitter, const std::string& aOutFile, const std::string& aWritten,
                      TOutputFormat aFormat);

// Runs the fit, writes the fitted design and gives the report; aStatus is
// 0 when every target is met, 1 otherwise.
std::string RunFit(const TDesignOptions& aOptions, int& aStatus);

}  // namespace torvik::cli
