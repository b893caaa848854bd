// Rendering a highlight reel: 20 clips of 10 s from two 640 x 360 match videos with sound into
// WebM. The figure is the speed against real time, the reel's length over the wall-clock time
// of its render, in the same run.

#include "ReelPlan.h"
#include "ReelRenderer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>

namespace {

// A 2-minute match video, made once with ffmpeg into the benchmarks' temporary folder.
QString BenchVideo(int number) {
    const auto folder = std::filesystem::temp_directory_path() / "clipwise-bench";
    std::filesystem::create_directories(folder);
    const std::string path =
        (folder / ("match-640x360-" + std::to_string(number) + ".mp4")).string();
    if (!std::filesystem::exists(path)) {
        const QString temp = QString::fromStdString(path) + QStringLiteral(".part.mp4");
        const int result = QProcess::execute(
            QStringLiteral("ffmpeg"),
            {"-v",
             "error",
             "-y",
             "-f",
             "lavfi",
             "-i",
             QStringLiteral("testsrc2=size=640x360:rate=25:duration=120"),
             "-f",
             "lavfi",
             "-i",
             QStringLiteral("sine=frequency=%1:duration=120").arg(300 + 100 * number),
             "-c:v",
             "libx264",
             "-preset",
             "veryfast",
             "-g",
             "50",
             "-c:a",
             "aac",
             "-shortest",
             temp});
        if (result != 0 || !QFile::rename(temp, QString::fromStdString(path))) {
            throw std::runtime_error("ffmpeg cannot make the benchmark's video");
        }
    }
    return QString::fromStdString(path);
}

class TQuitOnEnd final : public IReelListener {
public:
    explicit TQuitOnEnd(QEventLoop& loop) : m_loop(loop) {}
    void ReelProgress(double, double) override {}
    void ReelFinished() override { m_loop.quit(); }
    void ReelFailed(const QString& message) override {
        m_failure = message;
        m_loop.quit();
    }
    void ReelCancelled() override { m_loop.quit(); }
    QString m_failure;

private:
    QEventLoop& m_loop;
};

void BM_RenderReelWebM(benchmark::State& state) {
    static int argc = 1;
    static char name[] = "clipwise-bench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);

    TReelPlan plan;
    const QString videos[] = {BenchVideo(1), BenchVideo(2)};
    for (int i = 0; i < 20; ++i) {
        // Spread over both videos, so that the timeline moves between files and seeks.
        plan.clips.push_back({videos[i % 2], 5'000 + (i / 2) * 10'500, 10'000, QString()});
    }
    const auto folder = std::filesystem::temp_directory_path() / "clipwise-bench";
    const QString output = QString::fromStdString((folder / "reel.webm").string());
    const double reelSeconds = 20 * 10.0;
    double renderSeconds = 0;
    for (auto _ : state) {
        QEventLoop loop;
        TQuitOnEnd listener(loop);
        TReelRenderer renderer;
        QElapsedTimer clock;
        clock.start();
        renderer.Start(plan, output, &listener);
        loop.exec();
        const double seconds = clock.nsecsElapsed() / 1e9;
        if (!listener.m_failure.isEmpty()) {
            state.SkipWithError(listener.m_failure.toStdString().c_str());
            break;
        }
        state.SetIterationTime(seconds);
        renderSeconds += seconds;
    }
    if (renderSeconds > 0) {
        state.counters["times_real_time"] =
            reelSeconds * static_cast<double>(state.iterations()) / renderSeconds;
    }
}
BENCHMARK(BM_RenderReelWebM)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
