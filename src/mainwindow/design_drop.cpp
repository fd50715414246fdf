#include "mainwindow/design_drop.h"

#include <cctype>
#include <string>

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "mainwindow/main_form.h"
#include "qt/file_names.h"

namespace torvik {

namespace {

// Whether a file's name ends in ".tvk", in any letter case.
bool IsDesignName(const std::string& aName) {
    if (aName.size() < 4) return false;
    std::string suffix = aName.substr(aName.size() - 4);
    for (char& c : suffix) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return suffix == ".tvk";
}

}  // namespace

TDesignDrop::TDesignDrop(TMainForm& aForm) : QObject(&aForm), FForm(aForm) {
    FForm.setAcceptDrops(true);
    FForm.installEventFilter(this);
}

TFileName TDesignDrop::DroppedDesign(const QMimeData* aData) {
    if (!aData || !aData->hasUrls()) return {};
    for (const QUrl& url : aData->urls()) {
        const TFileName file = FileNameFromUrl(url);
        if (IsDesignName(file.Native())) return file;
    }
    return {};
}

bool TDesignDrop::eventFilter(QObject* aWatched, QEvent* aEvent) {
    if (aWatched != &FForm) return false;
    switch (aEvent->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(aEvent);
            if (DroppedDesign(drag->mimeData()).Empty()) return false;
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(aEvent);
            const TFileName file = DroppedDesign(drop->mimeData());
            if (file.Empty()) return false;
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
