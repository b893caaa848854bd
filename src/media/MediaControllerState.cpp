#include "MediaControllerState.h"

namespace {

constexpr int kTimerInterval = 100;

} // namespace

TMediaControllerState::TMediaControllerState(IMediaControllerServices& controller)
    : m_controller(&controller) {
    m_timer.setInterval(kTimerInterval);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Tick(); });
}

TMediaControllerState::~TMediaControllerState() = default;

void TMediaControllerState::SetSubStates(std::unique_ptr<TMediaControllerAdapter> stopped,
                                         std::unique_ptr<TMediaControllerAdapter> playing,
                                         std::unique_ptr<TMediaControllerAdapter> paused) {
    m_stopped = std::move(stopped);
    m_playing = std::move(playing);
    m_paused = std::move(paused);
    m_current = m_stopped.get();
}

void TMediaControllerState::SetSubState(int k) {
    ++m_stateSerial;
    switch (k) {
    case kStopped:
        m_current = m_stopped.get();
        break;
    case kPlaying:
        m_current = m_playing.get();
        break;
    case kPaused:
        m_current = m_paused.get();
        break;
    default:
        break;
    }
}

IMediaView& TMediaControllerState::View() const {
    return m_controller->View();
}

void TMediaControllerState::SetPosition(double position) {
    m_current->SetPosition(position);
}
void TMediaControllerState::Play() {
    m_current->Play();
}
void TMediaControllerState::PlayClip(int index) {
    m_current->PlayClip(index);
}
void TMediaControllerState::Pause() {
    m_current->Pause();
}
void TMediaControllerState::Stop() {
    m_current->Stop();
}
void TMediaControllerState::Next() {
    m_current->Next();
}
void TMediaControllerState::Previous() {
    m_current->Previous();
}
void TMediaControllerState::FastForward() {
    m_current->FastForward();
}
void TMediaControllerState::Rewind() {
    m_current->Rewind();
}
bool TMediaControllerState::IsPlaying() {
    return m_current->IsPlaying();
}
bool TMediaControllerState::IsPaused() {
    return m_current->IsPaused();
}
bool TMediaControllerState::IsStopped() {
    return m_current->IsStopped();
}
bool TMediaControllerState::CanPlay() {
    return m_current->CanPlay();
}
bool TMediaControllerState::CanPause() {
    return m_current->CanPause();
}
bool TMediaControllerState::CanStop() {
    return m_current->CanStop();
}
bool TMediaControllerState::CanNext() {
    return m_current->CanNext();
}
bool TMediaControllerState::CanPrevious() {
    return m_current->CanPrevious();
}
bool TMediaControllerState::CanFastForward() {
    return m_current->CanFastForward();
}
bool TMediaControllerState::CanRewind() {
    return m_current->CanRewind();
}
