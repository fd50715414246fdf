// The torvik program: one main window in a Qt application.

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include "mainwindow/application.h"
#include "mainwindow/command_line.h"
#include "mainwindow/main_form.h"
#include "mainwindow/paths.h"
#include "support/text_utils.h"

namespace {

// The general error handler: an error that escapes a command is shown in an
// error box and the program goes on.
class TTorvikApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* aReceiver, QEvent* aEvent) override {
        try {
            return QApplication::notify(aReceiver, aEvent);
        } catch (const std::exception& e) {
            QMessageBox::critical(activeWindow(), "Torvik", QString::fromUtf8(e.what()));
        } catch (...) {
            QMessageBox::critical(activeWindow(), "Torvik", "Unknown error");
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    using torvik::TCommandLine;
    // Help and version are printed before the application object exists:
    // they need no display.
    const TCommandLine early = torvik::ParseCommandLine(std::vector<std::string>(argv, argv + argc));
    if (early.Request == TCommandLine::TRequest::Help || early.Request == TCommandLine::TRequest::Version) {
        std::fputs(early.Text.toLocal8Bit().constData(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }

    // The application object takes out the toolkit's own options, from argv
    // itself: what is left is read as the system gave it, so that a file
    // name keeps its bytes.
    TTorvikApplication app(argc, argv);
    const TCommandLine commandLine = torvik::ParseCommandLine(std::vector<std::string>(argv, argv + argc));
    if (commandLine.Request == TCommandLine::TRequest::Error) {
        // What was typed is shown escaped, never sent to the terminal raw.
        const std::string text = torvik::ShownFileName(commandLine.Text.toStdString(), std::string::npos);
        std::fprintf(stderr, "torvik: %s\nTry 'torvik --help' for more information.\n", text.c_str());
        return 2;
    }
    torvik::SetUpApplication();
    QApplication::setWindowIcon(QIcon(":/torvik.svg"));

    torvik::TMainForm form(torvik::DefaultPaths());
    torvik::StartMainForm(form, commandLine);
    return app.exec();
}
