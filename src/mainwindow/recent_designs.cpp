#include "mainwindow/recent_designs.h"

#include <QAction>
#include <QMenu>

#include "mainwindow/main_form.h"
#include "qt/file_names.h"
#include "support/text_utils.h"

namespace torvik {

TRecentDesigns::TRecentDesigns(TMainForm& aForm) : QObject(&aForm), FForm(aForm) {
    auto* file = FForm.findChild<QMenu*>("MenuFile");
    FMenu = new QMenu("Recent Designs", file);
    FMenu->setObjectName("MenuFileRecent");
    FMenu->menuAction()->setObjectName("MenuFileRecent");
    file->insertMenu(FForm.Action("ActionFileSave"), FMenu);
    connect(&FForm, &TMainForm::designFileNamed, this, &TRecentDesigns::Remember);
    connect(file, &QMenu::aboutToShow, this, &TRecentDesigns::Rebuild);
    Rebuild();
}

void TRecentDesigns::Remember(const TFileName& aFileName) {
    // The name's own bytes, UTF-8 or not: the settings file keeps them.
    FForm.Settings().RecentDesigns.Add(AbsoluteFileName(aFileName.Native()).Native());
    Rebuild();
}

void TRecentDesigns::Rebuild() {
    // The chosen item may be the one whose trigger is running: old items
    // go once it has returned.
    for (QAction* old : FMenu->actions()) {
        FMenu->removeAction(old);
        old->deleteLater();
    }
    const std::vector<std::string>& files = FForm.Settings().RecentDesigns.Files();
    const std::vector<std::string> labels = RecentFileLabels(files);
    for (std::size_t i = 0; i < files.size(); ++i) {
        const TFileName file(files[i]);
        QString label = QString::fromStdString(ShownFileName(labels[i]));
        label.replace('&', "&&");
        QAction* item = FMenu->addAction(QString("&%1 %2").arg(i + 1).arg(label));
        item->setObjectName(QString("MenuFileRecent%1").arg(i + 1));
        item->setStatusTip(ShownName(file));
        connect(item, &QAction::triggered, this, [this, file] { FForm.Guarded([this, file] { RecentDesignClick(file); }); });
    }
    FMenu->setEnabled(!files.empty());
}

void TRecentDesigns::RecentDesignClick(const TFileName& aFileName) {
    if (!aFileName.Exists()) {
        FForm.Settings().RecentDesigns.Remove(aFileName.Native());
        Rebuild();
        FForm.InformBox("Information", "File could not be found: " + ShownName(aFileName) +
                                           ". It has been removed from the recent designs.");
        return;
    }
    FForm.OpenDesignFile(aFileName);
}

}  // namespace torvik
