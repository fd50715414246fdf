#pragma once
// The printed result of a command-line activation: a readable text report,
// one JSON object, or a CSV header and row with the same fields.

#include <optional>
#include <string>
#include <vector>

#include "cli/activation_job.h"
#include "cli/options.h"

namespace torvik::cli {

// Moment-to-force ratios (mm): m / |F| and m / |Fx|, as the program's
// force read-out shows them; empty when the divisor is zero or the quotient
// is not finite.
std::optional<double> MomentOverForce(const TLoadReport& aLoad);
std::optional<double> MomentOverForceX(const TLoadReport& aLoad);

// The wire's cross-section: its name, and its sides in mm beside it, so that
// a name such as "0.016" (inches) is not taken for a size in mm.
std::string CrossSectionInMm(const TWireSize& aSize);
// "Stainless Steel (E 172000 N/mm²), 0.016 (0.4064 mm round)".
std::string StockDetails(const TWireStock& aStock);

// The report's first lines: the design file with its segment count, and the
// wire's material and cross-section (a line per run for a mixed wire) with
// where they came from.
std::string DesignLines(int aSegments, const std::vector<TStockRun>& aStock, const TStockSources& aSources,
                        const TCliOptions& aOptions);

std::string FormatText(const TActivationReport& aReport, const TCliOptions& aOptions);
std::string FormatJson(const TActivationReport& aReport);
std::string FormatCsv(const TActivationReport& aReport);

std::string FormatReport(const TActivationReport& aReport, const TCliOptions& aOptions);

// Exit status for a finished run: 0 when the target was met, 1 otherwise.
int ExitStatus(const TActivationReport& aReport);

}  // namespace torvik::cli
