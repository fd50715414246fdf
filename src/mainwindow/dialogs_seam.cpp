#include "mainwindow/dialogs_seam.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

#include "qt/image_preview.h"

namespace torvik {

TAnswer TQtDialogs::Ask(QWidget* aParent, const QString& aTitle, const QString& aText) {
    QMessageBox box(QMessageBox::Question, aTitle, aText, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    aParent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Yes: return TAnswer::Yes;
        case QMessageBox::No: return TAnswer::No;
        default: return TAnswer::Cancel;
    }
}

TAnswer TQtDialogs::AskYesNo(QWidget* aParent, const QString& aTitle, const QString& aText) {
    QMessageBox box(QMessageBox::Information, aTitle, aText, QMessageBox::Yes | QMessageBox::No, aParent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? TAnswer::Yes : TAnswer::No;
}

void TQtDialogs::Inform(QWidget* aParent, const QString& aTitle, const QString& aText) {
    QMessageBox box(QMessageBox::Information, aTitle, aText, QMessageBox::Ok, aParent);
    box.exec();
}

void TQtDialogs::Warn(QWidget* aParent, const QString& aTitle, const QString& aText) {
    QMessageBox box(QMessageBox::Warning, aTitle, aText, QMessageBox::Ok, aParent);
    box.exec();
}

void TQtDialogs::Error(QWidget* aParent, const QString& aTitle, const QString& aText) {
    QMessageBox box(QMessageBox::Critical, aTitle, aText, QMessageBox::Ok, aParent);
    box.exec();
}

QString TQtDialogs::GetOpenFileName(QWidget* aParent, const QString& aTitle, const QString& aFilter,
                                    const QString& aFolder) {
    QFileDialog dialog(aParent, aTitle, aFolder, aFilter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

QString TQtDialogs::GetOpenImageName(QWidget* aParent, const QString& aTitle, const QString& aFilter,
                                     const QString& aFolder) {
    QFileDialog dialog(aParent, aTitle, aFolder, aFilter);
    AddImagePreview(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

QString TQtDialogs::GetSaveFileName(QWidget* aParent, const QString& aTitle, const QString& aFilter,
                                    const QString& aDefaultSuffix, const QString& aFolder) {
    QFileDialog dialog(aParent, aTitle, aFolder, aFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(aDefaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

int TQtDialogs::Exec(QDialog& aDialog) { return aDialog.exec(); }

}  // namespace torvik
