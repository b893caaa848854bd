// The composition root with the whole real object graph: the start-up forms of the command
// line, a document that fails to load, and the window wired to its status bar and help.

#include "MediaIndexViewer.h"
#include "FrmMediaIndex.h"
#include "MediaStatusBar.h"
#include "QueryFrame.h"
#include "QueryResultIndex.h"
#include "ScriptedUserQuestions.h"
#include "SettingsFile.h"
#include "TestSupport.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>

#include <gtest/gtest.h>

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
