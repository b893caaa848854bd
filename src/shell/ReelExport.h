#pragma once
// File, Export Clips: the clips of the present result rendered into one video file. Asks for
// the file, starts the render and follows it with a progress dialog that can cancel it; the
// window stays usable meanwhile, since GStreamer renders on its own threads and only the
// progress reaches this thread. At the end one message says how it went, naming the clips
// that were left out.

#include "Agents.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QString>

#include <memory>
#include <vector>

class QWidget;
class TSituationSet;

class TReelExport final : public QObject, private IReelListener {
    Q_OBJECT
public:
    // The progress dialog belongs to window.
    TReelExport(QWidget* window, std::shared_ptr<IUserQuestions> questions);
    // A render still running is abandoned; it leaves no file.
    ~TReelExport() override;
    TReelExport(const TReelExport&) = delete;
    TReelExport& operator=(const TReelExport&) = delete;

    bool IsRunning() const;
    // Asks for the output and starts the render; returns as soon as it runs. Videos are found
    // at their matches' paths, else in mediaFolder. suggestedFile is the dialog's first
    // choice. The set is read now; later changes to it do not reach the render.
    void Start(const TSituationSet& set, const QString& mediaFolder, const QString& suggestedFile);
    // The dialog of the running render; none when nothing runs.
    QProgressDialog* Progress() const { return m_progress; }

private:
    void ReelProgress(double renderedSeconds, double totalSeconds) override;
    void ReelFinished() override;
    void ReelFailed(const QString& message) override;
    void ReelCancelled() override;
    void CloseProgress();
    void Warn(const QString& text);

    QWidget* m_window;
    std::shared_ptr<IUserQuestions> m_questions;
    std::unique_ptr<IReelRenderer> m_renderer;
    QPointer<QProgressDialog> m_progress;
    // Of the running render.
    QString m_output;
    QString m_label; // the dialog's text before the time left
    QElapsedTimer m_clock;
    int m_clipCount = 0;
    std::vector<QString> m_skipped;
};
