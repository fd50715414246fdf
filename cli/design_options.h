#pragma once
// The command line of torvik-design: a loop form, its parameters, the wire's
// stock and segment size, and the design file to write; the lists of forms
// and of a form's parameters; and writing the design.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/option_values.h"
#include "cli/options.h"
#include "solve/loop_fitter.h"
#include "solve/loop_template.h"

namespace torvik::cli {

struct TDesignOptions {
    bool Help = false;
    bool Version = false;
    bool List = false;
    // The form's name as given (FindLoopForm knows it); empty with --list,
    // --version or --help alone.
    std::string Form;
    // --PARAMETER VALUE, in the order given; each parameter at most once.
    std::vector<std::pair<std::string, double>> Values;
    TWireStock Stock = DefaultStock();
    double SegmentSize = 0.25;  // mm
    std::string OutFile;
    // --sweep PARAM=FROM:TO:N: the parameter's name as given (the form's,
    // checked), its ends and the number of steps; no design is written.
    struct TSweepOption {
        std::string Parameter;
        double From = 0, To = 0;
        int Steps = 0;
    };
    std::optional<TSweepOption> Sweep;
    // --fit PARAM=LO:HI (up to three) and --target NAME[@A]=VALUE: the fit,
    // whose design is written to OutFile.
    std::vector<TFreeParameter> Fit;
    std::vector<TFitTarget> Targets;
    TOutputFormat Format = TOutputFormat::Text;
};

// Reads the arguments after the program name. The program's own options
// (the stock, --segment-size, --out, --sweep, --fit, --target, --format)
// are taken first; any other --NAME is a parameter of the form, checked
// once the form is known. Throws TUsageError for bad input: an unknown
// form, option or parameter, a value that is not a number, a parameter
// given twice, no --out (but for --sweep, which takes none), --sweep with
// --fit, a fit without targets or targets without a fit, --format without
// either. With --help, --list or --version the rest is only checked as far
// as it must be read.
TDesignOptions ParseDesignOptions(const std::vector<std::string>& args);

// The help printed by --help without a form.
std::string DesignUsageText();
// The help printed by FORM --help: the form and its parameters with units,
// ranges and defaults.
std::string FormUsageText(const TLoopForm& aForm);
// What --list prints: each form's name, caption and description.
std::string FormListText();
// "torvik-design <version>" and a line end, printed by --version.
std::string DesignVersionText();

// The template the options describe. Throws TUsageError with the
// template's message when the values cannot make the loop.
TLoopTemplate DesignTemplate(const TDesignOptions& aOptions);

// Makes the design and writes it, with its template, to the output file; a
// design already there is written over (its other sections kept), anything
// else is refused. Returns the line that reports it. Throws TUsageError for
// bad values and a file that is not a design, and the file error of a
// design that cannot be written.
std::string WriteTemplateDesign(const TDesignOptions& aOptions);

// Throws TUsageError when aFile is there and is not a design.
void CheckDesignOut(const std::string& aFile);
// Writes the design of aTemplate, with its template, to aFile as
// WriteTemplateDesign does; returns the line that reports it.
std::string WriteDesignOf(const TLoopTemplate& aTemplate, const std::string& aFile);

}  // namespace torvik::cli
