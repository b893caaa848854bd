#pragma once
// Renders a highlight reel with GStreamer Editing Services: one timeline with one clip per
// situation, a caption layer above it when titles are asked for, encoded by the format that
// the output's extension names. The video is written to a temporary file beside the output and
// renamed over it only when the render has finished, together with a WebVTT chapters file.
//
// The renderer lives on the thread that starts it and needs that thread's event loop: a timer
// there reads the pipeline's messages and position, so that the listener hears everything on
// that thread while GStreamer encodes on its own. A listener that wants the renderer gone
// after a call deletes it later (deleteLater, a queued call), not inside the call.

#include "Agents.h"

#include <QString>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <optional>

class TReelRenderer final : public IReelRenderer {
public:
    TReelRenderer();
    // A render still running is abandoned and its temporary file removed; nobody is told.
    ~TReelRenderer() override;
    TReelRenderer(const TReelRenderer&) = delete;
    TReelRenderer& operator=(const TReelRenderer&) = delete;

    void Start(const TReelPlan& plan, const QString& outputPath, IReelListener* listener) override;
    void Cancel() override;
    bool IsRunning() override;

    // The length of a video in milliseconds as the timeline sees it; none for a file that is
    // not a video GStreamer can read.
    static std::optional<std::int64_t> VideoLengthMs(const QString& path);
    // The chapters file that goes with an output: the same name with the extension ".vtt".
    static QString ChaptersPath(const QString& outputPath);

private:
    struct TRender;
    void Poll();
    // Stops the pipeline and removes the temporary file; answers the listener to tell.
    IReelListener* Abandon();

    std::unique_ptr<TRender> m_render;
    QTimer m_poll;
};
