// The composition root with the whole real object graph: the start-up forms of the command
// line, a document that fails to load, and the window wired to its status bar and help.

#include "MediaIndexViewer.h"
#include "FrmMediaIndex.h"
#include "MediaStatusBar.h"
#include "MediaTestSupport.h"
#include "QueryFrame.h"
#include "QueryResultIndex.h"
#include "ReelExport.h"
#include "ReelRenderer.h"
#include "ScriptedUserQuestions.h"
#include "SettingsFile.h"
#include "TestSupport.h"
#include "VideoSurface.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

class MediaIndexViewerTest : public ::testing::Test {
protected:
    MediaIndexViewerTest() : m_user(m_dir.File("user.ini")) {
        // The fixture's matches name the small test video where it lies, so no question
        // about a missing video comes up.
        std::string index = testsupport::ReadFile(testsupport::DataPath("views-basic.vmi"));
        const std::string video = testsupport::DataPath("media/bits.mp4");
        for (const std::string name : {"cup.mp4", "league.mp4"}) {
            const std::string attribute = "VideoFilename=\"" + name + "\"";
            const auto at = index.find(attribute);
            if (at != std::string::npos) {
                index.replace(at, attribute.size(), "VideoFilename=\"" + video + "\"");
            }
        }
        indexPath = m_dir.File("Cup Final.vmi");
        testsupport::WriteFile(indexPath, index);
        brokenPath = m_dir.File("broken.vmi");
        testsupport::WriteFile(brokenPath, "<MatchStatFile><Matches>");
    }
    ~MediaIndexViewerTest() override { QFile::remove(TSettingsFile::AdminFileName()); }

    std::unique_ptr<TMediaIndexViewer> Start(const QStringList& arguments) {
        auto viewer = std::make_unique<TMediaIndexViewer>(
            questions, QStringList{QStringLiteral("clipwise")} + arguments, Q(m_dir.Path()));
        viewer->OpenStartUpDocument();
        return viewer;
    }

    testsupport::TTempDir m_dir;
    testsupport::TScopedUserSettings m_user;
    std::shared_ptr<TScriptedUserQuestions> questions = std::make_shared<TScriptedUserQuestions>();
    std::string indexPath;
    std::string brokenPath;
};

TEST_F(MediaIndexViewerTest, StartUpOpensTheDocumentOfTheCommandLineElseANewOne) {
    struct TCase {
        const char* label;
        QStringList arguments;
        QString title;
    };
    const QString index = Q(indexPath);
    const TCase cases[] = {
        {"-o and the path", {QStringLiteral("-o") + index}, index},
        {"-O and the path", {QStringLiteral("-O") + index}, index},
        {"a plain path", {index}, index},
        {"a missing path", {QStringLiteral("-O") + index + "x"}, QStringLiteral("New Document")},
        {"a blank after the switch",
         {QStringLiteral("-O ") + index},
         QStringLiteral("New Document")},
        {"another argument", {QStringLiteral("--verbose")}, QStringLiteral("New Document")},
    };
    for (const TCase& each : cases) {
        testsupport::TScopedUserSettings fresh(m_dir.File(std::string(each.label) + ".ini"));
        auto viewer = Start(each.arguments);
        EXPECT_EQ(viewer->Form()->GetTitle(), each.title) << each.label;
        EXPECT_EQ(viewer->Form()->windowTitle(), "Velmora Clipwise - " + each.title) << each.label;
        EXPECT_TRUE(questions->Prompts().empty()) << each.label;
    }
}

TEST_F(MediaIndexViewerTest, TheMostRecentDocumentOpensWhenTheCommandLineNamesNone) {
    Start({Q(indexPath)});
    auto viewer = Start({});
    EXPECT_EQ(viewer->Form()->GetTitle(), Q(indexPath));
    EXPECT_GT(viewer->Form()->QueryFrame()->QueryResultIndex()->RowCount(), 0);
}

TEST_F(MediaIndexViewerTest, ADocumentThatFailsToLoadIsReportedAndANewDocumentFollows) {
    questions->Answer(TQuestionAnswer::Ok);
    auto viewer = Start({QStringLiteral("-O") + Q(brokenPath)});
    ASSERT_EQ(questions->Prompts().size(), 1u);
    EXPECT_EQ(questions->Prompts()[0].kind, TQuestionKind::Warning);
    EXPECT_FALSE(questions->Prompts()[0].text.isEmpty());
    EXPECT_EQ(viewer->Form()->GetTitle(), "New Document");
    EXPECT_EQ(questions->Pending(), 0u);
}

TEST_F(MediaIndexViewerTest, TheWindowIsWiredToItsStatusBarClipListAndMediaController) {
    auto viewer = Start({Q(indexPath)});
    TMediaIndexForm* form = viewer->Form();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->GetDefinitionViewCount(), 10);
    EXPECT_EQ(form->GetDefinitionView(9), form->StatusBar());
    EXPECT_NE(form->GetMediaView()->GetController(), nullptr);
    EXPECT_EQ(form->QueryFrame()->GetPage(), TQueryFrame::kPageClips);

    // The clip list selects its first clip; the media controller tells the status bar.
    const int rows = form->QueryFrame()->QueryResultIndex()->RowCount();
    ASSERT_GT(rows, 0);
    TMediaStatusBar* bar = form->StatusBar();
    EXPECT_EQ(bar->PanelText(TMediaStatusBar::CurrentClip), " Current clip: 1 ");
    EXPECT_EQ(bar->PanelText(TMediaStatusBar::ClipCount), QString(" No of clips: %1 ").arg(rows));
    EXPECT_EQ(bar->PanelText(TMediaStatusBar::WindSpeed), " Wind speed: 0:03:200 ");
    EXPECT_EQ(bar->PanelText(TMediaStatusBar::Filter), "  ");

    form->UpdateActions();
    EXPECT_TRUE(form->Action("VideoPlay")->isEnabled());
    EXPECT_TRUE(form->Action("EditCopyText")->isEnabled());
    EXPECT_FALSE(form->Action("EditCopyPicture")->isEnabled());
}

std::string SituationXml(int id, int fromSecond, int toSecond) {
    auto time = [](int second) {
        char text[32];
        std::snprintf(text, sizeof text, "30-12-1899 00:%02d:%02d", second / 60, second % 60);
        return std::string(text);
    };
    return "<Situation Id=\"" + std::to_string(id) +
           "\" Rel=\"Situations\" TeamId=\"11\" StartingTime=\"" + time(fromSecond) +
           "\" EndingTime=\"" + time(toSecond) + "\">Attack</Situation>";
}

// Clips of the test video, whose frames show their own numbers: by default three of one
// second each.
std::string ClipsOfTheTestVideo(const std::string& situations = SituationXml(20, 0, 1) +
                                                                SituationXml(30, 1, 2) +
                                                                SituationXml(40, 2, 3)) {
    return "<MatchStatFile NextId=\"100\"><ActorFile Id=\"1\" Rel=\"ActorFile\"/>"
           "<SituationFile Id=\"2\" Rel=\"SituationFile\"><SituationDscr Id=\"3\" "
           "Rel=\"Situations\">Attack</SituationDscr></SituationFile>"
           "<Match Id=\"10\" Rel=\"Matches\" DateTime=\"05-08-2006 15:30:00\" Name=\"Cup\" "
           "Result=\"2:1\" VideoFilename=\"" +
           testsupport::DataPath("media/bits.mp4") +
           "\">"
           "<Team Id=\"11\" Rel=\"HomeTeam\">Lions</Team><Team Id=\"12\" Rel=\"GuestTeam\">"
           "Tigers</Team>" +
           situations + "</Match></MatchStatFile>";
}

TEST_F(MediaIndexViewerTest, TheWindowPlaysStepsCopiesAndGoesFullScreenWithTheRealVideo) {
    const std::string path = m_dir.File("clips.vmi");
    testsupport::WriteFile(path, ClipsOfTheTestVideo());
    auto viewer = Start({Q(path)});
    TMediaIndexForm* form = viewer->Form();
    form->show();
    const std::shared_ptr<IMediaController> media = form->GetMediaView()->GetController();
    TMediaStatusBar* bar = form->StatusBar();
    const auto run = [form](const char* action) {
        form->UpdateActions();
        QAction* a = form->Action(QLatin1String(action));
        ASSERT_TRUE(a->isEnabled()) << action;
        a->trigger();
    };

    run("VideoPlay");
    ASSERT_TRUE(mediatest::WaitUntil([&] { return media->IsPlaying(); }));
    run("VideoNext");
    ASSERT_TRUE(mediatest::WaitUntil(
        [&] { return bar->PanelText(TMediaStatusBar::CurrentClip) == " Current clip: 2 "; }));
    run("VideoPause");
    ASSERT_TRUE(mediatest::WaitUntil([&] { return media->IsPaused(); }));

    // The still on the clipboard is the frame on screen: once the paused picture has caught
    // up with the seek, one of the second clip's.
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    int frame = -1;
    EXPECT_TRUE(mediatest::WaitUntil([&] {
        run("EditCopyPicture");
        frame = mediatest::FrameNumber(QGuiApplication::clipboard()->image());
        return frame >= mediatest::kFramesPerSecond - 1 &&
               frame <= 2 * mediatest::kFramesPerSecond + 1;
    })) << "last frame copied: "
        << frame;

    // A click on the picture plays again; Previous goes back to the first clip.
    TVideoSurface* surface = form->findChild<TVideoSurface*>();
    ASSERT_NE(surface, nullptr);
    QTest::mouseClick(surface, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    ASSERT_TRUE(mediatest::WaitUntil([&] { return media->IsPlaying(); }));
    run("VideoBackward");
    ASSERT_TRUE(mediatest::WaitUntil(
        [&] { return bar->PanelText(TMediaStatusBar::CurrentClip) == " Current clip: 1 "; }));

    // Full Screen shows the picture alone; Esc brings it back into the window.
    run("ViewFullScreen");
    ASSERT_TRUE(media->GetFullScreen());
    QWidget* full = nullptr;
    for (TVideoSurface* candidate : form->findChildren<TVideoSurface*>()) {
        if (candidate->isWindow() && candidate->isVisible()) {
            full = candidate;
        }
    }
    ASSERT_NE(full, nullptr);
    QTest::keyClick(full, Qt::Key_Escape);
    EXPECT_TRUE(mediatest::WaitUntil([&] { return !media->GetFullScreen(); }));
    EXPECT_FALSE(full->isVisible());
    run("VideoStop");
}

// File, Export Clips on a document of clips of the test video; the reel goes to a folder of
// its own, so that what the export leaves there can be listed.
class ExportClipsTest : public MediaIndexViewerTest {
protected:
    TMediaIndexForm* Open(const std::string& situations) {
        const std::string path = m_dir.File("clips.vmi");
        testsupport::WriteFile(path, ClipsOfTheTestVideo(situations));
        m_viewer = Start({Q(path)});
        QDir().mkpath(OutFolder());
        return m_viewer->Form();
    }
    QString OutFolder() const { return Q(m_dir.File("out")); }
    QString Out(const QString& name) const { return OutFolder() + u'/' + name; }
    QStringList OutFiles() const {
        return QDir(OutFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    void Export() {
        TMediaIndexForm* form = m_viewer->Form();
        form->UpdateActions();
        QAction* action = form->Action(QStringLiteral("FileExportClips"));
        ASSERT_TRUE(action->isEnabled());
        action->trigger();
    }

    std::unique_ptr<TMediaIndexViewer> m_viewer;
};

TEST_F(ExportClipsTest, RendersTheListIntoTheChosenFileAndReportsTheClipsLeftOut) {
    // The fourth clip starts after the end of the 4 s video.
    TMediaIndexForm* form = Open(SituationXml(20, 0, 1) + SituationXml(30, 1, 2) +
                                 SituationXml(40, 2, 3) + SituationXml(50, 10, 11));
    const QString reel = Out(QStringLiteral("reel.webm"));
    questions->ChooseFile(reel);
    questions->Answer(TQuestionAnswer::Ok);
    Export();

    const TUserPrompt& dialog = questions->Prompts().at(0);
    EXPECT_EQ(dialog.type, TUserPrompt::TType::SaveDialog);
    EXPECT_TRUE(dialog.filter.contains("*.webm") && dialog.filter.contains("*.mp4"))
        << dialog.filter.toStdString();
    EXPECT_EQ(dialog.defaultExtension, "webm");
    EXPECT_EQ(dialog.fileName, Q(m_dir.File("clips.webm")));

    // The window goes on while GStreamer renders: the dialog follows without holding it.
    QProgressDialog* progress = form->ReelExport()->Progress();
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(progress->isVisible());
    EXPECT_FALSE(progress->isModal());
    form->UpdateActions();
    EXPECT_FALSE(form->Action(QStringLiteral("FileExportClips"))->isEnabled());

    ASSERT_TRUE(mediatest::WaitUntil([&] { return questions->Prompts().size() == 2; }, 120'000));
    const TUserPrompt& report = questions->Prompts()[1];
    EXPECT_EQ(report.kind, TQuestionKind::Warning);
    EXPECT_TRUE(report.text.contains("Exported 3 clips to \"" + reel + "\""))
        << report.text.toStdString();
    EXPECT_TRUE(report.text.contains("situation 50")) << report.text.toStdString();
    EXPECT_FALSE(report.text.contains("situation 40")) << report.text.toStdString();
    EXPECT_EQ(form->ReelExport()->Progress(), nullptr);

    EXPECT_EQ(OutFiles(), QStringList({"reel.vtt", "reel.webm"}));
    const std::optional<std::int64_t> length = TReelRenderer::VideoLengthMs(reel);
    ASSERT_TRUE(length.has_value());
    EXPECT_NEAR(static_cast<double>(*length), 3000.0, 200.0);
    EXPECT_EQ(Q(testsupport::ReadFile(Out("reel.vtt").toStdString())).count(QStringLiteral("-->")),
              3);
    form->UpdateActions();
    EXPECT_TRUE(form->Action(QStringLiteral("FileExportClips"))->isEnabled());
}

TEST_F(ExportClipsTest, CancelInTheProgressDialogLeavesNoFileBehind) {
    // A minute of reel: long enough to be cancelled half way.
    std::string situations;
    for (int i = 0; i < 20; ++i) {
        situations += SituationXml(20 + i, 0, 3);
    }
    TMediaIndexForm* form = Open(situations);
    questions->ChooseFile(Out(QStringLiteral("reel.webm")));
    Export();
    QProgressDialog* progress = form->ReelExport()->Progress();
    ASSERT_NE(progress, nullptr);
    ASSERT_TRUE(mediatest::WaitUntil([&] { return progress->value() >= 1; }));
    EXPECT_EQ(OutFiles().size(), 1) << OutFiles().join(' ').toStdString(); // the temporary file

    auto* cancel = progress->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    QTest::mouseClick(cancel, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_FALSE(form->ReelExport()->IsRunning());
    EXPECT_EQ(form->ReelExport()->Progress(), nullptr);
    EXPECT_EQ(OutFiles(), QStringList());
    EXPECT_EQ(questions->Prompts().size(), 1u); // the save dialog; a cancel needs no message
}

TEST_F(ExportClipsTest, ACancelledSaveDialogDoesNothingAndAFileThatCannotBeWrittenIsExplained) {
    TMediaIndexForm* form = Open(SituationXml(20, 0, 1));
    questions->CancelDialog();
    Export();
    EXPECT_EQ(questions->Prompts().size(), 1u);
    EXPECT_FALSE(form->ReelExport()->IsRunning());
    EXPECT_EQ(form->ReelExport()->Progress(), nullptr);

    struct TCase {
        QString output;
        const char* says;
    };
    const TCase cases[] = {
        {Out(QStringLiteral("reel.avi")), ".webm or .mp4"},
        {Out(QStringLiteral("missing/reel.webm")), "No such file or directory"},
    };
    for (const TCase& each : cases) {
        questions->ChooseFile(each.output);
        questions->Answer(TQuestionAnswer::Ok);
        Export();
        const TUserPrompt& message = questions->Prompts().back();
        EXPECT_EQ(message.kind, TQuestionKind::Warning) << each.says;
        EXPECT_TRUE(message.text.contains(each.says)) << message.text.toStdString();
        EXPECT_FALSE(form->ReelExport()->IsRunning());
    }
    EXPECT_EQ(questions->Pending(), 0u);
    EXPECT_EQ(OutFiles(), QStringList());
}

TEST_F(MediaIndexViewerTest, TheAdministratorHidesTheGraphPageBeforeTheWindowShows) {
    ASSERT_TRUE(TSettingsFile(TSettingsFile::AdminFileName(),
                              "Software\\Velmora\\Clipwise\\Repository\\Query")
                    .Write("HideGraphViewDefault", 1));
    auto viewer = Start({});
    EXPECT_FALSE(viewer->Form()->Action("ViewGraph")->isVisible());
    EXPECT_TRUE(viewer->Form()->Action("ViewStatistics")->isVisible());
}

TEST_F(MediaIndexViewerTest, AMediaIndexDroppedOnTheWindowOpensAndOtherFilesAreRefused) {
    auto viewer = Start({});
    TMediaIndexForm* form = viewer->Form();
    form->show();
    auto drop = [form](const std::string& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(Q(path))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(form, &enter);
        if (!enter.isAccepted()) {
            return false;
        }
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form, &dropped);
        return true;
    };
    const std::string video = testsupport::DataPath("media/bits.mp4");
    EXPECT_FALSE(drop(video));
    EXPECT_EQ(form->GetTitle(), "New Document");
    EXPECT_TRUE(drop(indexPath));
    EXPECT_EQ(form->GetTitle(), Q(indexPath));
    EXPECT_TRUE(questions->Prompts().empty());
}

TEST_F(MediaIndexViewerTest, WithoutAMediaBackendTheProgramSaysWhatToInstallAndEnds) {
    qputenv("QT_MEDIA_BACKEND", "none-such");
    questions->Answer(TQuestionAnswer::Ok);
    const int status = RunMediaIndexViewer(questions);
    qunsetenv("QT_MEDIA_BACKEND");
    EXPECT_EQ(status, 1);
    ASSERT_EQ(questions->Prompts().size(), 1u);
    EXPECT_TRUE(questions->Prompts()[0].text.contains("gstreamer", Qt::CaseInsensitive))
        << questions->Prompts()[0].text.toStdString();
}

TEST(WithOpenSwitch, APlainPathOfAnExistingFileGainsTheSwitch) {
    testsupport::TTempDir dir;
    const QString file = Q(dir.File("a.vmi"));
    testsupport::WriteFile(dir.File("a.vmi"), "x");
    const QString program = QStringLiteral("clipwise");
    EXPECT_EQ(WithOpenSwitch({program, file}), (QStringList{program, "-O" + file}));
    EXPECT_EQ(WithOpenSwitch({program, "-o" + file}), (QStringList{program, "-o" + file}));
    EXPECT_EQ(WithOpenSwitch({program, file + "x"}), (QStringList{program, file + "x"}));
    EXPECT_EQ(WithOpenSwitch({program, Q(dir.Path())}), (QStringList{program, Q(dir.Path())}));
    EXPECT_EQ(WithOpenSwitch({program}), QStringList{program});
}

} // namespace
