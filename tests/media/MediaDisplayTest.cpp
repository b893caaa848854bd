#include "MediaDisplay.h"

#include "MediaTestSupport.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

using mediatest::FrameNumber;
using mediatest::VideoPath;
using mediatest::WaitUntil;

namespace {

constexpr double kSecond = 1.0 / 86400;

class MediaDisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_display.resize(400, 300);
        m_display.show();
    }

    IMediaView& View() { return m_display; }

    void OpenVideo() {
        View().SetFileName(VideoPath());
        ASSERT_TRUE(WaitUntil([&] { return m_display.OpenState() == TActiveMovie::kOpen; }));
    }

    int ShownFrame(int expected) {
        int shown = -1;
        WaitUntil([&] {
            QImage image;
            shown = m_display.CaptureFrame(image) ? FrameNumber(image) : -1;
            return std::abs(shown - expected) <= 1;
        });
        return shown;
    }

    TMediaDisplay m_display;
};

TEST_F(MediaDisplayTest, PositionSetRightAfterOpeningAppliesToTheNewFile) {
    EXPECT_EQ(View().GetController(), nullptr);
    View().SetFileName(VideoPath());
    View().SetPosition(2.0 * kSecond);
    EXPECT_NEAR(View().GetPosition() / kSecond, 2.0, 0.1);
    EXPECT_NEAR(View().GetDuration() / kSecond, 4.0, 1e-9);
    EXPECT_EQ(View().GetFileName(), VideoPath());
}

TEST_F(MediaDisplayTest, APositionGivenWhileAnotherWaitsForTheFileSupersedesIt) {
    View().SetFileName(VideoPath());
    // Handled while the first position waits for the file to open, as a click would be.
    QTimer::singleShot(0, &m_display, [&] { View().SetPosition(2.4 * kSecond); });
    View().SetPosition(1.0 * kSecond);
    View().Pause();
    EXPECT_NEAR(ShownFrame(60), 60, 1);
    EXPECT_NEAR(View().GetPosition() / kSecond, 2.4, 0.04);
}

TEST_F(MediaDisplayTest, SeeksToTheTimeOfDayAccurately) {
    OpenVideo();
    View().Pause();
    // A date part (day 45000) is dropped; 1.24 s is between two key frames.
    View().SetPosition(45000 + 1.24 * kSecond);
    EXPECT_NEAR(ShownFrame(31), 31, 1);
    EXPECT_NEAR(View().GetPosition() / kSecond, 1.24, 0.04);
}

TEST_F(MediaDisplayTest, PositionPastTheEndRaisesAndLeavesThePlayerWhereItWas) {
    OpenVideo();
    View().Pause();
    View().SetPosition(1.0 * kSecond);
    View().SetPosition(4.0 * kSecond); // exactly the end is accepted
    try {
        View().SetPosition(4.001 * kSecond);
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "The time of the situation is after the end of the video");
    }
    EXPECT_NEAR(View().GetPosition() / kSecond, 4.0, 0.1);
}

TEST_F(MediaDisplayTest, PositionInAFileThatCannotBePlayedRaisesAClearError) {
    OpenVideo(); // a good file's duration is cached first
    testsupport::TTempDir dir;
    const QString notAVideo = QString::fromStdString(dir.File("notes.mp4"));
    testsupport::WriteFile(notAVideo.toStdString(), "These are notes, not a video.\n");
    View().SetFileName(notAVideo);
    try {
        View().SetPosition(1.0 * kSecond);
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(
            std::string(error.what())
                .rfind("The video file \"" + notAVideo.toStdString() + "\" cannot be played: ", 0),
            0u)
            << error.what();
    }
    // The next good file plays again.
    OpenVideo();
    View().SetPosition(1.0 * kSecond);
}

TEST_F(MediaDisplayTest, PositionIsIgnoredUntilADurationIsKnown) {
    View().SetPosition(0.5); // twelve hours, nothing open
    EXPECT_EQ(View().GetPosition(), 0);
    View().Play();
    View().Pause();
    View().Stop();
    EXPECT_EQ(m_display.PlayState(), TActiveMovie::kStopped);
}

TEST_F(MediaDisplayTest, EmptyFileNameIsStoredButKeepsThePlayerOnItsFile) {
    OpenVideo();
    View().SetFileName(QString());
    EXPECT_EQ(View().GetFileName(), QString());
    EXPECT_EQ(m_display.OpenState(), TActiveMovie::kOpen);
    View().Stop();
    EXPECT_EQ(m_display.PlayState(), TActiveMovie::kStopped);
    View().Play();
    EXPECT_EQ(m_display.PlayState(), TActiveMovie::kPlaying);
}

TEST_F(MediaDisplayTest, StopReturnsToTheStart) {
    OpenVideo();
    View().SetPosition(2.0 * kSecond);
    View().Stop();
    EXPECT_EQ(View().GetPosition(), 0);
    EXPECT_EQ(m_display.PlayState(), TActiveMovie::kStopped);
}

TEST_F(MediaDisplayTest, AudioAndFullScreenPassThrough) {
    View().SetVolume(-600);
    EXPECT_EQ(View().GetVolume(), -600);
    View().SetMute(true);
    EXPECT_TRUE(View().GetMute());
    View().SetFullScreen(true);
    EXPECT_TRUE(View().GetFullScreen());
    EXPECT_TRUE(m_display.FullScreenMode());
    View().SetFullScreen(false);
    EXPECT_FALSE(View().GetFullScreen());
}

} // namespace
