#include "MediaClipsState.h"

#include <KivDateTime.h>
#include <Match.h>
#include <MediaFiles.h>
#include <Situation.h>
#include <UntStatistics.h>

#include <algorithm>

using kivdatetime::FromMs;
using kivdatetime::TotalMs;

namespace {

const char* const kLocateVideo =
    "The videofile could not be found, would you like to specify a new location?";

} // namespace

TMediaClipsState::TMediaClipsState(IMediaControllerServices& controller)
    : TMediaControllerState(controller) {
    auto playing = std::make_unique<TMediaClipsPlayingState>(*this);
    m_playing = playing.get();
    SetSubStates(std::make_unique<TMediaClipsStoppedState>(*this), std::move(playing),
                 std::make_unique<TMediaClipsPausedState>(*this));
}

std::int64_t TMediaClipsState::StartMs(const TSituation& situation) {
    return kivdatetime::TimeOfDayMs(situation.StartingTime());
}

std::int64_t TMediaClipsState::EndMs(const TSituation& situation) {
    return kivdatetime::TimeOfDayMs(situation.EndingTime());
}

void TMediaClipsState::SetSituationSet(TSituationSet* set) {
    AdvanceStateSerial();
    m_set = set;
    // Without a set there is nothing to play and no length to report.
    m_totalLengthMs = 0;
    if (!set) {
        return;
    }
    m_totalLengthMs = set->TotalLengthMs();
    Controller().NotifyTimeChanged(0, GetLength());
    Controller().NotifyClipChanged(OrderedCount() > 0 ? 0 : -1);
}

double TMediaClipsState::GetPosition() {
    return Current().GetPosition();
}

int TMediaClipsState::GetClipCount() {
    return m_set ? m_set->Count() : 0;
}

void TMediaClipsState::Tick() {
    m_playing->Tick();
}

int TMediaClipsState::OrderedCount() const {
    return m_set ? m_set->SortedCount() : 0;
}

TSituation* TMediaClipsState::Clip(int i) const {
    return m_set->SortedItem(i);
}

std::int64_t TMediaClipsState::ClipMs(int i) const {
    return m_set->SortedClipMs(i);
}

TSituation* TMediaClipsState::CurrentSituation() const {
    return IsValidIndex(m_clipIndex) ? Clip(m_clipIndex) : nullptr;
}

void TMediaClipsState::SetClipIndex(int i) {
    if (i != m_clipIndex) {
        m_clipIndex = i;
        Controller().NotifyClipChanged(i);
    }
}

double TMediaClipsState::SequencePosition() {
    const TSituation* current = CurrentSituation();
    if (!current) {
        return 0;
    }
    // Called on every tick: the lengths come from the set's records, not from the elements.
    std::int64_t before = 0;
    for (int i = 0; i < m_clipIndex; ++i) {
        before += ClipMs(i);
    }
    return FromMs(before - StartMs(*current)) + View().GetPosition();
}

std::optional<QString> TMediaClipsState::EnsureVideoFile(const QString& fileName) {
    return AskUntilFileExists(Controller().Questions(), fileName,
                              [](const QString&) { return QString::fromLatin1(kLocateVideo); });
}

bool TMediaClipsState::LoadCurrentClip(TMediaClipsStateState& running) {
    const TSituation* situation = CurrentSituation();
    if (!situation) {
        return false;
    }
    auto* match = dynamic_cast<TMatch*>(situation->Owner());
    const QString stored = match ? QString::fromStdString(match->VideoFilename()) : QString();
    const std::optional<QString> file = EnsureVideoFile(stored);
    if (!file) {
        running.Stop();
        return false;
    }
    // Only a new location is written, so that playing leaves the document unmodified.
    if (match && *file != stored) {
        match->SetVideoFilename(file->toStdString());
    }
    if (View().GetFileName() != *file) {
        View().SetFileName(*file);
    }
    const std::uint64_t serial = StateSerial();
    try {
        View().SetPosition(FromMs(StartMs(*situation)));
    } catch (...) {
        // The error ends the command; the player must not go on behind a stopped controller.
        Timer().stop();
        running.Stop();
        View().Stop();
        View().SetFileName(QString());
        SetSubState(kStopped);
        throw;
    }
    // The view handles pending events before it seeks, so the user may have stopped, paused or
    // played, or chosen a new result, meanwhile; that decision stands. The view may have been
    // opening the file then, when it ignores commands, so they are given again.
    if (StateSerial() != serial) {
        if (IsStopped()) {
            View().Stop();
            View().SetFileName(QString());
        } else if (IsPaused()) {
            View().Pause();
        }
        return false;
    }
    Timer().start();
    return true;
}

bool TMediaClipsStateState::LoadClip(int index) {
    m_mode->SetClipIndex(index);
    return m_mode->LoadCurrentClip(*this);
}

std::optional<int> TMediaClipsStateState::ClipAt(double position) const {
    const std::int64_t target = TotalMs(position);
    const int count = m_mode->OrderedCount();
    int i = 0;
    std::int64_t sum = 0;
    while (i < count && sum < target) {
        sum += m_mode->ClipMs(i);
        ++i;
    }
    if (i < count) {
        return i;
    }
    return std::nullopt;
}

void TMediaClipsStateState::StopPlayback() {
    m_mode->Timer().stop();
    View().Stop();
    View().SetFileName(QString());
    m_mode->SetClipIndex(0);
}

void TMediaClipsStateState::Wind(bool forward) {
    const TSituation* current = m_mode->CurrentSituation();
    if (!current) {
        return;
    }
    const std::int64_t position = TotalMs(View().GetPosition());
    const std::int64_t step = TotalMs(m_mode->Controller().GetWindSpeed());
    const int before = m_mode->GetClipIndex();
    const auto movedToAdjacent = [&] {
        return m_mode->GetClipIndex() != before && !m_mode->IsStopped() &&
               m_mode->CurrentSituation();
    };
    if (forward) {
        const std::int64_t overshoot = position + step - TMediaClipsState::EndMs(*current);
        if (overshoot < 0) {
            View().SetPosition(FromMs(position + step));
            return;
        }
        m_mode->Next();
        if (movedToAdjacent()) {
            const TSituation& next = *m_mode->CurrentSituation();
            View().SetPosition(FromMs(TMediaClipsState::StartMs(next) + overshoot));
        }
        return;
    }
    const std::int64_t shortfall = position - step - TMediaClipsState::StartMs(*current);
    if (shortfall > 0) {
        View().SetPosition(FromMs(position - step));
        return;
    }
    m_mode->Previous();
    if (movedToAdjacent()) {
        // Going back past a clip's start goes on from the end of the clip before it.
        const TSituation& previous = *m_mode->CurrentSituation();
        const std::int64_t target = std::max(TMediaClipsState::EndMs(previous) + shortfall,
                                             TMediaClipsState::StartMs(previous));
        if (target > 0) {
            View().SetPosition(FromMs(target));
        }
    }
}

void TMediaClipsStoppedState::Play() {
    if (Mode().OrderedCount() > 0 && LoadClip(0)) {
        Mode().SetSubState(TMediaControllerState::kPlaying);
    }
}

void TMediaClipsStoppedState::PlayClip(int index) {
    if (Mode().IsValidIndex(index) && LoadClip(index)) {
        Mode().SetSubState(TMediaControllerState::kPlaying);
    }
}

bool TMediaClipsStoppedState::CanPlay() {
    const TSituationSet* set = Mode().GetSituationSet();
    return set && set->Count() > 0;
}

void TMediaClipsPlayingState::Tick() {
    Mode().Timer().stop();
    Mode().Controller().NotifyTimeChanged(Mode().SequencePosition(), Mode().GetLength());
    const TSituation* current = Mode().CurrentSituation();
    if (current && TMediaClipsState::EndMs(*current) >= TotalMs(View().GetPosition())) {
        Mode().Timer().start();
    } else {
        Next();
    }
}

void TMediaClipsPlayingState::SetPosition(double position) {
    Mode().Timer().stop();
    if (const std::optional<int> index = ClipAt(position)) {
        if (!LoadClip(*index)) {
            return;
        }
    }
    Mode().Timer().start();
}

void TMediaClipsPlayingState::PlayClip(int index) {
    Mode().Timer().stop();
    if (Mode().IsValidIndex(index) && !LoadClip(index)) {
        return;
    }
    Mode().Timer().start();
}

void TMediaClipsPlayingState::Pause() {
    Mode().Timer().stop();
    View().Pause();
    Mode().SetSubState(TMediaControllerState::kPaused);
}

void TMediaClipsPlayingState::Stop() {
    StopPlayback();
    Mode().Controller().NotifyTimeChanged(0, Mode().GetLength());
    Mode().SetSubState(TMediaControllerState::kStopped);
}

void TMediaClipsPlayingState::Next() {
    Mode().Timer().stop();
    const int index = Mode().GetClipIndex();
    if (index >= Mode().OrderedCount() - 1) {
        Stop();
    } else {
        LoadClip(index + 1);
    }
}

void TMediaClipsPlayingState::Previous() {
    Mode().Timer().stop();
    const int index = Mode().GetClipIndex();
    if (index <= 0) {
        Mode().Timer().start();
    } else {
        LoadClip(index - 1);
    }
}

void TMediaClipsPlayingState::FastForward() {
    Wind(true);
    if (Mode().IsPlaying()) {
        Mode().Timer().start();
    }
}

void TMediaClipsPlayingState::Rewind() {
    Mode().Timer().stop();
    Wind(false);
    if (Mode().IsPlaying()) {
        Mode().Timer().start();
    }
}

bool TMediaClipsPlayingState::CanNext() {
    return Mode().GetClipIndex() < Mode().OrderedCount() - 1;
}

bool TMediaClipsPlayingState::CanPrevious() {
    return Mode().GetClipIndex() > 0;
}

void TMediaClipsPausedState::SetPosition(double position) {
    Mode().Timer().stop();
    if (const std::optional<int> index = ClipAt(position)) {
        const QString before = View().GetFileName();
        if (!LoadClip(*index)) {
            return;
        }
        // A clip in another file opens playing; paused means the picture stands still.
        if (View().GetFileName() != before) {
            View().Pause();
        }
        Mode().Timer().stop();
    }
    Mode().Controller().NotifyTimeChanged(Mode().SequencePosition(), Mode().GetLength());
}

void TMediaClipsPausedState::Play() {
    View().Play();
    Mode().Timer().start();
    Mode().SetSubState(TMediaControllerState::kPlaying);
}

void TMediaClipsPausedState::PlayClip(int index) {
    if (Mode().IsValidIndex(index)) {
        Mode().SetClipIndex(index);
        View().SetPosition(FromMs(TMediaClipsState::StartMs(*Mode().Clip(index))));
    }
}

void TMediaClipsPausedState::Stop() {
    StopPlayback();
    Mode().SetSubState(TMediaControllerState::kStopped);
}

void TMediaClipsPausedState::Next() {
    if (CanNext()) {
        PlayClip(Mode().GetClipIndex() + 1);
    }
}

void TMediaClipsPausedState::Previous() {
    if (CanPrevious()) {
        PlayClip(Mode().GetClipIndex() - 1);
    }
}

void TMediaClipsPausedState::FastForward() {
    Wind(true);
    Mode().Controller().NotifyTimeChanged(Mode().SequencePosition(), Mode().GetLength());
}

void TMediaClipsPausedState::Rewind() {
    Wind(false);
    Mode().Controller().NotifyTimeChanged(Mode().SequencePosition(), Mode().GetLength());
}

bool TMediaClipsPausedState::CanNext() {
    return Mode().GetClipIndex() < Mode().OrderedCount() - 1;
}

bool TMediaClipsPausedState::CanPrevious() {
    return Mode().GetClipIndex() > 0;
}
