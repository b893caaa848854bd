// The media controller against a recording media view, over a real media index with real
// (empty) video files in a temporary folder. Clip i of a test is the i-th situation of the
// set; times are seconds into the match video.

#include "MediaController.h"

#include <KivDateTime.h>
#include <LabelFormat.h>
#include <MatchStatFile.h>
#include <UntStatistics.h>

#include <TestSupport.h>

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using testsupport::TTempDir;

namespace {

using TLog = std::vector<std::string>;

constexpr double kSecond = 1.0 / 86400;
constexpr double kMatchDay = 45000; // the date part of every time, which playback ignores

std::string Seconds(double days) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", days / kSecond);
    return text;
}

// Behaves as the media view promises: a new file opens playing from 0, the empty name only
// forgets, Stop returns to 0, positions past the video's end raise, and a position superseded
// by a file or position given while it waited is dropped.
class TRecordingView final : public IMediaView {
public:
    void SetFileName(const QString& fileName) override {
        Record("SetFileName(" + QFileInfo(fileName).fileName().toStdString() + ")");
        if (!fileName.isEmpty()) {
            ++m_requests;
        }
        if (!fileName.isEmpty() && fileName != m_fileName) {
            m_positionMs = 0;
            m_playing = true;
            m_durationMs = durationsMs.count(fileName) ? durationsMs[fileName] : 3'600'000;
        }
        m_fileName = fileName;
    }
    QString GetFileName() override { return m_fileName; }
    void SetPosition(double position) override {
        Record("SetPosition(" + Seconds(kivdatetime::FromMs(kivdatetime::TimeOfDayMs(position))) +
               ")");
        // The real view handles pending events before it seeks; so may a test.
        const int request = ++m_requests;
        if (auto pending = std::exchange(duringNextSeek, nullptr)) {
            pending();
        }
        if (request != m_requests || m_durationMs == 0) {
            return;
        }
        const std::int64_t ms = kivdatetime::TimeOfDayMs(position);
        if (ms > m_durationMs) {
            throw std::runtime_error("The time of the situation is after the end of the video");
        }
        m_positionMs = ms;
    }
    double GetPosition() override { return kivdatetime::FromMs(m_positionMs); }
    double GetDuration() override { return kivdatetime::FromMs(m_durationMs); }
    void Play() override {
        Record("Play");
        m_playing = true;
    }
    void Pause() override {
        Record("Pause");
        m_playing = false;
    }
    void Stop() override {
        Record("Stop");
        m_playing = false;
        m_positionMs = 0;
    }
    int GetVolume() override { return m_volume; }
    void SetVolume(int volume) override {
        Record("SetVolume(" + std::to_string(volume) + ")");
        m_volume = volume;
    }
    bool GetMute() override { return m_mute; }
    void SetMute(bool mute) override {
        Record(mute ? "SetMute(1)" : "SetMute(0)");
        m_mute = mute;
    }
    std::shared_ptr<IMediaController> GetController() override { return m_controller; }
    void SetController(std::shared_ptr<IMediaController> controller) override {
        m_controller = std::move(controller);
    }
    void SetFullScreen(bool fullScreen) override {
        Record(fullScreen ? "SetFullScreen(1)" : "SetFullScreen(0)");
        m_fullScreen = fullScreen;
    }
    bool GetFullScreen() override { return m_fullScreen; }

    // The video moves on.
    void PlayTo(double seconds) { m_positionMs = std::llround(seconds * 1000); }
    bool Playing() const { return m_playing; }
    TLog Take() { return std::exchange(m_log, {}); }

    std::map<QString, std::int64_t> durationsMs;
    std::function<void()> duringNextSeek;

private:
    void Record(std::string call) { m_log.push_back(std::move(call)); }

    TLog m_log;
    QString m_fileName;
    std::int64_t m_positionMs = 0;
    std::int64_t m_durationMs = 0;
    bool m_playing = false;
    int m_volume = 0;
    bool m_mute = false;
    bool m_fullScreen = false;
    int m_requests = 0;
    std::shared_ptr<IMediaController> m_controller;
};

class TRecordingListener final : public IMediaListener {
public:
    void ClipChanged(int index, int count) override {
        m_log.push_back("Clip(" + std::to_string(index) + "," + std::to_string(count) + ")");
    }
    void TimeChanged(double position, double length) override {
        m_log.push_back("Time(" + Seconds(position) + "," + Seconds(length) + ")");
    }
    void WindSpeedChanged(double step) override { m_log.push_back("Wind(" + Seconds(step) + ")"); }
    void AudioChanged(bool mute, int volume) override {
        m_log.push_back("Audio(" + std::to_string(mute) + "," + std::to_string(volume) + ")");
    }
    TLog Take() { return std::exchange(m_log, {}); }

private:
    TLog m_log;
};

class TScriptedQuestions final : public IUserQuestions {
public:
    TQuestionAnswer Ask(TQuestionKind kind, const QString& text,
                        TQuestionButtons buttons) override {
        EXPECT_EQ(kind, TQuestionKind::Confirmation);
        EXPECT_EQ(buttons, TQuestionButtons::YesNo);
        asked.push_back(text.toStdString());
        if (answers.empty()) {
            return TQuestionAnswer::No;
        }
        const TQuestionAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QString OpenFileDialog(const QString&, const QString&, const QString&,
                           const QString& fileName) override {
        presets.push_back(fileName);
        if (files.empty()) {
            return {};
        }
        const QString file = files.front();
        files.pop_front();
        return file;
    }
    QString SaveFileDialog(const QString&, const QString&, const QString&,
                           const QString&) override {
        ADD_FAILURE() << "no save dialog expected";
        return {};
    }
    QString FolderDialog(const QString&, const QString&) override {
        ADD_FAILURE() << "no folder dialog expected";
        return {};
    }

    std::deque<TQuestionAnswer> answers;
    std::deque<QString> files;
    std::vector<std::string> asked;
    std::vector<QString> presets;
};

// The set of a query result, for the controller's ResultChanged.
class TResultModel final : public IQueryResultModel {
public:
    explicit TResultModel(TSituationSet& set) : m_set(&set) {}
    void SetQueryModel(IQueryModel&) override {}
    void RecountCategories(IQueryDefinitionModel&) override {}
    int GetCount(const QString&, const QString&) override { return 0; }
    int GetCrossCount(const QString&, const QString&) override { return 0; }
    TSituationSet& GetSituationSet() override { return *m_set; }
    void Resort() override {}
    void SortBy(const QString&) override {}
    void AddObserver(IQueryResultObserver*) override {}
    void RemoveObserver(IQueryResultObserver*) override {}
    void SetServices(IQueryResultModelServices*) override {}

private:
    TSituationSet* m_set;
};

struct TClip {
    int match; // 0 plays a.mp4, 1 plays b.mp4
    double start;
    double end;
};

const std::string kLocateText =
    "The videofile could not be found, would you like to specify a new location?";

class MediaControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"a.mp4", "b.mp4"}) {
            testsupport::WriteFile(m_dir.File(name), "video");
        }
        m_questions = std::make_shared<TScriptedQuestions>();
        m_controller = TMediaController::Create(nullptr, &m_view, m_questions);
    }

    QString Video(const char* name) const { return QString::fromStdString(m_dir.File(name)); }

    // A document with the two matches and the clips, and the set of all clips in this order.
    TSituationSet& Clips(const std::vector<TClip>& clips) {
        TMatch* matches[2];
        for (int m = 0; m < 2; ++m) {
            matches[m] = m_document.Matches().Add();
            matches[m]->SetDateTime(kMatchDay + m);
            matches[m]->SetName(m == 0 ? "Cup" : "League");
            matches[m]->SetVideoFilename(m_dir.File(m == 0 ? "a.mp4" : "b.mp4"));
        }
        for (std::size_t i = 0; i < clips.size(); ++i) {
            TSituation* situation = matches[clips[i].match]->Situations().Add();
            situation->SetText("clip" + std::to_string(i));
            situation->SetStartingTime(kMatchDay + clips[i].start * kSecond);
            situation->SetEndingTime(kMatchDay + clips[i].end * kSecond);
        }
        m_document.SetModified(false);
        m_statistics = std::make_unique<TSituationStatistics>(m_document, TLabelFormat::Fixed());
        for (std::size_t i = 0; i < clips.size(); ++i) {
            m_statistics->ClearSelections();
            m_statistics->SelectKey("Clip Type", "clip" + std::to_string(i));
            m_set.UnionWith(m_statistics->ClipType());
        }
        return m_set;
    }

    // Three clips of 10 s, 20 s and 5 s, the second in another video.
    void ThreeClips() {
        m_controller->SetSituationSet(&Clips({{0, 100, 110}, {1, 200, 220}, {0, 300, 305}}));
        m_controller->AddListener(&m_listener);
        m_view.Take();
        m_listener.Take();
    }

    void Tick() { ASSERT_TRUE(m_controller->DeliverClipTick()); }

    TTempDir m_dir;
    TMatchStatFile m_document;
    std::unique_ptr<TSituationStatistics> m_statistics;
    TSituationSet m_set;
    TRecordingView m_view;
    TRecordingListener m_listener;
    std::shared_ptr<TScriptedQuestions> m_questions;
    std::shared_ptr<TMediaController> m_controller;
};

TEST_F(MediaControllerTest, NewControllerRegistersWithItsViewAndReportsItsStateToListeners) {
    EXPECT_EQ(m_view.Take(), TLog{"SetVolume(-600)"});
    EXPECT_EQ(m_view.GetController(), m_controller);
    EXPECT_EQ(m_controller->GetMode(), 1);
    EXPECT_TRUE(m_controller->IsStopped());
    EXPECT_FALSE(m_controller->CanPlay());
    const TLog initial{"Wind(3.200)", "Time(0.000,0.000)", "Audio(0,-600)", "Clip(-1,0)"};
    m_controller->AddListener(&m_listener);
    m_controller->AddListener(&m_listener);
    EXPECT_EQ(m_listener.Take(), [&] {
        TLog twice = initial;
        twice.insert(twice.end(), initial.begin(), initial.end());
        return twice;
    }());
    // Registered once: a change is told once.
    m_controller->SetWindSpeed(1.0 * kSecond);
    EXPECT_EQ(m_listener.Take(), TLog{"Wind(1.000)"});
    m_controller->RemoveListener(&m_listener);
    m_controller->SetWindSpeed(2.0 * kSecond);
    EXPECT_TRUE(m_listener.Take().empty());
}

TEST_F(MediaControllerTest, WindSpeedHalvesDownToFiftyMillisecondsAndIgnoresItsPresentValue) {
    m_controller->AddListener(&m_listener);
    m_listener.Take();
    for (int i = 0; i < 8; ++i) {
        m_controller->SetWindSpeed(m_controller->GetWindSpeed() / 2);
    }
    EXPECT_EQ(m_listener.Take(), (TLog{"Wind(1.600)", "Wind(0.800)", "Wind(0.400)", "Wind(0.200)",
                                       "Wind(0.100)", "Wind(0.050)"}));
    m_controller->SetWindSpeed(m_controller->GetWindSpeed());
    m_controller->SetWindSpeed(-1 * kSecond);
    EXPECT_TRUE(m_listener.Take().empty());
    m_controller->SetWindSpeed(600 * kSecond); // no upper bound
    EXPECT_EQ(m_listener.Take(), TLog{"Wind(600.000)"});
}

TEST_F(MediaControllerTest, EmptyResultCannotPlay) {
    m_controller->AddListener(&m_listener);
    m_listener.Take();
    m_view.Take();
    m_controller->SetSituationSet(&Clips({}));
    EXPECT_EQ(m_listener.Take(), (TLog{"Time(0.000,0.000)", "Clip(-1,0)"}));
    EXPECT_FALSE(m_controller->CanPlay());
    m_controller->Play();
    m_controller->PlayClip(0);
    EXPECT_TRUE(m_controller->IsStopped());
    EXPECT_TRUE(m_view.Take().empty());
}

TEST_F(MediaControllerTest, PlayLoadsTheFirstClipAndTicksRunThroughTheSequenceToStop) {
    ThreeClips();
    EXPECT_EQ(m_controller->GetLength() / kSecond, 35);
    EXPECT_EQ(m_controller->GetClipCount(), 3);
    ASSERT_TRUE(m_controller->CanPlay());
    m_controller->Play();
    EXPECT_TRUE(m_controller->IsPlaying());
    EXPECT_EQ(m_view.Take(), (TLog{"SetFileName(a.mp4)", "SetPosition(100.000)"}));
    // The set reported clip 0 without selecting it; selecting it now tells it again.
    EXPECT_EQ(m_listener.Take(), TLog{"Clip(0,3)"});
    EXPECT_TRUE(m_controller->ClipTimerActive());

    m_view.PlayTo(104);
    Tick();
    EXPECT_EQ(m_listener.Take(), TLog{"Time(4.000,35.000)"});
    EXPECT_TRUE(m_controller->ClipTimerActive());
    m_view.PlayTo(110); // at the end time the clip still runs
    Tick();
    EXPECT_EQ(m_controller->GetClipIndex(), 0);
    m_listener.Take();

    m_view.PlayTo(110.1); // past it: the next clip, in the other video
    Tick();
    EXPECT_EQ(m_view.Take(), (TLog{"SetFileName(b.mp4)", "SetPosition(200.000)"}));
    EXPECT_EQ(m_listener.Take(), (TLog{"Time(10.100,35.000)", "Clip(1,3)"}));
    EXPECT_NEAR(m_controller->GetPosition() / kSecond, 10, 1e-6);

    m_view.PlayTo(221);
    Tick();
    EXPECT_EQ(m_view.Take(), (TLog{"SetFileName(a.mp4)", "SetPosition(300.000)"}));
    m_listener.Take();
    m_view.PlayTo(306); // the end of the last clip stops
    Tick();
    EXPECT_EQ(m_view.Take(), (TLog{"Stop", "SetFileName()"}));
    EXPECT_EQ(m_listener.Take(), (TLog{"Time(36.000,35.000)", "Clip(0,3)", "Time(0.000,35.000)"}));
    EXPECT_TRUE(m_controller->IsStopped());
    EXPECT_FALSE(m_controller->ClipTimerActive());
    EXPECT_EQ(m_controller->GetPosition(), 0);
    // Playing again reopens the file the view has forgotten.
    m_controller->Play();
    EXPECT_EQ(m_view.Take(), (TLog{"SetFileName(a.mp4)", "SetPosition(100.000)"}));
    EXPECT_FALSE(m_document.Modified());
}

TEST_F(MediaControllerTest, SetPositionSelectsTheClipStartingAtOrAfterTheSequenceTime) {
    ThreeClips();
    struct TCase {
        double seconds;
        int clip; // -1: nothing changes
    };
    for (bool paused : {false, true}) {
        for (const TCase& c :
             {TCase{0, 0}, TCase{10, 1}, TCase{12, 2}, TCase{31, -1}, TCase{40, -1}}) {
            m_controller->PlayClip(1);
            m_controller->PlayClip(0);
            if (paused) {
                m_controller->Pause();
            }
            m_view.Take();
            m_controller->SetPosition(c.seconds * kSecond);
            EXPECT_EQ(m_controller->GetClipIndex(), c.clip < 0 ? 0 : c.clip) << c.seconds;
            const TLog calls = m_view.Take();
            if (c.clip < 0) {
                EXPECT_TRUE(calls.empty()) << c.seconds;
            } else {
                const std::string seek =
                    "SetPosition(" + std::to_string(c.clip * 100 + 100) + ".000)";
                EXPECT_NE(std::find(calls.begin(), calls.end(), seek), calls.end()) << c.seconds;
            }
            EXPECT_EQ(m_controller->ClipTimerActive(), !paused) << c.seconds;
            EXPECT_EQ(m_controller->IsPaused(), paused);
            m_controller->Stop();
        }
    }
}

TEST_F(MediaControllerTest, ClipsOfAnotherVideoReopenWhilePlayingButOnlySeekWhilePaused) {
    ThreeClips();
    m_controller->PlayClip(0);
    m_view.Take();
    m_controller->Next();
    EXPECT_EQ(m_view.Take(), (TLog{"SetFileName(b.mp4)", "SetPosition(200.000)"}));
    m_controller->Pause();
    m_view.Take();
    m_controller->Next();
    EXPECT_EQ(m_view.Take(), TLog{"SetPosition(300.000)"});
    m_controller->Previous();
    m_controller->PlayClip(0);
    EXPECT_EQ(m_view.Take(), (TLog{"SetPosition(200.000)", "SetPosition(100.000)"}));
    EXPECT_EQ(m_view.GetFileName(), Video("b.mp4"));
    EXPECT_TRUE(m_controller->IsPaused());
    m_controller->Play();
    EXPECT_EQ(m_view.Take(), TLog{"Play"});
    EXPECT_TRUE(m_controller->ClipTimerActive());
}

TEST_F(MediaControllerTest, PausedSeekIntoAnotherVideoLeavesItPaused) {
    ThreeClips();
    m_controller->PlayClip(0);
    m_controller->Pause();
    m_view.Take();
    m_listener.Take();
    m_controller->SetPosition(10 * kSecond);
    EXPECT_EQ(m_view.Take(), (TLog{"SetFileName(b.mp4)", "SetPosition(200.000)", "Pause"}));
    EXPECT_FALSE(m_view.Playing());
    EXPECT_FALSE(m_controller->ClipTimerActive());
    EXPECT_TRUE(m_controller->IsPaused());
    EXPECT_EQ(m_listener.Take(), (TLog{"Clip(1,3)", "Time(10.000,35.000)"}));
}

TEST_F(MediaControllerTest, StateTablesOfClipMode) {
    ThreeClips();
    // Stopped.
    EXPECT_TRUE(m_controller->CanPlay());
    EXPECT_FALSE(m_controller->CanPause() || m_controller->CanStop() || m_controller->CanNext() ||
                 m_controller->CanPrevious() || m_controller->CanFastForward() ||
                 m_controller->CanRewind());
    m_controller->Pause();
    m_controller->Stop();
    m_controller->Next();
    m_controller->SetPosition(12 * kSecond);
    EXPECT_TRUE(m_view.Take().empty());
    EXPECT_FALSE(m_controller->ClipTimerActive());
    m_controller->PlayClip(3);
    EXPECT_TRUE(m_controller->IsStopped());

    // Playing clip 1.
    m_controller->PlayClip(1);
    EXPECT_TRUE(m_controller->IsPlaying());
    EXPECT_FALSE(m_controller->CanPlay());
    EXPECT_TRUE(m_controller->CanPause() && m_controller->CanStop() && m_controller->CanNext() &&
                m_controller->CanPrevious() && m_controller->CanFastForward() &&
                m_controller->CanRewind());
    m_view.Take();
    m_controller->Play();
    EXPECT_TRUE(m_view.Take().empty());

    // Paused.
    m_controller->Pause();
    EXPECT_EQ(m_view.Take(), TLog{"Pause"});
    EXPECT_FALSE(m_controller->ClipTimerActive());
    EXPECT_TRUE(m_controller->IsPaused());
    EXPECT_TRUE(m_controller->CanPlay() && m_controller->CanStop() && m_controller->CanNext());
    EXPECT_FALSE(m_controller->CanPause());
    m_controller->Pause();
    m_controller->PlayClip(7);
    EXPECT_TRUE(m_view.Take().empty());

    // Stop while playing tells the time; the last clip cannot go further.
    m_controller->Play();
    m_controller->PlayClip(2);
    EXPECT_FALSE(m_controller->CanNext());
    m_listener.Take();
    m_view.Take();
    m_controller->Stop();
    EXPECT_EQ(m_view.Take(), (TLog{"Stop", "SetFileName()"}));
    EXPECT_EQ(m_listener.Take(), (TLog{"Clip(0,3)", "Time(0.000,35.000)"}));
    EXPECT_FALSE(m_controller->ClipTimerActive());
}

TEST_F(MediaControllerTest, StopWhilePausedTellsTheClipOnlyIfItChangesAndNeverTheTime) {
    ThreeClips();
    for (int clip : {0, 2}) {
        m_controller->PlayClip(clip);
        m_controller->Pause();
        m_listener.Take();
        m_controller->Stop();
        EXPECT_EQ(m_listener.Take(), clip == 0 ? TLog{} : TLog{"Clip(0,3)"}) << clip;
        EXPECT_TRUE(m_controller->IsStopped());
    }
}

TEST_F(MediaControllerTest, PreviousOnTheFirstClipWhilePlayingChangesNothing) {
    ThreeClips();
    m_controller->Play();
    m_view.Take();
    m_listener.Take();
    m_controller->Previous();
    EXPECT_TRUE(m_view.Take().empty());
    EXPECT_TRUE(m_listener.Take().empty());
    EXPECT_TRUE(m_controller->ClipTimerActive());
    EXPECT_EQ(m_controller->GetClipIndex(), 0);
    EXPECT_TRUE(m_controller->IsPlaying());
}

TEST_F(MediaControllerTest, NegativeLengthClipCountsNegativeAndEndsAtTheFirstTick) {
    m_controller->SetSituationSet(&Clips({{0, 100, 110}, {0, 200, 195}, {0, 300, 305}}));
    EXPECT_EQ(m_controller->GetLength() / kSecond, 10);
    m_controller->PlayClip(1);
    m_view.Take();
    Tick();
    EXPECT_EQ(m_controller->GetClipIndex(), 2);
    EXPECT_EQ(m_view.Take(), TLog{"SetPosition(300.000)"});
}

TEST_F(MediaControllerTest, WindStepsWithinAClipAndAcrossItsEnds) {
    ThreeClips();
    m_controller->SetWindSpeed(4 * kSecond);
    m_controller->PlayClip(1);
    m_view.PlayTo(205);
    m_view.Take();
    m_controller->FastForward();
    EXPECT_EQ(m_view.Take(), TLog{"SetPosition(209.000)"});
    m_controller->Rewind();
    EXPECT_EQ(m_view.Take(), TLog{"SetPosition(205.000)"});

    // 3 s before the end: 1 s into the next clip.
    m_view.PlayTo(217);
    m_controller->FastForward();
    EXPECT_EQ(m_view.Take(),
              (TLog{"SetFileName(a.mp4)", "SetPosition(300.000)", "SetPosition(301.000)"}));
    EXPECT_EQ(m_controller->GetClipIndex(), 2);
    EXPECT_TRUE(m_controller->ClipTimerActive());
    // 1 s after the start: going back 4 s ends 3 s before the end of the clip before.
    m_controller->Rewind();
    EXPECT_EQ(m_view.Take(),
              (TLog{"SetFileName(b.mp4)", "SetPosition(200.000)", "SetPosition(217.000)"}));
    EXPECT_EQ(m_controller->GetClipIndex(), 1);
    EXPECT_TRUE(m_controller->ClipTimerActive());

    // Paused: the same, without reloading, and the listeners hear the time.
    m_controller->Pause();
    m_view.PlayTo(218);
    m_view.Take();
    m_listener.Take();
    m_controller->FastForward();
    EXPECT_EQ(m_view.Take(), (TLog{"SetPosition(300.000)", "SetPosition(302.000)"}));
    EXPECT_EQ(m_listener.Take(), (TLog{"Clip(2,3)", "Time(32.000,35.000)"}));
    // Past the end of the last clip while playing: stopped.
    m_controller->Play();
    m_view.PlayTo(304);
    m_controller->FastForward();
    EXPECT_TRUE(m_controller->IsStopped());
    EXPECT_FALSE(m_controller->ClipTimerActive());
}

TEST_F(MediaControllerTest, MissingVideoIsLocatedByTheUserAndRemembered) {
    ThreeClips();
    QFile::remove(Video("b.mp4"));
    const QString moved = QString::fromStdString(m_dir.File("moved.mp4"));
    testsupport::WriteFile(moved.toStdString(), "video");
    // Yes, then a cancelled dialog asks again; Yes, then the new file.
    m_questions->answers = {TQuestionAnswer::Yes, TQuestionAnswer::Yes};
    m_questions->files = {QString(), moved};
    m_controller->PlayClip(1);
    EXPECT_EQ(m_questions->asked, (std::vector<std::string>{kLocateText, kLocateText}));
    EXPECT_EQ(m_questions->presets, (std::vector<QString>{Video("b.mp4"), QString()}));
    EXPECT_EQ(m_view.Take(), (TLog{"SetFileName(moved.mp4)", "SetPosition(200.000)"}));
    EXPECT_TRUE(m_controller->IsPlaying());
    EXPECT_EQ(m_document.Matches().Items(1)->VideoFilename(), moved.toStdString());
    EXPECT_TRUE(m_document.Modified());
}

// Opening another video lets the user act before the clip's start is reached; what the user
// does then, or a new result, decides the state.
TEST_F(MediaControllerTest, CommandsGivenWhileAClipOpensDecideTheState) {
    ThreeClips();
    TSituationSet empty;
    TResultModel newResult(empty);
    enum class TState { Stopped, Playing, Paused };
    struct TCase {
        TState from;
        bool seek; // SetPosition to clip 1, else PlayClip(1)
        std::function<void()> meanwhile;
        TState to;
    };
    const auto stop = [&] { m_controller->Stop(); };
    const auto pause = [&] { m_controller->Pause(); };
    const auto play = [&] { m_controller->Play(); };
    const auto result = [&] {
        static_cast<IQueryResultController&>(*m_controller).ResultChanged(newResult);
    };
    const TCase cases[] = {
        {TState::Playing, false, stop, TState::Stopped},
        {TState::Playing, false, result, TState::Stopped},
        {TState::Stopped, false, result, TState::Stopped},
        {TState::Playing, false, pause, TState::Paused},
        {TState::Paused, true, stop, TState::Stopped},
        {TState::Paused, true, play, TState::Playing},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const TCase& c = cases[i];
        SCOPED_TRACE(i);
        m_controller->Stop();
        m_controller->SetSituationSet(&m_set);
        if (c.from != TState::Stopped) {
            m_controller->PlayClip(0);
        }
        if (c.from == TState::Paused) {
            m_controller->Pause();
        }
        m_view.duringNextSeek = c.meanwhile;
        if (c.seek) {
            m_controller->SetPosition(10 * kSecond);
        } else {
            m_controller->PlayClip(1);
        }
        EXPECT_EQ(m_controller->IsStopped(), c.to == TState::Stopped);
        EXPECT_EQ(m_controller->IsPaused(), c.to == TState::Paused);
        EXPECT_EQ(m_controller->ClipTimerActive(), c.to == TState::Playing);
        EXPECT_EQ(m_view.Playing(), c.to == TState::Playing);
        if (c.to == TState::Stopped) {
            EXPECT_EQ(m_view.GetFileName().toStdString(), "");
        }
    }
}

// The user clicks clip 2 while the view still opens the video of clip 1 (the view runs pending
// events before it seeks): clip 2 plays from its start, and nothing of clip 1 is left.
TEST_F(MediaControllerTest, AClipChosenWhileAnotherOpensSupersedesIt) {
    enum class TFrom { Stopped, Playing, Paused };
    ThreeClips();
    for (TFrom from : {TFrom::Stopped, TFrom::Playing, TFrom::Paused}) {
        SCOPED_TRACE(static_cast<int>(from));
        m_controller->Stop();
        if (from != TFrom::Stopped) {
            m_controller->PlayClip(0);
        }
        if (from == TFrom::Paused) {
            m_controller->Pause();
        }
        m_listener.Take();
        m_view.duringNextSeek = [&] { m_controller->PlayClip(2); };
        m_controller->PlayClip(1);

        EXPECT_EQ(m_controller->GetClipIndex(), 2);
        EXPECT_EQ(m_listener.Take(), (TLog{"Clip(1,3)", "Clip(2,3)"}));
        EXPECT_EQ(m_view.GetPosition() / kSecond, 300);
        if (from == TFrom::Paused) {
            // A paused jump only moves within the open file, and stays paused.
            EXPECT_TRUE(m_controller->IsPaused());
            EXPECT_FALSE(m_controller->ClipTimerActive());
        } else {
            EXPECT_EQ(m_view.GetFileName(), Video("a.mp4"));
            EXPECT_TRUE(m_controller->IsPlaying());
            EXPECT_TRUE(m_controller->ClipTimerActive());
            EXPECT_TRUE(m_view.Playing());
            // The clip plays on to its own end, not to clip 1's.
            m_view.PlayTo(304);
            Tick();
            EXPECT_EQ(m_controller->GetClipIndex(), 2);
            m_view.PlayTo(305.1);
            Tick();
            EXPECT_TRUE(m_controller->IsStopped());
        }
    }
}

TEST_F(MediaControllerTest, DecliningToLocateTheVideoStops) {
    ThreeClips();
    QFile::remove(Video("b.mp4"));
    // From stopped: nothing plays and the mode stays stopped.
    m_controller->PlayClip(1);
    EXPECT_EQ(m_questions->asked.size(), 1u);
    EXPECT_TRUE(m_controller->IsStopped());
    EXPECT_FALSE(m_controller->ClipTimerActive());
    EXPECT_TRUE(m_view.Take().empty());

    // While playing clip 0, Next to clip 1: stopped, back at clip 0.
    m_controller->PlayClip(0);
    m_view.Take();
    m_listener.Take();
    m_controller->Next();
    EXPECT_TRUE(m_controller->IsStopped());
    EXPECT_FALSE(m_controller->ClipTimerActive());
    EXPECT_EQ(m_view.Take(), (TLog{"Stop", "SetFileName()"}));
    EXPECT_EQ(m_listener.Take(), (TLog{"Clip(1,3)", "Clip(0,3)", "Time(0.000,35.000)"}));
    EXPECT_EQ(m_document.Matches().Items(1)->VideoFilename(), m_dir.File("b.mp4"));
}

TEST_F(MediaControllerTest, ClipPastTheEndOfItsVideoRaisesAndLeavesEverythingStopped) {
    m_view.durationsMs[Video("b.mp4")] = 150'000; // clip 1 starts at 200 s
    ThreeClips();
    for (bool fromPlaying : {false, true}) {
        if (fromPlaying) {
            m_controller->PlayClip(0);
        }
        m_view.Take();
        try {
            m_controller->PlayClip(1);
            FAIL() << "no error";
        } catch (const std::runtime_error& error) {
            EXPECT_STREQ(error.what(), "The time of the situation is after the end of the video");
        }
        EXPECT_TRUE(m_controller->IsStopped()) << fromPlaying;
        EXPECT_FALSE(m_controller->ClipTimerActive());
        EXPECT_FALSE(m_view.Playing());
        EXPECT_EQ(m_view.GetFileName(), QString());
    }
}

TEST_F(MediaControllerTest, NewResultStopsAndTakesTheNewSet) {
    ThreeClips();
    m_controller->PlayClip(2);
    m_listener.Take();
    m_view.Take();
    TSituationSet empty;
    TResultModel model(empty);
    static_cast<IQueryResultController&>(*m_controller).ResultChanged(model);
    EXPECT_TRUE(m_controller->IsStopped());
    EXPECT_EQ(m_controller->GetSituationSet(), &empty);
    EXPECT_EQ(m_view.Take(), (TLog{"Stop", "SetFileName()"}));
    EXPECT_EQ(m_listener.Take(),
              (TLog{"Clip(0,3)", "Time(0.000,35.000)", "Time(0.000,0.000)", "Clip(-1,0)"}));
}

TEST_F(MediaControllerTest, AudioAndFullScreenGoToTheView) {
    m_view.Take();
    m_controller->SetMute(false);
    EXPECT_TRUE(m_view.Take().empty());
    m_controller->SetMute(true);
    m_controller->SetVolume(-1200);
    m_controller->SetFullScreen(true);
    EXPECT_EQ(m_view.Take(), (TLog{"SetMute(1)", "SetVolume(-1200)", "SetFullScreen(1)"}));
    EXPECT_TRUE(m_controller->GetMute());
    EXPECT_EQ(m_controller->GetVolume(), -1200);
    EXPECT_TRUE(m_controller->GetFullScreen());
}

TEST_F(MediaControllerTest, SingleMediaModePlaysItsFileWithoutEndDetection) {
    ThreeClips();
    m_controller->SetMode(5);
    EXPECT_EQ(m_controller->GetMode(), 1);
    m_controller->SetMode(0);
    EXPECT_EQ(m_controller->GetClipIndex(), 1);
    EXPECT_EQ(m_controller->GetClipCount(), 1);
    EXPECT_FALSE(m_controller->CanPlay());
    m_controller->Play();
    EXPECT_TRUE(m_controller->IsStopped());
    m_controller->SetMediaFile(Video("a.mp4"));
    EXPECT_EQ(m_controller->GetMediaFile(), Video("a.mp4"));
    EXPECT_TRUE(m_controller->CanPlay());
    m_view.durationsMs[Video("a.mp4")] = 60'000;

    // Pause from stopped opens, plays and pauses.
    m_controller->Pause();
    EXPECT_EQ(m_view.Take(), (TLog{"SetFileName(a.mp4)", "Play", "Pause"}));
    EXPECT_TRUE(m_controller->IsPaused());
    m_controller->Play();
    EXPECT_EQ(m_view.Take(), TLog{"Play"});
    EXPECT_TRUE(m_controller->SingleMediaTimerActive());
    EXPECT_FALSE(m_controller->CanNext() || m_controller->CanPrevious() || m_controller->CanPlay());
    m_view.PlayTo(59);
    m_listener.Take();
    ASSERT_TRUE(m_controller->DeliverSingleMediaTick());
    EXPECT_EQ(m_listener.Take(), TLog{"Time(59.000,60.000)"});
    EXPECT_TRUE(m_controller->SingleMediaTimerActive());

    // Wind steps that would leave the media do nothing.
    m_controller->FastForward();
    m_view.PlayTo(2);
    m_controller->Rewind();
    EXPECT_TRUE(m_listener.Take().empty());
    m_view.PlayTo(10);
    m_controller->FastForward();
    m_controller->Rewind();
    EXPECT_EQ(m_listener.Take(), (TLog{"Time(13.200,60.000)", "Time(10.000,60.000)"}));
    m_controller->SetPosition(30 * kSecond);
    EXPECT_EQ(m_listener.Take(), TLog{"Time(30.000,60.000)"});
    m_view.Take();

    // The clip mode went on untouched; stopping this mode forgets the file.
    m_controller->Stop();
    EXPECT_EQ(m_view.Take(), (TLog{"Stop", "SetFileName()"}));
    EXPECT_FALSE(m_controller->SingleMediaTimerActive());
    m_controller->SetMode(1);
    EXPECT_EQ(m_controller->GetMediaFile(), QString());
    EXPECT_TRUE(m_controller->IsStopped());
}

TEST_F(MediaControllerTest, MediaPositionIsTheViewsAndCannotBeSet) {
    ThreeClips();
    m_controller->PlayClip(1);
    m_view.PlayTo(205);
    m_view.Take();
    m_controller->SetMediaPosition(12 * kSecond);
    EXPECT_TRUE(m_view.Take().empty());
    EXPECT_NEAR(m_controller->GetMediaPosition() / kSecond, 205, 1e-6);
    EXPECT_NEAR(m_controller->GetPosition() / kSecond, 15, 1e-6);
}

} // namespace
