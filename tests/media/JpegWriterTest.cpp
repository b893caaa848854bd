#include "JpegWriter.h"

#include <TestSupport.h>

#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <stdexcept>

using testsupport::ReadFile;
using testsupport::TTempDir;

namespace {

QImage Picture() {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 32; ++x) {
            image.setPixel(x, y, qRgb(200, 30, 30));
        }
    }
    return image;
}

// Start-of-frame markers: baseline 0xFFC0, progressive 0xFFC2.
bool HasMarker(const std::string& bytes, unsigned char marker) {
    return bytes.find(std::string{'\xFF', static_cast<char>(marker)}) != std::string::npos;
}

TEST(JpegWriter, WritesADecodableFileHonouringQualityAndProgression) {
    TTempDir dir;
    struct TCase {
        TJpegSettings settings;
        unsigned char frameMarker;
    };
    const TCase cases[] = {
        {{100, TJpegPerformance::jpBestQuality, false}, 0xC0},
        {{10, TJpegPerformance::jpBestSpeed, false}, 0xC0},
        {{75, TJpegPerformance::jpBestQuality, true}, 0xC2},
    };
    std::size_t bestSize = 0;
    for (const TCase& c : cases) {
        const std::string path = dir.File("shot.jpg");
        WriteJpegFile(Picture(), QString::fromStdString(path), c.settings);
        const std::string bytes = ReadFile(path);
        EXPECT_TRUE(HasMarker(bytes, c.frameMarker)) << c.settings.quality;
        const QImage back(QString::fromStdString(path));
        ASSERT_EQ(back.size(), QSize(64, 48));
        const QColor left = back.pixelColor(8, 24);
        const QColor right = back.pixelColor(56, 24);
        EXPECT_NEAR(left.red(), 200, 30);
        EXPECT_NEAR(left.green(), 30, 30);
        EXPECT_NEAR(right.blue(), 255, 30);
        if (c.settings.quality == 100) {
            bestSize = bytes.size();
        } else if (c.settings.quality == 10) {
            EXPECT_LT(bytes.size(), bestSize);
        }
    }
}

TEST(JpegWriter, UnwritableTargetRaisesAndLeavesNoFile) {
    TTempDir dir;
    const QString path = QString::fromStdString(dir.File("missing/shot.jpg"));
    try {
        WriteJpegFile(Picture(), path, {});
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("shot.jpg"), std::string::npos);
    }
    EXPECT_THROW(WriteJpegFile(QImage(), QString::fromStdString(dir.File("empty.jpg")), {}),
                 std::runtime_error);
}

} // namespace
