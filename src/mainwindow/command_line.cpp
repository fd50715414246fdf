#include "mainwindow/command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QUrl>

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

}  // namespace

TCommandLine ParseCommandLine(const QStringList& aArguments) {
    QCommandLineParser parser;
    // "-reverse" is one option, not -r -e -v ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription("Designs orthodontic wire loops and simulates their activation.");
    const QCommandLineOption help({"h", "help"}, "Show this help and exit.");
    const QCommandLineOption version({"v", "version"}, "Show the program's version and exit.");
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument("design.tvk", "A wire design to open at start.", "[design.tvk]");

    TCommandLine result;
    const bool parsed = parser.parse(aArguments);
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
    const QStringList files = parser.positionalArguments();
    if (!parsed || files.size() > 1) {
        result.Request = TCommandLine::TRequest::Error;
        result.Text = parsed ? "Only one design can be opened at a time." : parser.errorText();
        return result;
    }
    if (!files.isEmpty()) {
        QString file = files.front();
        // Some launchers hand over URLs; only local files can be opened.
        if (file.startsWith("file:", Qt::CaseInsensitive) || file.contains("://")) file = QUrl(file).toLocalFile();
        if (file.isEmpty()) {
            result.Request = TCommandLine::TRequest::Error;
            result.Text = "'" + files.front() + "' names no local file.";
            return result;
        }
        result.DesignFile = QFileInfo(file).absoluteFilePath();
    }
    return result;
}

}  // namespace torvik
