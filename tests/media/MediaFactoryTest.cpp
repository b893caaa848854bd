// The media factory wiring a controller to the real video pane, and that pair playing a clip
// of the test video from its start to its end.

#include "MediaFactory.h"

#include "MediaController.h"
#include "MediaDisplay.h"
#include "MediaTestSupport.h"

#include <LabelFormat.h>
#include <MatchStatFile.h>
#include <UntStatistics.h>

#include <gtest/gtest.h>

#include <stdexcept>

using mediatest::FrameNumber;
using mediatest::WaitUntil;

namespace {

constexpr double kSecond = 1.0 / 86400;

TEST(MediaFactory, CreatesControllersThatTheViewKeeps) {
    TMediaDisplay display;
    EXPECT_EQ(display.GetController(), nullptr);
    TMediaFactory factory(nullptr);
    std::weak_ptr<IMediaController> created = factory.CreateControllerForView(&display);
    EXPECT_EQ(display.GetController(), created.lock());
    EXPECT_EQ(display.GetVolume(), -600);
    EXPECT_TRUE(display.GetController()->IsStopped());

    // The coordinator also drives it as one of its result controllers.
    auto second = factory.CreateController(nullptr, &display);
    EXPECT_NE(std::dynamic_pointer_cast<IQueryResultController>(second), nullptr);
    // The view holds the latest controller; the first one is gone with its last owner.
    EXPECT_EQ(display.GetController(), second);
    EXPECT_TRUE(created.expired());
}

TEST(MediaFactory, ControllerPlaysAClipOfTheRealVideoToItsEnd) {
    TMatchStatFile document;
    TMatch* match = document.Matches().Add();
    match->SetDateTime(45000);
    match->SetVideoFilename(mediatest::VideoPath().toStdString());
    TSituation* situation = match->Situations().Add();
    situation->SetText("Attack");
    situation->SetStartingTime(45000 + 1.0 * kSecond);
    situation->SetEndingTime(45000 + 1.6 * kSecond);
    TSituationStatistics statistics(document, TLabelFormat::Fixed());
    TSituationSet set;
    set.UnionWith(statistics.Medium());

    TMediaDisplay display;
    display.show();
    TMediaFactory factory(nullptr);
    std::shared_ptr<IMediaController> controller = factory.CreateControllerForView(&display);
    auto& clips = dynamic_cast<TMediaController&>(*controller);
    controller->SetSituationSet(&set);
    controller->Play();
    // The view waited for the file to open, so the clip starts at its own start.
    EXPECT_NEAR(display.CurrentPosition(), 1.0, 0.04);
    ASSERT_TRUE(controller->IsPlaying());
    controller->Pause();
    QImage frame;
    ASSERT_TRUE(WaitUntil([&] { return display.CaptureFrame(frame) && FrameNumber(frame) == 25; }));
    controller->Play();
    ASSERT_TRUE(WaitUntil([&] {
        clips.DeliverClipTick();
        return controller->IsStopped();
    }));
    EXPECT_GE(display.CachedDuration(), 1.6);
    EXPECT_EQ(display.GetFileName(), QString());
    EXPECT_EQ(display.PlayState(), TActiveMovie::kStopped);
    EXPECT_FALSE(clips.ClipTimerActive());
}

TEST(MediaFactory, ClipInAFileThatIsNoVideoRaisesAndLeavesPlaybackStopped) {
    testsupport::TTempDir dir;
    const std::string notAVideo = dir.File("final.mp4");
    testsupport::WriteFile(notAVideo, "These are notes, not a video.\n");
    TMatchStatFile document;
    TMatch* match = document.Matches().Add();
    match->SetDateTime(45000);
    match->SetVideoFilename(notAVideo);
    TSituation* situation = match->Situations().Add();
    situation->SetStartingTime(45000 + 1.0 * kSecond);
    situation->SetEndingTime(45000 + 2.0 * kSecond);
    TSituationStatistics statistics(document, TLabelFormat::Fixed());
    TSituationSet set;
    set.UnionWith(statistics.Medium());

    TMediaDisplay display;
    TMediaFactory factory(nullptr);
    std::shared_ptr<IMediaController> controller = factory.CreateControllerForView(&display);
    controller->SetSituationSet(&set);
    EXPECT_THROW(controller->Play(), std::runtime_error);
    EXPECT_TRUE(controller->IsStopped());
    EXPECT_EQ(display.GetFileName(), QString());
    EXPECT_FALSE(dynamic_cast<TMediaController&>(*controller).ClipTimerActive());
}

} // namespace
