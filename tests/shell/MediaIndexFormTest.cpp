// The main window on its own: the enabling and checking of its actions while playback plays,
// pauses and stops, on each page; the keys; the title; the pages hidden by the administrator;
// the window state; the clipboard.

#include "FrmMediaIndex.h"
#include "IdleMediaController.h"
#include "MediaDisplay.h"
#include "MediaStatusBar.h"
#include "QueryFrame.h"
#include "QueryResultIndex.h"
#include "SettingsFile.h"
#include "TestSupport.h"
#include "VelUtils.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QScreen>
#include <QSlider>
#include <QSplitter>
#include <QStatusTipEvent>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

const QString kQueryKey = QStringLiteral("Software\\Velmora\\Clipwise\\Repository\\Query");

// Playback as a three-state machine; what the window asks follows the state, what it
// commands is logged.
class TPlaybackDouble final : public TIdleMediaController {
public:
    enum class TState { Stopped, Playing, Paused };
    TState state = TState::Stopped;
    bool mute = false;
    double windSpeed = 0.5;
    int volume = 0;
    std::vector<std::string> log;

    void Play() override {
        log.push_back("Play");
        state = TState::Playing;
    }
    void Pause() override {
        log.push_back("Pause");
        state = TState::Paused;
    }
    void Stop() override {
        log.push_back("Stop");
        state = TState::Stopped;
    }
    bool IsPlaying() override { return state == TState::Playing; }
    bool IsPaused() override { return state == TState::Paused; }
    bool IsStopped() override { return state == TState::Stopped; }
    bool CanPlay() override { return state != TState::Playing; }
    bool CanPause() override { return state == TState::Playing; }
    bool CanStop() override { return state != TState::Stopped; }
    bool CanNext() override { return state != TState::Stopped; }
    bool CanPrevious() override { return state != TState::Stopped; }
    bool CanFastForward() override { return state != TState::Stopped; }
    bool CanRewind() override { return state != TState::Stopped; }
    void SetMute(bool on) override {
        log.push_back(on ? "Mute on" : "Mute off");
        mute = on;
    }
    bool GetMute() override { return mute; }
    void SetWindSpeed(double step) override { windSpeed = step; }
    double GetWindSpeed() override { return windSpeed; }
    void SetVolume(int v) override { volume = v; }
    int GetVolume() override { return volume; }
    void SetPosition(double position) override {
        log.push_back("SetPosition " + std::to_string(std::lround(position * 86400)));
    }

    void Next() override { log.push_back("Next"); }
};

class MediaIndexFormTest : public ::testing::Test {
protected:
    MediaIndexFormTest() : m_user(m_dir.File("user.ini")) {}
    ~MediaIndexFormTest() override { QFile::remove(TSettingsFile::AdminFileName()); }

    void SetAdmin(const QString& name, int value) {
        ASSERT_TRUE(TSettingsFile(TSettingsFile::AdminFileName(), kQueryKey).Write(name, value));
    }

    std::unique_ptr<TMediaIndexForm> MakeForm() {
        auto form = std::make_unique<TMediaIndexForm>();
        form->GetMediaView()->SetController(playback);
        return form;
    }

    // What the update handlers say, action by action: "E" enabled, "C" checked.
    static std::string States(TMediaIndexForm& form, const std::vector<const char*>& names) {
        form.UpdateActions();
        std::string states;
        for (const char* name : names) {
            QAction* action = form.Action(QLatin1String(name));
            states += action->isEnabled() ? "E" : "-";
            states += action->isChecked() ? "C" : "-";
            states += " ";
        }
        return states;
    }

    testsupport::TTempDir m_dir;
    testsupport::TScopedUserSettings m_user;
    std::shared_ptr<TPlaybackDouble> playback = std::make_shared<TPlaybackDouble>();
};

TEST_F(MediaIndexFormTest, ActionsStartAsDeclaredAndFollowPlaybackWhenIdle) {
    TMediaIndexForm form;
    for (const char* name :
         {"FileOpen", "VideoPlay", "VideoPause", "VideoStop", "VideoBackward", "VideoNext",
          "VideoRewind", "VideoFastForward", "ViewFullScreen", "EditCopyText", "EditCopyPicture"}) {
        EXPECT_FALSE(form.Action(QLatin1String(name))->isEnabled()) << name;
    }
    EXPECT_TRUE(form.Action("ViewClips")->isChecked());
    EXPECT_FALSE(form.Action("AddClipToPresentation")->isVisible());

    form.GetMediaView()->SetController(playback);
    form.QueryFrame()->ShowPage(TQueryFrame::kPageClips);
    const std::vector<const char*> names = {"VideoPlay",      "VideoPause",     "VideoStop",
                                            "VideoNext",      "ViewFullScreen", "EditCopyText",
                                            "EditCopyPicture"};
    struct TCase {
        TPlaybackDouble::TState state;
        std::string expected;
        bool timeBar;
    };
    const TCase cases[] = {
        {TPlaybackDouble::TState::Stopped, "E- -- -C -- -- E- -- ", false},
        {TPlaybackDouble::TState::Playing, "-C E- E- E- E- E- -- ", true},
        {TPlaybackDouble::TState::Paused, "E- -C E- E- E- E- E- ", true},
    };
    for (const TCase& each : cases) {
        playback->state = each.state;
        EXPECT_EQ(States(form, names), each.expected) << static_cast<int>(each.state);
        EXPECT_EQ(form.TimeTrackBar()->isEnabled(), each.timeBar);
    }
    EXPECT_TRUE(form.Action("FileOpen")->isEnabled());
}

TEST_F(MediaIndexFormTest, LeavingTheClipsPageWhilePlayingPausesAtTheNextIdleUpdate) {
    auto form = MakeForm();
    form->UpdateActions();
    form->Action("VideoPlay")->trigger();
    EXPECT_EQ(form->QueryFrame()->GetPage(), TQueryFrame::kPageClips);
    ASSERT_TRUE(playback->IsPlaying());

    form->Action("ViewFilter")->trigger();
    EXPECT_TRUE(playback->IsPlaying()) << "only the idle update pauses";
    EXPECT_EQ(States(*form, {"ViewClips", "ViewFilter", "EditCopyText", "EditCopyPicture"}),
              "E- EC -- -- ");
    EXPECT_TRUE(playback->IsPaused());

    form->Action("ViewClips")->trigger();
    form->UpdateActions();
    EXPECT_TRUE(playback->IsPaused()) << "coming back does not resume";
    EXPECT_EQ(States(*form, {"ViewStatistics", "ViewGraph", "EditCopyPicture"}), "E- E- E- ");
}

TEST_F(MediaIndexFormTest, KeysPlayPauseStopMuteAndStepTheVolume) {
    auto form = MakeForm();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->activateWindow();
    form->UpdateActions();

    QTest::keyClick(form.get(), Qt::Key_Return);
    EXPECT_TRUE(playback->IsPlaying());
    QTest::keyClick(form.get(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(playback->IsPaused());
    form->UpdateActions();
    QTest::keyClick(form.get(), Qt::Key_Period);
    EXPECT_TRUE(playback->IsStopped());

    // F8 mutes and does not copy the note.
    QGuiApplication::clipboard()->setText("before");
    form->QueryFrame()->Note()->setPlainText("the note");
    QTest::keyClick(form.get(), Qt::Key_F8);
    EXPECT_TRUE(playback->mute);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");

    const int volume = form->VolumeTrackBar()->value();
    QTest::keyClick(form.get(), Qt::Key_F10);
    EXPECT_EQ(form->VolumeTrackBar()->value(), volume + 100);
    EXPECT_EQ(playback->volume, volume + 100);
    QTest::keyClick(form.get(), Qt::Key_F9);
    QTest::keyClick(form.get(), Qt::Key_F9);
    EXPECT_EQ(playback->volume, volume - 100);

    // The track bars hand the keyboard on to the clip list.
    form->TimeTrackBar()->setFocus();
    EXPECT_EQ(QApplication::focusWidget(),
              static_cast<QWidget*>(form->QueryFrame()->QueryResultIndex()));

    form->Action("VideoStepDecrease")->trigger();
    EXPECT_DOUBLE_EQ(playback->windSpeed, 0.25);
    form->Action("VideoStepIncrease")->trigger();
    form->Action("VideoStepIncrease")->trigger();
    EXPECT_DOUBLE_EQ(playback->windSpeed, 1.0);
}

TEST_F(MediaIndexFormTest, EnterAndPeriodInACategorySelectorAreTyping) {
    auto form = MakeForm();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->QueryFrame()->ShowPage(TQueryFrame::kPageTable);
    auto* selector = form->QueryFrame()->findChild<QComboBox*>();
    ASSERT_NE(selector, nullptr);
    selector->setFocus();
    QTest::keyClick(selector, Qt::Key_Return);
    QTest::keyClick(selector, Qt::Key_Period);
    EXPECT_TRUE(playback->log.empty());
}

TEST_F(MediaIndexFormTest, TimeTrackBarFollowsThePlayerWithoutSeekingAndSeeksWhenMoved) {
    auto form = MakeForm();
    form->TimeChanged(30.0 / 86400, 5400.0 / 86400);
    EXPECT_EQ(form->TimeTrackBar()->maximum(), 5400);
    EXPECT_EQ(form->TimeTrackBar()->value(), 30);
    EXPECT_TRUE(playback->log.empty());
    form->TimeTrackBar()->setValue(95);
    EXPECT_EQ(playback->log, std::vector<std::string>{"SetPosition 95"});
}

TEST_F(MediaIndexFormTest, TitleIsTheProductAndTheDocumentName) {
    TMediaIndexForm form;
    form.SetTitle("New Document");
    EXPECT_EQ(form.windowTitle(), "Velmora Clipwise - New Document");
    EXPECT_EQ(form.GetTitle(), "New Document");
    form.SetTitle("");
    EXPECT_EQ(form.windowTitle(), "Velmora Clipwise - ");
}

TEST_F(MediaIndexFormTest, HideGraphViewDefaultOneHidesTheGraphButtonItsDividerAndItsItem) {
    struct TCase {
        int value;
        bool shown;
    };
    for (const TCase& each : {TCase{1, false}, TCase{2, true}, TCase{0, true}}) {
        SetAdmin("HideGraphViewDefault", each.value);
        TMediaIndexForm form;
        form.ApplyHiddenViews();
        EXPECT_EQ(form.Action("ViewGraph")->isVisible(), each.shown) << each.value;
        QToolBar* pages = form.PageToolBar();
        int separators = 0;
        for (QAction* action : pages->actions()) {
            separators += action->isSeparator() && action->isVisible();
        }
        EXPECT_EQ(separators, each.shown ? 3 : 2) << each.value;
        // The last visible item of the bar is a button, never a divider.
        QAction* last = nullptr;
        for (QAction* action : pages->actions()) {
            if (action->isVisible()) {
                last = action;
            }
        }
        ASSERT_NE(last, nullptr);
        EXPECT_FALSE(last->isSeparator());
    }
}

TEST_F(MediaIndexFormTest, WindowStateIsWrittenAtDestructionAndReadAtCreation) {
    QScreen* screen = QGuiApplication::primaryScreen();
    {
        TMediaIndexForm first;
        EXPECT_EQ(first.size(), QSize(800, 600));
        EXPECT_EQ(first.geometry().center(), screen->availableGeometry().center());
        first.show();
        first.setGeometry(40, 50, 700, 500);
    }
    EXPECT_EQ(RegistryGet(kQueryKey, "WindowState", -1), 0);
    EXPECT_EQ(RegistryGet(kQueryKey, "Width", 0), 700);
    {
        TMediaIndexForm later;
        EXPECT_EQ(later.geometry(), QRect(40, 50, 700, 500));
        later.ShowAsStored();
        EXPECT_FALSE(later.isMaximized());
        later.showMaximized();
    }
    EXPECT_EQ(RegistryGet(kQueryKey, "WindowState", -1), 2);
    {
        TMediaIndexForm maximized;
        maximized.ShowAsStored();
        EXPECT_TRUE(maximized.isMaximized());
    }
    // Stored minimized, or somewhere no screen shows: it opens normal, on the screen.
    RegistryPut(kQueryKey, "WindowState", 1);
    RegistryPut(kQueryKey, "Left", 50000);
    {
        TMediaIndexForm minimized;
        minimized.ShowAsStored();
        EXPECT_FALSE(minimized.isMinimized());
        EXPECT_TRUE(screen->availableGeometry().intersects(minimized.geometry()));
    }
}

TEST_F(MediaIndexFormTest, CopyPictureKeepsTheClipboardWithoutAFrameAndCopyNoteCopiesTheNote) {
    auto form = MakeForm();
    QGuiApplication::clipboard()->setText("kept");
    form->Action("EditCopyPicture")->setEnabled(true);
    form->Action("EditCopyPicture")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");

    form->QueryFrame()->Note()->setPlainText("Corner kick, header wide");
    form->Action("EditCopyText")->setEnabled(true);
    form->Action("EditCopyText")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Corner kick, header wide");
}

TEST_F(MediaIndexFormTest, HelpPaneShownAndHiddenTakesItsDividerAlong) {
    TMediaIndexForm form;
    form.show();
    form.HelpHidden();
    EXPECT_FALSE(form.HelpSplitter()->handle(1)->isVisible());
    form.HelpShown();
    EXPECT_TRUE(form.HelpSplitter()->handle(1)->isVisible());
}

TEST_F(MediaIndexFormTest, ActionsCarryTheirHintsAndTheHintShowsInTheStatusBar) {
    TMediaIndexForm form;
    QAction* reopen = form.Action("FileReopen");
    EXPECT_EQ(reopen->toolTip(), "Reopen index");
    EXPECT_EQ(reopen->statusTip(), "Opens another index that was recently used");
    EXPECT_EQ(form.Action("VideoMute")->shortcuts(), QList<QKeySequence>{QKeySequence(Qt::Key_F8)});
    EXPECT_EQ(form.Action("EditCopyText")->shortcuts(),
              QList<QKeySequence>{QKeySequence("Shift+Ctrl+N")});
    for (QAction* action : form.findChildren<QAction*>(Qt::FindDirectChildrenOnly)) {
        if (action->toolTip().isEmpty() || action->objectName().isEmpty()) {
            continue;
        }
        EXPECT_FALSE(action->property("Category").isNull()) << action->objectName().toStdString();
    }
    form.show();
    QStatusTipEvent tip("Plays media");
    QApplication::sendEvent(&form, &tip);
    EXPECT_EQ(form.StatusBar()->currentMessage(), "Plays media");
    QStatusTipEvent none("");
    QApplication::sendEvent(&form, &none);
    EXPECT_EQ(form.StatusBar()->currentMessage(), "");
}

TEST(MediaIndexFile, OnlyVmiAndMchAreMediaIndexes) {
    EXPECT_TRUE(IsMediaIndexFile("/data/Cup.vmi"));
    EXPECT_TRUE(IsMediaIndexFile("/data/Cup.MCH"));
    EXPECT_FALSE(IsMediaIndexFile("/data/Cup.mp4"));
    EXPECT_FALSE(IsMediaIndexFile("/data/vmi"));
}

} // namespace
