// The viewer's start-up on a generated index of 100 000 situations given with "-O": from the
// wiring until the main window shows the filled clip list, measured against clipwise-cli
// counts on the same file in the same run, and the resident memory it takes against the
// file's size.

#include "BenchData.h"
#include "FrmMediaIndex.h"
#include "MediaIndexViewer.h"
#include "QueryFrame.h"
#include "QueryResultIndex.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// Answers every question with No and cancels every dialog: the start-up asks none.
class TSilentQuestions final : public IUserQuestions {
public:
    TQuestionAnswer Ask(TQuestionKind, const QString&, TQuestionButtons) override {
        return TQuestionAnswer::No;
    }
    QString OpenFileDialog(const QString&, const QString&, const QString&,
                           const QString&) override {
        return {};
    }
    QString SaveFileDialog(const QString&, const QString&, const QString&,
                           const QString&) override {
        return {};
    }
    QString FolderDialog(const QString&, const QString&) override { return {}; }
};

long ResidentBytes() {
    long pages = 0;
    long resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) {
            resident = 0;
        }
        std::fclose(statm);
    }
    return resident * 4096;
}

void StartUp100k(benchmark::State& state) {
    const int situations = 100000;
    const QString index = QString::fromStdString(BenchMediaIndex(situations));
    // Every match finds a (silent) video where the index names it, relative to the working
    // folder: a video found elsewhere would be written back into the shared input.
    QTemporaryDir program;
    QDir::setCurrent(program.path());
    for (int m = 1; m <= situations / 100; ++m) {
        QFile video(program.filePath(QStringLiteral("match_%1.mp4").arg(m, 4, 10, QChar('0'))));
        if (!video.open(QIODevice::WriteOnly)) {
            state.SkipWithError("cannot make the media folder");
            return;
        }
    }
    qputenv("CLIPWISE_USER_SETTINGS", program.filePath(QStringLiteral("user.ini")).toLocal8Bit());
    qputenv("CLIPWISE_ADMIN_SETTINGS", program.filePath(QStringLiteral("admin.ini")).toLocal8Bit());
    auto questions = std::make_shared<TSilentQuestions>();

    double viewerSeconds = 0;
    double cliSeconds = 0;
    long memory = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        const long before = ResidentBytes();
        clock.start();
        auto viewer = std::make_unique<TMediaIndexViewer>(
            questions, QStringList{QStringLiteral("clipwise"), QStringLiteral("-O") + index},
            program.path());
        viewer->OpenStartUpDocument();
        viewer->Form()->ShowAsStored();
        while (viewer->Form()->QueryFrame()->QueryResultIndex()->RowCount() == 0 ||
               !viewer->Form()->isVisible()) {
            QCoreApplication::processEvents();
        }
        QCoreApplication::processEvents();
        const double seconds = clock.nsecsElapsed() / 1e9;
        memory = std::max(memory, ResidentBytes() - before);
        viewerSeconds += seconds;
        state.SetIterationTime(seconds);
        viewer.reset();

        QProcess cli;
        cli.setStandardOutputFile(QProcess::nullDevice());
        clock.start();
        cli.start(QStringLiteral(CLIPWISE_CLI), {QStringLiteral("counts"), index});
        cli.waitForFinished(-1);
        cliSeconds += clock.nsecsElapsed() / 1e9;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["viewer_s"] = viewerSeconds / n;
    state.counters["cli_counts_s"] = cliSeconds / n;
    state.counters["ratio_to_cli"] = viewerSeconds / cliSeconds;
    state.counters["rss_MB"] = static_cast<double>(memory) / 1e6;
    state.counters["rss_to_file"] = static_cast<double>(memory) / QFileInfo(index).size();
}
BENCHMARK(StartUp100k)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
