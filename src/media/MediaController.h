#pragma once
// Plays the match video for the query window: clip mode plays one clip per situation of the
// query result, single-media mode one media file. Each mode is a state machine of its own;
// the controller forwards most operations to the current mode and tells its listeners of
// clip, time and wind-speed changes.

#include <Agents.h>

#include <memory>
#include <vector>

class TMediaClipsState;
class TMediaControllerState;
class TSingleMediaState;

class TMediaController final : public IMediaController,
                               public IQueryResultController,
                               private IMediaControllerServices {
public:
    // Creates a controller over view and registers it with the view, which keeps it alive.
    // The coordinator (may be none) is remembered, not owned. Missing videos are located by
    // asking through questions (may be none: then a missing video is not played).
    static std::shared_ptr<TMediaController> Create(IQueryResultCoordinator* coordinator,
                                                    IMediaView* view,
                                                    std::shared_ptr<IUserQuestions> questions);
    ~TMediaController() override;
    TMediaController(const TMediaController&) = delete;
    TMediaController& operator=(const TMediaController&) = delete;

    void AddListener(IMediaListener* listener) override;
    void RemoveListener(IMediaListener* listener) override;
    void SetMode(int mode) override;
    int GetMode() override;
    void SetMediaFile(const QString& fileName) override;
    QString GetMediaFile() override;
    void SetSituationSet(TSituationSet* set) override;
    TSituationSet* GetSituationSet() override;
    void SetWindSpeed(double step) override;
    double GetWindSpeed() override;
    double GetPosition() override;
    void SetPosition(double position) override;
    double GetLength() override;
    double GetMediaPosition() override;
    void SetMediaPosition(double position) override;
    int GetVolume() override;
    void SetVolume(int volume) override;
    bool GetMute() override;
    void SetMute(bool mute) override;
    int GetClipIndex() override;
    int GetClipCount() override;
    void SetFullScreen(bool fullScreen) override;
    bool GetFullScreen() override;
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

    // A new query result: playback stops and the clip mode takes the new set.
    void ResultChanged(IQueryResultModel& model) override;
    void Refresh() override;
    void QueryModelChanged(IQueryModel& queryModel) override;

    IQueryResultCoordinator* Coordinator() const { return m_coordinator; }

    // Runs what a tick of the mode's 100 ms timer runs, if that timer is on; answers whether
    // it was. Lets tests step time instead of waiting for it.
    bool DeliverClipTick();
    bool DeliverSingleMediaTick();
    bool ClipTimerActive() const;
    bool SingleMediaTimerActive() const;

private:
    // For the modes and their sub-states.
    IMediaView& View() override { return *m_view; }
    IUserQuestions* Questions() override { return m_questions.get(); }
    void NotifyClipChanged(int index) override;
    void NotifyTimeChanged(double position, double length) override;
    void NotifyWindSpeedChanged();
    // The modes see only these services of their controller.
    IMediaControllerServices& Services() { return *this; }

    TMediaController(IQueryResultCoordinator* coordinator, IMediaView* view,
                     std::shared_ptr<IUserQuestions> questions);

    IQueryResultCoordinator* m_coordinator;
    IMediaView* m_view;
    std::shared_ptr<IUserQuestions> m_questions;
    std::unique_ptr<TSingleMediaState> m_singleMedia;
    std::unique_ptr<TMediaClipsState> m_clips;
    TMediaControllerState* m_mode = nullptr;
    double m_windSpeed;
    std::vector<IMediaListener*> m_listeners;
};
