// torvik-activate: activates a wire design from the command line and prints
// the forces and moments on both brackets.

#include <cerrno>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/activation_job.h"
#include "cli/curve_job.h"
#include "cli/options.h"
#include "cli/report.h"
#include "support/errors.h"

namespace {

constexpr int BadInput = 2;

int Fail(const std::string& message) {
    std::fprintf(stderr, "torvik-activate: %s\n", message.c_str());
    return BadInput;
}

// Writes all of text to stdout; false when the output cannot be written,
// with the system's reason in aReason.
bool Print(const std::string& text, std::string& aReason) {
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0) return true;
    aReason = torvik::SystemReason(errno != 0 ? errno : EIO);
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace torvik::cli;
    std::string reason;
    const auto outputFailed = [&reason] { return Fail("cannot write the output: " + reason); };
    try {
        const TCliOptions options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
        if (options.Help) return Print(UsageText(), reason) ? 0 : outputFailed();
        if (options.Version) return Print(VersionText(), reason) ? 0 : outputFailed();
        std::vector<std::string> warnings;
        TStockSources sources;
        auto design = OpenDesign(options, &warnings, &sources);
        for (const std::string& warning : warnings)
            std::fprintf(stderr, "torvik-activate: warning: %s\n", warning.c_str());
        if (options.CurveSteps > 0) {
            torvik::TActivationCurve curve(*design, CurveSettings(options));
            curve.Run();
            if (!Print(FormatCurve(curve, options, sources), reason)) return outputFailed();
            return CurveExitStatus(curve);
        }
        const TActivationReport report = Activate(*design, options, sources);
        if (report.refineTried && !report.refined)
            std::fprintf(stderr, "torvik-activate: warning: the loads are not refined (%s); they are those of the "
                                 "stopped run\n", report.refineMessage.c_str());
        if (!Print(FormatReport(report, options), reason)) return outputFailed();
        return ExitStatus(report);
    } catch (const TUsageError& e) {
        return Fail(e.what());
    } catch (const std::exception& e) {
        return Fail(e.what());
    }
}
