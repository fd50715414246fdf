#include "support/help_topics.h"

#include <array>
#include <utility>

namespace torvik {

namespace {

constexpr std::array<std::pair<int, const char*>, 13> Pages{{
    {HelpContents, "index.html"},
    {HelpUserLoop, "user-loop.html"},
    {HelpPrinting, "printing.html"},
    {HelpForceEditor, "force-editor.html"},
    {HelpOptions, "options.html"},
    {HelpOptionsGeneral, "options-general.html"},
    {HelpOptionsWire, "options-wire.html"},
    {HelpOptionsCalculation, "options-calculation.html"},
    {HelpOptionsView, "options-view.html"},
    {HelpWireInfo, "wire-info.html"},
    {HelpActivationCurve, "activation-curve.html"},
    {HelpTemplates, "templates.html"},
    {HelpSweepsFits, "sweeps-fitting.html"},
}};

}  // namespace

std::string HelpPage(int aTopic) {
    for (const auto& [topic, page] : Pages)
        if (topic == aTopic) return page;
    return {};
}

std::vector<int> HelpTopics() {
    std::vector<int> topics;
    for (const auto& entry : Pages) topics.push_back(entry.first);
    return topics;
}

}  // namespace torvik
