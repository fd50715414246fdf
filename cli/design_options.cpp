#include "cli/design_options.h"

#include <sstream>

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

}  // namespace

TDesignOptions ParseDesignOptions(const std::vector<std::string>& args) {
    TDesignOptions o;
    TStockOptions stock;
    std::vector<std::pair<std::string, std::string>> parameters;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            if (!o.Form.empty()) throw TUsageError("more than one form given ('" + o.Form + "', '" + arg + "')");
            if (arg.empty()) throw TUsageError("the form's name is empty");
            o.Form = arg;
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "-h") {
            o.Help = true;
            continue;
        }
        if (arg.rfind("--", 0) != 0) throw TUsageError("unknown option " + QuotedValue(arg));
        const auto eq = arg.find('=');
        const std::string name = arg.substr(2, eq == std::string::npos ? std::string::npos : eq - 2);
        if (name == "help" || name == "version" || name == "list") {
            if (eq != std::string::npos) throw TUsageError("--" + name + " takes no value");
            (name == "help" ? o.Help : name == "version" ? o.Version : o.List) = true;
            continue;
        }
        std::string value;
        if (eq != std::string::npos) {
            value = arg.substr(eq + 1);
        } else {
            if (i + 1 >= args.size()) throw TUsageError("--" + name + " needs a value");
            value = args[++i];
        }
        if (TStockOptions::Names(name)) stock.Take(name, value);
        else if (name == "segment-size") o.SegmentSize = OptionPositive(name, value);
        else if (name == "out") o.OutFile = value;
        else parameters.emplace_back(name, value);  // the form's, checked once it is known
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
    if (o.Help) return o;
    o.Stock = stock.Apply(o.Stock);
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

std::string WriteTemplateDesign(const TDesignOptions& aOptions) {
    const TLoopTemplate t = DesignTemplate(aOptions);
    const std::unique_ptr<TDesign> design = t.Generate();
    // Only a design is written over: any other file would lose its text.
    TIniFile existing;
    if (existing.LoadFile(aOptions.OutFile) == TIniLoad::Loaded && !IsDesign(existing) && !existing.Text().empty())
        throw TUsageError(aOptions.OutFile + " is there and is not a Torvik design; it is left as it is");
    SaveDesign(aOptions.OutFile, *design);
    return aOptions.OutFile + ": " + t.Form().Caption() + ", " + std::to_string(design->CurrentWire->Count()) +
           " segments of " + Number(t.SegmentSize) + " mm, " + t.Stock.Material.Name + " " + t.Stock.Size.Name +
           "\n";
}

std::string DesignUsageText() {
    return "Usage: torvik-design FORM [--PARAMETER VALUE ...] [options] --out FILE.tvk\n"
           "\n"
           "Makes a loop of one of the parametric forms and writes it as a design file,\n"
           "with its parameters in the file's section [Template], so that the program's\n"
           "File > Edit Template... opens them again. The left bracket sits at (10, 25) mm;\n"
           "the right bracket sits the span further along the same line, where the loop is\n"
           "activated: the passive wire ends the activation short of it. torvik-design\n"
           "--list lists the forms, torvik-design FORM --help a form's parameters.\n"
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
           "  --list                     the forms\n"
           "  --help                     this text; after a form, the form's parameters\n"
           "  --version                  the program's version\n"
           "\n"
           "Numbers use \".\" as decimal separator.\n"
           "Exit status: 0 written, 2 bad input (an unknown form, option or parameter, a\n"
           "value that is not a number or lies outside its range, values the loop cannot\n"
           "be made of) or a file that cannot be written.\n";
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
