// The file commands: New, Open, Save and Save As, opening a file named from
// outside the program, the question before a changed wire is discarded, and
// the window caption that names the file.

#include <algorithm>
#include <exception>
#include <memory>
#include <optional>

#include <QComboBox>

#include "mainwindow/main_form.h"
#include "qt/busy_cursor.h"
#include "qt/file_names.h"
#include "wire/design_file.h"

namespace torvik {

namespace {

const QString DesignFilter = QStringLiteral("Torvik files (*.tvk);;All files (*)");

// Errors of reading and writing are shown with a full stop added.
QString ErrorText(const std::exception& aError) { return QString::fromUtf8(aError.what()) + "."; }

QString NotFoundText(const TFileName& aFileName) { return "File could not be found: " + ShownName(aFileName) + "."; }

}  // namespace

void TMainForm::SetCaption() {
    setWindowTitle(FCurrentFileName.Empty() ? QStringLiteral("Torvik [Untitled]")
                                            : "Torvik - " + ShownBaseName(FCurrentFileName));
}

bool TMainForm::AskAndSave() {
    // A changed wire, or a bracket moved or turned.
    if (!FDesign->Changed()) return true;
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
    const QString chosen = OpenFileBox("Open Loop", DesignFilter);
    if (chosen.isEmpty()) return;
    // The dialog wants an existing file, but a name may still arrive that
    // is not there (typed, or gone meanwhile): that is no new design.
    const TFileName fileName = FileNameFromQt(chosen);
    if (!fileName.Exists()) {
        QString text = NotFoundText(fileName);
        if (NameLostBytes(fileName))
            text += "\nThe file dialog cannot show every character of that name; open the file from the command "
                    "line or drop it on the window.";
        ErrorBox(text);
        return;
    }
    LoadDesign(AbsoluteFileName(fileName.Native()));
}

bool TMainForm::OpenDesignFile(const TFileName& aFileName) {
    // Named from outside the program (command line, a drop, the recent
    // designs): a file that is not there is a mistake, not a new design.
    if (!aFileName.Exists()) {
        ErrorBox(NotFoundText(aFileName));
        return false;
    }
    if (!AskAndSave()) return false;
    return LoadDesign(AbsoluteFileName(aFileName.Native()));
}

bool TMainForm::LoadDesign(const TFileName& aFileName) {
    // The file is read into a design of its own, which replaces the open one
    // only when the whole file was read: a bad file changes nothing.
    // A large design takes a while to read and to draw first.
    std::optional<TBusyCursor> busy(std::in_place);
    std::unique_ptr<TDesign> design;
    TDesignReadNotes notes;
    try {
        design = torvik::LoadDesign(aFileName.Native(), FSettings.SegmentSize, FSettings.Stock, &notes);
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
    emit designFileNamed(aFileName);
    // What the reading let pass, told once the design is shown.
    if (const std::string missing = MissingSegmentsMessage(aFileName.Native(), notes); !missing.empty()) {
        busy.reset();
        WarnBox(QString::fromStdString(missing));
    }
    // The design is whole without its template, but a save would drop it.
    if (!notes.TemplateProblem.empty()) {
        busy.reset();
        WarnBox(QString::fromStdString("The loop template kept in " + aFileName.ShownBaseName() + " cannot be read (" +
                                       notes.TemplateProblem +
                                       "). The design opens without it; saving it drops the template."));
    }
    return true;
}

void TMainForm::ActionFileSaveExecute() { SaveDesign(); }

void TMainForm::FileSaveAsClick() { SaveDesignAs(); }

bool TMainForm::SaveDesign() {
    if (FCurrentFileName.Empty()) return SaveDesignAs();
    if (FCurrentFileName.Exists()) {
        if (!WriteDesign(FCurrentFileName)) return false;
        emit designFileNamed(FCurrentFileName);
        return true;
    }
    InformBox("Information", "File could not be found. Save under another name.");
    FCurrentFileName = TFileName();
    SetCaption();
    return false;
}

bool TMainForm::SaveDesignAs() {
    const QString chosen = SaveFileBox("Save Loop", DesignFilter, "tvk");
    if (chosen.isEmpty()) return false;
    const TFileName fileName = AbsoluteFileName(FileNameFromQt(chosen).Native());
    // A name the dialog could not show whole is not the file the user saw:
    // the design is not written under it.
    if (NameLostBytes(fileName)) {
        ErrorBox("The file dialog cannot show every character of the name " + ShownName(fileName) +
                 ", so the design was not written under it. Save under another name.");
        return false;
    }
    if (!WriteDesign(fileName)) return false;
    FCurrentFileName = fileName;
    SetCaption();
    emit designFileNamed(fileName);
    return true;
}

bool TMainForm::WriteDesign(const TFileName& aFileName) {
    try {
        TBusyCursor busy;
        ::torvik::SaveDesign(aFileName.Native(), *FDesign);
        FDesign->BracketsDirty = false;
        return true;
    } catch (const std::exception& e) {
        ErrorBox(ErrorText(e));
        return false;
    }
}

}  // namespace torvik
