#pragma once
// Neutral answers to every media controller operation, so that each mode and each sub-state
// overrides only what it does.

#include <Agents.h>

class TMediaControllerAdapter : public IMediaController {
public:
    // These belong to the controller itself; modes and sub-states cannot change them.
    void AddListener(IMediaListener* listener) final;
    void RemoveListener(IMediaListener* listener) final;
    void SetWindSpeed(double step) final;
    double GetWindSpeed() final;
    void SetMediaPosition(double position) final;

    void SetMode(int mode) override;
    // Every mode answers its own; a sub-state answers its mode's.
    int GetMode() override = 0;
    void SetMediaFile(const QString& fileName) override;
    QString GetMediaFile() override;
    void SetSituationSet(TSituationSet* set) override;
    TSituationSet* GetSituationSet() override;
    double GetPosition() override;
    void SetPosition(double position) override;
    double GetLength() override;
    int GetVolume() override;
    void SetVolume(int volume) override;
    bool GetMute() override;
    void SetMute(bool mute) override;
    double GetMediaPosition() override;
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
};
