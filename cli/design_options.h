#pragma once
// The command line of torvik-design: a loop form, its parameters, the wire's
// stock and segment size, and the design file to write; the lists of forms
// and of a form's parameters; and writing the design.

#include <string>
#include <utility>
#include <vector>

#include "cli/option_values.h"
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
};

// Reads the arguments after the program name. The program's own options
// (the stock, --segment-size, --out; options that run the design belong
// beside them) are taken first; any other --NAME is a parameter of the form,
// checked once the form is known. Throws TUsageError for bad input: an
// unknown form, option or parameter, a value that is not a number, a
// parameter given twice, no --out. With --help, --list or --version the
// rest is only checked as far as it must be read.
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

}  // namespace torvik::cli
