// The torvik program: one main window in a Qt application.

#include <exception>

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include "mainwindow/application.h"
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
    TTorvikApplication app(argc, argv);
    torvik::SetUpApplication();
    QApplication::setWindowIcon(QIcon(":/torvik.svg"));

    torvik::TMainForm form(torvik::DefaultPaths());
    form.show();
    return app.exec();
}
