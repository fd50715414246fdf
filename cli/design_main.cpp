// torvik-design: makes a loop of a parametric form and writes it as a
// design file; sweeps one of its parameters, or fits up to three of them to
// targets for the loads.

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/design_options.h"
#include "cli/fit_job.h"
#include "cli/sweep_job.h"

namespace {

constexpr int BadInput = 2;

int Fail(const std::string& message) {
    std::fprintf(stderr, "torvik-design: %s\n", message.c_str());
    return BadInput;
}

// Writes all of text to stdout; false when the output cannot be written.
bool Print(const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
}

int Printed(const std::string& text) { return Print(text) ? 0 : Fail("cannot write the output"); }

}  // namespace

int main(int argc, char** argv) {
    using namespace torvik::cli;
    try {
        const TDesignOptions options = ParseDesignOptions(std::vector<std::string>(argv + 1, argv + argc));
        if (options.Version) return Printed(DesignVersionText());
        if (options.List) return Printed(FormListText());
        if (options.Help)
            return Printed(options.Form.empty() ? DesignUsageText() : FormUsageText(*torvik::FindLoopForm(options.Form)));
        if (options.Sweep) {
            const auto sweep = MakeSweep(options);
            sweep->Run();
            if (!Print(FormatSweep(*sweep, options.Format))) return Fail("cannot write the output");
            return SweepExitStatus(*sweep);
        }
        if (!options.Fit.empty()) {
            int status = 0;
            const std::string report = RunFit(options, status);
            if (!Print(report)) return Fail("cannot write the output");
            return status;
        }
        return Printed(WriteTemplateDesign(options));
    } catch (const std::exception& e) {
        return Fail(e.what());
    }
}
