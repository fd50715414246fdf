#pragma once
// The program's help: HTML pages in one folder, reached by topic numbers.
// Each dialog carries the number of its topic; the numbers and the page
// names are fixed, so the dialogs and the pages can be written apart.

#include <string>
#include <vector>

namespace torvik {

enum THelpTopic : int {
    HelpContents = 0,  // the table of contents
    HelpUserLoop = 10,
    HelpPrinting = 19,
    HelpForceEditor = 20,
    HelpOptions = 30,
    HelpOptionsGeneral = 31,
    HelpOptionsWire = 32,
    HelpOptionsCalculation = 33,
    HelpOptionsView = 34,
    HelpWireInfo = 40,
    HelpActivationCurve = 50,  // the activation curve and the centres of resistance
    HelpTemplates = 60,        // loop templates
    HelpSweepsFits = 61        // parameter sweeps and the loop fitter
};

// The file name of a topic's page ("index.html" for the contents), or an
// empty text for a number that is no topic.
std::string HelpPage(int aTopic);

// Every topic number, the contents first.
std::vector<int> HelpTopics();

}  // namespace torvik
