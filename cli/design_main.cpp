// torvik-design: makes a loop of a parametric form and writes it as a
// design file.

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/design_options.h"

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
        return Printed(WriteTemplateDesign(options));
    } catch (const std::exception& e) {
        return Fail(e.what());
    }
}
