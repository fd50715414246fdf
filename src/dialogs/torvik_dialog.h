#pragma once
// What every dialog of the program shares: its object name (the controls
// inside carry theirs, so tests find them), a caption, a fixed border, a
// help topic, and a "&Help" button that asks the main window for that topic.

#include <QDialog>
#include <QString>

class QDialogButtonBox;
class QPushButton;

namespace torvik {

class TTorvikDialog : public QDialog {
    Q_OBJECT
public:
    TTorvikDialog(const char* aName, const QString& aCaption, int aHelpTopic, QWidget* aParent = nullptr);

    int HelpTopic() const { return FHelpTopic; }
    void SetHelpTopic(int aTopic) { FHelpTopic = aTopic; }

signals:
    // The user asked for help on aTopic.
    void helpRequested(int aTopic);

protected:
    // A "&Help" button named HelpBut that requests the dialog's topic.
    QPushButton* NewHelpButton(const char* aName = "HelpBut");
    // OK (OKBtn, the default button) accepting the dialog, Cancel
    // (CancelBtn) rejecting it, and with aHelp the "&Help" button.
    QDialogButtonBox* NewOkCancelButtons(bool aHelp);
    // Called once the layout is set: the dialog takes its size hint and
    // cannot be resized.
    void FixSize();

private:
    int FHelpTopic;
};

}  // namespace torvik
