#include "MediaController.h"

#include "MediaClipsState.h"
#include "SingleMediaState.h"

#include <KivDateTime.h>
#include <UntStatistics.h>

#include <algorithm>

namespace {

constexpr double kInitialWindSpeed = 3.2 * kivdatetime::kSecond;
// Wind steps of this many seconds or less are refused.
constexpr double kSmallestRefusedStep = 0.049;
constexpr int kInitialVolume = -600;

} // namespace

std::shared_ptr<TMediaController>
TMediaController::Create(IQueryResultCoordinator* coordinator, IMediaView* view,
                         std::shared_ptr<IUserQuestions> questions) {
    std::shared_ptr<TMediaController> controller(
        new TMediaController(coordinator, view, std::move(questions)));
    view->SetVolume(kInitialVolume);
    view->SetController(controller);
    return controller;
}

TMediaController::TMediaController(IQueryResultCoordinator* coordinator, IMediaView* view,
                                   std::shared_ptr<IUserQuestions> questions)
    : m_coordinator(coordinator), m_view(view), m_questions(std::move(questions)),
      m_singleMedia(std::make_unique<TSingleMediaState>(Services())),
      m_clips(std::make_unique<TMediaClipsState>(Services())), m_mode(m_clips.get()),
      m_windSpeed(kInitialWindSpeed) {}

// The view may be gone by now; nothing here touches it.
TMediaController::~TMediaController() = default;

void TMediaController::AddListener(IMediaListener* listener) {
    if (std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end()) {
        m_listeners.push_back(listener);
    }
    listener->WindSpeedChanged(m_windSpeed);
    listener->TimeChanged(GetPosition(), GetLength());
    listener->AudioChanged(GetMute(), GetVolume());
    listener->ClipChanged(GetClipIndex(), GetClipCount());
}

void TMediaController::RemoveListener(IMediaListener* listener) {
    std::erase(m_listeners, listener);
}

void TMediaController::SetMode(int mode) {
    if (mode == 0) {
        m_mode = m_singleMedia.get();
    } else if (mode == 1) {
        m_mode = m_clips.get();
    }
}

int TMediaController::GetMode() {
    return m_mode->GetMode();
}

void TMediaController::SetMediaFile(const QString& fileName) {
    m_singleMedia->SetMediaFile(fileName);
}

QString TMediaController::GetMediaFile() {
    return m_mode->GetMediaFile();
}

void TMediaController::SetSituationSet(TSituationSet* set) {
    m_clips->SetSituationSet(set);
}

TSituationSet* TMediaController::GetSituationSet() {
    return m_clips->GetSituationSet();
}

void TMediaController::SetWindSpeed(double step) {
    if (step == m_windSpeed || step * kivdatetime::kSecondsPerDay <= kSmallestRefusedStep) {
        return;
    }
    m_windSpeed = step;
    NotifyWindSpeedChanged();
}

double TMediaController::GetWindSpeed() {
    return m_windSpeed;
}

double TMediaController::GetPosition() {
    return m_mode->GetPosition();
}

void TMediaController::SetPosition(double position) {
    m_mode->SetPosition(position);
}

double TMediaController::GetLength() {
    return m_mode->GetLength();
}

double TMediaController::GetMediaPosition() {
    return m_view->GetPosition();
}

void TMediaController::SetMediaPosition(double) {}

int TMediaController::GetVolume() {
    return m_view->GetVolume();
}

void TMediaController::SetVolume(int volume) {
    m_view->SetVolume(volume);
}

bool TMediaController::GetMute() {
    return m_view->GetMute();
}

void TMediaController::SetMute(bool mute) {
    if (mute != m_view->GetMute()) {
        m_view->SetMute(mute);
    }
}

int TMediaController::GetClipIndex() {
    return m_mode->GetClipIndex();
}

int TMediaController::GetClipCount() {
    return m_mode->GetClipCount();
}

void TMediaController::SetFullScreen(bool fullScreen) {
    m_view->SetFullScreen(fullScreen);
}

bool TMediaController::GetFullScreen() {
    return m_view->GetFullScreen();
}

void TMediaController::Play() {
    m_mode->Play();
}
void TMediaController::PlayClip(int index) {
    m_mode->PlayClip(index);
}
void TMediaController::Pause() {
    m_mode->Pause();
}
void TMediaController::Stop() {
    m_mode->Stop();
}
void TMediaController::Next() {
    m_mode->Next();
}
void TMediaController::Previous() {
    m_mode->Previous();
}
void TMediaController::FastForward() {
    m_mode->FastForward();
}
void TMediaController::Rewind() {
    m_mode->Rewind();
}
bool TMediaController::IsPlaying() {
    return m_mode->IsPlaying();
}
bool TMediaController::IsPaused() {
    return m_mode->IsPaused();
}
bool TMediaController::IsStopped() {
    return m_mode->IsStopped();
}
bool TMediaController::CanPlay() {
    return m_mode->CanPlay();
}
bool TMediaController::CanPause() {
    return m_mode->CanPause();
}
bool TMediaController::CanStop() {
    return m_mode->CanStop();
}
bool TMediaController::CanNext() {
    return m_mode->CanNext();
}
bool TMediaController::CanPrevious() {
    return m_mode->CanPrevious();
}
bool TMediaController::CanFastForward() {
    return m_mode->CanFastForward();
}
bool TMediaController::CanRewind() {
    return m_mode->CanRewind();
}

void TMediaController::ResultChanged(IQueryResultModel& model) {
    Stop();
    // The clip mode's set changes under it even while the other mode is current.
    if (m_mode != m_clips.get()) {
        m_clips->Stop();
    }
    SetSituationSet(&model.GetSituationSet());
}

void TMediaController::Refresh() {}

void TMediaController::QueryModelChanged(IQueryModel&) {}

void TMediaController::NotifyClipChanged(int index) {
    const int count = m_clips->OrderedCount();
    for (IMediaListener* listener : std::vector(m_listeners)) {
        listener->ClipChanged(index, count);
    }
}

void TMediaController::NotifyTimeChanged(double position, double length) {
    for (IMediaListener* listener : std::vector(m_listeners)) {
        listener->TimeChanged(position, length);
    }
}

void TMediaController::NotifyWindSpeedChanged() {
    for (IMediaListener* listener : std::vector(m_listeners)) {
        listener->WindSpeedChanged(m_windSpeed);
    }
}

bool TMediaController::DeliverClipTick() {
    if (!m_clips->Timer().isActive()) {
        return false;
    }
    m_clips->Tick();
    return true;
}

bool TMediaController::DeliverSingleMediaTick() {
    if (!m_singleMedia->Timer().isActive()) {
        return false;
    }
    m_singleMedia->Tick();
    return true;
}

bool TMediaController::ClipTimerActive() const {
    return m_clips->Timer().isActive();
}

bool TMediaController::SingleMediaTimerActive() const {
    return m_singleMedia->Timer().isActive();
}
