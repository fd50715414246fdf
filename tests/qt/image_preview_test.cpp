// Protects the Open Image preview: pictures decoded by the program's readers and fitted to the square, nothing for files that do not decode, and its place in the file dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLayout>
#include <QTemporaryDir>

#include "qt/image_preview.h"
#include "qt/jpeg_reader.h"

namespace torvik {
namespace {

class ImagePreviewTest : public ::testing::Test {
protected:
    QTemporaryDir dir;

    // Red on the left half, blue on the right, written by Qt.
    QString WritePicture(const QString& aName, QSize aSize, const char* aFormat) {
        QImage image(aSize, QImage::Format_RGB32);
        image.fill(Qt::red);
        for (int y = 0; y < aSize.height(); ++y)
            for (int x = aSize.width() / 2; x < aSize.width(); ++x) image.setPixel(x, y, qRgb(0, 0, 255));
        const QString file = dir.filePath(aName);
        EXPECT_TRUE(image.save(file, aFormat, 95));
        return file;
    }
    QString WriteText(const QString& aName, const QByteArray& aText) {
        QFile file(dir.filePath(aName));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(aText);
        return file.fileName();
    }
};

bool Reddish(QRgb c) { return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60; }
bool Bluish(QRgb c) { return qBlue(c) > 200 && qRed(c) < 60 && qGreen(c) < 60; }

TEST_F(ImagePreviewTest, ShowsDecodedPicturesFittedToTheSquare) {
    TImagePreview preview;
    preview.resize(preview.sizeHint());
    EXPECT_TRUE(preview.Thumbnail().isNull());
    EXPECT_EQ(preview.Caption(), "No preview");

    // A JPEG three times wider than the square: fitted with its aspect, both
    // halves in their colours, its own size below it.
    preview.ShowFile(WritePicture("photo.jpg", QSize(600, 400), "JPG"));
    ASSERT_EQ(preview.Thumbnail().size(), QSize(200, 133));
    EXPECT_TRUE(Reddish(preview.Thumbnail().pixel(20, 66)));
    EXPECT_TRUE(Bluish(preview.Thumbnail().pixel(180, 66)));
    EXPECT_EQ(preview.Caption(), QString::fromUtf8("600 \u00d7 400 pixels"));
    // On screen the picture sits in the middle of the square.
    const QImage shot = preview.grab().toImage();
    const int middle = (TImagePreview::Side + 10) / 2;
    EXPECT_TRUE(Reddish(shot.pixel(middle - 50, middle)));
    EXPECT_TRUE(Bluish(shot.pixel(middle + 50, middle)));
    EXPECT_FALSE(Reddish(shot.pixel(middle - 50, middle - 80)));

    // A large JPEG is decoded at a quarter of its size, then fitted; a
    // small bitmap is not enlarged.
    QFile large(WritePicture("large.jpg", QSize(1700, 1000), "JPG"));
    ASSERT_TRUE(large.open(QIODevice::ReadOnly));
    QSize fullSize;
    EXPECT_EQ(DecodeJpegScaled(large.readAll(), QSize(200, 200), &fullSize).size(), QSize(425, 250));
    EXPECT_EQ(fullSize, QSize(1700, 1000));
    preview.ShowFile(large.fileName());
    EXPECT_EQ(preview.Thumbnail().size(), QSize(200, 117));
    EXPECT_EQ(preview.Caption(), QString::fromUtf8("1700 \u00d7 1000 pixels"));
    preview.ShowFile(WritePicture("small.bmp", QSize(50, 30), "BMP"));
    EXPECT_EQ(preview.Thumbnail().size(), QSize(50, 30));

    // Files that would not open as a background show nothing.
    for (const QString& bad : {WriteText("broken.jpg", "no picture"), WritePicture("photo.gif", QSize(8, 8), "PNG"),
                               WriteText("empty.png", ""), dir.path(), dir.filePath("missing.bmp"), QString()}) {
        preview.ShowFile(WritePicture("good.png", QSize(20, 20), "PNG"));
        ASSERT_FALSE(preview.Thumbnail().isNull());
        preview.ShowFile(bad);
        EXPECT_TRUE(preview.Thumbnail().isNull()) << bad.toStdString();
        EXPECT_EQ(preview.Caption(), "No preview");
    }
}

TEST_F(ImagePreviewTest, FollowsTheFileDialogsCursor) {
    QFileDialog dialog(nullptr, "Open Image", dir.path(), "All (*.jpg *.jpeg *.bmp *.png)");
    TImagePreview* preview = AddImagePreview(dialog);
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
    ASSERT_NE(dialog.layout(), nullptr);
    EXPECT_GE(dialog.layout()->indexOf(preview), 0);
    emit dialog.currentChanged(WritePicture("trace.bmp", QSize(90, 60), "BMP"));
    EXPECT_EQ(preview->Thumbnail().size(), QSize(90, 60));
    emit dialog.currentChanged(dir.path());
    EXPECT_TRUE(preview->Thumbnail().isNull());
}

}  // namespace
}  // namespace torvik
