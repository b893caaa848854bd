#pragma once
// The video pane of the query window: the player component driven by the media controller.

#include "ActiveMovie.h"

#include <Agents.h>

#include <cstdint>
#include <memory>

class TMediaDisplay final : public TActiveMovie, public IMediaView {
    Q_OBJECT
public:
    explicit TMediaDisplay(QWidget* parent = nullptr);
    ~TMediaDisplay() override;

    void SetFileName(const QString& fileName) override;
    QString GetFileName() override;
    // Handles pending events first and waits for a file still being opened; ignored while no
    // duration is known, and dropped when a new file or position was given meanwhile. Throws
    // past the end of the video and when the file cannot be played.
    void SetPosition(double position) override;
    double GetPosition() override;
    double GetDuration() override;
    void Play() override;
    void Pause() override;
    void Stop() override;
    int GetVolume() override;
    void SetVolume(int volume) override;
    bool GetMute() override;
    void SetMute(bool mute) override;
    std::shared_ptr<IMediaController> GetController() override;
    void SetController(std::shared_ptr<IMediaController> controller) override;
    void SetFullScreen(bool fullScreen) override;
    bool GetFullScreen() override;

private:
    std::shared_ptr<IMediaController> m_controller;
    // Counts new files and positions, so that a position can tell it was superseded.
    std::uint64_t m_requests = 0;
};
