#include "MediaDisplay.h"

#include <KivDateTime.h>

#include <QCoreApplication>

#include <stdexcept>

using kivdatetime::kSecondsPerDay;

TMediaDisplay::TMediaDisplay(QWidget* parent) : TActiveMovie(parent) {}

TMediaDisplay::~TMediaDisplay() = default;

void TMediaDisplay::SetFileName(const QString& fileName) {
    if (!fileName.isEmpty()) {
        ++m_requests;
    }
    TActiveMovie::SetFileName(fileName);
    Open();
}

QString TMediaDisplay::GetFileName() {
    return FileName();
}

void TMediaDisplay::SetPosition(double position) {
    const std::uint64_t request = ++m_requests;
    QCoreApplication::processEvents();
    WaitWhileOpening();
    // A clip chosen while this one waited for its file stands; this position is dropped.
    if (request != m_requests) {
        return;
    }
    // A file the player cannot read says so, rather than seeking in the last good file.
    if (!OpenError().isEmpty()) {
        throw std::runtime_error("The video file \"" + FileName().toStdString() +
                                 "\" cannot be played: " + OpenError().toStdString());
    }
    if (CachedDurationMs() <= 0) {
        return;
    }
    const qint64 ms = kivdatetime::TimeOfDayMs(position);
    if (ms > CachedDurationMs()) {
        throw std::runtime_error("The time of the situation is after the end of the video");
    }
    SeekMs(ms);
}

double TMediaDisplay::GetPosition() {
    return CurrentPosition() / kSecondsPerDay;
}

double TMediaDisplay::GetDuration() {
    return Duration() / kSecondsPerDay;
}

void TMediaDisplay::Play() {
    TActiveMovie::Play();
}

void TMediaDisplay::Pause() {
    TActiveMovie::Pause();
}

void TMediaDisplay::Stop() {
    TActiveMovie::Stop();
}

int TMediaDisplay::GetVolume() {
    return Volume();
}

void TMediaDisplay::SetVolume(int volume) {
    TActiveMovie::SetVolume(volume);
}

bool TMediaDisplay::GetMute() {
    return Mute();
}

void TMediaDisplay::SetMute(bool mute) {
    TActiveMovie::SetMute(mute);
}

std::shared_ptr<IMediaController> TMediaDisplay::GetController() {
    return m_controller;
}

void TMediaDisplay::SetController(std::shared_ptr<IMediaController> controller) {
    m_controller = std::move(controller);
}

void TMediaDisplay::SetFullScreen(bool fullScreen) {
    SetFullScreenMode(fullScreen);
}

bool TMediaDisplay::GetFullScreen() {
    return FullScreenMode();
}
