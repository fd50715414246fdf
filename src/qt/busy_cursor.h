#pragma once
// The busy cursor for work that may take longer than a frame (reading or
// writing a large design): shown while the guard lives, also when the work
// ends in an error, and taken down before any message about it is shown.

#include <QGuiApplication>

namespace torvik {

class TBusyCursor {
public:
    TBusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TBusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};

}  // namespace torvik
