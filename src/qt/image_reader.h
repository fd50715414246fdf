#pragma once
// Reading a background picture from a file: JPEG through libjpeg, Windows
// bitmaps and PNG through Qt, chosen by the file name's extension.

#include <QImage>
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

}  // namespace torvik
