#pragma once
// Helpers of the tests that play the real test video: bits.mp4 is 4 s at 25 frames per
// second, 320 x 240, and frame n shows n in binary as eight stripes 40 px wide (white is 1).

#include <TestSupport.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QString>

#include <functional>

namespace mediatest {

constexpr int kFramesPerSecond = 25;
constexpr double kVideoSeconds = 4.0;

inline QString VideoPath() {
    return QString::fromStdString(testsupport::DataPath("media/bits.mp4"));
}

// Handles events until done() holds; false after the deadline. The player works on its own
// threads, so its results can only be awaited, not stepped. The deadline is generous: a
// sanitized build on a busy machine is slow, and only a failing test waits it out.
inline bool WaitUntil(const std::function<bool()>& done, int deadlineMs = 30000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > deadlineMs) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// The frame number a captured picture shows, or -1 for no picture.
inline int FrameNumber(const QImage& image) {
    if (image.width() < 320 || image.height() < 240) {
        return -1;
    }
    int number = 0;
    for (int bit = 0; bit < 8; ++bit) {
        if (qGray(image.pixel(bit * 40 + 20, 120)) > 128) {
            number |= 1 << bit;
        }
    }
    return number;
}

} // namespace mediatest
