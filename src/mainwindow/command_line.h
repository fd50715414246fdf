#pragma once
// The command line of the torvik program: a design file to open at start,
// and --help and --version, which print and end the program before any
// window or display connection exists.

#include <string>
#include <vector>

#include <QString>

#include "support/file_name.h"

namespace torvik {

struct TCommandLine {
    enum class TRequest { Run, Help, Version, Error };
    TRequest Request = TRequest::Run;
    TFileName DesignFile;  // absolute, the bytes the system gave; empty when none is given
    QString Text;        // the help or version text, or the error message
};

// Reads aArguments, the program's name first, as the system gave them. Help
// and version win over everything else, so they can be asked for before the
// application object has taken out the toolkit's own options; other unknown
// options and a second file are errors. The design file keeps its bytes,
// UTF-8 or not. A "file:" URL names its local file; other URLs are errors.
TCommandLine ParseCommandLine(const std::vector<std::string>& aArguments);

}  // namespace torvik
