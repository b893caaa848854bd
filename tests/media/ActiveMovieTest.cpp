#include "ActiveMovie.h"

#include "MediaBackend.h"
#include "MediaTestSupport.h"
#include "ScriptedUserQuestions.h"
#include "VideoSurface.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using mediatest::FrameNumber;
using mediatest::VideoPath;
using mediatest::WaitUntil;
using testsupport::TTempDir;

namespace {

// A component with the test video, its 50 ms timer stopped so that the test decides when
// queued events are delivered.
class ActiveMovieTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_movie.resize(400, 300);
        m_movie.show();
        Timer()->stop();
        m_movie.OnOpenStateChange = [this](int from, int to) {
            m_openChanges.push_back({from, to});
        };
        m_movie.OnPlayStateChange = [this](int from, int to) {
            m_playChanges.push_back({from, to});
        };
        m_movie.OnEndOfStream = [this] { ++m_endsOfStream; };
        m_movie.OnOpenComplete = [this] { ++m_openCompletions; };
        m_movie.OnError = [this](int code, const QString& text) {
            m_errors.push_back({code, text});
        };
    }

    QTimer* Timer() {
        for (QTimer* timer : m_movie.findChildren<QTimer*>()) {
            if (timer->objectName().startsWith("AMComponent")) {
                return timer;
            }
        }
        throw std::logic_error("no timer");
    }

    void OpenVideo(bool autoStart = true) {
        m_movie.SetAutoStart(autoStart);
        m_movie.SetFileName(VideoPath());
        m_movie.Open();
        ASSERT_TRUE(WaitUntil([&] { return m_movie.OpenState() == TActiveMovie::kOpen; }));
    }

    void PauseAt(double seconds) {
        if (m_movie.PlayState() == TActiveMovie::kPlaying) {
            ASSERT_TRUE(m_movie.Pause());
        }
        m_movie.SetCurrentPosition(seconds);
    }

    // Waits until the picture shows the given frame; the frame it last showed otherwise.
    int AwaitFrame(int expected) {
        int shown = -1;
        WaitUntil([&] {
            QImage image;
            shown = m_movie.CaptureFrame(image) ? FrameNumber(image) : -1;
            return std::abs(shown - expected) <= 1;
        });
        return shown;
    }

    TActiveMovie m_movie;
    std::vector<std::pair<int, int>> m_openChanges;
    std::vector<std::pair<int, int>> m_playChanges;
    int m_endsOfStream = 0;
    int m_openCompletions = 0;
    std::vector<std::pair<int, QString>> m_errors;
};

TEST_F(ActiveMovieTest, OpensCachesTheDurationAndDeliversEventsOnlyFromTheTimer) {
    EXPECT_EQ(m_movie.CachedDuration(), 0);
    OpenVideo();
    EXPECT_EQ(m_openCompletions, 1);
    EXPECT_DOUBLE_EQ(m_movie.CachedDuration(), mediatest::kVideoSeconds);
    ASSERT_TRUE(WaitUntil([&] { return m_movie.PlayState() == TActiveMovie::kPlaying; }));
    ASSERT_TRUE(WaitUntil([&] { return m_movie.ImageSourceWidth() > 0; }));
    EXPECT_EQ(m_movie.ImageSourceWidth(), 320);
    EXPECT_EQ(m_movie.ImageSourceHeight(), 240);
    EXPECT_TRUE(m_openChanges.empty());
    EXPECT_TRUE(m_playChanges.empty());

    m_movie.TimerTick();
    ASSERT_EQ(m_openChanges.size(), 1u);
    EXPECT_EQ(m_openChanges[0].second, TActiveMovie::kOpen);
    ASSERT_EQ(m_playChanges.size(), 1u);
    EXPECT_EQ(m_playChanges[0], std::make_pair(TActiveMovie::kStopped, TActiveMovie::kPlaying));
    m_movie.TimerTick();
    EXPECT_EQ(m_openChanges.size(), 1u);
    EXPECT_TRUE(m_errors.empty());
}

TEST_F(ActiveMovieTest, EmptyFileNameKeepsThePresentFile) {
    OpenVideo();
    m_movie.SetFileName(QString());
    m_movie.Open();
    EXPECT_EQ(m_movie.OpenState(), TActiveMovie::kOpen);
    EXPECT_EQ(m_openCompletions, 1);
}

TEST_F(ActiveMovieTest, PausePlayStopFollowThePlayerState) {
    EXPECT_FALSE(m_movie.Pause()); // nothing open
    OpenVideo();
    ASSERT_TRUE(WaitUntil([&] { return m_movie.PlayState() == TActiveMovie::kPlaying; }));
    EXPECT_TRUE(m_movie.Pause());
    EXPECT_EQ(m_movie.PlayState(), TActiveMovie::kPaused);
    EXPECT_FALSE(m_movie.Pause());
    m_movie.Play();
    EXPECT_EQ(m_movie.PlayState(), TActiveMovie::kPlaying);
    m_movie.Stop();
    EXPECT_EQ(m_movie.PlayState(), TActiveMovie::kStopped);
    EXPECT_FALSE(m_movie.Pause());
    EXPECT_EQ(m_movie.CurrentPosition(), 0);
    EXPECT_EQ(m_movie.OpenState(), TActiveMovie::kOpen);
}

TEST_F(ActiveMovieTest, SeeksAccuratelyWhilePaused) {
    OpenVideo();
    ASSERT_TRUE(WaitUntil([&] { return m_movie.PlayState() == TActiveMovie::kPlaying; }));
    // Positions between key frames (every 5th frame) and the last frame.
    for (double seconds : {1.24, 0.36, 2.0, 3.96, 0.12}) {
        PauseAt(seconds);
        const int expected = static_cast<int>(seconds * mediatest::kFramesPerSecond + 1e-9);
        EXPECT_NEAR(AwaitFrame(expected), expected, 1) << seconds;
        EXPECT_NEAR(m_movie.CurrentPosition(), seconds, 0.04);
    }
}

TEST_F(ActiveMovieTest, EndOfStreamIsDeliveredByTheTickAndLoopPlaysAgain) {
    OpenVideo();
    m_movie.SetCurrentPosition(3.7);
    ASSERT_TRUE(WaitUntil([&] { return m_movie.PlayState() == TActiveMovie::kStopped; }));
    EXPECT_EQ(m_endsOfStream, 0);
    m_movie.TimerTick();
    EXPECT_EQ(m_endsOfStream, 1);
    EXPECT_EQ(m_movie.PlayState(), TActiveMovie::kStopped);

    m_movie.SetLoop(true);
    m_movie.Play();
    m_movie.SetCurrentPosition(3.7);
    ASSERT_TRUE(WaitUntil([&] {
        m_movie.TimerTick();
        return m_endsOfStream == 2;
    }));
    EXPECT_EQ(m_movie.PlayState(), TActiveMovie::kPlaying);
}

TEST_F(ActiveMovieTest, SelectionEndStopsPlayback) {
    OpenVideo();
    std::vector<double> positions;
    m_movie.OnPositionChange = [&](double, double now) { positions.push_back(now); };
    m_movie.SetSelectionEnd(0.5);
    ASSERT_TRUE(WaitUntil([&] {
        m_movie.TimerTick();
        return m_movie.PlayState() == TActiveMovie::kStopped;
    }));
    EXPECT_FALSE(positions.empty());
    EXPECT_EQ(m_movie.CurrentPosition(), 0);
}

TEST_F(ActiveMovieTest, CapturesTheFrameScaledAndResumesPlaying) {
    QImage image;
    EXPECT_FALSE(m_movie.CaptureFrame(image)); // nothing open
    OpenVideo();
    PauseAt(2.0);
    ASSERT_NEAR(AwaitFrame(50), 50, 1);

    m_movie.SetCaptureSize(50);
    ASSERT_TRUE(m_movie.CaptureFrame(image));
    EXPECT_EQ(image.size(), QSize(160, 120));
    QLabel label;
    ASSERT_TRUE(m_movie.CaptureFrame(&label));
    EXPECT_EQ(label.size(), QSize(160, 120));

    m_movie.Play();
    ASSERT_TRUE(m_movie.CaptureFrame(image));
    EXPECT_EQ(m_movie.PlayState(), TActiveMovie::kPlaying);
}

TEST_F(ActiveMovieTest, WritesBmpAndJpegSnapshots) {
    TTempDir dir;
    const QString folder = QString::fromStdString(dir.Path());
    m_movie.SetStoragePath(folder);
    EXPECT_FALSE(m_movie.CaptureFrameToBmp()); // nothing open: no file, no number used
    OpenVideo();
    PauseAt(1.0);
    ASSERT_NEAR(AwaitFrame(25), 25, 1);

    ASSERT_TRUE(m_movie.CaptureFrameToBmp());
    ASSERT_TRUE(m_movie.CaptureFrameToBmp());
    m_movie.SetJPEGProgressiveDisplay(true);
    ASSERT_TRUE(m_movie.CaptureFrameToJpeg());
    m_movie.SetAutoFileName(TAutoFileName::fnDateTime);
    m_movie.SetAutoFilePrefix("snap");
    ASSERT_TRUE(m_movie.CaptureFrameToJpeg());
    const QString named = folder + "/given";
    ASSERT_TRUE(m_movie.CaptureFrameToBmp(named));
    ASSERT_TRUE(m_movie.CaptureFrameToJpeg(named));

    const QStringList bmps = QDir(folder).entryList({"am*.bmp"}, QDir::Files, QDir::Name);
    ASSERT_EQ(bmps.size(), 2);
    const QRegularExpression sequential("^am(\\d{6})\\.(bmp|jpg)$");
    const int first = sequential.match(bmps[0]).captured(1).toInt();
    EXPECT_EQ(sequential.match(bmps[1]).captured(1).toInt(), first + 1);
    EXPECT_EQ(QDir(folder).entryList({"am*.jpg"}, QDir::Files).size(), 1);
    const QStringList stamped = QDir(folder).entryList({"snap*.jpg"}, QDir::Files);
    ASSERT_EQ(stamped.size(), 1);
    EXPECT_TRUE(
        QRegularExpression("^snap\\d{6}_\\d{6}_\\d{3}\\.jpg$").match(stamped[0]).hasMatch());
    for (const QString& file : {folder + "/" + bmps[0], named + ".bmp", named + ".jpeg"}) {
        const QImage back(file);
        EXPECT_EQ(FrameNumber(back), 25) << file.toStdString();
    }
}

TEST_F(ActiveMovieTest, UnwritableSnapshotRaisesAndPlayerGoesOn) {
    OpenVideo();
    TTempDir dir;
    const QString missing = QString::fromStdString(dir.File("no/such/folder/shot"));
    EXPECT_THROW(m_movie.CaptureFrameToBmp(missing), std::runtime_error);
    EXPECT_THROW(m_movie.CaptureFrameToJpeg(missing), std::runtime_error);
    EXPECT_EQ(m_movie.PlayState(), TActiveMovie::kPlaying);
}

struct TBadFile {
    const char* name;
    std::function<void(const QString& path)> make;
};

void PrintTo(const TBadFile& file, std::ostream* out) {
    *out << file.name;
}

class ActiveMovieBadFileTest : public ActiveMovieTest,
                               public ::testing::WithParamInterface<TBadFile> {};

TEST_P(ActiveMovieBadFileTest, ReportsAnErrorAndIgnoresCommands) {
    TTempDir dir;
    const QString path = QString::fromStdString(dir.File("clip.mp4"));
    GetParam().make(path);
    m_movie.SetFileName(path);
    m_movie.Open();
    ASSERT_TRUE(WaitUntil([&] { return !m_errors.empty(); }));
    EXPECT_NE(m_errors[0].first, 0);
    EXPECT_FALSE(m_errors[0].second.isEmpty());
    ASSERT_TRUE(WaitUntil([&] { return m_movie.OpenState() == TActiveMovie::kClosed; }));
    m_movie.Play();
    EXPECT_FALSE(m_movie.Pause());
    m_movie.Stop();
    QImage image;
    EXPECT_FALSE(m_movie.CaptureFrame(image));
    EXPECT_FALSE(m_movie.CaptureFrameToBmp(QString::fromStdString(dir.File("shot"))));
    EXPECT_EQ(m_movie.PlayState(), TActiveMovie::kStopped);
    m_movie.TimerTick();

    // The same component opens a good file afterwards.
    OpenVideo();
}

INSTANTIATE_TEST_SUITE_P(
    Files, ActiveMovieBadFileTest,
    ::testing::Values(TBadFile{"Missing", [](const QString&) {}},
                      TBadFile{"NotAVideo",
                               [](const QString& path) {
                                   testsupport::WriteFile(path.toStdString(),
                                                          "This is a note, not a video.\n");
                               }},
                      TBadFile{"CutInItsHeader",
                               [](const QString& path) {
                                   const std::string bytes =
                                       testsupport::ReadFile(VideoPath().toStdString());
                                   testsupport::WriteFile(path.toStdString(), bytes.substr(0, 300));
                               }}),
    [](const auto& info) { return std::string(info.param.name); });

// A player that never reports on a file, like GStreamer on some cut files when its error is
// lost: a pipe whose writer sends nothing keeps it opening for ever.
TEST_F(ActiveMovieTest, AFileThatNeverOpensFailsWithAnErrorAtTheDeadline) {
    TTempDir dir;
    const std::string path = dir.File("silent.mp4");
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    const int writer = open(path.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    m_movie.SetOpenTimeout(400);
    m_movie.SetFileName(QString::fromStdString(path));
    m_movie.Open();
    ASSERT_TRUE(WaitUntil([&] { return !m_errors.empty(); }));
    EXPECT_NE(m_errors[0].first, 0);
    EXPECT_EQ(m_errors[0].second, "the player did not finish opening the file within 0.4 s");
    EXPECT_EQ(m_movie.OpenState(), TActiveMovie::kClosed);
    EXPECT_EQ(m_movie.PlayState(), TActiveMovie::kStopped);
    m_movie.Play();
    EXPECT_FALSE(m_movie.Pause());
    QImage image;
    EXPECT_FALSE(m_movie.CaptureFrame(image));
    m_movie.TimerTick();
    ASSERT_FALSE(m_openChanges.empty());
    EXPECT_EQ(m_openChanges.back().second, TActiveMovie::kClosed);
    ::close(writer); // the given-up player reads its end and can go

    m_movie.SetOpenTimeout(10000);
    OpenVideo();
    EXPECT_EQ(m_errors.size(), 1u);
}

TEST_F(ActiveMovieTest, TruncatedVideoPlaysWhatItHasToTheEnd) {
    TTempDir dir;
    const std::string bytes = testsupport::ReadFile(VideoPath().toStdString());
    const std::string path = dir.File("half.mp4");
    testsupport::WriteFile(path, bytes.substr(0, bytes.size() / 2));
    m_movie.SetFileName(QString::fromStdString(path));
    m_movie.Open();
    ASSERT_TRUE(WaitUntil([&] {
        m_movie.TimerTick();
        return m_endsOfStream > 0 || !m_errors.empty();
    }));
    m_movie.Stop();
    m_movie.TimerTick();
}

TEST_F(ActiveMovieTest, ConflictingControlAndSizeSettingsAreRefusedWithANotice) {
    auto questions = std::make_shared<TScriptedUserQuestions>();
    m_movie.SetQuestions(questions);
    questions->Answer(TQuestionAnswer::Ok);
    questions->Answer(TQuestionAnswer::Ok);
    m_movie.SetDisplaySize(TDisplaySize::mpCustomSize);
    m_movie.SetShowControls(true);
    EXPECT_FALSE(m_movie.ShowControls());

    m_movie.SetDisplaySize(TDisplaySize::mpFitToSize);
    m_movie.SetShowControls(true);
    EXPECT_TRUE(m_movie.ShowControls());
    m_movie.SetDisplaySize(TDisplaySize::mpCustomSize);
    EXPECT_EQ(m_movie.DisplaySize(), TDisplaySize::mpFitToSize);

    ASSERT_EQ(questions->Prompts().size(), 2u);
    for (const TUserPrompt& prompt : questions->Prompts()) {
        EXPECT_EQ(prompt.kind, TQuestionKind::Warning);
        EXPECT_EQ(prompt.buttons, TQuestionButtons::Ok);
    }
    EXPECT_EQ(questions->QuestionTexts(),
              (std::vector<QString>{
                  "this setting is not allowed when DisplaySize = mpCustomSize. Set DisplaySize "
                  "to another value first.",
                  "this setting is not allowed when ShowControls is enabled. Disable "
                  "ShowControls first."}));

    // Without questions the setting is refused all the same, and nothing is shown.
    m_movie.SetQuestions(nullptr);
    m_movie.SetShowControls(false);
    m_movie.SetDisplaySize(TDisplaySize::mpCustomSize);
    m_movie.SetShowControls(true);
    EXPECT_FALSE(m_movie.ShowControls());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ActiveMovieTest, CustomSizeLaysTheVideoOutAndIgnoresZoomBelowOne) {
    m_movie.SetDisplaySize(TDisplaySize::mpCustomSize);
    OpenVideo();
    ASSERT_TRUE(WaitUntil([&] { return m_movie.ImageSourceWidth() > 0; }));
    QWidget* picture = m_movie.findChild<TVideoSurface*>()->parentWidget();
    EXPECT_EQ(picture->geometry(), QRect(40, 30, 320, 240));
    m_movie.SetZoomSize(50);
    EXPECT_EQ(picture->geometry(), QRect(120, 90, 160, 120));
    for (int zoom : {0, -20}) {
        m_movie.SetZoomSize(zoom);
        EXPECT_EQ(m_movie.ZoomSize(), 50);
    }
    m_movie.SetZoomSize(200);
    EXPECT_EQ(picture->geometry().size(), QSize(640, 480));
}

TEST_F(ActiveMovieTest, EscLeavesFullScreen) {
    OpenVideo();
    m_movie.SetFullScreenMode(true);
    TVideoSurface* full = nullptr;
    for (TVideoSurface* surface : m_movie.findChildren<TVideoSurface*>()) {
        if (surface->isWindow()) {
            full = surface;
        }
    }
    ASSERT_NE(full, nullptr);
    EXPECT_TRUE(full->isVisible());
    std::vector<int> keys;
    m_movie.OnFullScreenKeyPress = [&](int key) { keys.push_back(key); };
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(full, &space);
    QApplication::sendEvent(full, &escape);
    EXPECT_TRUE(full->isVisible()); // keys wait for the tick
    m_movie.TimerTick();
    EXPECT_EQ(keys, std::vector<int>{Qt::Key_Space});
    EXPECT_FALSE(full->isVisible());
    EXPECT_FALSE(m_movie.FullScreenMode());
}

TEST_F(ActiveMovieTest, ClickOnThePictureReachesOnClick) {
    int clicks = 0;
    m_movie.OnClick = [&] { ++clicks; };
    TVideoSurface* surface = m_movie.findChild<TVideoSurface*>();
    const QPointF inside(10, 10);
    QMouseEvent press(QEvent::MouseButtonPress, inside, surface->mapToGlobal(inside),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, surface->mapToGlobal(inside),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(surface, &press);
    QApplication::sendEvent(surface, &release);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ActiveMovieTest, VolumeInHundredthsOfADecibel) {
    const std::pair<int, int> cases[] = {{0, 0},           {-600, -600}, {-2000, -2000},
                                         {-10000, -10000}, {500, 0},     {-20000, -10000}};
    for (const auto& [set, read] : cases) {
        m_movie.SetVolume(set);
        EXPECT_EQ(m_movie.Volume(), read) << set;
    }
    m_movie.SetMute(true);
    EXPECT_TRUE(m_movie.Mute());
}

TEST(ActiveMovieStartup, MissingBackendIsNamedWithThePackagesToInstallAndEndsNothing) {
    const TMediaBackendCheck present = CheckMediaBackend();
    EXPECT_TRUE(present.usable);
    EXPECT_EQ(present.message, QString());

    const QByteArray saved = qgetenv("QT_MEDIA_BACKEND");
    qputenv("QT_MEDIA_BACKEND", "nosuchbackend");
    const TMediaBackendCheck missing = CheckMediaBackend();
    // The component says so with an error, instead of a message box and the end of the program.
    std::string thrown;
    try {
        TActiveMovie movie;
    } catch (const std::runtime_error& error) {
        thrown = error.what();
    }
    qputenv("QT_MEDIA_BACKEND", saved);
    EXPECT_FALSE(missing.usable);
    EXPECT_TRUE(missing.message.contains("gstreamer1.0-plugins-good"));
    EXPECT_TRUE(missing.message.contains("libqt6multimedia6"));
    EXPECT_EQ(thrown, missing.message.toStdString());
}

} // namespace
