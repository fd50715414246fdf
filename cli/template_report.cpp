#include "cli/template_report.h"

#include "cli/report.h"
#include "solve/sweep_table.h"
#include "support/numbers.h"
#include "support/text_utils.h"

namespace torvik::cli {

std::string ValueText(double aValue, const TTemplateParameter& aParameter) {
    return FormatMask(aValue, "0.####") + (aParameter.Unit == TParameterUnit::Millimetre ? " mm" : "°");
}

const char* UnitKey(const TTemplateParameter& aParameter) {
    return aParameter.Unit == TParameterUnit::Millimetre ? "mm" : "deg";
}

std::string TemplateTextLines(const TLoopTemplate& t) {
    std::string s = "Form:           " + std::string(t.Form().Caption()) + " (" + t.Form().Name() + ")\n";
    s += "Wire:           " + StockDetails(t.Stock) + ", segments of " + FormatMask(t.SegmentSize, "0.####") + " mm\n";
    std::string values;
    const auto& parameters = t.Form().Parameters();
    for (std::size_t i = 0; i < parameters.size(); ++i)
        values += (i ? ", " : "") + parameters[i].Name + " " + ValueText(t.Values()[i], parameters[i]);
    // Wrapped at the commas to lines of about 78 characters.
    std::string line = "Values:         ";
    std::string word;
    for (std::size_t i = 0; i <= values.size(); ++i) {
        if (i < values.size() && values[i] != ',') {
            word += values[i];
            continue;
        }
        if (i < values.size()) word += ',';
        if (line.size() + word.size() > 78 && line.size() > 16) {
            s += line + "\n";
            line = "               ";
        }
        line += word;
        word.clear();
    }
    return s + line + "\n";
}

std::string ActivationTextLine(const TSolveTolerances& aTol) {
    return "Activation:     from zero load to full engagement in the slot, to " +
           FormatMask(aTol.Distance, MaskKeepingValue(aTol.Distance, "0.####")) + " mm and " +
           FormatMask(ToDegrees(aTol.Angle), MaskKeepingValue(ToDegrees(aTol.Angle), "0.####")) + "°\n";
}

std::string TemplateJsonFields(const TLoopTemplate& t) {
    std::string s = "\"form\": " + JsonString(t.Form().Name()) + ", \"template\": {";
    const auto& parameters = t.Form().Parameters();
    for (std::size_t i = 0; i < parameters.size(); ++i)
        s += (i ? ", " : "") + JsonString(ParameterKey(parameters[i])) + ": " + DataNumber(t.Values()[i]);
    const TWireSize& size = t.Stock.Size;
    s += "}, \"material\": " + JsonString(t.Stock.Material.Name);
    s += ", \"modulus\": " + DataNumber(t.Stock.Material.Modulus);
    s += ", \"cross_section\": " + JsonString(size.Name);
    s += ", \"cross_section_shape\": " + JsonString(size.IsRound() ? "round" : "rectangular");
    s += ", \"cross_a_mm\": " + DataNumber(size.CrossA / 10);
    s += ", \"cross_b_mm\": " + (size.IsRound() ? std::string("null") : DataNumber(size.CrossB / 10));
    s += ", \"segment_size_mm\": " + DataNumber(t.SegmentSize);
    return s;
}

std::string ActivationJsonFields(const TSolveTolerances& aTol) {
    return "\"target\": \"slot\", \"tolerance_distance_mm\": " + DataNumber(aTol.Distance) +
           ", \"tolerance_angle_deg\": " + DataNumber(ToDegrees(aTol.Angle));
}

std::string UnitsJsonField() {
    return "\"units\": {\"force\": \"cN\", \"moment\": \"cN·mm\", \"length\": \"mm\", \"angle\": \"degrees\", "
           "\"modulus\": \"N/mm²\"}";
}

}  // namespace torvik::cli
