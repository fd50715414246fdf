// The file commands: New, Open, Save and Save As, opening a file named from
// outside the program, the question before a changed wire is discarded, and
// the window caption that names the file.

#include <algorithm>
#include <exception>
#include <memory>
#include <optional>

#include <QComboBox>
#include <QDir>
#include <QFileInfo>

#include "mainwindow/main_form.h"
#include "qt/busy_cursor.h"
#include "wire/design_file.h"

namespace torvik {

namespace {

const QString DesignFilter = QStringLiteral("Torvik files (*.tvk);;All files (*)");

// Errors of reading and writing are shown with a full stop added.
QString ErrorText(const std::exception& aError) { return QString::fromUtf8(aError.what()) + "."; }

}  // namespace

void TMainForm::SetCaption() {
    setWindowTitle(FCurrentFileName.isEmpty() ? QStringLiteral("Torvik [Untitled]")
                                              : "Torvik - " + QFileInfo(FCurrentFileName).fileName());
}

bool TMainForm::AskAndSave() {
    // Only changes of the wire itself count.
    if (!FDesign->CurrentWire->dirty) return true;
    switch (AskBox("Confirm", "Wire has changed. Save current wire?")) {
        case TAnswer::Yes:
            // Go on only when the wire was really saved: a cancelled or failed
            // save keeps the changes.
            return SaveDesign();
        case TAnswer::No: return true;
        default: return false;
    }
}

void TMainForm::ActionFileNewExecute() {
    if (!AskAndSave()) return;
    if (FRunning) ActionStopRunExecute();
    ResetNew();
    FSelectedNode = std::min(FSelectedNode, FDesign->CurrentWire->Count() - 1);
    UpdateActionsAndMenus();
    DrawDisplay();
}

void TMainForm::ActionFileOpenExecute() {
    if (!AskAndSave()) return;
    const QString fileName = OpenFileBox("Open Loop", DesignFilter);
    if (fileName.isEmpty()) return;
    LoadDesign(fileName);
}

bool TMainForm::OpenDesignFile(const QString& aFileName) {
    // Named from outside the program (command line, a drop, the recent
    // designs): a file that is not there is a mistake, not a new design.
    if (!QFileInfo::exists(aFileName)) {
        ErrorBox("File could not be found: " + QDir::toNativeSeparators(aFileName) + ".");
        return false;
    }
    if (!AskAndSave()) return false;
    return LoadDesign(QFileInfo(aFileName).absoluteFilePath());
}

bool TMainForm::LoadDesign(const QString& aFileName) {
    // The file is read into a design of its own, which replaces the open one
    // only when the whole file was read: a bad file changes nothing.
    // A large design takes a while to read and to draw first.
    std::optional<TBusyCursor> busy(std::in_place);
    std::unique_ptr<TDesign> design;
    try {
        design = torvik::LoadDesign(aFileName.toStdString(), FSettings.SegmentSize, FSettings.Stock);
    } catch (const std::exception& e) {
        busy.reset();
        ErrorBox(ErrorText(e));
        return false;
    }
    if (FRunning) ActionStopRunExecute();
    ResetNew(std::move(design));
    FCurrentFileName = aFileName;
    FSelectedNode = std::min(FSelectedNode, FDesign->CurrentWire->Count() - 1);
    SetCaption();
    UpdateActionsAndMenus();
    if (FSettings.BestFitOnOpen) {
        const QString bestFit = QString::fromUtf8(BestFitItem.data(), static_cast<qsizetype>(BestFitItem.size()));
        FZoomCB->setEditText(bestFit);
        ZoomCBClick(bestFit);
    } else {
        DrawDisplay();
    }
    // The dialog may name a file that is not there; it opens as an empty
    // design but is no design to come back to.
    if (QFileInfo::exists(aFileName)) emit designFileNamed(aFileName);
    return true;
}

void TMainForm::ActionFileSaveExecute() { SaveDesign(); }

void TMainForm::FileSaveAsClick() { SaveDesignAs(); }

bool TMainForm::SaveDesign() {
    if (FCurrentFileName.isEmpty()) return SaveDesignAs();
    if (QFileInfo::exists(FCurrentFileName)) {
        if (!WriteDesign(FCurrentFileName)) return false;
        emit designFileNamed(FCurrentFileName);
        return true;
    }
    InformBox("Information", "File could not be found. Save under another name.");
    FCurrentFileName.clear();
    SetCaption();
    return false;
}

bool TMainForm::SaveDesignAs() {
    const QString fileName = SaveFileBox("Save Loop", DesignFilter, "tvk");
    if (fileName.isEmpty()) return false;
    if (!WriteDesign(fileName)) return false;
    FCurrentFileName = fileName;
    SetCaption();
    emit designFileNamed(fileName);
    return true;
}

bool TMainForm::WriteDesign(const QString& aFileName) {
    try {
        TBusyCursor busy;
        TDesign& d = *FDesign;
        ::torvik::SaveDesign(aFileName.toStdString(), *d.CurrentWire, d.LeftBracket, d.RightBracket);
        return true;
    } catch (const std::exception& e) {
        ErrorBox(ErrorText(e));
        return false;
    }
}

}  // namespace torvik
