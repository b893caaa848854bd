#include "SingleMediaState.h"

#include <KivDateTime.h>

TSingleMediaState::TSingleMediaState(IMediaControllerServices& controller)
    : TMediaControllerState(controller) {
    auto playing = std::make_unique<TSingleMediaPlayingState>(*this);
    m_playing = playing.get();
    SetSubStates(std::make_unique<TSingleMediaStoppedState>(*this), std::move(playing),
                 std::make_unique<TSingleMediaPausedState>(*this));
}

void TSingleMediaState::SetMediaFile(const QString& fileName) {
    m_fileName = fileName;
    SetSubState(kStopped);
}

double TSingleMediaState::GetPosition() {
    return View().GetPosition();
}

double TSingleMediaState::GetLength() {
    return View().GetDuration();
}

void TSingleMediaState::Tick() {
    m_playing->Tick();
}

void TSingleMediaStateState::Start() {
    if (View().GetFileName() != m_mode->FileName()) {
        View().SetFileName(m_mode->FileName());
    }
    View().Play();
    m_mode->Timer().start();
    m_mode->SetSubState(TMediaControllerState::kPlaying);
}

void TSingleMediaStateState::StopPlayback() {
    View().Stop();
    m_mode->Timer().stop();
    View().SetFileName(QString());
    m_mode->Controller().NotifyTimeChanged(0, m_mode->GetLength());
    m_mode->SetSubState(TMediaControllerState::kStopped);
}

void TSingleMediaStateState::SetPositionAndNotify(double position) {
    View().SetPosition(position);
    m_mode->Controller().NotifyTimeChanged(position, m_mode->GetLength());
}

void TSingleMediaStateState::Wind(double step) {
    // No clamping to the ends: a step that would leave the media does nothing.
    const double target = View().GetPosition() + step;
    const std::int64_t targetMs = kivdatetime::TotalMs(target);
    if ((step > 0 && targetMs < kivdatetime::TotalMs(View().GetDuration())) ||
        (step < 0 && targetMs > 0)) {
        View().SetPosition(target);
        m_mode->Controller().NotifyTimeChanged(View().GetPosition(), View().GetDuration());
    }
}

void TSingleMediaStoppedState::Play() {
    // Nothing to play without a file; the window offers Play only when CanPlay.
    if (CanPlay()) {
        Start();
    }
}

void TSingleMediaStoppedState::Pause() {
    if (!CanPlay()) {
        return;
    }
    Start();
    View().Pause();
    Mode().Timer().stop();
    Mode().SetSubState(TMediaControllerState::kPaused);
}

bool TSingleMediaStoppedState::CanPlay() {
    return !Mode().FileName().isEmpty();
}

void TSingleMediaPlayingState::Tick() {
    Mode().Controller().NotifyTimeChanged(View().GetPosition(), View().GetDuration());
}

void TSingleMediaPlayingState::Pause() {
    View().Pause();
    Mode().Timer().stop();
    Mode().SetSubState(TMediaControllerState::kPaused);
}

void TSingleMediaPlayingState::Stop() {
    StopPlayback();
}

void TSingleMediaPlayingState::SetPosition(double position) {
    SetPositionAndNotify(position);
}

void TSingleMediaPlayingState::FastForward() {
    Wind(Mode().Controller().GetWindSpeed());
}

void TSingleMediaPlayingState::Rewind() {
    Wind(-Mode().Controller().GetWindSpeed());
}

void TSingleMediaPausedState::Play() {
    if (CanPlay()) {
        Start();
    }
}

void TSingleMediaPausedState::Stop() {
    StopPlayback();
}

void TSingleMediaPausedState::SetPosition(double position) {
    SetPositionAndNotify(position);
}

void TSingleMediaPausedState::FastForward() {
    Wind(Mode().Controller().GetWindSpeed());
}

void TSingleMediaPausedState::Rewind() {
    Wind(-Mode().Controller().GetWindSpeed());
}

bool TSingleMediaPausedState::CanPlay() {
    return !Mode().FileName().isEmpty();
}
