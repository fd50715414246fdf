#pragma once
// What the command-line programs share in reading their options: the error
// for bad input, numbers as option values, names looked up in the built-in
// tables, and the options that choose the wire's stock.

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "wire/materials.h"

namespace torvik::cli {

// Bad input: an unknown option, a missing or unreadable value, a number out
// of range, a design file that cannot be read. The message is one line.
class TUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

bool SameNameIgnoringCase(std::string_view a, std::string_view b);

// One argument of a command line: an operand (a name the program takes),
// or an option by its name without dashes ("help" for -h) with its value
// when it takes one.
struct TArgument {
    bool Operand = false;
    std::string Text;  // the operand, or the option's name
    std::optional<std::string> Value;
};
enum class TOptionKind { Flag, Valued, Unknown };
// aArgs as the programs read them: "--NAME=VALUE" or "--NAME VALUE" for an
// option that takes a value, "--NAME" for a flag, "-h" for --help; "--" ends
// the options, and "-" or anything not starting with "-" is an operand.
// aKind tells each option's kind. Throws TUsageError for an unknown option,
// a flag given a value and a value missing at the end.
std::vector<TArgument> ReadArguments(const std::vector<std::string>& aArgs,
                                     const std::function<TOptionKind(const std::string& aName)>& aKind);

// The value of --aOption as a number ("." as decimal separator, an
// optional exponent); throws TUsageError naming the option otherwise.
double OptionNumber(const std::string& aOption, const std::string& aText);
double OptionPositive(const std::string& aOption, const std::string& aText);
double OptionNotNegative(const std::string& aOption, const std::string& aText);
// A whole number from 1 to aMax.
int OptionWholeNumber(const std::string& aOption, const std::string& aText, int aMax);

// The built-in material and cross-section named aName, letter case aside;
// throws TUsageError naming the known ones when there is none.
TWireMaterial BuiltInMaterial(std::string_view aName);
TWireSize BuiltInCrossSection(std::string_view aName);

// --material, --cross-section, --modulus, --cross-a and --cross-b: the
// wire's stock from the built-in tables, or a modulus and sides of its own.
struct TStockOptions {
    std::optional<std::string> Material, CrossSection, Modulus, CrossA, CrossB;

    // Whether aOption (without its dashes) is one of them.
    static bool Names(std::string_view aOption);
    // Keeps the value of one of them, checking that a number reads.
    void Take(const std::string& aOption, const std::string& aValue);
    bool Given() const { return Material || CrossSection || Modulus || CrossA || CrossB; }
    // aBase with what the options choose: a named entry of the built-in
    // tables (its name matched without regard to case), then a modulus or
    // sides of its own, named "Other". Throws TUsageError for an unknown
    // name or --cross-b without --cross-a.
    TWireStock Apply(TWireStock aBase) const;
};

}  // namespace torvik::cli
