// The media factory wiring a controller to the real video pane, and that pair playing a clip
// of the test video from its start to its end.

#include "MediaFactory.h"

#include "MediaController.h"
#include "MediaDisplay.h"
#include "MediaTestSupport.h"

#include <LabelFormat.h>
#include <MatchStatFile.h>
#include <UntStatistics.h>

#include <QTimer>

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

// Clicking a second clip while the first one's video still opens plays the second from its
// start.
TEST(MediaFactory, TheClipClickedLastWhileTheVideoOpensPlaysFromItsStart) {
    testsupport::TTempDir dir;
    const std::string copies[] = {dir.File("first.mp4"), dir.File("second.mp4")};
    const std::string bytes = testsupport::ReadFile(mediatest::VideoPath().toStdString());
    TMatchStatFile document;
    // Whole seconds: the document keeps times to the second.
    const double starts[] = {1, 3};
    for (int m = 0; m < 2; ++m) {
        testsupport::WriteFile(copies[m], bytes);
        TMatch* match = document.Matches().Add();
        match->SetDateTime(45000 + m);
        match->SetVideoFilename(copies[m]);
        TSituation* situation = match->Situations().Add();
        situation->SetText(m == 0 ? "Attack" : "Defence");
        situation->SetStartingTime(45000 + starts[m] * kSecond);
        situation->SetEndingTime(45000 + (starts[m] + 1) * kSecond);
    }
    TSituationStatistics statistics(document, TLabelFormat::Fixed());
    TSituationSet set;
    set.UnionWith(statistics.Medium());

    TMediaDisplay display;
    display.show();
    TMediaFactory factory(nullptr);
    std::shared_ptr<IMediaController> controller = factory.CreateControllerForView(&display);
    controller->SetSituationSet(&set);
    const auto clipOf = [&](const std::string& file) {
        for (int i = 0; i < set.SortedCount(); ++i) {
            if (dynamic_cast<TMatch*>(set.SortedItem(i)->Owner())->VideoFilename() == file) {
                return i;
            }
        }
        throw std::logic_error("no clip");
    };
    const int first = clipOf(copies[0]);
    const int second = clipOf(copies[1]);
    QTimer::singleShot(0, &display, [&] { controller->PlayClip(second); });
    controller->PlayClip(first);

    EXPECT_EQ(controller->GetClipIndex(), second);
    EXPECT_TRUE(controller->IsPlaying());
    EXPECT_EQ(display.GetFileName().toStdString(), copies[1]);
    EXPECT_NEAR(display.CurrentPosition(), 3.0, 0.04);
    controller->Pause();
    QImage frame;
    EXPECT_TRUE(WaitUntil([&] { return display.CaptureFrame(frame) && FrameNumber(frame) == 75; }))
        << FrameNumber(frame);
    controller->Stop();
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
