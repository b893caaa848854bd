#pragma once
// Base of the two playback modes: each mode is a small state machine of the sub-states
// stopped, playing and paused, with a 100 ms timer whose tick goes to the playing sub-state.

#include "MediaControllerAdapter.h"

#include <QTimer>

#include <cstdint>
#include <memory>

class TMediaControllerState : public TMediaControllerAdapter {
public:
    static constexpr int kStopped = 0;
    static constexpr int kPlaying = 1;
    static constexpr int kPaused = 2;

    explicit TMediaControllerState(IMediaControllerServices& controller);
    ~TMediaControllerState() override;

    // Makes sub-state k current; nothing else happens.
    void SetSubState(int k);
    // Advances at every change of sub-state, and whenever a mode says what it plays has changed,
    // so that an operation can tell whether another one ran inside it.
    std::uint64_t StateSerial() const { return m_stateSerial; }
    void AdvanceStateSerial() { ++m_stateSerial; }
    IMediaControllerServices& Controller() const { return *m_controller; }
    IMediaView& View() const;
    QTimer& Timer() { return m_timer; }
    // The timer's tick: always handled by the playing sub-state.
    virtual void Tick() = 0;

    void SetPosition(double position) override;
    void Play() override;
    void PlayClip(int index) override;
    void Pause() override;
    void Stop() override;
    void Next() override;
    void Previous() override;
    void FastForward() override;
    void Rewind() override;
    bool IsPlaying() override;
    bool IsPaused() override;
    bool IsStopped() override;
    bool CanPlay() override;
    bool CanPause() override;
    bool CanStop() override;
    bool CanNext() override;
    bool CanPrevious() override;
    bool CanFastForward() override;
    bool CanRewind() override;

protected:
    void SetSubStates(std::unique_ptr<TMediaControllerAdapter> stopped,
                      std::unique_ptr<TMediaControllerAdapter> playing,
                      std::unique_ptr<TMediaControllerAdapter> paused);
    TMediaControllerAdapter& Current() const { return *m_current; }

private:
    IMediaControllerServices* m_controller;
    std::unique_ptr<TMediaControllerAdapter> m_stopped;
    std::unique_ptr<TMediaControllerAdapter> m_playing;
    std::unique_ptr<TMediaControllerAdapter> m_paused;
    TMediaControllerAdapter* m_current = nullptr;
    std::uint64_t m_stateSerial = 0;
    QTimer m_timer;
};
