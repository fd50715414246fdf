#include "mainwindow/design_drop.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "mainwindow/main_form.h"

namespace torvik {

TDesignDrop::TDesignDrop(TMainForm& aForm) : QObject(&aForm), FForm(aForm) {
    FForm.setAcceptDrops(true);
    FForm.installEventFilter(this);
}

QString TDesignDrop::DroppedDesign(const QMimeData* aData) {
    if (!aData || !aData->hasUrls()) return {};
    for (const QUrl& url : aData->urls()) {
        if (!url.isLocalFile()) continue;
        const QString file = url.toLocalFile();
        if (QFileInfo(file).suffix().compare("tvk", Qt::CaseInsensitive) == 0) return file;
    }
    return {};
}

bool TDesignDrop::eventFilter(QObject* aWatched, QEvent* aEvent) {
    if (aWatched != &FForm) return false;
    switch (aEvent->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(aEvent);
            if (DroppedDesign(drag->mimeData()).isEmpty()) return false;
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(aEvent);
            const QString file = DroppedDesign(drop->mimeData());
            if (file.isEmpty()) return false;
            drop->acceptProposedAction();
            // The question about a changed wire must not hold up the program
            // the file came from, which waits for the drop to finish.
            QMetaObject::invokeMethod(
                &FForm, [this, file] { FForm.Guarded([this, file] { FForm.OpenDesignFile(file); }); },
                Qt::QueuedConnection);
            return true;
        }
        default: return false;
    }
}

}  // namespace torvik
