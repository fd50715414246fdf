#pragma once
// The wire editing commands of the window: the six preset buttons of the
// tool panel, Bend Wire (fixed and typed), Cut Wire, Freeze and Flip Wire,
// Show/Hide Markers and the node selection commands. Each change records one
// undo state right before it and ends by refreshing the markers; the editing
// itself is the core's (wire/wire_edit.h).

#include <optional>

#include <QObject>
#include <QString>

#include "wire/wire_edit.h"

class QAction;

namespace torvik {

class TMainForm;
class TUserLoop;
class TGeneralInputForm;

class TEditCommands : public QObject {
public:
    // Binds and enables the commands and the preset buttons of aForm.
    explicit TEditCommands(TMainForm& aForm);

private:
    void BindPresetButton(const char* aName, TPreset aPreset);
    void PresetClick(TPreset aPreset);
    void UserLoopClick();
    void BendWireExecute(const QAction& aAction);
    void BendWireUserExecute();
    void CutOneSegExecute();
    void CutOneMmExecute();
    void CutToEndExecute();
    bool NothingAfterSelectedNode() const;
    void FreezeClick();
    void FlipVClick();
    void ShowMarkersExecute();
    void PreviousNodeExecute();
    void NextNodeExecute();
    void GotoSegExecute();

    // Shows the general input dialog with aPrompt and aText; the text typed,
    // or nothing when the dialog was not closed with OK.
    std::optional<QString> AskInput(const QString& aPrompt, const QString& aText);
    // Records an undo state, runs aEdit on the wire, refreshes the markers.
    template <typename TEdit>
    void Edit(TEdit aEdit);
    void SelectNode(std::optional<int> aNode);

    TMainForm& FForm;
    TUserLoop* FUserLoop;
    TGeneralInputForm* FInputForm;
};

}  // namespace torvik
