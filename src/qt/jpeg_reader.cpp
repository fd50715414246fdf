#include "qt/jpeg_reader.h"

#include <algorithm>
#include <climits>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace torvik {

namespace {

struct TJpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

// libjpeg's fatal errors return to the decode's start instead of ending the
// program.
extern "C" void JpegErrorExit(j_common_ptr aInfo) {
    std::longjmp(reinterpret_cast<TJpegErrors*>(aInfo->err)->jump, 1);
}

// Warnings (damaged data that still decodes) would go to standard error.
extern "C" void JpegOutputMessage(j_common_ptr) {}

// Everything a decode works on. It lives outside the function that calls
// setjmp, so a jump back leaves none of it indeterminate.
struct TJpegJob {
    const QByteArray* data = nullptr;
    QSize least;     // the least size wanted; empty for the whole picture
    QSize fullSize;  // the picture's own size, once the header is read
    QImage image;
    jpeg_decompress_struct info{};
    TJpegErrors errors{};
};

// CMYK pixels decoded into an RGB32 row, converted in place. Adobe's files
// store the inks inverted.
void CmykToRgb(uchar* aRow, int aWidth, bool aInverted) {
    for (int x = 0; x < aWidth; ++x) {
        uchar* p = aRow + 4 * x;
        int c = p[0], m = p[1], y = p[2], k = p[3];
        if (!aInverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        const QRgb rgb = qRgb(c * k / 255, m * k / 255, y * k / 255);
        *reinterpret_cast<QRgb*>(p) = rgb;
    }
}

// No object with a destructor is a local of this function: a libjpeg error
// jumps back to its setjmp.
bool DecodeInto(TJpegJob& aJob) {
    jpeg_decompress_struct& info = aJob.info;
    info.err = jpeg_std_error(&aJob.errors.manager);
    aJob.errors.manager.error_exit = JpegErrorExit;
    aJob.errors.manager.output_message = JpegOutputMessage;
    if (setjmp(aJob.errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(aJob.data->constData()),
                 static_cast<unsigned long>(aJob.data->size()));
    jpeg_read_header(&info, TRUE);
    info.dct_method = JDCT_ISLOW;
    info.do_fancy_upsampling = TRUE;
    aJob.fullSize = QSize(static_cast<int>(std::min<JDIMENSION>(info.image_width, INT_MAX)),
                          static_cast<int>(std::min<JDIMENSION>(info.image_height, INT_MAX)));
    if (!aJob.least.isEmpty()) {
        // libjpeg scales by 1/8, 1/4 or 1/2 while it decodes.
        for (unsigned denominator : {8u, 4u, 2u}) {
            const unsigned long w = (info.image_width + denominator - 1) / denominator;
            const unsigned long h = (info.image_height + denominator - 1) / denominator;
            if (w >= static_cast<unsigned long>(aJob.least.width()) &&
                h >= static_cast<unsigned long>(aJob.least.height())) {
                info.scale_num = 1;
                info.scale_denom = denominator;
                break;
            }
        }
    }
    QImage::Format format = QImage::Format_RGB888;
    switch (info.jpeg_color_space) {
        case JCS_GRAYSCALE:
            info.out_color_space = JCS_GRAYSCALE;
            format = QImage::Format_Grayscale8;
            break;
        case JCS_CMYK:
        case JCS_YCCK:
            info.out_color_space = JCS_CMYK;
            format = QImage::Format_RGB32;
            break;
        default: info.out_color_space = JCS_RGB; break;
    }
    jpeg_calc_output_dimensions(&info);
    const long long pixels = static_cast<long long>(info.image_width) * info.image_height;
    if (pixels == 0 || pixels > MaxJpegPixels) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    aJob.image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), format);
    if (aJob.image.isNull()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = aJob.image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
        if (info.out_color_space == JCS_CMYK) CmykToRgb(row, aJob.image.width(), info.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& aData) { return DecodeJpegScaled(aData, QSize()); }

QImage DecodeJpegScaled(const QByteArray& aData, QSize aLeast, QSize* aFullSize) {
    TJpegJob job;
    job.data = &aData;
    job.least = aLeast;
    const bool decoded = DecodeInto(job);
    if (aFullSize) *aFullSize = decoded ? job.fullSize : QSize();
    if (!decoded) return QImage();
    return job.image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace torvik
