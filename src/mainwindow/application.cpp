#include "mainwindow/application.h"

#include <QGuiApplication>

namespace torvik {

void SetUpApplication() { QGuiApplication::setApplicationName("Torvik"); }

}  // namespace torvik
