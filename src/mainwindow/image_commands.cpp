#include "mainwindow/image_commands.h"

#include <exception>

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "dialogs/general_input_form.h"
#include "mainwindow/main_form.h"
#include "qt/background_image.h"
#include "qt/image_reader.h"
#include "qt/locale_numbers.h"

namespace torvik {

TImageCommands::TImageCommands(TMainForm& aForm) : QObject(&aForm), FForm(aForm) {
    setObjectName("ImageCommands");
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    FFolder = QDir(pictures).exists() ? pictures : QString();
    FForm.Bind("ActionFileOpenImage", [this] { ActionFileOpenImageExecute(); });
    FForm.Bind("ActionViewImage", [this] { ActionViewImageExecute(); });
    FForm.Bind("ActionSetImageRes", [this] { ActionSetImageResExecute(); });
}

void TImageCommands::ActionFileOpenImageExecute() {
    const QString fileName =
        FForm.OpenImageBox("Open Image", BackgroundImageFilter, FFolder.isEmpty() ? FForm.DialogFolder() : FFolder);
    if (fileName.isEmpty()) return;
    FFolder = QFileInfo(fileName).absolutePath();
    // A picture that cannot be read leaves the previous one in place.
    QImage picture = ReadBackgroundImage(fileName);
    FPicture = std::move(picture);
    FPlacement.SetPicture(FPicture.width(), FPicture.height());
    FForm.DrawDisplay();
}

void TImageCommands::ActionViewImageExecute() {
    FPlacement.SetVisible(!FPlacement.Visible());
    FForm.UpdateActionsAndMenus();
    FForm.DrawDisplay();
}

void TImageCommands::ActionSetImageResExecute() {
    if (!FPlacement.HasPicture()) return;
    TGeneralInputForm& input = TGeneralInputForm::Of(FForm);
    connect(&input, &TGeneralInputForm::helpRequested, &FForm, &TMainForm::ShowHelp, Qt::UniqueConnection);
    input.SetPrompt("Resolution (dpi): ");
    input.SetText(FormatLocal(FPlacement.Resolution(), "#.##"));
    if (FForm.ExecDialog(input) != QDialog::Accepted) return;
    double dpi = 0.0;
    // A resolution so small that the picture would reach beyond the
    // coordinates the program draws with is refused too.
    TImagePlacement trial = FPlacement;
    bool valid = TryReadLocal(input.Text(), dpi) && dpi > 0.0;
    if (valid) {
        try {
            trial.SetResolution(dpi);
            trial.PlaceHandles();
        } catch (const std::exception&) {
            valid = false;
        }
    }
    if (!valid) {
        FForm.ErrorBox("Incorrect value entered.");
        return;
    }
    FPlacement.SetResolution(dpi);
    FForm.DrawDisplay();
}

void TImageCommands::DrawImageLayer(TQtCanvas& aCanvas, const TRect& aVisible, bool aImageTool) {
    DrawBackgroundImage(aCanvas, FPicture, FPlacement, aVisible, aImageTool);
}

}  // namespace torvik
