#pragma once
// The general input dialog: one labelled field in which several commands ask
// for a single value. A caller sets the prompt and the text, shows the
// dialog, and reads and checks the text itself. The prompt stays until the
// next caller sets its own.

#include <QString>

#include "dialogs/torvik_dialog.h"

class QLabel;
class QLineEdit;

namespace torvik {

class TGeneralInputForm : public TTorvikDialog {
    Q_OBJECT
public:
    explicit TGeneralInputForm(QWidget* aParent = nullptr);
    // The window's one general input dialog, created on first use, so that
    // every caller shares it and its last prompt.
    static TGeneralInputForm& Of(QWidget& aWindow);

    QString Prompt() const;
    void SetPrompt(const QString& aPrompt);
    QString Text() const;
    void SetText(const QString& aText);

protected:
    void showEvent(QShowEvent* aEvent) override;

private:
    QLabel* FInputTextLbl;
    QLineEdit* FInputEd;
};

}  // namespace torvik
