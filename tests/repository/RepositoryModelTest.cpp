// The repository model on real files in temporary folders: opening with its repairs,
// saving, and importing with backups, answered through the scripted questions.

#include "RepositoryModel.h"
#include "RecordingRepositoryController.h"
#include "ScriptedUserQuestions.h"

#include "FileSizeLimit.h"
#include "MatchStatFile.h"
#include "OptionsModel.h"
#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <regex>
#include <string>

using testsupport::DataPath;
using testsupport::ReadFile;
using testsupport::TTempDir;
using testsupport::WriteFile;

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

bool Exists(const std::string& path) {
    return QFileInfo::exists(Q(path));
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

std::string Message(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "(no error)";
}

// One match per video path, each with one situation.
std::string MatchesWithVideos(const std::vector<std::string>& videos) {
    std::string text = "<MatchStatFile NextId=\"99\"><ActorFile Id=\"1\" Rel=\"ActorFile\"/>"
                       "<SituationFile Id=\"2\" Rel=\"SituationFile\"/>";
    int id = 10;
    for (const std::string& video : videos) {
        const std::string n = std::to_string(id);
        text += "<Match Id=\"" + n +
                "\" Rel=\"Matches\" DateTime=\"05-08-2006 15:30:00\" Name=\"Match " + n +
                "\" VideoFilename=\"" + video + "\"><Team Id=\"" + std::to_string(id + 1) +
                "\" Rel=\"HomeTeam\">A</Team><Team Id=\"" + std::to_string(id + 2) +
                "\" Rel=\"GuestTeam\">B</Team><Situation Id=\"" + std::to_string(id + 3) +
                "\" Rel=\"Situations\" TeamId=\"" + std::to_string(id + 1) +
                "\" StartingTime=\"05-08-2006 00:01:00\" EndingTime=\"05-08-2006 00:01:10\">Attack"
                "</Situation></Match>";
        id += 10;
    }
    return text + "</MatchStatFile>";
}

class RepositoryModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_oldCurrent = QDir::currentPath();
        QDir(Q(m_dir.Path())).mkpath(QStringLiteral("work"));
        QDir(Q(m_dir.Path())).mkpath(QStringLiteral("media"));
        QDir::setCurrent(Q(Work("")));

        m_mediaFolder = m_dir.File("media/");
        auto options = std::make_shared<TOptionsModel>(Q(m_dir.Path()));
        options->SetMediaFolder(Q(m_mediaFolder));
        m_controller.optionsModel = options;
        m_model.SetController(&m_controller);
    }
    void TearDown() override { QDir::setCurrent(m_oldCurrent); }

    std::string Work(const std::string& name) const { return m_dir.File("work/" + name); }
    std::string Media(const std::string& name) const { return m_mediaFolder + name; }
    std::string Video(const std::string& path) const {
        WriteFile(path, "not really a video");
        return path;
    }
    // Writes a document into the work folder and opens it.
    std::string OpenText(const std::string& text, const std::string& name = "doc.vmi") {
        const std::string path = Work(name);
        WriteFile(path, text);
        m_model.Open(Q(path));
        return path;
    }
    TMatchStatFile& Document() { return *m_model.GetDocument(); }
    QString LocationQuestion(const std::string& path) const {
        return "The Media Index indexes the media file \"" + Q(path) +
               "\" that could not be found. Would You like to specify a new location? If you "
               "do not specify a location, the media file will not be available from this "
               "media index.\n\r\n\rTo ensure that media files are always available, please "
               "move them to the media folder (" +
               Q(m_mediaFolder) + ")";
    }

    TTempDir m_dir;
    testsupport::TScopedUserSettings m_settings{m_dir.File("user.ini")};
    QString m_oldCurrent;
    std::string m_mediaFolder;
    std::shared_ptr<TScriptedUserQuestions> m_questions =
        std::make_shared<TScriptedUserQuestions>();
    TRecordingRepositoryController m_controller;
    TRepositoryModel m_model{m_questions};
};

// ---- Open: scene repair ----

const char* const kDanglingScenes =
    "<MatchStatFile NextId=\"20\"><ActorFile Id=\"1\" Rel=\"ActorFile\"/>"
    "<SituationFile Id=\"2\" Rel=\"SituationFile\"/>"
    "<Match Id=\"3\" Rel=\"Matches\" DateTime=\"05-08-2006 15:30:00\" Name=\"M\" "
    "VideoFilename=\"VIDEO\">"
    "<Team Id=\"4\" Rel=\"HomeTeam\">A</Team><Team Id=\"5\" Rel=\"GuestTeam\">B</Team>"
    "<Situation Id=\"6\" Rel=\"Situations\" TeamId=\"4\" StartingTime=\"05-08-2006 00:01:00\" "
    "EndingTime=\"05-08-2006 00:01:10\">Attack</Situation></Match>"
    "<Presentation Id=\"7\" Rel=\"Presentations\">P<Scene Id=\"8\" Rel=\"Scenes\" "
    "SituationId=\"90\">a</Scene>"
    "<Scene Id=\"9\" Rel=\"Scenes\" SituationId=\"6\">b</Scene>"
    "<Scene Id=\"10\" Rel=\"Scenes\" SituationId=\"91\">c</Scene></Presentation>"
    "<Presentation Id=\"11\" Rel=\"Presentations\">Q<Scene Id=\"12\" Rel=\"Scenes\">d</Scene>"
    "</Presentation></MatchStatFile>";

TEST_F(RepositoryModelTest, DanglingScenesAreRemovedAndSavingIsOffered) {
    for (TQuestionAnswer answer : {TQuestionAnswer::No, TQuestionAnswer::Yes}) {
        const std::string text = Replaced(kDanglingScenes, "VIDEO", Video(Work("match.avi")));
        m_questions->Answer(answer);
        const int saveAsBefore = m_controller.saveAsCalls;
        const std::string path = OpenText(text);

        ASSERT_EQ(m_questions->QuestionTexts().back(),
                  "The media index \"" + Q(path) +
                      "\" that You just opened contained errors that have been corrected (3 "
                      "scenes showing missing situations have been deleted). Would You like to "
                      "save the corrected media index?");
        EXPECT_EQ(m_questions->Prompts().back().buttons, TQuestionButtons::YesNo);
        EXPECT_EQ(m_controller.saveAsCalls - saveAsBefore, answer == TQuestionAnswer::Yes ? 1 : 0);
        ASSERT_EQ(Document().Presentations().Items(0)->Scenes().Count(), 1);
        EXPECT_EQ(Document().Presentations().Items(0)->Scenes().Items(0)->Id(), "9");
        EXPECT_EQ(Document().Presentations().Items(1)->Scenes().Count(), 0);
        // The corrections are unsaved, so that closing asks about them.
        EXPECT_TRUE(m_model.IsModified());
        EXPECT_EQ(ReadFile(path), text);
        EXPECT_EQ(m_model.GetState(), TRepositoryModel::kStateStored);
    }
}

TEST_F(RepositoryModelTest, SaveAsOfferedAfterRepairWritesTheCorrectedDocument) {
    const std::string text = Replaced(kDanglingScenes, "VIDEO", Video(Work("match.avi")));
    m_questions->Answer(TQuestionAnswer::Yes);
    m_controller.onSaveAs = [this] { m_model.SaveAs(Q(Work("fixed.vmi"))); };
    OpenText(text);
    EXPECT_EQ(m_model.GetFileName(), Q(Work("fixed.vmi")));
    EXPECT_FALSE(m_model.IsModified());
    EXPECT_EQ(ReadFile(Work("fixed.vmi")).find("SituationId=\"9"), std::string::npos);
    EXPECT_NE(ReadFile(Work("fixed.vmi")).find("SituationId=\"6\""), std::string::npos);
}

// ---- Open: media location ----

TEST_F(RepositoryModelTest, VideoInTheMediaFolderIsTakenWithoutAQuestion) {
    Video(Media("final.avi"));
    const std::string path = OpenText(MatchesWithVideos({"D:\\Video\\final.avi"}));

    EXPECT_TRUE(m_questions->Prompts().empty());
    ASSERT_EQ(Document().Matches().Count(), 1);
    EXPECT_EQ(Document().Matches().Items(0)->VideoFilename(), Media("final.avi"));
    // Saved at once.
    EXPECT_FALSE(m_model.IsModified());
    TMatchStatFile reloaded;
    reloaded.LoadFromFile(path);
    EXPECT_EQ(reloaded.Matches().Items(0)->VideoFilename(), Media("final.avi"));
}

TEST_F(RepositoryModelTest, FileNamePartFollowsTheLastDelimiter) {
    struct TCase {
        const char* stored;
        const char* found;
    };
    const TCase cases[] = {
        {"D:\\Video\\final.avi", "final.avi"},
        {"/old/place/final.avi", "final.avi"},
        {"D:final.avi", "final.avi"},
        {"\\\\server\\share/mixed\\final.avi", "final.avi"},
        {"final.avi", "final.avi"},
    };
    Video(Media("final.avi"));
    for (const TCase& c : cases) {
        OpenText(MatchesWithVideos({c.stored}));
        EXPECT_EQ(Document().Matches().Items(0)->VideoFilename(), Media(c.found)) << c.stored;
    }
    EXPECT_TRUE(m_questions->Prompts().empty());
}

TEST_F(RepositoryModelTest, DeclinedVideoTakesTheMatchOutWithoutSaving) {
    const std::string text = MatchesWithVideos({"D:\\Video\\final.avi"});
    m_questions->Answer(TQuestionAnswer::No);
    const std::string path = OpenText(text);

    ASSERT_EQ(m_questions->Prompts().size(), 1u);
    EXPECT_EQ(m_questions->Prompts()[0].text, LocationQuestion(Media("final.avi")));
    EXPECT_EQ(m_questions->Prompts()[0].kind, TQuestionKind::Confirmation);
    EXPECT_EQ(m_questions->Prompts()[0].buttons, TQuestionButtons::YesNo);
    EXPECT_EQ(Document().Matches().Count(), 0);
    // The match is still in the document, only not shown: nothing is there to save.
    EXPECT_FALSE(m_model.IsModified());
    EXPECT_EQ(ReadFile(path), text);
}

TEST_F(RepositoryModelTest, CancelledDialogAsksAgainUntilAFileIsFound) {
    const std::string elsewhere = Video(Work("moved.avi"));
    m_questions->Answer(TQuestionAnswer::Yes);
    m_questions->CancelDialog();
    m_questions->Answer(TQuestionAnswer::Yes);
    m_questions->ChooseFile(Q(Work("no-such.avi")));
    m_questions->Answer(TQuestionAnswer::Yes);
    m_questions->ChooseFile(Q(elsewhere));
    const std::string path = OpenText(MatchesWithVideos({"D:\\Video\\final.avi"}));

    EXPECT_EQ(m_questions->Pending(), 0u);
    const std::vector<QString> asked = m_questions->QuestionTexts();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0], LocationQuestion(Media("final.avi")));
    EXPECT_EQ(asked[1], LocationQuestion(""));
    EXPECT_EQ(asked[2], LocationQuestion(Work("no-such.avi")));
    // The dialog has no title and no filter, and starts at the path asked about.
    const TUserPrompt& dialog = m_questions->Prompts()[1];
    EXPECT_EQ(dialog.type, TUserPrompt::TType::OpenDialog);
    EXPECT_EQ(dialog.title, "");
    EXPECT_EQ(dialog.filter, "");
    EXPECT_EQ(dialog.fileName, Q(Media("final.avi")));
    EXPECT_EQ(m_questions->Prompts()[3].fileName, "");

    EXPECT_EQ(Document().Matches().Items(0)->VideoFilename(), elsewhere);
    TMatchStatFile reloaded;
    reloaded.LoadFromFile(path);
    EXPECT_EQ(reloaded.Matches().Items(0)->VideoFilename(), elsewhere);
}

TEST_F(RepositoryModelTest, EveryWriteKeepsTheDeclinedMatch) {
    Video(Media("second.avi"));
    m_questions->Answer(TQuestionAnswer::No);
    const std::string path = OpenText(MatchesWithVideos({"D:\\first.avi", "D:\\second.avi"}));

    // The session no longer shows the declined match...
    ASSERT_EQ(Document().Matches().Count(), 1);
    EXPECT_EQ(Document().Matches().Items(0)->Name(), "Match 20");
    EXPECT_FALSE(m_model.IsModified());
    // ...but the relocation save and a later Save As write it as it was.
    m_model.SaveAs(Q(Work("copy.vmi")));
    EXPECT_EQ(ReadFile(Work("copy.vmi")), ReadFile(path));
    TMatchStatFile reloaded;
    reloaded.LoadFromFile(Work("copy.vmi"));
    ASSERT_EQ(reloaded.Matches().Count(), 2);
    EXPECT_EQ(reloaded.Matches().Items(0)->Name(), "Match 10");
    EXPECT_EQ(reloaded.Matches().Items(0)->VideoFilename(), "D:\\first.avi");
    EXPECT_EQ(reloaded.Matches().Items(0)->Situations().Count(), 1);
    EXPECT_EQ(reloaded.Matches().Items(1)->VideoFilename(), Media("second.avi"));
}

TEST_F(RepositoryModelTest, ImportMergesIntoTheDeclinedMatch) {
    m_questions->Answer(TQuestionAnswer::No);
    const std::string text = MatchesWithVideos({"D:\\first.avi"});
    const std::string path = OpenText(text);
    WriteFile(Work("same.vmi"), text);
    // The same match again: nothing to add, so no second question about its video.
    m_model.Import(Q(Work("same.vmi")));
    EXPECT_EQ(m_questions->Pending(), 0u);
    EXPECT_EQ(m_questions->Prompts().size(), 1u);
    EXPECT_EQ(Document().Matches().Count(), 0);
    EXPECT_NE(ReadFile(Work("doc.vmi_backup_1.vmi")).find("Name=\"Match 10\""), std::string::npos);
    TMatchStatFile written;
    written.LoadFromFile(path);
    ASSERT_EQ(written.Matches().Count(), 1);
    EXPECT_EQ(written.Matches().Items(0)->VideoFilename(), "D:\\first.avi");
}

TEST_F(RepositoryModelTest, RelocationsAreOnDiskBeforeTheNextQuestionAndAtTheEnd) {
    Video(Media("first.avi"));
    Video(Media("second.avi"));
    const std::string moved = Video(Work("moved.avi"));
    Video(Media("fourth.avi"));
    m_questions->Answer(TQuestionAnswer::Yes);
    m_questions->ChooseFile(Q(moved));
    std::string onDiskWhenAsked;
    m_questions->whileAsking = [&](const TUserPrompt&) {
        if (onDiskWhenAsked.empty()) {
            onDiskWhenAsked = ReadFile(Work("doc.vmi"));
        }
    };
    const std::string path = OpenText(
        MatchesWithVideos({"D:\\first.avi", "D:\\second.avi", "D:\\third.avi", "D:\\fourth.avi"}));

    // What the user is asked about comes after what was found on the way there.
    EXPECT_NE(onDiskWhenAsked.find(Media("first.avi")), std::string::npos);
    EXPECT_NE(onDiskWhenAsked.find(Media("second.avi")), std::string::npos);
    EXPECT_EQ(onDiskWhenAsked.find(Media("fourth.avi")), std::string::npos);
    EXPECT_FALSE(m_model.IsModified());
    TMatchStatFile reloaded;
    reloaded.LoadFromFile(path);
    ASSERT_EQ(reloaded.Matches().Count(), 4);
    const std::string expected[] = {Media("first.avi"), Media("second.avi"), moved,
                                    Media("fourth.avi")};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(reloaded.Matches().Items(i)->VideoFilename(), expected[i]) << i;
    }
}

TEST_F(RepositoryModelTest, FailedRelocationSaveStillOpensAndTellsTheUser) {
    Video(Media("first.avi"));
    Video(Media("second.avi"));
    const std::string text = MatchesWithVideos({"D:\\first.avi", "D:\\second.avi"});
    const std::string path = Work("doc.vmi");
    WriteFile(path, text);
    m_questions->Answer(TQuestionAnswer::Ok);
    {
        // As full as a disk can be: the document cannot be written again.
        testsupport::TFileSizeLimit full(64);
        m_model.Open(Q(path));
    }
    ASSERT_NE(m_model.GetDocument(), nullptr);
    EXPECT_EQ(m_model.GetFileName(), Q(path));
    EXPECT_EQ(m_model.GetState(), TRepositoryModel::kStateStored);
    EXPECT_TRUE(m_model.IsModified());
    ASSERT_EQ(Document().Matches().Count(), 2);
    EXPECT_EQ(Document().Matches().Items(1)->VideoFilename(), Media("second.avi"));
    EXPECT_EQ(ReadFile(path), text);
    // Told once, with the file and the reason.
    ASSERT_EQ(m_questions->Prompts().size(), 1u);
    EXPECT_EQ(m_questions->Prompts()[0].kind, TQuestionKind::Warning);
    EXPECT_EQ(m_questions->Prompts()[0].buttons, TQuestionButtons::Ok);
    EXPECT_EQ(m_questions->Prompts()[0].text,
              "The new location of the media file \"" + Q(Media("first.avi")) +
                  "\" could not be saved. Cannot save \"" + Q(path) + "\": File too large.");
    EXPECT_EQ(QDir(Q(Work(""))).entryList(QDir::Files), QStringList{"doc.vmi"});
}

TEST_F(RepositoryModelTest, FailedOpenLeavesNoDocumentAndKeepsNameAndState) {
    const std::string good = OpenText(MatchesWithVideos({}));
    WriteFile(Work("bad.vmi"), "<MatchStatFile><Match");
    EXPECT_NE(Message([&] { m_model.Open(Q(Work("bad.vmi"))); }).find("Cannot load"),
              std::string::npos);
    EXPECT_EQ(m_model.GetDocument(), nullptr);
    EXPECT_EQ(m_model.GetFileName(), Q(good));
    EXPECT_EQ(m_model.GetState(), TRepositoryModel::kStateStored);
    EXPECT_FALSE(m_model.IsModified());
}

// ---- New, Save, Close ----

TEST_F(RepositoryModelTest, LifecycleOfStateAndFileName) {
    EXPECT_EQ(m_model.GetState(), TRepositoryModel::kStateNone);
    EXPECT_EQ(m_model.GetDocument(), nullptr);

    m_model.NewDocument(QStringLiteral("New Document"));
    EXPECT_EQ(m_model.GetState(), TRepositoryModel::kStateNew);
    EXPECT_EQ(m_model.GetFileName(), "New Document");
    ASSERT_NE(m_model.GetDocument(), nullptr);
    EXPECT_FALSE(m_model.IsModified());

    Document().Presentations().Add()->SetText("Mine");
    EXPECT_TRUE(m_model.IsModified());
    m_model.SaveAs(Q(Work("saved.vmi")));
    EXPECT_EQ(m_model.GetState(), TRepositoryModel::kStateStored);
    EXPECT_EQ(m_model.GetFileName(), Q(Work("saved.vmi")));
    EXPECT_FALSE(m_model.IsModified());
    EXPECT_NE(ReadFile(Work("saved.vmi")).find(">Mine</Presentation>"), std::string::npos);

    Document().Presentations().Items(0)->SetDescription("changed");
    m_model.Close();
    EXPECT_EQ(m_model.GetDocument(), nullptr);
    EXPECT_FALSE(m_model.IsModified());
    EXPECT_EQ(m_model.GetFileName(), "");
    EXPECT_EQ(m_model.GetState(), TRepositoryModel::kStateStored);
}

TEST_F(RepositoryModelTest, FailedSaveAsKeepsTheOldFileName) {
    const std::string path = OpenText(MatchesWithVideos({}));
    Document().Presentations().Add()->SetText("Mine");
    EXPECT_NE(Message([&] { m_model.SaveAs(Q(Work("no/such/folder/x.vmi"))); }), "(no error)");
    EXPECT_EQ(m_model.GetFileName(), Q(path));
    EXPECT_TRUE(m_model.IsModified());
}

TEST_F(RepositoryModelTest, WithoutADocumentSaveAndImportChangeNothing) {
    const std::vector<std::function<void()>> actions = {
        [&] { m_model.Save(); },
        [&] { m_model.SaveAs(Q(Work("x.vmi"))); },
        [&] { m_model.Import(Q(DataPath("merge-import.vmi"))); },
    };
    for (int round = 0; round < 2; ++round) {
        for (const auto& action : actions) {
            EXPECT_EQ(Message(action), "No media index is open.");
        }
        EXPECT_EQ(QDir(Q(Work(""))).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                  QStringList());
        // Then the same after a document was open and closed.
        m_model.NewDocument(QStringLiteral("New Document"));
        m_model.Close();
    }
    EXPECT_EQ(m_model.GetFileName(), "");
    EXPECT_EQ(m_model.GetState(), TRepositoryModel::kStateNew);
}

// ---- Import ----

class RepositoryImportTest : public RepositoryModelTest {
protected:
    void SetUp() override {
        RepositoryModelTest::SetUp();
        // The target's video lies beside it (the current folder), the new match's in the
        // media folder.
        Video(Work("lions.avi"));
        Video(Media("bears.avi"));
        m_target = Work("cup.vmi");
        WriteFile(m_target, ReadFile(DataPath("merge-target.vmi")));
        m_model.Open(Q(m_target));
    }

    std::string m_target;
};

TEST_F(RepositoryImportTest, ImportBacksUpMergesAndSaves) {
    WriteFile(Work("cup.vmi_backup_1.vmi"), "an older backup");
    Document().Presentations().Items(0)->SetDescription("Unsaved");
    m_model.Import(Q(DataPath("merge-import.vmi")));

    EXPECT_TRUE(m_questions->Prompts().empty());
    EXPECT_EQ(ReadFile(Work("cup.vmi_backup_1.vmi")), "an older backup");
    // The backup holds the unsaved change, the file the merged document.
    EXPECT_EQ(ReadFile(Work("cup.vmi_backup_2.vmi")),
              Replaced(ReadFile(DataPath("merge-target.vmi")), "Description=\"Goals\"",
                       "Description=\"Unsaved\""));
    const std::string merged = Replaced(
        Replaced(ReadFile(DataPath("merge-expected.vmi")), "Description=\"Goals\"",
                 "Description=\"Unsaved\""),
        "VideoFilename=\"D:\\Video\\bears.avi\"", "VideoFilename=\"" + Media("bears.avi") + "\"");
    EXPECT_EQ(ReadFile(m_target), merged);
    EXPECT_FALSE(m_model.IsModified());
    EXPECT_EQ(m_model.GetFileName(), Q(m_target));
    EXPECT_EQ(m_model.GetState(), TRepositoryModel::kStateStored);
}

TEST_F(RepositoryImportTest, ImportIntoANeverSavedDocumentWritesBesideTheCurrentFolder) {
    Video(Media("lions-late.avi"));
    m_model.NewDocument(QStringLiteral("New Document"));
    m_model.Import(Q(DataPath("merge-import.vmi")));

    EXPECT_EQ(ReadFile(Work("New Document_backup_1.vmi")),
              "\r\n<MatchStatFile NextId=\"2\">\r\n  <ActorFile Id=\"1\" Rel=\"ActorFile\"/>\r\n"
              "  <SituationFile Id=\"2\" Rel=\"SituationFile\"/>\r\n</MatchStatFile>\r\n");
    TMatchStatFile written;
    written.LoadFromFile(Work("New Document"));
    EXPECT_EQ(written.Matches().Count(), 2);
    EXPECT_EQ(m_model.GetState(), TRepositoryModel::kStateNew);
    EXPECT_EQ(m_model.GetFileName(), "New Document");
}

TEST_F(RepositoryImportTest, UnreadableImportLeavesTheDocumentAsItWas) {
    Document().Presentations().Items(0)->SetDescription("Unsaved");
    const std::string before = Document().GetXml();
    WriteFile(Work("broken.vmi"),
              "<MatchStatFile><Match Id=\"1\" Rel=\"Matches\"/></MatchStatFile>");

    for (const std::string& bad : {Work("broken.vmi"), Work("absent.vmi")}) {
        EXPECT_NE(Message([&] { m_model.Import(Q(bad)); }).find(bad), std::string::npos);
        EXPECT_EQ(Document().GetXml(), before);
        // Still unsaved: the change is in the backup, not in the document's own file.
        EXPECT_TRUE(m_model.IsModified());
    }
    EXPECT_TRUE(Exists(Work("cup.vmi_backup_1.vmi")));
    EXPECT_TRUE(Exists(Work("cup.vmi_backup_2.vmi")));
    EXPECT_EQ(ReadFile(m_target), ReadFile(DataPath("merge-target.vmi")));
}

TEST_F(RepositoryImportTest, FailedMergeOrSaveTakesTheMergedContentOutAgain) {
    // The scene of this import names a team: the merge fails after it has added a match.
    WriteFile(Work("wrong.vmi"),
              "<MatchStatFile NextId=\"9\"><Match Id=\"3\" Rel=\"Matches\" DateTime=\"07-08-2006 "
              "10:00:00\" Name=\"Other\"><Team Id=\"4\" Rel=\"HomeTeam\">X</Team>"
              "<Team Id=\"5\" Rel=\"GuestTeam\">Y</Team></Match><Presentation Id=\"8\" "
              "Rel=\"Presentations\">P<Scene Id=\"9\" Rel=\"Scenes\" SituationId=\"4\">S</Scene>"
              "</Presentation></MatchStatFile>");
    const std::regex nextId("NextId=\"[0-9]+\"");
    auto withoutNextId = [&](const std::string& text) {
        return std::regex_replace(text, nextId, "NextId");
    };
    // A failed merge, with unsaved changes and without.
    for (bool unsaved : {true, false}) {
        const std::string original = ReadFile(m_target);
        if (unsaved) {
            Document().Presentations().Items(0)->SetDescription("Unsaved");
        }
        const std::string before = Document().GetXml();
        EXPECT_NE(Message([&] { m_model.Import(Q(Work("wrong.vmi"))); }).find("not a Situation"),
                  std::string::npos);
        EXPECT_EQ(withoutNextId(Document().GetXml()), withoutNextId(before));
        EXPECT_EQ(m_model.IsModified(), unsaved);
        EXPECT_EQ(ReadFile(m_target), original);
        if (unsaved) {
            m_model.Save();
        }
    }

    // A failed save after a sound merge: the document's file has become a folder.
    const std::string saved = ReadFile(m_target);
    QFile::remove(Q(m_target));
    QDir().mkpath(Q(m_target));
    const std::string before = Document().GetXml();
    EXPECT_NE(Message([&] { m_model.Import(Q(DataPath("merge-import.vmi"))); }), "(no error)");
    EXPECT_EQ(withoutNextId(Document().GetXml()), withoutNextId(before));
    EXPECT_EQ(Document().Matches().Count(), 1);
    EXPECT_FALSE(m_model.IsModified());
    EXPECT_EQ(withoutNextId(ReadFile(Work("cup.vmi_backup_3.vmi"))), withoutNextId(saved));
}

} // namespace
