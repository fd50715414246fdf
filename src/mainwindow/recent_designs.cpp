#include "mainwindow/recent_designs.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "mainwindow/main_form.h"

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

void TRecentDesigns::Remember(const QString& aFileName) {
    FForm.Settings().RecentDesigns.Add(QFileInfo(aFileName).absoluteFilePath().toStdString());
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
        const QString file = QString::fromStdString(files[i]);
        QString label = QString::fromStdString(labels[i]);
        label.replace('&', "&&");
        QAction* item = FMenu->addAction(QString("&%1 %2").arg(i + 1).arg(label));
        item->setObjectName(QString("MenuFileRecent%1").arg(i + 1));
        item->setStatusTip(QDir::toNativeSeparators(file));
        connect(item, &QAction::triggered, this, [this, file] { FForm.Guarded([this, file] { RecentDesignClick(file); }); });
    }
    FMenu->setEnabled(!files.empty());
}

void TRecentDesigns::RecentDesignClick(const QString& aFileName) {
    if (!QFileInfo::exists(aFileName)) {
        FForm.Settings().RecentDesigns.Remove(aFileName.toStdString());
        Rebuild();
        FForm.InformBox("Information", "File could not be found: " + QDir::toNativeSeparators(aFileName) +
                                           ". It has been removed from the recent designs.");
        return;
    }
    FForm.OpenDesignFile(aFileName);
}

}  // namespace torvik
