#pragma once
// The command line of the torvik program: a design file to open at start,
// and --help and --version, which print and end the program before any
// window or display connection exists.

#include <QString>
#include <QStringList>

namespace torvik {

struct TCommandLine {
    enum class TRequest { Run, Help, Version, Error };
    TRequest Request = TRequest::Run;
    QString DesignFile;  // absolute; empty when none is given
    QString Text;        // the help or version text, or the error message
};

// Reads aArguments, the program's name first. Help and version win over
// everything else, so they can be asked for before the application object
// has taken out the toolkit's own options; other unknown options and a
// second file are errors. A "file:" URL names its local file; other URLs
// are errors.
TCommandLine ParseCommandLine(const QStringList& aArguments);

}  // namespace torvik
