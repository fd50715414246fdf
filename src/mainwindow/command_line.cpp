#include "mainwindow/command_line.h"

#include <QCommandLineParser>
#include <QStringList>
#include <QUrl>

#include "qt/file_names.h"
#include "support/version.h"

namespace torvik {

namespace {

constexpr const char* Usage = "Usage: torvik [options] [design.tvk]";

QString HelpText(const QCommandLineParser& aParser) {
    // The parser's own first line names the executable as the application
    // object knows it, and there is none yet.
    QString text = aParser.helpText();
    const qsizetype firstLineEnd = text.indexOf('\n');
    text = QString::fromLatin1(Usage) + (firstLineEnd < 0 ? QString("\n") : text.mid(firstLineEnd));
    return text;
}

// The arguments that name files, as the system gave them: those after
// "--", and those that do not start with "-" (or are "-" alone), the
// program's name left out. The program's options take no values.
std::vector<std::string> PositionalArguments(const std::vector<std::string>& aArguments) {
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < aArguments.size(); ++i) {
        const std::string& argument = aArguments[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (optionsEnded || argument.size() < 2 || argument.front() != '-') {
            files.push_back(argument);
        }
    }
    return files;
}

}  // namespace

TCommandLine ParseCommandLine(const std::vector<std::string>& aArguments) {
    QCommandLineParser parser;
    // "-reverse" is one option, not -r -e -v ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription("Designs orthodontic wire loops and simulates their activation.");
    const QCommandLineOption help({"h", "help"}, "Show this help and exit.");
    const QCommandLineOption version({"v", "version"}, "Show the program's version and exit.");
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument("design.tvk", "A wire design to open at start.", "[design.tvk]");

    QStringList arguments;
    for (const std::string& argument : aArguments) arguments << QString::fromLocal8Bit(argument);
    TCommandLine result;
    const bool parsed = parser.parse(arguments);
    if (parser.isSet(help)) {
        result.Request = TCommandLine::TRequest::Help;
        result.Text = HelpText(parser);
        return result;
    }
    if (parser.isSet(version)) {
        result.Request = TCommandLine::TRequest::Version;
        result.Text = "torvik " + QString::fromStdString(GetProgramVersion()) + "\n";
        return result;
    }
    const std::vector<std::string> files = PositionalArguments(aArguments);
    if (!parsed || files.size() > 1) {
        result.Request = TCommandLine::TRequest::Error;
        result.Text = parsed ? "Only one design can be opened at a time." : parser.errorText();
        return result;
    }
    if (!files.empty()) {
        TFileName file(files.front());
        // Some launchers hand over URLs; only local files can be opened.
        const QString text = QString::fromLocal8Bit(files.front());
        if (text.startsWith("file:", Qt::CaseInsensitive) || text.contains("://")) file = FileNameFromUrl(QUrl(text));
        if (file.Empty()) {
            result.Request = TCommandLine::TRequest::Error;
            result.Text = "'" + ShownName(TFileName(files.front())) + "' names no local file.";
            return result;
        }
        result.DesignFile = AbsoluteFileName(file.Native());
    }
    return result;
}

}  // namespace torvik
