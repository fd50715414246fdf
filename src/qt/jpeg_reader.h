#pragma once
// JPEG pictures decoded with libjpeg at its best quality: the accurate
// integer transform and smooth chroma upsampling, not the fast mode.

#include <QByteArray>
#include <QImage>

namespace torvik {

// Pictures larger than this many pixels are refused rather than decoded.
constexpr long long MaxJpegPixels = 50'000'000;

// The picture held by a JPEG file's bytes, as RGB32; a null image when the
// bytes are not a JPEG picture the decoder can read, or it is too large.
// Warnings about damaged but readable data are not shown anywhere.
QImage DecodeJpeg(const QByteArray& aData);

}  // namespace torvik
