#pragma once
// A recording media controller: the clip list asks it for its mode, state and file and tells
// it which clip to play or where to go; every such call is logged.

#include "Agents.h"

#include <string>
#include <vector>

class TMediaControllerDouble final : public IMediaController {
public:
    int mode = 1;
    bool stopped = true;
    QString mediaFile;
    std::vector<std::string> log;
    std::vector<IMediaListener*> listeners;

    void AddListener(IMediaListener* listener) override { listeners.push_back(listener); }
    void RemoveListener(IMediaListener* listener) override { std::erase(listeners, listener); }
    int GetMode() override { return mode; }
    QString GetMediaFile() override { return mediaFile; }
    bool IsStopped() override { return stopped; }
    void SetPosition(double position) override {
        log.push_back("SetPosition " + std::to_string(position));
    }
    void PlayClip(int index) override { log.push_back("PlayClip " + std::to_string(index)); }
    void Pause() override { log.push_back("Pause"); }

    void SetMode(int) override {}
    void SetMediaFile(const QString&) override {}
    void SetSituationSet(TSituationSet*) override {}
    TSituationSet* GetSituationSet() override { return nullptr; }
    void SetWindSpeed(double) override {}
    double GetWindSpeed() override { return 0; }
    double GetPosition() override { return 0; }
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
    void Stop() override {}
    void Next() override {}
    void Previous() override {}
    void FastForward() override {}
    void Rewind() override {}
    bool IsPlaying() override { return false; }
    bool IsPaused() override { return false; }
    bool CanPlay() override { return false; }
    bool CanPause() override { return false; }
    bool CanStop() override { return false; }
    bool CanNext() override { return false; }
    bool CanPrevious() override { return false; }
    bool CanFastForward() override { return false; }
    bool CanRewind() override { return false; }
};
