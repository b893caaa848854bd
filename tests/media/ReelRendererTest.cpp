// The reel renderer as a window drives it: it starts, reports progress on the thread that
// started it while GStreamer renders on its own threads, and finishes or is cancelled.

#include "ReelRenderer.h"
#include "ReelPlan.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

using testsupport::DataPath;
using testsupport::TTempDir;

namespace {

class TRecordingListener final : public IReelListener {
public:
    void ReelProgress(double rendered, double total) override {
        offThread = offThread || QThread::currentThread() != qApp->thread();
        progress.push_back(rendered);
        this->total = total;
        if (cancelAt >= 0 && rendered >= cancelAt && renderer) {
            renderer->Cancel();
        }
    }
    void ReelFinished() override { Record("finished"); }
    void ReelFailed(const QString& message) override { Record("failed: " + message.toStdString()); }
    void ReelCancelled() override { Record("cancelled"); }

    bool Await() {
        QElapsedTimer clock;
        clock.start();
        while (ends.empty() && clock.elapsed() < 60'000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return !ends.empty();
    }

    std::vector<double> progress;
    double total = 0;
    std::vector<std::string> ends;
    bool offThread = false;
    double cancelAt = -1;
    IReelRenderer* renderer = nullptr;

private:
    void Record(const std::string& end) {
        offThread = offThread || QThread::currentThread() != qApp->thread();
        ends.push_back(end);
    }
};

TReelPlan Plan(int clips) {
    TReelPlan plan;
    for (int i = 0; i < clips; ++i) {
        plan.clips.push_back({QString::fromStdString(DataPath("media/bits.mp4")), 500, 3000,
                              QStringLiteral("Clip %1").arg(i)});
    }
    return plan;
}

QStringList Files(const TTempDir& dir) {
    return QDir(QString::fromStdString(dir.Path())).entryList(QDir::Files, QDir::Name);
}

TEST(ReelRenderer, FinishesWithProgressOnTheStartingThreadAndOneRenderAtATime) {
    TTempDir dir;
    TReelRenderer renderer;
    TRecordingListener listener;
    renderer.Start(Plan(2), QString::fromStdString(dir.File("reel.webm")), &listener);
    EXPECT_TRUE(renderer.IsRunning());
    EXPECT_THROW(renderer.Start(Plan(1), QString::fromStdString(dir.File("other.webm")), &listener),
                 std::runtime_error);
    ASSERT_TRUE(listener.Await());
    EXPECT_EQ(listener.ends, std::vector<std::string>{"finished"});
    EXPECT_FALSE(listener.offThread);
    EXPECT_FALSE(renderer.IsRunning());
    EXPECT_DOUBLE_EQ(listener.total, 6.0);
    ASSERT_FALSE(listener.progress.empty());
    EXPECT_TRUE(std::is_sorted(listener.progress.begin(), listener.progress.end()));
    EXPECT_LE(listener.progress.back(), 6.0);
    EXPECT_EQ(Files(dir), QStringList({"reel.vtt", "reel.webm"}));
}

TEST(ReelRenderer, CancelFromAProgressCallLeavesNoFileAndEndsOnce) {
    TTempDir dir;
    TReelRenderer renderer;
    TRecordingListener listener;
    listener.renderer = &renderer;
    listener.cancelAt = 0.5;
    renderer.Start(Plan(20), QString::fromStdString(dir.File("reel.webm")), &listener);
    ASSERT_TRUE(listener.Await());
    EXPECT_EQ(listener.ends, std::vector<std::string>{"cancelled"});
    EXPECT_FALSE(renderer.IsRunning());
    renderer.Cancel(); // nothing running: nobody is told again
    QCoreApplication::processEvents();
    EXPECT_EQ(listener.ends.size(), 1u);
    EXPECT_EQ(Files(dir), QStringList());

    // Abandoned by its owner: the temporary file goes with the renderer.
    {
        TReelRenderer dropped;
        dropped.Start(Plan(20), QString::fromStdString(dir.File("dropped.webm")), &listener);
        EXPECT_EQ(Files(dir).size(), 1);
    }
    EXPECT_EQ(Files(dir), QStringList());
}

TEST(ReelRenderer, AVideoThatCannotBePutInPlaceLeavesTheOldChaptersAndNoTemporaryFile) {
    TTempDir dir;
    const std::string oldChapters = "WEBVTT\n\nthe chapters of an earlier reel\n";
    testsupport::WriteFile(dir.File("reel.vtt"), oldChapters);
    TReelRenderer renderer;
    TRecordingListener listener;
    renderer.Start(Plan(1), QString::fromStdString(dir.File("reel.webm")), &listener);
    // A folder that is not empty now stands where the video goes, so the last rename fails.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(dir.File("reel.webm/kept"))));
    ASSERT_TRUE(listener.Await());
    ASSERT_EQ(listener.ends.size(), 1u);
    EXPECT_EQ(listener.ends[0].rfind("failed: Cannot export", 0), 0u) << listener.ends[0];
    EXPECT_EQ(Files(dir), QStringList{"reel.vtt"});
    EXPECT_EQ(testsupport::ReadFile(dir.File("reel.vtt")), oldChapters);
}

TEST(ReelRenderer, RefusesToWriteOverOneOfItsOwnVideos) {
    TTempDir dir;
    const QString video = QString::fromStdString(dir.File("match.mp4"));
    ASSERT_TRUE(QFile::copy(QString::fromStdString(DataPath("media/bits.mp4")), video));
    const std::string before = testsupport::ReadFile(video.toStdString());
    TReelPlan plan = Plan(1);
    plan.clips[0].videoFile = video;
    TReelRenderer renderer;
    TRecordingListener listener;
    try {
        renderer.Start(plan, QString::fromStdString(dir.Path()) + "/./match.mp4", &listener);
        ADD_FAILURE() << "the render started";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("one of the videos"), std::string::npos)
            << error.what();
    }
    EXPECT_FALSE(renderer.IsRunning());
    EXPECT_EQ(Files(dir), QStringList{"match.mp4"});
    EXPECT_EQ(testsupport::ReadFile(video.toStdString()), before);
}

} // namespace
