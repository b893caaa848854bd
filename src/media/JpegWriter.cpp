#include "JpegWriter.h"

#include <QSaveFile>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

namespace {

// libjpeg's own error handler ends the process; jump back out instead.
struct TErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr info) {
    auto* errors = reinterpret_cast<TErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Kept free of objects with destructors, since libjpeg errors leave it by longjmp.
bool Encode(const QImage& rgb, const TJpegSettings& settings, unsigned char** buffer,
            unsigned long* size, TErrorManager* errors) {
    jpeg_compress_struct info;
    info.err = jpeg_std_error(&errors->base);
    errors->base.error_exit = ErrorExit;
    if (setjmp(errors->jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, settings.quality, TRUE);
    info.dct_method =
        settings.performance == TJpegPerformance::jpBestSpeed ? JDCT_IFAST : JDCT_ISLOW;
    if (settings.progressive) {
        jpeg_simple_progression(&info);
    }
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row =
            const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

void WriteJpegFile(const QImage& image, const QString& fileName, const TJpegSettings& settings) {
    if (image.isNull()) {
        throw std::runtime_error("There is no picture to write to \"" + fileName.toStdString() +
                                 "\".");
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    TJpegSettings clamped = settings;
    clamped.quality = std::clamp(settings.quality, 1, 100);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    TErrorManager errors{};
    const bool encoded = Encode(rgb, clamped, &buffer, &size, &errors);
    QByteArray bytes;
    if (encoded) {
        bytes = QByteArray(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    }
    std::free(buffer);
    if (!encoded) {
        throw std::runtime_error("Could not encode the JPEG file \"" + fileName.toStdString() +
                                 "\": " + errors.message);
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        throw std::runtime_error("Could not write the JPEG file \"" + fileName.toStdString() +
                                 "\": " + file.errorString().toStdString());
    }
}
