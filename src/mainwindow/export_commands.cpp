#include "mainwindow/export_commands.h"

#include <functional>

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "dialogs/export_picture_dlg.h"
#include "mainwindow/main_form.h"
#include "mainwindow/title_rows.h"
#include "qt/design_picture.h"
#include "qt/file_names.h"
#include "support/errors.h"

namespace torvik {

namespace {

struct TFormatText {
    const char* filter;
    const char* suffix;
};

TFormatText FormatText(TPictureFormat aFormat) {
    switch (aFormat) {
        case TPictureFormat::Pdf: return {"PDF documents (*.pdf);;All files (*)", "pdf"};
        case TPictureFormat::Png: return {"PNG images (*.png);;All files (*)", "png"};
        default: return {"SVG pictures (*.svg);;All files (*)", "svg"};
    }
}

void Write(const QString& aFileName, const std::function<bool(QIODevice&)>& aWrite) {
    QSaveFile file(aFileName);
    if (file.open(QIODevice::WriteOnly) && aWrite(file) && file.commit()) return;
    // The system's reason, where there is one, on a line of its own.
    std::string text = "Unable to write the file " + ShownName(aFileName).toStdString() + ".";
    if (file.error() != QFileDevice::NoError) text += "\n" + file.errorString().toStdString();
    throw TFileError(text);
}

}  // namespace

TExportCommands::TExportCommands(TMainForm& aForm) : QObject(&aForm), FForm(aForm) {
    setObjectName("ExportCommands");
    FDialog = new TExportPictureDlg(&aForm);
    connect(FDialog, &TExportPictureDlg::helpRequested, &aForm, [&aForm](int aTopic) { aForm.ShowHelp(aTopic); });
    FForm.Bind("MenuFileExportPicture", [this] { MenuFileExportPictureClick(); });
}

void TExportCommands::MenuFileExportPictureClick() {
    if (FForm.ExecDialog(*FDialog) != QDialog::Accepted) return;
    const TPictureFormat format = FDialog->Format();
    int dpi = 0;
    if (format == TPictureFormat::Png) {
        const std::optional<int> resolution = FDialog->Resolution();
        if (!resolution) {
            FForm.ErrorBox("Incorrect value entered.");
            return;
        }
        if (*resolution < TExportPictureDlg::MinDpi || *resolution > TExportPictureDlg::MaxDpi) {
            FForm.ErrorBox(QString("The resolution must lie between %1 and %2 dpi.")
                               .arg(TExportPictureDlg::MinDpi)
                               .arg(TExportPictureDlg::MaxDpi));
            return;
        }
        dpi = *resolution;
    }

    const TFormatText text = FormatText(format);
    const QString folder = FLastFile.isEmpty() ? FForm.DialogFolder() : QFileInfo(FLastFile).absolutePath();
    // The design's own name, as Print to PDF proposes it.
    const TFileName& design = FForm.CurrentFileName();
    const QString name = design.Empty() ? QStringLiteral("Torvik") : QFileInfo(QtFileName(design)).completeBaseName();
    const QString start = QDir(folder).filePath(name + "." + text.suffix);
    const QString fileName = FForm.SaveFileBox("Export Picture", text.filter, text.suffix, start);
    if (fileName.isEmpty()) return;

    TDesignPicture picture{FForm.PictureScene(), FForm.CurrentViewSettings(), FForm.Settings().ShowGrid,
                           FForm.Settings().GridDensity, {}};
    if (FDialog->TitleBlock()) picture.title = WindowTitleRows(FForm);
    switch (format) {
        case TPictureFormat::Svg: {
            const QByteArray svg = DesignSvg(picture);
            Write(fileName, [&svg](QIODevice& aFile) { return aFile.write(svg) == svg.size(); });
            break;
        }
        case TPictureFormat::Pdf:
            Write(fileName, [&picture](QIODevice& aFile) {
                WriteDesignPdf(picture, aFile);
                return true;
            });
            break;
        case TPictureFormat::Png: {
            const QImage image = DesignImage(picture, dpi, Qt::white);
            Write(fileName, [&image](QIODevice& aFile) { return image.save(&aFile, "PNG"); });
            break;
        }
    }
    FLastFile = fileName;
}

}  // namespace torvik
