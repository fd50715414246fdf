#include "render/load_units.h"

namespace torvik {

const char* const LoadUnitsText = "forces in cN, moments in cN\u00B7mm, M/F and M/Fx in mm";

namespace {

// The read-out shows the load each bracket puts on the wire; the tooth
// feels the opposite one. Angles and moments count from +x towards +y,
// which with y downwards on screen is clockwise.
constexpr const char* SignText =
    "the load this bracket puts on the wire, moments positive clockwise as displayed "
    "(on the tooth M, M/F and M/Fx change sign)";

constexpr const char* StaleText = "These loads no longer meet the right bracket: run the activation again (F5).";

}  // namespace

std::string ForcePanelTip(bool aStale) {
    std::string units = LoadUnitsText;
    units[0] = 'F';
    const std::string tip = units + "; " + SignText + ".";
    return aStale ? StaleText + std::string("\n") + tip : tip;
}

}  // namespace torvik
