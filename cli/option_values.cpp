#include "cli/option_values.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "support/numbers.h"
#include "support/text_utils.h"

namespace torvik::cli {

namespace {

template <typename Table>
const typename Table::value_type& FindByName(const Table& table, std::string_view name, const char* what) {
    for (const auto& entry : table)
        if (SameNameIgnoringCase(entry.Name, name)) return entry;
    std::string known;
    for (const auto& entry : table) known += (known.empty() ? "\"" : ", \"") + entry.Name + "\"";
    throw TUsageError("unknown " + std::string(what) + " " + QuotedValue(name) + " (one of " + known + ")");
}

}  // namespace

std::vector<TArgument> ReadArguments(const std::vector<std::string>& aArgs,
                                     const std::function<TOptionKind(const std::string& aName)>& aKind) {
    std::vector<TArgument> read;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < aArgs.size(); ++i) {
        const std::string& arg = aArgs[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            read.push_back({true, arg, std::nullopt});
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "-h") {
            read.push_back({false, "help", std::nullopt});
        } else {
            if (arg.rfind("--", 0) != 0) throw TUsageError("unknown option " + QuotedValue(arg));
            const auto eq = arg.find('=');
            const std::string name = arg.substr(2, eq == std::string::npos ? std::string::npos : eq - 2);
            const TOptionKind kind = aKind(name);
            if (kind == TOptionKind::Unknown) throw TUsageError("unknown option " + QuotedValue(arg));
            if (kind == TOptionKind::Flag) {
                if (eq != std::string::npos) throw TUsageError("--" + name + " takes no value");
                read.push_back({false, name, std::nullopt});
            } else if (eq != std::string::npos) {
                read.push_back({false, name, arg.substr(eq + 1)});
            } else {
                if (i + 1 >= aArgs.size()) throw TUsageError("--" + name + " needs a value");
                read.push_back({false, name, aArgs[++i]});
            }
        }
    }
    return read;
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

double OptionNumber(const std::string& aOption, const std::string& aText) {
    double v = 0;
    if (!TryParseFileNumber(aText, v)) throw TUsageError("--" + aOption + ": " + QuotedValue(aText) + " is not a number");
    return v;
}

double OptionPositive(const std::string& aOption, const std::string& aText) {
    const double v = OptionNumber(aOption, aText);
    if (!(v > 0)) throw TUsageError("--" + aOption + " must be greater than 0");
    return v;
}

double OptionNotNegative(const std::string& aOption, const std::string& aText) {
    const double v = OptionNumber(aOption, aText);
    if (v < 0) throw TUsageError("--" + aOption + " must not be negative");
    return v;
}

int OptionWholeNumber(const std::string& aOption, const std::string& aText, int aMax) {
    long long v = 0;
    const char* first = aText.data();
    const char* last = first + aText.size();
    const auto [end, ec] = std::from_chars(first, last, v);
    if (aText.empty() || ec == std::errc::invalid_argument || end != last)
        throw TUsageError("--" + aOption + ": " + QuotedValue(aText) + " is not a whole number");
    if (ec == std::errc::result_out_of_range || v < 1 || v > aMax)
        throw TUsageError("--" + aOption + " must be between 1 and " + std::to_string(aMax));
    return static_cast<int>(v);
}

TWireMaterial BuiltInMaterial(std::string_view aName) {
    return FindByName(DefaultMaterialTable(), aName, "material");
}

TWireSize BuiltInCrossSection(std::string_view aName) {
    return FindByName(DefaultCrossSectionTable(), aName, "cross-section");
}

bool TStockOptions::Names(std::string_view aOption) {
    return aOption == "material" || aOption == "cross-section" || aOption == "modulus" || aOption == "cross-a" ||
           aOption == "cross-b";
}

void TStockOptions::Take(const std::string& aOption, const std::string& aValue) {
    if (aOption == "material") {
        Material = aValue;
    } else if (aOption == "cross-section") {
        CrossSection = aValue;
    } else if (aOption == "modulus") {
        OptionPositive(aOption, aValue);
        Modulus = aValue;
    } else if (aOption == "cross-a") {
        OptionPositive(aOption, aValue);
        CrossA = aValue;
    } else if (aOption == "cross-b") {
        OptionNotNegative(aOption, aValue);
        CrossB = aValue;
    }
}

TWireStock TStockOptions::Apply(TWireStock aBase) const {
    if (CrossB && !CrossA) throw TUsageError("--cross-b needs --cross-a");
    if (Material) aBase.Material = BuiltInMaterial(*Material);
    if (CrossSection) aBase.Size = BuiltInCrossSection(*CrossSection);
    if (Modulus) {
        aBase.Material.Modulus = OptionNumber("modulus", *Modulus);
        if (!Material) aBase.Material.Name = "Other";
    }
    if (CrossA) {
        aBase.Size.CrossA = OptionNumber("cross-a", *CrossA);
        aBase.Size.CrossB = CrossB ? OptionNumber("cross-b", *CrossB) : 0.0;
        aBase.Size.Name = "Other";
    }
    return aBase;
}

}  // namespace torvik::cli
