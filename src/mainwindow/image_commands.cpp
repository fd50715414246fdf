#include "mainwindow/image_commands.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QStandardPaths>

#include "mainwindow/main_form.h"
#include "qt/image_reader.h"
#include "qt/qt_canvas.h"

namespace torvik {

TImageCommands::TImageCommands(TMainForm& aForm) : QObject(&aForm), FForm(aForm) {
    setObjectName("ImageCommands");
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    FFolder = QDir(pictures).exists() ? pictures : QString();
    FForm.Bind("ActionFileOpenImage", [this] { ActionFileOpenImageExecute(); });
    FForm.Bind("ActionViewImage", [this] { ActionViewImageExecute(); });
}

void TImageCommands::ActionFileOpenImageExecute() {
    const QString fileName =
        FForm.OpenFileBox("Open Image", BackgroundImageFilter, FFolder.isEmpty() ? FForm.DialogFolder() : FFolder);
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

void TImageCommands::DrawImageLayer(TQtCanvas& aCanvas, const TRect& aVisible, bool aImageTool) {
    const std::optional<TImageBlit> blit = ImageBlit(FPlacement, aVisible);
    if (!blit) return;
    QPainter& painter = aCanvas.Painter();
    painter.save();
    painter.setWorldTransform(aCanvas.Transform());
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // Pixels are repeated or dropped, never blended, as the picture is
    // stretched.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const TRect& d = blit->dest;
    const TRect& s = blit->source;
    painter.drawImage(QRectF(QPointF(d.Left, d.Top), QPointF(d.Right, d.Bottom)), FPicture,
                      QRectF(QPointF(s.Left, s.Top), QPointF(s.Right, s.Bottom)));
    painter.restore();
    if (aImageTool) FPlacement.DrawHandles(aCanvas);
}

}  // namespace torvik
