#pragma once
// Single-media mode: plays one media file, with stopped, playing and paused sub-states.

#include "MediaControllerState.h"

class TSingleMediaPlayingState;

class TSingleMediaState final : public TMediaControllerState {
public:
    explicit TSingleMediaState(IMediaControllerServices& controller);

    int GetMode() override { return 0; }
    // Stores the name and stops this mode's sub-state; the view is not touched.
    void SetMediaFile(const QString& fileName) override;
    QString GetMediaFile() override { return m_fileName; }
    double GetPosition() override;
    double GetLength() override;
    int GetClipIndex() override { return 1; }
    int GetClipCount() override { return 1; }
    void Tick() override;

    const QString& FileName() const { return m_fileName; }

private:
    QString m_fileName;
    TSingleMediaPlayingState* m_playing = nullptr;
};

// Base of the single-media sub-states.
class TSingleMediaStateState : public TMediaControllerAdapter {
public:
    explicit TSingleMediaStateState(TSingleMediaState& mode) : m_mode(&mode) {}
    int GetMode() override { return m_mode->GetMode(); }

protected:
    TSingleMediaState& Mode() const { return *m_mode; }
    IMediaView& View() const { return m_mode->View(); }
    // Opens the stored file unless the view has it, plays, and switches the timer on.
    void Start();
    // Stops the view, forgets its file and tells the listeners.
    void StopPlayback();
    void SetPositionAndNotify(double position);
    void Wind(double step);

private:
    TSingleMediaState* m_mode;
};

class TSingleMediaStoppedState final : public TSingleMediaStateState {
public:
    using TSingleMediaStateState::TSingleMediaStateState;
    void Play() override;
    void Pause() override;
    bool IsStopped() override { return true; }
    bool CanPlay() override;
};

class TSingleMediaPlayingState final : public TSingleMediaStateState {
public:
    using TSingleMediaStateState::TSingleMediaStateState;
    void Tick();
    void Pause() override;
    void Stop() override;
    void SetPosition(double position) override;
    void FastForward() override;
    void Rewind() override;
    bool IsPlaying() override { return true; }
    bool CanPause() override { return true; }
    bool CanStop() override { return true; }
    bool CanFastForward() override { return true; }
    bool CanRewind() override { return true; }
};

class TSingleMediaPausedState final : public TSingleMediaStateState {
public:
    using TSingleMediaStateState::TSingleMediaStateState;
    void Play() override;
    void Stop() override;
    void SetPosition(double position) override;
    void FastForward() override;
    void Rewind() override;
    bool IsPaused() override { return true; }
    bool CanPlay() override;
    bool CanStop() override { return true; }
    bool CanFastForward() override { return true; }
    bool CanRewind() override { return true; }
};
