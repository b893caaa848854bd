#pragma once
// Clip mode: plays one clip per situation of the query result, in the order of the clip list,
// each from the time of day of its start to that of its end in its match's video.

#include "MediaControllerState.h"

#include <KivDateTime.h>

#include <cstdint>
#include <optional>

class TMediaClipsPlayingState;
class TMediaClipsStateState;
class TSituation;

class TMediaClipsState final : public TMediaControllerState {
public:
    explicit TMediaClipsState(IMediaControllerServices& controller);

    int GetMode() override { return 1; }
    // Recomputes the total length and tells the listeners of the new time and clip.
    void SetSituationSet(TSituationSet* set) override;
    TSituationSet* GetSituationSet() override { return m_set; }
    double GetPosition() override;
    double GetLength() override { return kivdatetime::FromMs(m_totalLengthMs); }
    int GetClipIndex() override { return m_clipIndex; }
    int GetClipCount() override;
    void Tick() override;

    // The clip sequence: the set in display order.
    int OrderedCount() const;
    TSituation* Clip(int i) const;
    // How long clip i plays, in milliseconds.
    std::int64_t ClipMs(int i) const;
    // None without a set or when the index is outside the sequence.
    TSituation* CurrentSituation() const;
    bool IsValidIndex(int i) const { return i >= 0 && i < OrderedCount(); }
    void SetClipIndex(int i);
    std::int64_t TotalLengthMs() const { return m_totalLengthMs; }
    // Where the sequence stands: the clips before the current one plus the way into it.
    double SequencePosition();
    // Loads the current clip into the view and switches the timer on. False when the user
    // declined to locate a missing video (then running has been stopped), or when the user
    // stopped, paused or played, or a new set came, while the view went to the clip's start.
    // When the view cannot go there, the mode and the view are stopped before the error goes
    // on.
    bool LoadCurrentClip(TMediaClipsStateState& running);

    static std::int64_t StartMs(const TSituation& situation);
    static std::int64_t EndMs(const TSituation& situation);

private:
    // The existing file, possibly located by the user; none when the user declines.
    std::optional<QString> EnsureVideoFile(const QString& fileName);

    TSituationSet* m_set = nullptr;
    int m_clipIndex = -1;
    std::int64_t m_totalLengthMs = 0;
    TMediaClipsPlayingState* m_playing = nullptr;
};

// Base of the clip sub-states.
class TMediaClipsStateState : public TMediaControllerAdapter {
public:
    explicit TMediaClipsStateState(TMediaClipsState& mode) : m_mode(&mode) {}
    int GetMode() override { return m_mode->GetMode(); }

protected:
    TMediaClipsState& Mode() const { return *m_mode; }
    IMediaView& View() const { return m_mode->View(); }
    // Selects clip index and loads it; false when it could not be loaded.
    bool LoadClip(int index);
    // The first clip that starts at or after sequence time position; none past the last start.
    std::optional<int> ClipAt(double position) const;
    // Stops the view, forgets its file and returns to clip 0.
    void StopPlayback();
    // A wind step; crossing a clip boundary continues in the adjacent clip by what is left.
    void Wind(bool forward);

private:
    TMediaClipsState* m_mode;
};

class TMediaClipsStoppedState final : public TMediaClipsStateState {
public:
    using TMediaClipsStateState::TMediaClipsStateState;
    void Play() override;
    void PlayClip(int index) override;
    bool IsStopped() override { return true; }
    bool CanPlay() override;
};

class TMediaClipsPlayingState final : public TMediaClipsStateState {
public:
    using TMediaClipsStateState::TMediaClipsStateState;
    void Tick();
    double GetPosition() override { return Mode().SequencePosition(); }
    void SetPosition(double position) override;
    void PlayClip(int index) override;
    void Pause() override;
    void Stop() override;
    void Next() override;
    void Previous() override;
    void FastForward() override;
    void Rewind() override;
    bool IsPlaying() override { return true; }
    bool CanPause() override { return true; }
    bool CanStop() override { return true; }
    bool CanNext() override;
    bool CanPrevious() override;
    bool CanFastForward() override { return true; }
    bool CanRewind() override { return true; }
};

class TMediaClipsPausedState final : public TMediaClipsStateState {
public:
    using TMediaClipsStateState::TMediaClipsStateState;
    double GetPosition() override { return Mode().SequencePosition(); }
    void SetPosition(double position) override;
    void Play() override;
    void PlayClip(int index) override;
    void Stop() override;
    void Next() override;
    void Previous() override;
    void FastForward() override;
    void Rewind() override;
    bool IsPaused() override { return true; }
    bool CanPlay() override { return true; }
    bool CanStop() override { return true; }
    bool CanNext() override;
    bool CanPrevious() override;
    bool CanFastForward() override { return true; }
    bool CanRewind() override { return true; }
};
