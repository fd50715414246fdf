#include "cli/design_options.h"

#include <sstream>

#include "solve/sweep.h"
#include "support/ini_file.h"
#include "support/numbers.h"
#include "support/text_utils.h"
#include "support/version.h"
#include "wire/design_file.h"

namespace torvik::cli {

namespace {

std::string Number(double v) { return FormatMask(v, "0.###"); }

std::string FormNames() {
    std::string names;
    for (const TLoopForm* form : LoopForms()) names += (names.empty() ? "" : ", ") + std::string(form->Name());
    return names;
}

const TLoopForm& FormNamed(const std::string& aName) {
    const TLoopForm* form = FindLoopForm(aName);
    if (!form) throw TUsageError("unknown form " + QuotedValue(aName) + " (one of " + FormNames() + ")");
    return *form;
}

// aText broken into lines of at most aWidth characters, each after aIndent.
std::string Wrapped(const std::string& aText, const std::string& aIndent, std::size_t aWidth = 78) {
    std::istringstream words(aText);
    std::string word, line, out;
    while (words >> word) {
        if (!line.empty() && aIndent.size() + line.size() + 1 + word.size() > aWidth) {
            out += aIndent + line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty()) out += aIndent + line + "\n";
    return out;
}

// aText split at each aSeparator.
std::vector<std::string> Split(const std::string& aText, char aSeparator) {
    std::vector<std::string> parts(1);
    for (const char c : aText) {
        if (c == aSeparator) parts.emplace_back();
        else parts.back() += c;
    }
    return parts;
}

// "NAME=REST": the name and the rest; throws naming aOption and aForm
// without a name or "=".
std::pair<std::string, std::string> NameAndValue(const std::string& aOption, const std::string& aText,
                                                 const char* aForm) {
    const auto eq = aText.find('=');
    if (eq == std::string::npos || eq == 0)
        throw TUsageError("--" + aOption + " takes " + aForm + ", not " + QuotedValue(aText));
    return {aText.substr(0, eq), aText.substr(eq + 1)};
}

TDesignOptions::TSweepOption SweepOption(const std::string& aText) {
    const auto [name, rest] = NameAndValue("sweep", aText, "PARAM=FROM:TO:N");
    const std::vector<std::string> parts = Split(rest, ':');
    if (parts.size() != 3) throw TUsageError("--sweep takes PARAM=FROM:TO:N, not " + QuotedValue(aText));
    TDesignOptions::TSweepOption s;
    s.Parameter = name;
    s.From = OptionNumber("sweep", parts[0]);
    s.To = OptionNumber("sweep", parts[1]);
    s.Steps = OptionWholeNumber("sweep", parts[2], MaxSweepSteps);
    return s;
}

TFreeParameter FitOption(const std::string& aText) {
    const auto [name, rest] = NameAndValue("fit", aText, "PARAM=LO:HI");
    const std::vector<std::string> parts = Split(rest, ':');
    if (parts.size() != 2) throw TUsageError("--fit takes PARAM=LO:HI, not " + QuotedValue(aText));
    return {name, OptionNumber("fit", parts[0]), OptionNumber("fit", parts[1])};
}

std::string QuantityNames() {
    return std::string(FitQuantityName(TFitQuantity::RightMomentOverForce)) + ", " +
           FitQuantityName(TFitQuantity::LeftMomentOverForce) + ", " + FitQuantityName(TFitQuantity::RightForce);
}

TFitTarget TargetOption(const std::string& aText) {
    const auto [key, value] = NameAndValue("target", aText, "NAME=VALUE or NAME@ACTIVATION=VALUE");
    const auto at = key.find('@');
    const std::string name = key.substr(0, at);
    const std::optional<TFitQuantity> quantity = FindFitQuantity(name);
    if (!quantity)
        throw TUsageError("--target: unknown target " + QuotedValue(name) + " (one of " + QuantityNames() + ")");
    TFitTarget t;
    t.Quantity = *quantity;
    t.Value = OptionNumber("target", value);
    t.Tolerance = DefaultFitTolerance(*quantity);
    if (at != std::string::npos) t.Activation = OptionNotNegative("target", key.substr(at + 1));
    return t;
}

}  // namespace

TDesignOptions ParseDesignOptions(const std::vector<std::string>& args) {
    TDesignOptions o;
    TStockOptions stock;
    std::vector<std::pair<std::string, std::string>> parameters;
    bool formatGiven = false;
    const auto kind = [](const std::string& aName) {
        return aName == "help" || aName == "version" || aName == "list" ? TOptionKind::Flag : TOptionKind::Valued;
    };
    for (const TArgument& arg : ReadArguments(args, kind)) {
        if (arg.Operand) {
            if (!o.Form.empty()) throw TUsageError("more than one form given ('" + o.Form + "', '" + arg.Text + "')");
            if (arg.Text.empty()) throw TUsageError("the form's name is empty");
            o.Form = arg.Text;
            continue;
        }
        const std::string& name = arg.Text;
        if (!arg.Value) {
            (name == "help" ? o.Help : name == "version" ? o.Version : o.List) = true;
            continue;
        }
        const std::string& value = *arg.Value;
        if (TStockOptions::Names(name)) stock.Take(name, value);
        else if (name == "segment-size") o.SegmentSize = OptionPositive(name, value);
        else if (name == "out") o.OutFile = value;
        else if (name == "sweep") {
            if (o.Sweep) throw TUsageError("--sweep is given twice");
            o.Sweep = SweepOption(value);
        } else if (name == "fit") {
            o.Fit.push_back(FitOption(value));
        } else if (name == "target") {
            o.Targets.push_back(TargetOption(value));
        } else if (name == "format") {
            formatGiven = true;
            if (value == "text") o.Format = TOutputFormat::Text;
            else if (value == "json") o.Format = TOutputFormat::Json;
            else if (value == "csv") o.Format = TOutputFormat::Csv;
            else throw TUsageError("--format must be text, json or csv, not " + QuotedValue(value));
        } else parameters.emplace_back(name, value);  // the form's, checked once it is known
    }
    if (o.Version || o.List) return o;
    if (o.Form.empty()) {
        if (o.Help) return o;
        throw TUsageError("no form given (try --list or --help)");
    }
    const TLoopForm& form = FormNamed(o.Form);
    for (const auto& [name, text] : parameters) {
        if (form.IndexOf(name) < 0)
            throw TUsageError("unknown option --" + name + ": the " + form.Caption() + "'s parameters are " +
                              [&] {
                                  std::string known;
                                  for (const TTemplateParameter& p : form.Parameters())
                                      known += (known.empty() ? "--" : ", --") + p.Name;
                                  return known;
                              }());
        for (const auto& [given, value] : o.Values)
            if (SameNameIgnoringCase(given, name)) throw TUsageError("--" + name + " is given twice");
        o.Values.emplace_back(name, OptionNumber(name, text));
    }
    const auto checkName = [&](const std::string& aOption, const std::string& aName) {
        if (form.IndexOf(aName) < 0)
            throw TUsageError("--" + aOption + ": the " + form.Caption() + " has no parameter " + QuotedValue(aName));
    };
    if (o.Sweep) checkName("sweep", o.Sweep->Parameter);
    for (const TFreeParameter& f : o.Fit) checkName("fit", f.Name);
    if (o.Help) return o;
    o.Stock = stock.Apply(o.Stock);
    if (o.Sweep && !o.Fit.empty()) throw TUsageError("--sweep and --fit do not go together");
    if (!o.Targets.empty() && o.Fit.empty()) throw TUsageError("--target goes with --fit");
    if (!o.Fit.empty() && o.Targets.empty())
        throw TUsageError("--fit needs at least one --target (" + QuantityNames() + ")");
    if (formatGiven && !o.Sweep && o.Fit.empty()) throw TUsageError("--format goes with --sweep or --fit");
    if (o.Sweep) {
        if (!o.OutFile.empty()) throw TUsageError("--sweep prints a table and writes no design: leave out --out");
        return o;
    }
    if (o.OutFile.empty()) throw TUsageError("no design file to write (--out FILE.tvk)");
    return o;
}

TLoopTemplate DesignTemplate(const TDesignOptions& aOptions) {
    TLoopTemplate t(FormNamed(aOptions.Form));
    for (const auto& [name, value] : aOptions.Values) t.SetValue(name, value);
    t.Stock = aOptions.Stock;
    t.SegmentSize = aOptions.SegmentSize;
    if (const std::string problem = t.Problem(); !problem.empty()) throw TUsageError(problem);
    return t;
}

void CheckDesignOut(const std::string& aFile) {
    // Only a design is written over: any other file would lose its text.
    TIniFile existing;
    if (existing.LoadFile(aFile) == TIniLoad::Loaded && !IsDesign(existing) && !existing.Text().empty())
        throw TUsageError(aFile + " is there and is not a Torvik design; it is left as it is");
}

std::string WriteDesignOf(const TLoopTemplate& aTemplate, const std::string& aFile) {
    const std::unique_ptr<TDesign> design = aTemplate.Generate();
    CheckDesignOut(aFile);
    SaveDesign(aFile, *design);
    return aFile + ": " + aTemplate.Form().Caption() + ", " + std::to_string(design->CurrentWire->Count()) +
           " segments of " + Number(aTemplate.SegmentSize) + " mm, " + aTemplate.Stock.Material.Name + " " +
           aTemplate.Stock.Size.Name + "\n";
}

std::string WriteTemplateDesign(const TDesignOptions& aOptions) {
    return WriteDesignOf(DesignTemplate(aOptions), aOptions.OutFile);
}

std::string DesignUsageText() {
    return "Usage: torvik-design FORM [--PARAMETER VALUE ...] [options] {--out FILE.tvk | --sweep "
           "PARAM=FROM:TO:N | --fit PARAM=LO:HI ... --target NAME[@A]=VALUE ... --out FILE.tvk}\n"
           "\n"
           "Makes a loop of one of the parametric forms and writes it as a design file,\n"
           "with its parameters in the file's section [Template], so that the program's\n"
           "File > Edit Template... opens them again. The left bracket sits at (10, 25) mm;\n"
           "the right bracket sits the span further along the same line, where the loop is\n"
           "activated: the passive wire ends the activation short of it. torvik-design\n"
           "--list lists the forms, torvik-design FORM --help a form's parameters.\n"
           "\n"
           "--sweep varies one parameter from FROM to TO in N equal steps (both ends\n"
           "included) and prints both brackets' loads at each: every step's loop is\n"
           "activated from zero load to full engagement in the slot (0.000001 mm,\n"
           "0.00001 degrees) by Newton's method. A step whose values make no loop, or\n"
           "whose activation fails, is reported as such and the sweep goes on.\n"
           "\n"
           "--fit searches up to three parameters, each between LO and HI, until the\n"
           "activated loop meets every --target, and writes the loop it found to --out,\n"
           "also when a target is missed (it is the best found; the report says which\n"
           "target it missed). Targets: mf_right and mf_left, the moment-to-force ratio\n"
           "M/F at the right and the left bracket in mm (met within 0.05 mm), and\n"
           "f_right, the force |F| at the right bracket in cN (met within 1 cN). M/F\n"
           "carries the sign of its moment, as torvik-activate reports it: a loop's\n"
           "left M/F is mostly negative where its right one is positive, so ask for\n"
           "mf_left=-10 for the same ratio at both teeth. A target holds at the loop's\n"
           "activation, or at its own with NAME@A (A in mm, the template's activation\n"
           "range): two of them, mf_right@0.5=10 and mf_right@1.5=10, hold M/F over\n"
           "that range. The method is Levenberg-Marquardt on the targets' misfits\n"
           "with differences by activations, within the bounds; it stops when every\n"
           "target is within half its tolerance, or when no further progress is\n"
           "possible.\n"
           "\n"
           "Forms: " +
           FormNames() +
           "\n"
           "\n"
           "Options:\n"
           "  --PARAMETER VALUE          a parameter of the form, in mm or degrees (see\n"
           "                             FORM --help); the others keep their defaults\n"
           "  --material NAME            a built-in material (\"Stainless Steel\", \"TMA\",\n"
           "                             \"Nitinol\", \"Elgiloy\", \"Other\")\n"
           "  --cross-section NAME       a built-in cross-section (\"0.016\", \"0.018\",\n"
           "                             \"0.014\", \"0.016 x 0.016\", \"0.016 x 0.022\",\n"
           "                             \"0.017 x 0.025\", \"0.010 x 0.021\", \"Other\")\n"
           "  --modulus E                Young's modulus in N/mm^2 (overrides the material)\n"
           "  --cross-a A --cross-b B    cross-section in tenths of a mm, B = 0 or left out\n"
           "                             for a round wire (overrides --cross-section)\n"
           "  --segment-size MM          the length of the wire's segments, 0.01 to 1 (0.25);\n"
           "                             open the design with the same segment size\n"
           "  --out FILE.tvk             the design file to write; a design already there is\n"
           "                             written over, any other file is refused\n"
           "  --sweep PARAM=FROM:TO:N    sweep a parameter in N steps (2 to 1000); writes no\n"
           "                             design\n"
           "  --fit PARAM=LO:HI          a free parameter of the fit and its bounds, up to\n"
           "                             three; the fit starts at the given values\n"
           "  --target NAME[@A]=VALUE    a target of the fit: mf_right, mf_left (mm) or\n"
           "                             f_right (cN), at activation A mm if given; up to 6\n"
           "  --format text|json|csv     the form of the sweep's or the fit's report (text);\n"
           "                             JSON names the inputs and the units, CSV columns\n"
           "                             carry their units in their names\n"
           "  --list                     the forms\n"
           "  --help                     this text; after a form, the form's parameters\n"
           "  --version                  the program's version\n"
           "\n"
           "Numbers use \".\" as decimal separator.\n"
           "Exit status: 0 written (a sweep: every step activated; a fit: every target\n"
           "met), 1 a sweep with a step that failed, or a fit that missed a target (the\n"
           "best design is still written), 2 bad input (an unknown form, option or\n"
           "parameter, a value that is not a number or lies outside its range, values\n"
           "the loop cannot be made of, bounds or targets that make no fit) or a file\n"
           "that cannot be written.\n";
}

std::string FormUsageText(const TLoopForm& aForm) {
    std::string text = std::string(aForm.Caption()) + " (" + aForm.Name() + "): " + aForm.Description() + "\n\n" +
                       "Usage: torvik-design " + aForm.Name() + " [--PARAMETER VALUE ...] [stock options] --out FILE.tvk\n\n" +
                       "Parameters (range, default):\n";
    for (const TTemplateParameter& p : aForm.Parameters()) {
        const char* unit = p.Unit == TParameterUnit::Millimetre ? "mm" : "degrees";
        text += "  --" + p.Name + " " + (p.Unit == TParameterUnit::Millimetre ? "MM" : "DEG") + "  (" + Number(p.Min) +
                " to " + Number(p.Max) + " " + unit + ", default " + Number(p.Default) + ")\n";
        text += Wrapped(p.Description, "      ");
    }
    text += "\nThe stock options and --segment-size are those of torvik-design --help.\n";
    return text;
}

std::string FormListText() {
    std::string text;
    for (const TLoopForm* form : LoopForms()) {
        std::string name = form->Name();
        name.resize(16, ' ');
        text += name + form->Caption() + ": " + form->Description() + "\n";
    }
    return text;
}

std::string DesignVersionText() { return "torvik-design " + GetProgramVersion() + "\n"; }

}  // namespace torvik::cli
