#pragma once
// A design file dropped on the main window opens as if it had been chosen
// in the Open dialog, after the question about a changed wire.

#include <QObject>

#include "support/file_name.h"

class QMimeData;

namespace torvik {

class TMainForm;

class TDesignDrop : public QObject {
public:
    // Lets aForm take drops and watches its drag and drop events.
    explicit TDesignDrop(TMainForm& aForm);

    // The first local design file (*.tvk) among aData's URLs, its name's
    // bytes as the URL gives them; empty when there is none.
    static TFileName DroppedDesign(const QMimeData* aData);

protected:
    bool eventFilter(QObject* aWatched, QEvent* aEvent) override;

private:
    TMainForm& FForm;
};

}  // namespace torvik
