#pragma once
// A media controller that does nothing and answers as a stopped controller in clip mode with
// nothing loaded. Test doubles derive from it and override what their tests look at.

#include "Agents.h"

#include <QString>

class TIdleMediaController : public IMediaController {
public:
    void AddListener(IMediaListener*) override {}
    void RemoveListener(IMediaListener*) override {}
    void SetMode(int) override {}
    int GetMode() override { return 1; }
    void SetMediaFile(const QString&) override {}
    QString GetMediaFile() override { return {}; }
    void SetSituationSet(TSituationSet*) override {}
    TSituationSet* GetSituationSet() override { return nullptr; }
    void SetWindSpeed(double) override {}
    double GetWindSpeed() override { return 0; }
    double GetPosition() override { return 0; }
    void SetPosition(double) override {}
    double GetLength() override { return 0; }
    double GetMediaPosition() override { return 0; }
    void SetMediaPosition(double) override {}
    int GetVolume() override { return 0; }
    void SetVolume(int) override {}
    bool GetMute() override { return false; }
    void SetMute(bool) override {}
    int GetClipIndex() override { return -1; }
    int GetClipCount() override { return 0; }
    void SetFullScreen(bool) override {}
    bool GetFullScreen() override { return false; }
    void Play() override {}
    void PlayClip(int) override {}
    void Pause() override {}
    void Stop() override {}
    void Next() override {}
    void Previous() override {}
    void FastForward() override {}
    void Rewind() override {}
    bool IsPlaying() override { return false; }
    bool IsPaused() override { return false; }
    bool IsStopped() override { return true; }
    bool CanPlay() override { return false; }
    bool CanPause() override { return false; }
    bool CanStop() override { return false; }
    bool CanNext() override { return false; }
    bool CanPrevious() override { return false; }
    bool CanFastForward() override { return false; }
    bool CanRewind() override { return false; }
};
