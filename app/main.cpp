// The torvik program: one main window in a Qt application.

#include <cstdio>
#include <exception>

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include "mainwindow/application.h"
#include "mainwindow/command_line.h"
#include "mainwindow/main_form.h"
#include "mainwindow/paths.h"

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
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const TCommandLine early = torvik::ParseCommandLine(arguments);
    if (early.Request == TCommandLine::TRequest::Help || early.Request == TCommandLine::TRequest::Version) {
        std::fputs(early.Text.toLocal8Bit().constData(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }

    // The application object takes out the toolkit's own options.
    TTorvikApplication app(argc, argv);
    const TCommandLine commandLine = torvik::ParseCommandLine(QCoreApplication::arguments());
    if (commandLine.Request == TCommandLine::TRequest::Error) {
        std::fprintf(stderr, "torvik: %s\nTry 'torvik --help' for more information.\n",
                     commandLine.Text.toLocal8Bit().constData());
        return 2;
    }
    torvik::SetUpApplication();
    QApplication::setWindowIcon(QIcon(":/torvik.svg"));

    torvik::TMainForm form(torvik::DefaultPaths());
    torvik::StartMainForm(form, commandLine);
    return app.exec();
}
