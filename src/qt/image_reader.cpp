#include "qt/image_reader.h"

#include <QFile>
#include <QFileInfo>

#include "qt/file_names.h"
#include "qt/jpeg_reader.h"
#include "support/errors.h"

namespace torvik {

const QString BackgroundImageFilter = QStringLiteral(
    "All (*.jpg *.jpeg *.bmp *.png);;JPEG Image files (*.jpg *.jpeg);;Bitmap files (*.bmp);;"
    "PNG Image files (*.png);;All files (*)");

namespace {

[[noreturn]] void Unreadable(const QString& aFileName) {
    throw TFileError("Unable to read the image " + ShownName(aFileName).toStdString() + ".");
}

}  // namespace

namespace {

// The picture in aFileName; a JPEG at no less than aLeast when that is not
// empty. aFullSize receives the picture's own size.
QImage Decode(const QString& aFileName, QSize aLeast, QSize& aFullSize) {
    const QString extension = QFileInfo(aFileName).suffix().toUpper();
    const bool jpeg = extension == "JPG" || extension == "JPEG";
    if (!jpeg && extension != "BMP" && extension != "PNG") Unreadable(aFileName);

    QFile file(aFileName);
    if (!file.open(QIODevice::ReadOnly)) Unreadable(aFileName);
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) Unreadable(aFileName);

    QImage image = jpeg ? DecodeJpegScaled(data, aLeast, &aFullSize)
                        : QImage::fromData(data, extension == "BMP" ? "BMP" : "PNG");
    if (image.isNull() || image.width() == 0 || image.height() == 0) Unreadable(aFileName);
    if (!jpeg) aFullSize = image.size();
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

}  // namespace

QImage ReadBackgroundImage(const QString& aFileName) {
    QSize fullSize;
    return Decode(aFileName, QSize(), fullSize);
}

TPreviewPicture ReadPreviewImage(const QString& aFileName, QSize aBox) {
    TPreviewPicture result;
    if (aBox.isEmpty() || QFileInfo(aFileName).isDir()) return result;
    try {
        QImage picture = Decode(aFileName, aBox, result.fullSize);
        if (picture.width() > aBox.width() || picture.height() > aBox.height())
            picture = picture.scaled(aBox, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        result.picture = std::move(picture);
    } catch (const TFileError&) {
        result.fullSize = QSize();
    }
    return result;
}

}  // namespace torvik
