#pragma once
// JPEG snapshot files through libjpeg.

#include <QImage>
#include <QString>

enum class TJpegPerformance { jpBestQuality, jpBestSpeed };

struct TJpegSettings {
    int quality = 100; // 1 to 100
    TJpegPerformance performance = TJpegPerformance::jpBestQuality;
    bool progressive = false;
};

// Encodes image and replaces fileName with it. Throws std::runtime_error when encoding or
// writing fails; the file is then left as it was.
void WriteJpegFile(const QImage& image, const QString& fileName, const TJpegSettings& settings);
