#pragma once
// The background picture: Open Image, Show/Hide Image, Image Resolution,
// and its layer of the display (the picture under the grid and, with the image tool, its eight
// handles). The picture, its place, scale and visibility belong to the
// running program only: no file keeps them, and New, Open and Undo leave
// them alone.

#include <QImage>
#include <QObject>
#include <QString>

#include "render/image_placement.h"

namespace torvik {

class TMainForm;
class TQtCanvas;

class TImageCommands : public QObject {
    Q_OBJECT
public:
    // Binds ActionFileOpenImage, ActionViewImage and ActionSetImageRes of
    // aForm.
    explicit TImageCommands(TMainForm& aForm);

    const QImage& Picture() const { return FPicture; }
    TImagePlacement& Placement() { return FPlacement; }
    const TImagePlacement& Placement() const { return FPlacement; }

    // Draws the part of the picture inside aVisible (logical units) on
    // aCanvas, whose mapping is the display's, and the handles when
    // aImageTool is set.
    void DrawImageLayer(TQtCanvas& aCanvas, const TRect& aVisible, bool aImageTool);

private:
    void ActionFileOpenImageExecute();
    void ActionViewImageExecute();
    void ActionSetImageResExecute();

    TMainForm& FForm;
    QImage FPicture;
    TImagePlacement FPlacement;
    // Where Open Image starts: the folder of the picture opened last.
    QString FFolder;
};

}  // namespace torvik
