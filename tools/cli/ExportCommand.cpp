// clipwise-cli export: the clips of a query rendered into one video file, a highlight reel.

#include "Cli.h"
#include "CliQuery.h"
#include "ReelPlan.h"
#include "ReelRenderer.h"
#include "UntStatistics.h"

#include <QEventLoop>
#include <QSocketNotifier>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <iostream>
#include <unistd.h>

namespace cli {
namespace {

constexpr int kInterrupted = 130; // what a shell reports for a program ended by Ctrl+C

QSize SizeOf(const TArguments& arguments) {
    if (!arguments.IsSet("size")) {
        return {};
    }
    const std::string text = arguments.Value("size");
    int width = 0;
    int height = 0;
    char end = 0;
    if (std::sscanf(text.c_str(), "%dx%d%c", &width, &height, &end) != 2 || width < 16 ||
        height < 16 || width > 7680 || height > 4320) {
        throw EUsageError("--size needs WIDTHxHEIGHT from 16x16 to 7680x4320, not \"" + text +
                          "\"");
    }
    return {width, height};
}

// Ctrl+C and termination reach the event loop through a pipe, so that the render is cancelled
// there and its temporary file removed before the program ends.
int g_signalPipe[2] = {-1, -1};

void OnSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
}

class TSignalWatch {
public:
    explicit TSignalWatch(const std::function<void()>& onSignal) {
        if (::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
            throw std::runtime_error("Cannot watch for Ctrl+C.");
        }
        m_notifier = std::make_unique<QSocketNotifier>(g_signalPipe[0], QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, onSignal);
        struct sigaction action {};
        action.sa_handler = OnSignal;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGINT, &action, &m_oldInt);
        ::sigaction(SIGTERM, &action, &m_oldTerm);
    }
    ~TSignalWatch() {
        ::sigaction(SIGINT, &m_oldInt, nullptr);
        ::sigaction(SIGTERM, &m_oldTerm, nullptr);
        m_notifier.reset();
        ::close(g_signalPipe[0]);
        ::close(g_signalPipe[1]);
    }
    TSignalWatch(const TSignalWatch&) = delete;
    TSignalWatch& operator=(const TSignalWatch&) = delete;

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
    struct sigaction m_oldInt {};
    struct sigaction m_oldTerm {};
};

std::string Clock(double seconds) {
    const long total = std::lround(std::max(0.0, seconds));
    char text[32];
    if (total >= 3600) {
        std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", total / 3600, total / 60 % 60,
                      total % 60);
    } else {
        std::snprintf(text, sizeof text, "%02ld:%02ld", total / 60, total % 60);
    }
    return text;
}

// Follows the render; on a terminal it redraws one progress line on stderr.
class TExportListener final : public IReelListener {
public:
    TExportListener(QEventLoop& loop, bool terminal) : m_loop(loop), m_terminal(terminal) {}

    void ReelProgress(double rendered, double total) override {
        m_total = total;
        if (!m_terminal || total <= 0) {
            return;
        }
        const double part = std::clamp(rendered / total, 0.0, 1.0);
        const double elapsed = std::chrono::duration<double>(Clock::now() - m_started).count();
        constexpr int kWidth = 30;
        const int filled = static_cast<int>(part * kWidth);
        std::string line = "\r[" + std::string(filled, '#') + std::string(kWidth - filled, ' ') +
                           "] " + std::to_string(static_cast<int>(part * 100)) + "%  " +
                           ::cli::Clock(elapsed) + " elapsed";
        if (part > 0) {
            line += ", " + ::cli::Clock(elapsed * (1 - part) / part) + " left";
        }
        std::cerr << line << "   " << std::flush;
        m_drawn = true;
    }
    void ReelFinished() override {
        ReelProgress(m_total, m_total);
        End(0, {});
    }
    void ReelFailed(const QString& message) override { End(1, message.toStdString()); }
    void ReelCancelled() override { End(kInterrupted, "interrupted; nothing was written"); }

    int ExitCode() const { return m_exitCode; }

private:
    using Clock = std::chrono::steady_clock;

    void End(int exitCode, const std::string& message) {
        if (m_drawn) {
            std::cerr << "\n";
        }
        if (!message.empty()) {
            std::cerr << "clipwise-cli: " << message << "\n";
        }
        m_exitCode = exitCode;
        m_loop.quit();
    }

    QEventLoop& m_loop;
    bool m_terminal;
    bool m_drawn = false;
    double m_total = 0;
    int m_exitCode = 1;
    Clock::time_point m_started = Clock::now();
};

int Export(const TArguments& arguments) {
    const QSize size = SizeOf(arguments);
    const QString output = QString::fromStdString(arguments.Positional()[1]);
    TQuery query(arguments.Positional()[0]);
    query.Select(arguments.Values("select"));
    query.SortBy(arguments.Values("sort"));
    const TSituationSet& set = query.Result().GetSituationSet();
    if (set.SortedCount() == 0) {
        throw std::runtime_error("The result holds no clips.");
    }

    TReelSelection selection =
        PlanReel(set, MediaFolderOf(arguments), TReelRenderer::VideoLengthMs);
    const bool strict = arguments.IsSet("strict");
    for (const TReelSkip& skip : selection.skipped) {
        std::cerr << "clipwise-cli: " << (strict ? "" : "warning: ") << skip.message.toStdString()
                  << "\n";
    }
    if (strict && !selection.skipped.empty()) {
        return 1;
    }
    if (selection.plan.clips.empty()) {
        throw std::runtime_error("No clip of the result can be exported.");
    }
    selection.plan.titles = arguments.IsSet("titles");
    selection.plan.size = size;

    QEventLoop loop;
    TExportListener listener(loop, ::isatty(STDERR_FILENO) == 1);
    TReelRenderer renderer;
    const TSignalWatch interrupts([&renderer] { renderer.Cancel(); });
    renderer.Start(selection.plan, output, &listener);
    loop.exec();
    return listener.ExitCode();
}

} // namespace

std::vector<TCommand> ExportCommands() {
    return {
        {"export",
         "IN OUT [--select PROPERTY=VALUE]... [--sort CAPTION]... [--titles] [--size WxH] "
         "[--media-folder DIR] [--strict]",
         "render the clips of a query, in display order, into one video file (.webm or .mp4) "
         "with a WebVTT chapters file beside it",
         {{"IN", "the media index to query"},
          {"OUT", "the video to write; its extension (.webm, .mp4) chooses the format"}},
         {{"select", "PROPERTY=VALUE",
           "toggle a value of a property, in order; values of one property combine with OR, "
           "properties with AND"},
          {"sort", "CAPTION",
           "sort by the column with this caption, as a click on its header does; the same "
           "caption again reverses the order"},
          {"titles", "", "lay a caption over the first seconds of each clip"},
          {"size", "WxH", "the picture size (the first clip's video's size)"},
          {"media-folder", "DIR", "where to look for match videos besides their own paths"},
          {"strict", "", "exit 1 before rendering if any clip would be skipped"}},
         Export},
    };
}

} // namespace cli
