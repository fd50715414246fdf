#pragma once
// JPEG pictures decoded with libjpeg at its best quality: the accurate
// integer transform and smooth chroma upsampling, not the fast mode.

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace torvik {

// Pictures larger than this many pixels are refused rather than decoded.
constexpr long long MaxJpegPixels = 50'000'000;

// The picture held by a JPEG file's bytes, as RGB32; a null image when the
// bytes are not a JPEG picture the decoder can read, or it is too large.
// Warnings about damaged but readable data are not shown anywhere.
QImage DecodeJpeg(const QByteArray& aData);

// As DecodeJpeg, at the smallest of 1/8, 1/4, 1/2 or the whole of the
// picture's size whose sides are at least those of aLeast (for a preview:
// libjpeg then skips most of the work). aFullSize, when given, receives the
// picture's own size. The pixel limit counts the picture's own size.
QImage DecodeJpegScaled(const QByteArray& aData, QSize aLeast, QSize* aFullSize = nullptr);

}  // namespace torvik
