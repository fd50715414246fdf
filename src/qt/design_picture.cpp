#include "qt/design_picture.h"

#include <cmath>

#include <QBuffer>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "qt/qt_canvas.h"
#include "render/view_mapping.h"
#include "support/errors.h"

namespace torvik {

namespace {

// 254 pixels per inch make 10 pixels a millimetre: the SVG's 1000 pixels are
// 100 mm, and its view box maps the design's logical units onto them.
constexpr int SvgDpi = 254;
constexpr int SvgSize = 1000;
constexpr int PdfDpi = 1200;
// PDF pages have a whole number of points: 284 points (100.19 mm) hold the
// 100 mm design area with its edge lines.
constexpr int PdfPagePoints = 284;

void DrawPicture(QPainter& aPainter, const QTransform& aTransform, const TDesignPicture& aPicture, bool aSmooth) {
    TQtCanvas canvas(aPainter);
    canvas.antialiased = aSmooth;
    canvas.SetTransform(aTransform);
    DrawDesignLayers(canvas, aPicture.scene, aPicture.view, aPicture.showGrid, aPicture.gridDensity, false);
    if (aPicture.title.empty()) return;
    // The text's size in the picture's logical units, whatever its resolution.
    QFont font = aPainter.font();
    font.setPixelSize(PictureTitleTextHeight);
    aPainter.setFont(font);
    canvas.textColor = Qt::black;
    DrawPictureTitle(canvas, aPicture.title);
}

int Height(const TDesignPicture& aPicture) { return PictureHeight(aPicture.title.size()); }

}  // namespace

QByteArray DesignSvg(const TDesignPicture& aPicture) {
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(SvgDpi);
    // Heights are whole millimetres: whole pixels of the SVG.
    generator.setSize(QSize(SvgSize, Height(aPicture) * SvgSize / WorldExtent));
    generator.setViewBox(QRectF(0, 0, WorldExtent, Height(aPicture)));
    generator.setTitle("Torvik");
    QPainter painter(&generator);
    DrawPicture(painter, QTransform(), aPicture, false);
    painter.end();
    return svg;
}

QImage DesignImage(const TDesignPicture& aPicture, int aDpi, const QColor& aBackground) {
    const double scale = TrueSizeScale(aDpi);
    const int side = static_cast<int>(std::lround(scale * WorldExtent));
    const int height = static_cast<int>(std::lround(scale * Height(aPicture)));
    QImage image(side, height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) throw TFileError("Not enough memory for a picture of " + std::to_string(side) + " pixels.");
    image.fill(aBackground);
    const int dotsPerMeter = static_cast<int>(std::lround(aDpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&image);
    DrawPicture(painter, QTransform::fromScale(scale, scale), aPicture, true);
    return image;
}

void WriteDesignPdf(const TDesignPicture& aPicture, QIODevice& aDevice) {
    QPdfWriter writer(&aDevice);
    writer.setTitle("Torvik");
    writer.setCreator("Torvik");
    writer.setResolution(PdfDpi);
    // The title block's height in whole points, rounded up as the width is.
    const int heightPoints = aPicture.title.empty()
                                 ? PdfPagePoints
                                 : static_cast<int>(std::ceil(Height(aPicture) * 72.0 / 2540.0));
    writer.setPageLayout(QPageLayout(QPageSize(QSize(PdfPagePoints, heightPoints), QString(), QPageSize::ExactMatch),
                                     QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&writer)) throw TFileError("Unable to write the PDF document.");
    // Exactly 100 mm: the PDF is a vector picture, no pixel rounding.
    const double scale = PdfDpi / 2540.0;
    DrawPicture(painter, QTransform::fromScale(scale, scale), aPicture, true);
    if (!painter.end()) throw TFileError("Unable to write the PDF document.");
}

}  // namespace torvik
