#include "ReelExport.h"

#include "MediaStatusBar.h"
#include "QtBusyCursor.h"
#include "ReelPlan.h"
#include "ReelRenderer.h"

#include <QFileInfo>
#include <QProgressDialog>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

const QString kTitle = QStringLiteral("Export Clips");
constexpr std::size_t kListedSkips = 10; // more would not fit a message box on the screen

QString Clips(int count) {
    return count == 1 ? QStringLiteral("1 clip") : QStringLiteral("%1 clips").arg(count);
}

QString SkippedList(const std::vector<QString>& skipped) {
    QStringList lines;
    for (std::size_t i = 0; i < std::min(skipped.size(), kListedSkips); ++i) {
        lines << skipped[i];
    }
    if (skipped.size() > kListedSkips) {
        lines << QStringLiteral("... and %1 more.").arg(skipped.size() - kListedSkips);
    }
    return lines.join(u'\n');
}

// What was written, then the clips left out.
QString ExportReport(const QString& output, int clipCount, const std::vector<QString>& skipped) {
    QString text = QStringLiteral("Exported %1 to \"%2\", with their chapters in \"%3\".")
                       .arg(Clips(clipCount), output, TReelRenderer::ChaptersPath(output));
    if (!skipped.empty()) {
        text += QStringLiteral("\n\nLeft out of the result's clips:\n") + SkippedList(skipped);
    }
    return text;
}

} // namespace

TReelExport::TReelExport(QWidget* window, std::shared_ptr<IUserQuestions> questions)
    : m_window(window), m_questions(std::move(questions)),
      m_renderer(std::make_unique<TReelRenderer>()) {}

TReelExport::~TReelExport() {
    m_renderer.reset();
    delete m_progress.data();
}

bool TReelExport::IsRunning() const {
    return m_renderer->IsRunning();
}

void TReelExport::Start(const TSituationSet& set, const QString& mediaFolder,
                        const QString& suggestedFile) {
    if (IsRunning()) {
        return;
    }
    TReelSelection selection;
    try {
        // Each video is opened to read its length: a moment per match.
        TQtBusyCursor cursor;
        cursor.Begin();
        struct TEnd {
            TQtBusyCursor& cursor;
            ~TEnd() { cursor.End(); }
        } end{cursor};
        selection = PlanReel(set, mediaFolder, TReelRenderer::VideoLengthMs);
    } catch (const std::exception& error) {
        Warn(QString::fromUtf8(error.what()));
        return;
    }
    std::vector<QString> skipped;
    for (const TReelSkip& skip : selection.skipped) {
        skipped.push_back(skip.message);
    }
    if (selection.plan.clips.empty()) {
        Warn(QStringLiteral("No clip of the result can be exported.\n\n") + SkippedList(skipped));
        return;
    }

    const QString output = m_questions->SaveFileDialog(
        kTitle, QStringLiteral("WebM video (*.webm)|*.webm|MP4 video (*.mp4)|*.mp4"),
        QStringLiteral("webm"), suggestedFile);
    if (output.isEmpty()) {
        return;
    }
    try {
        m_renderer->Start(selection.plan, output, this);
    } catch (const std::exception& error) {
        Warn(QString::fromUtf8(error.what()));
        return;
    }
    m_output = output;
    m_clipCount = static_cast<int>(selection.plan.clips.size());
    m_skipped = std::move(skipped);

    m_label = QStringLiteral("Exporting %1 to \"%2\"...")
                  .arg(Clips(m_clipCount), QFileInfo(output).fileName());
    m_clock.start();
    auto* progress =
        new QProgressDialog(m_label + u'\n', QStringLiteral("Cancel"), 0, 100, m_window);
    progress->setObjectName(QStringLiteral("ExportProgress"));
    progress->setWindowTitle(kTitle);
    // Not modal: the window goes on playing and browsing while the render runs.
    progress->setWindowModality(Qt::NonModal);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    progress->setMinimumDuration(0);
    progress->setMinimumWidth(360);
    progress->setValue(0);
    connect(progress, &QProgressDialog::canceled, this, [this] { m_renderer->Cancel(); });
    m_progress = progress;
    progress->show();
}

void TReelExport::ReelProgress(double renderedSeconds, double totalSeconds) {
    if (!m_progress || totalSeconds <= 0) {
        return;
    }
    const double part = std::clamp(renderedSeconds / totalSeconds, 0.0, 1.0);
    m_progress->setValue(std::min(static_cast<int>(std::floor(100 * part)), 99));
    // Guessed from the pace so far, once there is a pace to go by.
    constexpr double kSecondsPerDay = 86400;
    const double elapsed = static_cast<double>(m_clock.elapsed()) / 1000;
    m_progress->setLabelText(m_label + u'\n' +
                             (part >= 0.01 && elapsed >= 1
                                  ? FormatDuration(elapsed * (1 - part) / part / kSecondsPerDay) +
                                        QStringLiteral(" left")
                                  : QString()));
}

void TReelExport::ReelFinished() {
    CloseProgress();
    const QString report = ExportReport(m_output, m_clipCount, m_skipped);
    if (m_skipped.empty()) {
        m_questions->Ask(TQuestionKind::Information, report, TQuestionButtons::Ok);
    } else {
        Warn(report);
    }
}

void TReelExport::ReelFailed(const QString& message) {
    CloseProgress();
    Warn(message);
}

void TReelExport::ReelCancelled() {
    CloseProgress();
}

void TReelExport::CloseProgress() {
    if (m_progress) {
        m_progress->hide();
        // Later: the dialog may be the sender of the cancel that brought us here.
        m_progress->deleteLater();
        m_progress.clear();
    }
}

void TReelExport::Warn(const QString& text) {
    m_questions->Ask(TQuestionKind::Warning, text, TQuestionButtons::Ok);
}
