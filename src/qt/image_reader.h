#pragma once
// Reading a background picture from a file: JPEG through libjpeg, Windows
// bitmaps and PNG through Qt, chosen by the file name's extension.

#include <QImage>
#include <QSize>
#include <QString>

namespace torvik {

// The file dialog's filter for pictures the program reads.
extern const QString BackgroundImageFilter;

// The picture in aFileName, as RGB32 (ARGB32 premultiplied when it has
// transparent parts). Throws TFileError "Unable to read the image <file>."
// when the file cannot be read, its extension is not ".jpg", ".jpeg",
// ".bmp" or ".png" (in any case), or its contents are not a picture of that
// kind.
QImage ReadBackgroundImage(const QString& aFileName);

// A picture for a file dialog's preview: the picture in aFileName, read as
// ReadBackgroundImage reads it (a large JPEG decoded at a reduced scale
// first), scaled smoothly to fit aBox with its aspect kept and never
// enlarged. A null picture when ReadBackgroundImage would refuse the file.
struct TPreviewPicture {
    QImage picture;
    QSize fullSize;  // the picture's own size in pixels
};
TPreviewPicture ReadPreviewImage(const QString& aFileName, QSize aBox);

}  // namespace torvik
