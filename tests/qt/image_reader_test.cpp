// Protects reading background pictures: JPEG (colour, grey, CMYK) through libjpeg, BMP and PNG, and refusing unreadable, damaged, mislabelled and oversized files.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <jpeglib.h>

#include "qt/image_reader.h"
#include "qt/jpeg_reader.h"
#include "support/errors.h"

namespace torvik {
namespace {

// Compresses aImage (RGB888 or Grayscale8), or CMYK samples of one value, to
// a JPEG file's bytes with libjpeg.
QByteArray EncodeJpeg(const QImage& aImage, bool aCmyk = false, JSAMPLE aCmykValue = 0) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(aImage.width());
    info.image_height = static_cast<JDIMENSION>(aImage.height());
    const bool grey = aImage.format() == QImage::Format_Grayscale8;
    info.input_components = aCmyk ? 4 : grey ? 1 : 3;
    info.in_color_space = aCmyk ? JCS_CMYK : grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> cmykRow(static_cast<std::size_t>(aImage.width()) * 4, aCmykValue);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = aCmyk ? cmykRow.data() : const_cast<uchar*>(aImage.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray data(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return data;
}

// Red on the left half, blue on the right.
QImage TwoHalves(int aWidth, int aHeight) {
    QImage image(aWidth, aHeight, QImage::Format_RGB888);
    image.fill(Qt::red);
    for (int y = 0; y < aHeight; ++y)
        for (int x = aWidth / 2; x < aWidth; ++x) image.setPixelColor(x, y, Qt::blue);
    return image;
}

bool Near(QRgb a, QRgb b, int aTolerance = 12) {
    return std::abs(qRed(a) - qRed(b)) <= aTolerance && std::abs(qGreen(a) - qGreen(b)) <= aTolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= aTolerance;
}

class ImageReaderTest : public ::testing::Test {
protected:
    QTemporaryDir dir;

    QString Write(const QString& aName, const QByteArray& aData) {
        const QString file = dir.filePath(aName);
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(aData);
        return file;
    }
    void ExpectUnreadable(const QString& aFile) {
        try {
            ReadBackgroundImage(aFile);
            ADD_FAILURE() << "read " << aFile.toStdString();
        } catch (const TFileError& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to read the image " + aFile.toStdString() + ".");
        }
    }
};

TEST_F(ImageReaderTest, JpegBitmapAndPng) {
    const QString jpeg = Write("photo.jpg", EncodeJpeg(TwoHalves(600, 400)));
    QImage image = ReadBackgroundImage(jpeg);
    ASSERT_EQ(image.size(), QSize(600, 400));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_TRUE(Near(image.pixel(100, 200), qRgb(255, 0, 0)));
    EXPECT_TRUE(Near(image.pixel(500, 200), qRgb(0, 0, 255)));
    // Either case of the extension, ".jpeg" too.
    EXPECT_EQ(ReadBackgroundImage(Write("PHOTO.JPEG", EncodeJpeg(TwoHalves(60, 40)))).size(), QSize(60, 40));

    // Grey and CMYK pictures come out as colour pictures.
    QImage grey(32, 16, QImage::Format_Grayscale8);
    grey.fill(qRgb(90, 90, 90));
    image = ReadBackgroundImage(Write("scan.jpg", EncodeJpeg(grey)));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_TRUE(Near(image.pixel(5, 5), qRgb(90, 90, 90), 2));
    // Adobe's CMYK files store the inks inverted: all 255 is white paper.
    image = ReadBackgroundImage(Write("print.jpg", EncodeJpeg(QImage(16, 16, QImage::Format_RGB888), true, 255)));
    EXPECT_TRUE(Near(image.pixel(8, 8), qRgb(255, 255, 255), 2));

    // Bitmaps and PNG through Qt, pixel for pixel.
    QImage drawn(30, 20, QImage::Format_RGB32);
    drawn.fill(qRgb(10, 200, 30));
    drawn.setPixel(3, 4, qRgb(250, 1, 2));
    const QString bmp = dir.filePath("trace.Bmp");
    ASSERT_TRUE(drawn.save(bmp, "BMP"));
    image = ReadBackgroundImage(bmp);
    EXPECT_EQ(image.size(), QSize(30, 20));
    EXPECT_EQ(image.pixel(3, 4), qRgb(250, 1, 2));
    EXPECT_EQ(image.pixel(0, 0), qRgb(10, 200, 30));
    QImage clear(8, 8, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    const QString png = dir.filePath("screen.png");
    ASSERT_TRUE(clear.save(png, "PNG"));
    EXPECT_EQ(ReadBackgroundImage(png).format(), QImage::Format_ARGB32_Premultiplied);
}

TEST_F(ImageReaderTest, UnreadableFilesAreRefused) {
    const QByteArray jpeg = EncodeJpeg(TwoHalves(64, 48));
    // Extensions the program does not read, even when the contents are fine.
    ExpectUnreadable(Write("photo.gif", jpeg));
    ExpectUnreadable(Write("photo", jpeg));
    // A file that is not there, and contents other than the extension says.
    ExpectUnreadable(dir.filePath("missing.jpg"));
    ExpectUnreadable(Write("photo.bmp", jpeg));
    ExpectUnreadable(Write("notes.jpg", "This is no picture at all."));
    ExpectUnreadable(Write("empty.png", QByteArray()));

    // A JPEG that claims 65000 x 65000 pixels is refused before anything is
    // allocated for it.
    QByteArray huge = jpeg;
    const qsizetype sof = huge.indexOf("\xff\xc0");
    ASSERT_GT(sof, 0);
    for (qsizetype at : {sof + 5, sof + 7}) {
        huge[at] = char(0xFD);
        huge[at + 1] = char(0xE8);
    }
    EXPECT_TRUE(DecodeJpeg(huge).isNull());
    ExpectUnreadable(Write("huge.jpg", huge));

    // A file cut short in its picture data still shows the part that
    // arrived; cut in its headers it is refused.
    const QByteArray large = EncodeJpeg(TwoHalves(600, 400));
    EXPECT_EQ(DecodeJpeg(large.left(large.size() * 2 / 3)).size(), QSize(600, 400));
    ExpectUnreadable(Write("cut.jpg", large.left(200)));
}

TEST_F(ImageReaderTest, DamagedJpegDataNeverCrashes) {
    const QByteArray jpeg = EncodeJpeg(TwoHalves(48, 32));
    std::mt19937 random(20240611);
    int decoded = 0;
    for (int round = 0; round < 400; ++round) {
        QByteArray damaged = jpeg;
        const int changes = 1 + static_cast<int>(random() % 8);
        for (int i = 0; i < changes; ++i)
            damaged[static_cast<qsizetype>(random() % static_cast<unsigned>(damaged.size()))] = char(random() % 256);
        if (round % 5 == 0) damaged.truncate(static_cast<qsizetype>(random() % static_cast<unsigned>(damaged.size())));
        const QImage image = DecodeJpeg(damaged);
        if (!image.isNull()) {
            ++decoded;
            EXPECT_EQ(image.format(), QImage::Format_RGB32);
            EXPECT_GT(image.width(), 0);
        }
    }
    EXPECT_GT(decoded, 0);
}

}  // namespace
}  // namespace torvik
