#pragma once
// Scripts for the dialog seam: fill a shown dialog's fields by object name
// and close it, keeping what the dialog showed before it was filled in.

#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>

namespace torvik::test {

// What a dialog showed when it came up.
struct TShownDialog {
    QString name;
    QString title;
    std::map<QString, QString> texts;  // line edits and labels by object name
    std::map<QString, bool> checks;    // check boxes by object name
};

// Fills in aTexts (line edits) and aChecks (check boxes) and closes the
// dialog with aResult. The dialog as it came up is appended to *aShown.
inline std::function<int(QDialog&)> FillDialog(std::map<QString, QString> aTexts, std::map<QString, bool> aChecks = {},
                                               int aResult = QDialog::Accepted,
                                               std::vector<TShownDialog>* aShown = nullptr) {
    return [=](QDialog& aDialog) {
        if (aShown) {
            TShownDialog shown{aDialog.objectName(), aDialog.windowTitle(), {}, {}};
            for (const QLineEdit* edit : aDialog.findChildren<QLineEdit*>()) shown.texts[edit->objectName()] = edit->text();
            for (const QLabel* label : aDialog.findChildren<QLabel*>()) shown.texts[label->objectName()] = label->text();
            for (const QCheckBox* box : aDialog.findChildren<QCheckBox*>()) shown.checks[box->objectName()] = box->isChecked();
            aShown->push_back(std::move(shown));
        }
        for (const auto& [name, text] : aTexts) {
            auto* edit = aDialog.findChild<QLineEdit*>(name);
            if (!edit) {
                ADD_FAILURE() << "No field " << name.toStdString();
                return int(QDialog::Rejected);
            }
            edit->setText(text);
        }
        for (const auto& [name, checked] : aChecks) {
            auto* box = aDialog.findChild<QCheckBox*>(name);
            if (!box) {
                ADD_FAILURE() << "No check box " << name.toStdString();
                return int(QDialog::Rejected);
            }
            box->setChecked(checked);
        }
        return aResult;
    };
}

}  // namespace torvik::test
