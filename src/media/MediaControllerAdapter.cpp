#include "MediaControllerAdapter.h"

namespace {

constexpr int kSilence = -10000;

} // namespace

void TMediaControllerAdapter::AddListener(IMediaListener*) {}
void TMediaControllerAdapter::RemoveListener(IMediaListener*) {}
void TMediaControllerAdapter::SetWindSpeed(double) {}
double TMediaControllerAdapter::GetWindSpeed() {
    return 0;
}
void TMediaControllerAdapter::SetMediaPosition(double) {}

void TMediaControllerAdapter::SetMode(int) {}
void TMediaControllerAdapter::SetMediaFile(const QString&) {}
QString TMediaControllerAdapter::GetMediaFile() {
    return {};
}
void TMediaControllerAdapter::SetSituationSet(TSituationSet*) {}
TSituationSet* TMediaControllerAdapter::GetSituationSet() {
    return nullptr;
}
double TMediaControllerAdapter::GetPosition() {
    return 0;
}
void TMediaControllerAdapter::SetPosition(double) {}
double TMediaControllerAdapter::GetLength() {
    return 0;
}
int TMediaControllerAdapter::GetVolume() {
    return kSilence;
}
void TMediaControllerAdapter::SetVolume(int) {}
bool TMediaControllerAdapter::GetMute() {
    return false;
}
void TMediaControllerAdapter::SetMute(bool) {}
double TMediaControllerAdapter::GetMediaPosition() {
    return 0;
}
int TMediaControllerAdapter::GetClipIndex() {
    return 0;
}
int TMediaControllerAdapter::GetClipCount() {
    return 0;
}
void TMediaControllerAdapter::SetFullScreen(bool) {}
bool TMediaControllerAdapter::GetFullScreen() {
    return false;
}
void TMediaControllerAdapter::Play() {}
void TMediaControllerAdapter::PlayClip(int) {}
void TMediaControllerAdapter::Pause() {}
void TMediaControllerAdapter::Stop() {}
void TMediaControllerAdapter::Next() {}
void TMediaControllerAdapter::Previous() {}
void TMediaControllerAdapter::FastForward() {}
void TMediaControllerAdapter::Rewind() {}
bool TMediaControllerAdapter::IsPlaying() {
    return false;
}
bool TMediaControllerAdapter::IsPaused() {
    return false;
}
bool TMediaControllerAdapter::IsStopped() {
    return false;
}
bool TMediaControllerAdapter::CanPlay() {
    return false;
}
bool TMediaControllerAdapter::CanPause() {
    return false;
}
bool TMediaControllerAdapter::CanStop() {
    return false;
}
bool TMediaControllerAdapter::CanNext() {
    return false;
}
bool TMediaControllerAdapter::CanPrevious() {
    return false;
}
bool TMediaControllerAdapter::CanFastForward() {
    return false;
}
bool TMediaControllerAdapter::CanRewind() {
    return false;
}
