#pragma once
// A recording media controller: the clip list asks it for its mode, state and file and tells
// it which clip to play or where to go; every such call is logged.

#include "IdleMediaController.h"

#include <string>
#include <vector>

class TMediaControllerDouble final : public TIdleMediaController {
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
};
