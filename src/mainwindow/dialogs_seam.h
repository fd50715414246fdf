#pragma once
// Every message box and file dialog of the main window goes through this
// small interface, so that tests can answer them from a script. TQtDialogs
// is the real one. The program's own dialogs (src/dialogs) are shown through
// Exec, so that a test can fill in the real dialog's controls and close it.

#include <QString>

class QDialog;
class QWidget;

namespace torvik {

enum class TAnswer { Yes, No, Cancel };

class TDialogs {
public:
    virtual ~TDialogs() = default;
    // A confirmation with the buttons Yes, No and Cancel; closing the box
    // answers Cancel.
    virtual TAnswer Ask(QWidget* aParent, const QString& aTitle, const QString& aText) = 0;
    // An information question with the buttons Yes and No; closing the box
    // answers No.
    virtual TAnswer AskYesNo(QWidget* aParent, const QString& aTitle, const QString& aText) {
        return Ask(aParent, aTitle, aText) == TAnswer::Yes ? TAnswer::Yes : TAnswer::No;
    }
    // An information box with an OK button.
    virtual void Inform(QWidget* aParent, const QString& aTitle, const QString& aText) = 0;
    // A warning box with an OK button.
    virtual void Warn(QWidget* aParent, const QString& aTitle, const QString& aText) {
        Inform(aParent, aTitle, aText);
    }
    // An error box with an OK button.
    virtual void Error(QWidget* aParent, const QString& aTitle, const QString& aText) = 0;
    // The chosen name of an existing file, empty when cancelled. The dialog
    // starts in aFolder.
    virtual QString GetOpenFileName(QWidget* aParent, const QString& aTitle, const QString& aFilter,
                                    const QString& aFolder) = 0;
    // The chosen picture file, empty when cancelled; the dialog previews the
    // picture under the cursor. Without a dialog of its own, the plain one.
    virtual QString GetOpenImageName(QWidget* aParent, const QString& aTitle, const QString& aFilter,
                                     const QString& aFolder) {
        return GetOpenFileName(aParent, aTitle, aFilter, aFolder);
    }
    // The chosen file name with aDefaultSuffix added when it has none, empty
    // when cancelled; asks before an existing file is overwritten.
    virtual QString GetSaveFileName(QWidget* aParent, const QString& aTitle, const QString& aFilter,
                                    const QString& aDefaultSuffix, const QString& aFolder) = 0;
    // Shows one of the program's dialogs modally; the dialog's result
    // (QDialog::Accepted or QDialog::Rejected).
    virtual int Exec(QDialog& aDialog) = 0;
};

class TQtDialogs : public TDialogs {
public:
    TAnswer Ask(QWidget* aParent, const QString& aTitle, const QString& aText) override;
    TAnswer AskYesNo(QWidget* aParent, const QString& aTitle, const QString& aText) override;
    void Inform(QWidget* aParent, const QString& aTitle, const QString& aText) override;
    void Warn(QWidget* aParent, const QString& aTitle, const QString& aText) override;
    void Error(QWidget* aParent, const QString& aTitle, const QString& aText) override;
    QString GetOpenFileName(QWidget* aParent, const QString& aTitle, const QString& aFilter,
                            const QString& aFolder) override;
    QString GetOpenImageName(QWidget* aParent, const QString& aTitle, const QString& aFilter,
                             const QString& aFolder) override;
    QString GetSaveFileName(QWidget* aParent, const QString& aTitle, const QString& aFilter,
                            const QString& aDefaultSuffix, const QString& aFolder) override;
    int Exec(QDialog& aDialog) override;
};

}  // namespace torvik
