#pragma once
// The design as a picture of its 100 mm design area at true size, whatever
// the display's zoom: grid, wire, brackets and forces, without background,
// image, markers or read-out, and for an exported picture the title block
// below it. The clipboard picture and Export Picture share it: an SVG that
// states its size in millimetres, a PDF page just over 100 mm square and a
// raster image at a chosen resolution.

#include <QByteArray>
#include <QIODevice>
#include <QColor>
#include <QImage>
#include <QString>

#include <vector>

#include "render/scene.h"
#include "render/title_block.h"
#include "render/view_settings.h"

namespace torvik {

struct TDesignPicture {
    TScene scene;  // its bracket markers are never drawn
    TViewSettings view;
    bool showGrid = true;
    int gridDensity = 2;
    // With rows, the picture is taller: the title block lies below the
    // design area (PictureHeight).
    std::vector<TTitleRow> title;
};

// An SVG document 100 mm wide and high, or as high as its title block
// asks.
QByteArray DesignSvg(const TDesignPicture& aPicture);

// The picture at aDpi pixels per inch (100 mm span nint(aDpi / 0.254)
// pixels), smoothed, on aBackground; the image records its resolution.
QImage DesignImage(const TDesignPicture& aPicture, int aDpi, const QColor& aBackground);

// Writes a one-page PDF with the picture at true size to aDevice, which must be open for
// writing: a page just over 100 mm square, or as high as the title block
// asks. Throws TFileError when it cannot be written.
void WriteDesignPdf(const TDesignPicture& aPicture, QIODevice& aDevice);

}  // namespace torvik
