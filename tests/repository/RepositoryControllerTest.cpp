// The document commands on real files in temporary folders, with real settings, the real
// repository model, options, About and history, and scripted questions. The window is a
// recording query controller; the tests of a released document use the real query controller
// with the real query and result models and the real media controller instead.

#include "RepositoryController.h"
#include "RepositoryFactory.h"
#include "ScriptedUserQuestions.h"

#include "AboutFactory.h"
#include "AboutModelFactory.h"
#include "AboutViewFactory.h"
#include "HistoryFactory.h"
#include "MatchStatFile.h"
#include "MediaController.h"
#include "MediaFactory.h"
#include "OptionsFactory.h"
#include "QueryDefinitionCoordinatorFactory.h"
#include "QueryDefinitionFactory.h"
#include "QueryFactory.h"
#include "QueryResultCoordinatorFactory.h"
#include "QueryResultFactory.h"
#include "TestSupport.h"
#include "UntStatistics.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using testsupport::ErrorMessage;
using testsupport::ReadFile;
using testsupport::TTempDir;
using testsupport::WriteFile;

namespace {

using TLog = std::vector<std::string>;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

const QString kFilter =
    QStringLiteral("Velmora Media Index files (*.vmi)|*.vmi|Velmora Match files (*mch)|*.mch");
const QString kSaveChanges = QStringLiteral("Save changes to the open document?");
const QString kOverwrite =
    QStringLiteral("A file with the name entered already exists. Overwrite?");

// A media index with one match of two situations over the given video, and a presentation
// whose second scene refers to a situation that does not exist when dangling is set.
std::string MediaIndex(const std::string& video, const std::string& match = "Cup",
                       bool dangling = false) {
    return "<MatchStatFile NextId=\"20\"><ActorFile Id=\"1\" Rel=\"ActorFile\"/>"
           "<SituationFile Id=\"2\" Rel=\"SituationFile\"/>"
           "<Match Id=\"3\" Rel=\"Matches\" DateTime=\"05-08-2006 15:30:00\" Name=\"" +
           match + "\" VideoFilename=\"" + video +
           "\"><Team Id=\"4\" Rel=\"HomeTeam\">A</Team><Team Id=\"5\" Rel=\"GuestTeam\">B</Team>"
           "<Situation Id=\"6\" Rel=\"Situations\" TeamId=\"4\" "
           "StartingTime=\"05-08-2006 00:00:01\" EndingTime=\"05-08-2006 00:00:03\">Attack"
           "<Note><![CDATA[first note]]></Note></Situation>"
           "<Situation Id=\"7\" Rel=\"Situations\" TeamId=\"5\" "
           "StartingTime=\"05-08-2006 00:00:05\" EndingTime=\"05-08-2006 00:00:08\">Corner"
           "</Situation></Match>"
           "<Presentation Id=\"8\" Rel=\"Presentations\">P<Scene Id=\"9\" Rel=\"Scenes\" "
           "SituationId=\"6\">a</Scene>" +
           (dangling ? "<Scene Id=\"10\" Rel=\"Scenes\" SituationId=\"99\">b</Scene>" : "") +
           "</Presentation></MatchStatFile>";
}

// The hourglass as a depth, so that tests see whether it is on and that it always goes off.
class TRecordingBusyCursor final : public IBusyCursor {
public:
    void Begin() override { ++depth; }
    void End() override {
        if (--depth < 0) {
            ADD_FAILURE() << "hourglass restored more often than switched on";
        }
    }
    int depth = 0;
};

class TRecordingHistoryView final : public IHistoryView {
public:
    void Refresh(IHistoryModel& model) override {
        entries.clear();
        for (int i = 0; i < model.Count(); ++i) {
            entries << model.Get(i);
        }
    }
    void SetController(IHistoryController* c) override { controller = c; }
    QStringList entries;
    IHistoryController* controller = nullptr;
};

class TOptionsViewDouble final : public IOptionsView {
public:
    int ShowModal() override { return QDialog::Accepted; }
    void SetModel(std::shared_ptr<IOptionsModel>) override {}
};

class TAboutViewDouble final : public IAboutView {
public:
    int ShowModal() override { return ++shows; }
    void SetController(IAboutController*) override {}
    int shows = 0;
};

// The window as the repository controller sees it: which document it is given (the open one,
// or an empty one of the controller's own) and the titles.
class TRecordingQueryController final : public IQueryController {
public:
    TRecordingQueryController(IRepositoryController* repository, TLog& log,
                              IHistoryView* historyView)
        : m_repository(repository), m_log(&log), m_historyView(historyView) {}

    void SetDocument(TMatchStatFile* document) override {
        shown = document;
        if (!document) {
            m_log->push_back("SetDocument(none)");
        } else if (document == m_repository->GetDocument()) {
            m_log->push_back("SetDocument(open)");
        } else if (document->Matches().Count() == 0 && document->Presentations().Count() == 0) {
            m_log->push_back("SetDocument(empty)");
        } else {
            m_log->push_back("SetDocument(other)");
        }
    }
    void SetTitle(const QString& text) override {
        title = text;
        m_log->push_back("SetTitle(" + text.toStdString() + ")");
    }
    QString GetTitle() override { return title; }
    IHistoryView* GetHistoryView() override { return m_historyView; }
    IHistoryView* GetSecondaryHistoryView() override { return nullptr; }

    void Show() override {}
    void Open() override {}
    bool CloseDocument() override { return false; }
    void Import() override {}
    int ShowOptions() override { return 0; }
    void ShowAbout() override {}
    void ShowHelp() override {}
    void HideHelp() override {}
    bool IsHelpVisible() override { return false; }
    void SetHelpContext(const QString&) override {}
    void RecountCategories(IQueryDefinitionModel&) override {}
    TMatchStatFile* GetDocument() override { return m_repository->GetDocument(); }
    void AddDefinitionObserver(IQueryDefinitionObserver*) override {}
    void RemoveDefinitionObserver(IQueryDefinitionObserver*) override {}
    void AddHelpListener(IHelpListener*) override {}
    void RemoveHelpListener(IHelpListener*) override {}
    std::shared_ptr<IOptionsModel> GetOptionsModel() override {
        return m_repository->GetOptionsModel();
    }
    int AddClipToPresentation(TSituation* situation) override {
        return m_repository->AddClipToPresentation(situation);
    }
    IRepositoryController* GetRepositoryController() override { return m_repository; }
    void AddMediaListener(IMediaListener*) override {}

    TMatchStatFile* shown = nullptr;
    QString title;

private:
    IRepositoryController* m_repository;
    TLog* m_log;
    IHistoryView* m_historyView;
};

class TRecordingQueryFactory final : public IQueryFactory {
public:
    TRecordingQueryFactory(TLog& log, IHistoryView* historyView)
        : m_log(&log), m_historyView(historyView) {}
    std::shared_ptr<IQueryController>
    CreateQueryController(IRepositoryController* repository) override {
        m_log->push_back("query controller");
        created = std::make_shared<TRecordingQueryController>(repository, *m_log, m_historyView);
        return created;
    }
    std::shared_ptr<TRecordingQueryController> created;

private:
    TLog* m_log;
    IHistoryView* m_historyView;
};

// Wraps a factory to log when it is asked.
template <class TInterface> class TLogged;

template <> class TLogged<IAboutFactory> final : public IAboutFactory {
public:
    TLogged(std::shared_ptr<IAboutFactory> inner, TLog& log)
        : m_inner(std::move(inner)), m_log(&log) {}
    std::shared_ptr<IAboutController> CreateController() override {
        m_log->push_back("About controller");
        return m_inner->CreateController();
    }

private:
    std::shared_ptr<IAboutFactory> m_inner;
    TLog* m_log;
};

template <> class TLogged<IOptionsFactory> final : public IOptionsFactory {
public:
    TLogged(std::shared_ptr<IOptionsFactory> inner, TLog& log)
        : m_inner(std::move(inner)), m_log(&log) {}
    std::shared_ptr<IOptionsController> CreateController() override {
        m_log->push_back("options controller");
        return m_inner->CreateController();
    }

private:
    std::shared_ptr<IOptionsFactory> m_inner;
    TLog* m_log;
};

template <> class TLogged<IHistoryFactory> final : public IHistoryFactory {
public:
    TLogged(std::shared_ptr<IHistoryFactory> inner, TLog& log)
        : m_inner(std::move(inner)), m_log(&log) {}
    std::shared_ptr<IHistoryController> CreateController(IRepositoryController* controller,
                                                         IHistoryView* first,
                                                         IHistoryView* second) override {
        m_log->push_back(std::string("history controller") + (second ? " (two views)" : ""));
        return m_inner->CreateController(controller, first, second);
    }

private:
    std::shared_ptr<IHistoryFactory> m_inner;
    TLog* m_log;
};

class RepositoryControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_oldCurrent = QDir::currentPath();
        QDir(Q(m_dir.Path())).mkpath(QStringLiteral("work"));
        QDir::setCurrent(Q(Work("")));
        WriteFile(Work("cup.avi"), "not really a video");
        WriteFile(Work("league.avi"), "not really a video");
        m_questions->whileAsking = [this](const TUserPrompt&) {
            m_busyAtPrompts.push_back(m_busy->depth);
        };
    }
    void TearDown() override {
        m_controller.reset();
        QDir::setCurrent(m_oldCurrent);
    }

    // The controller as the composition root builds it; the window is the recording one
    // unless a query factory is given.
    void Create(QStringList arguments = {QStringLiteral("clipwise")},
                std::shared_ptr<IQueryFactory> queryFactory = nullptr) {
        auto about = std::make_shared<TAboutFactory>(
            std::make_shared<TAboutModelFactory>("Clipwise", "2.5.1", "", "01/08/2007",
                                                 "2003-2007"),
            std::make_shared<TAboutViewFactory>([this] { return &m_aboutView; }));
        auto options =
            std::make_shared<TOptionsFactory>([this] { return &m_optionsView; }, Q(m_dir.Path()));
        auto history = std::make_shared<THistoryFactory>(m_questions);
        if (!queryFactory) {
            m_queryFactory = std::make_shared<TRecordingQueryFactory>(m_log, &m_historyView);
            queryFactory = m_queryFactory;
        }
        TRepositoryFactory factory(std::make_shared<TLogged<IAboutFactory>>(about, m_log),
                                   std::make_shared<TLogged<IHistoryFactory>>(history, m_log),
                                   std::make_shared<TLogged<IOptionsFactory>>(options, m_log),
                                   queryFactory, nullptr, nullptr, nullptr, m_questions, m_busy,
                                   std::move(arguments));
        m_log.clear();
        m_controller = factory.CreateController();
        m_constructionLog = TakeLog();
    }

    std::string Work(const std::string& name) const { return m_dir.File("work/" + name); }
    // Writes a media index into the work folder; answers its full path.
    QString Write(const std::string& name, const std::string& text) {
        WriteFile(Work(name), text);
        return Q(Work(name));
    }
    QString Cup() { return Write("cup.vmi", MediaIndex(Work("cup.avi"))); }
    QString League() { return Write("league.vmi", MediaIndex(Work("league.avi"), "League")); }

    TMatchStatFile* Document() { return m_controller->GetDocument(); }
    // An unsaved change to the open document.
    void Change() { Document()->Matches().Items(0)->SetName("Changed"); }
    std::string MatchName() { return Document()->Matches().Items(0)->Name(); }
    TRecordingQueryController& Window() { return *m_queryFactory->created; }
    TLog TakeLog() { return std::exchange(m_log, {}); }

    TTempDir m_dir;
    testsupport::TScopedUserSettings m_settings{m_dir.File("user.ini")};
    QString m_oldCurrent;
    TLog m_log;
    TLog m_constructionLog;
    std::shared_ptr<TScriptedUserQuestions> m_questions =
        std::make_shared<TScriptedUserQuestions>();
    std::shared_ptr<TRecordingBusyCursor> m_busy = std::make_shared<TRecordingBusyCursor>();
    std::vector<int> m_busyAtPrompts; // the hourglass depth at each question and dialog
    TRecordingHistoryView m_historyView;
    TOptionsViewDouble m_optionsView;
    TAboutViewDouble m_aboutView;
    std::shared_ptr<TRecordingQueryFactory> m_queryFactory;
    std::shared_ptr<IRepositoryController> m_controller;
};

// ---- Construction and pass-through ----

TEST_F(RepositoryControllerTest, BuildsItsControllersInOrderAndPassesRequestsOn) {
    Create();
    EXPECT_EQ(m_constructionLog, TLog({"About controller", "options controller", "query controller",
                                       "history controller"}));
    // The history controller took the window's menu and filled it at once.
    EXPECT_NE(m_historyView.controller, nullptr);

    EXPECT_EQ(m_controller->GetProductName(), "Clipwise");
    EXPECT_EQ(m_controller->GetAboutController()->GetVersion(), "2.5.1");
    EXPECT_EQ(m_controller->GetOptionsModel()->GetMediaFolder(), Q(m_dir.File("Media/")));
    EXPECT_EQ(m_controller->ShowOptions(), QDialog::Accepted);
    m_controller->ShowAbout();
    m_controller->ShowAbout();
    EXPECT_EQ(m_aboutView.shows, 2);
    EXPECT_EQ(m_controller->GetDocument(), nullptr);
    EXPECT_EQ(m_controller->GetPresentationAgent(), nullptr);
    EXPECT_EQ(m_controller->GetMatchAgent(), nullptr);
    EXPECT_EQ(ErrorMessage([&] { m_controller->AddClipToPresentation(nullptr); }),
              "No AddClipToPresentationAgent available.");
    EXPECT_EQ(m_busy->depth, 0);
}

// ---- Open ----

TEST_F(RepositoryControllerTest, OpenWithoutChangesShowsTheDialogAtOnce) {
    Create();
    const QString cup = Cup();
    m_questions->ChooseFile(cup);
    m_controller->Open();

    ASSERT_EQ(m_questions->Prompts().size(), 1u);
    const TUserPrompt& dialog = m_questions->Prompts()[0];
    EXPECT_EQ(dialog.type, TUserPrompt::TType::OpenDialog);
    EXPECT_EQ(dialog.title, "Open Velmora Media Index");
    EXPECT_EQ(dialog.filter, kFilter);
    EXPECT_EQ(dialog.defaultExtension, "vmi");
    EXPECT_EQ(m_busyAtPrompts, std::vector<int>({0})); // the dialog comes before the hourglass
    ASSERT_NE(Document(), nullptr);
    EXPECT_EQ(MatchName(), "Cup");
    EXPECT_EQ(TakeLog(), TLog({"SetDocument(empty)", "SetDocument(open)",
                               "SetTitle(" + cup.toStdString() + ")"}));
    EXPECT_EQ(m_historyView.entries, QStringList({cup}));
    EXPECT_EQ(m_busy->depth, 0);
}

TEST_F(RepositoryControllerTest, OpenWithUnsavedChangesAsksFirst) {
    struct TCase {
        const char* name;
        bool neverSaved;
        TQuestionAnswer answer;
        // What the script answers the dialogs that follow: a Save As, then the open dialog.
        bool saveAsChooses;
        bool openChooses;
        bool opened;
        bool changesOnDisk;
    };
    const TCase cases[] = {
        {"cancel", false, TQuestionAnswer::Cancel, false, false, false, false},
        {"no, then cancel the dialog", false, TQuestionAnswer::No, false, false, false, false},
        {"no, then open", false, TQuestionAnswer::No, false, true, true, false},
        {"yes saves, then open", false, TQuestionAnswer::Yes, false, true, true, true},
        // A cancelled Save As keeps the new document and stops the command.
        {"yes, never saved, Save As cancelled", true, TQuestionAnswer::Yes, false, false, false,
         false},
        {"yes, never saved, Save As chosen", true, TQuestionAnswer::Yes, true, true, true, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        Create();
        const QString league = League();
        if (c.neverSaved) {
            m_controller->NewDocument();
            Document()->Matches().Add()->SetName("Changed");
        } else {
            m_controller->OpenFile(Cup());
            Change();
        }
        TMatchStatFile* before = Document();
        const std::size_t promptsBefore = m_questions->Prompts().size();
        m_questions->Answer(c.answer);
        if (c.neverSaved) {
            m_questions->ChooseFile(c.saveAsChooses ? Q(Work("saved.vmi")) : QString());
        }
        if (c.answer != TQuestionAnswer::Cancel && (!c.neverSaved || c.saveAsChooses)) {
            m_questions->ChooseFile(c.openChooses ? league : QString());
        }
        m_controller->Open();

        EXPECT_EQ(m_questions->Pending(), 0u);
        ASSERT_GT(m_questions->Prompts().size(), promptsBefore);
        EXPECT_EQ(m_questions->Prompts()[promptsBefore].text, kSaveChanges);
        EXPECT_EQ(m_questions->Prompts()[promptsBefore].buttons, TQuestionButtons::YesNoCancel);
        EXPECT_EQ(m_questions->Prompts()[promptsBefore].kind, TQuestionKind::Confirmation);
        if (c.opened) {
            EXPECT_EQ(MatchName(), "League");
            EXPECT_EQ(Window().title, league);
        } else {
            EXPECT_EQ(Document(), before);
            EXPECT_TRUE(Document()->Modified());
            EXPECT_EQ(Window().shown, before);
        }
        const std::string saved = c.neverSaved
                                      ? (c.saveAsChooses ? ReadFile(Work("saved.vmi")) : "")
                                      : ReadFile(Work("cup.vmi"));
        EXPECT_EQ(saved.find("Changed") != std::string::npos, c.changesOnDisk) << saved;
        EXPECT_EQ(m_busy->depth, 0);
        m_controller.reset();
        QFile::remove(Q(Work("saved.vmi")));
    }
}

TEST_F(RepositoryControllerTest, OpenFileDiscardsChangesWithoutAQuestion) {
    Create();
    m_controller->OpenFile(Cup());
    Change();
    const QString league = League();
    m_controller->OpenFile(league);
    EXPECT_TRUE(m_questions->Prompts().empty());
    EXPECT_EQ(MatchName(), "League");
    EXPECT_EQ(ReadFile(Work("cup.vmi")).find("Changed"), std::string::npos);
    EXPECT_EQ(m_historyView.entries, QStringList({league, Q(Work("cup.vmi"))}));
}

TEST_F(RepositoryControllerTest, FailedOpenLeavesTheEmptyWindowAndTheHistory) {
    Create();
    const QString cup = Cup();
    m_controller->OpenFile(cup);
    TakeLog();
    const QString broken = Write("broken.vmi", "<MatchStatFile><Match");
    m_questions->ChooseFile(broken);
    EXPECT_NE(ErrorMessage([&] { m_controller->Open(); }).find("broken.vmi"), std::string::npos);
    EXPECT_EQ(TakeLog(), TLog({"SetDocument(empty)"}));
    EXPECT_EQ(m_historyView.entries, QStringList({cup}));
    EXPECT_EQ(Window().title, cup);
    EXPECT_EQ(m_busy->depth, 0);
    EXPECT_EQ(Document(), nullptr);
}

TEST_F(RepositoryControllerTest, OpenLastOrNew) {
    // Empty history: a new document.
    Create();
    m_controller->OpenLastOrNew();
    EXPECT_TRUE(m_questions->Prompts().empty());
    ASSERT_NE(Document(), nullptr);
    EXPECT_EQ(Window().title, "New Document");
    EXPECT_EQ(TakeLog(), TLog({"SetDocument(empty)", "SetTitle()", "SetDocument(open)",
                               "SetTitle(New Document)"}));

    // The most recent file.
    const QString cup = Cup();
    m_controller->OpenFile(cup);
    Create();
    m_controller->OpenLastOrNew();
    EXPECT_EQ(MatchName(), "Cup");
    EXPECT_EQ(Window().title, cup);

    // A most recent file that is gone: told, then a new document.
    QFile::remove(cup);
    Create();
    m_questions->Answer(TQuestionAnswer::Ok);
    m_controller->OpenLastOrNew();
    EXPECT_EQ(m_questions->QuestionTexts().back(), "File no longer exists (" + cup + ")");
    ASSERT_NE(Document(), nullptr);
    EXPECT_EQ(Window().title, "New Document");
    EXPECT_EQ(m_historyView.entries, QStringList({cup}));
}

TEST_F(RepositoryControllerTest, CommandLineOpen) {
    const QString cup = Cup();
    struct TCase {
        QStringList arguments;
        bool opens;
    };
    const TCase cases[] = {
        {{"clipwise", "-O" + cup}, true},
        {{"clipwise", "-o" + cup}, true},
        {{"clipwise", "-Ocup.vmi"}, true}, // relative to the working folder
        {{"clipwise", "-O " + cup}, false},
        {{"clipwise", "-O", cup}, false},
        {{"clipwise", "-O" + Q(Work("missing.vmi"))}, false},
        {{"clipwise", cup}, false},
        {{"clipwise", "-X" + cup}, false},
        {{"clipwise", "-O"}, false},
        {{"clipwise"}, false},
        {{}, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.arguments.join(u'|').toStdString());
        Create(c.arguments);
        EXPECT_EQ(m_controller->OpenFromCommandLine(), c.opens);
        EXPECT_EQ(Document() != nullptr, c.opens);
        if (c.opens) {
            // The title and the history name the file wherever the program runs next.
            EXPECT_EQ(Window().title, cup);
            EXPECT_EQ(m_historyView.entries.front(), cup);
        }
        EXPECT_TRUE(m_questions->Prompts().empty());
        EXPECT_EQ(m_busy->depth, 0);
    }
}

TEST_F(RepositoryControllerTest, CommandLineOpenWithARepairNamesTheSavedFile) {
    Write("repair.vmi", MediaIndex(Work("cup.avi"), "Cup", true));
    Create({"clipwise", "-Orepair.vmi"});
    m_questions->Answer(TQuestionAnswer::Yes); // save the corrected index
    m_questions->ChooseFile(Q(Work("fixed.vmi")));
    EXPECT_TRUE(m_controller->OpenFromCommandLine());
    EXPECT_EQ(m_busyAtPrompts, std::vector<int>({1, 1}));
    EXPECT_EQ(Window().title, Q(Work("fixed.vmi")));
    EXPECT_EQ(m_historyView.entries.front(), Q(Work("fixed.vmi")));
    EXPECT_FALSE(Document()->Modified());
    EXPECT_EQ(ReadFile(Work("fixed.vmi")).find("SituationId=\"99\""), std::string::npos);
}

// ---- Save, Save As, Close, New ----

TEST_F(RepositoryControllerTest, SaveOfANewDocumentAsksForAName) {
    Create();
    m_controller->NewDocument();
    Document()->Matches().Add()->SetName("Fresh");
    m_questions->ChooseFile(Q(Work("fresh.vmi")));
    m_controller->Save();

    ASSERT_EQ(m_questions->Prompts().size(), 1u);
    EXPECT_EQ(m_questions->Prompts()[0].type, TUserPrompt::TType::SaveDialog);
    EXPECT_EQ(m_questions->Prompts()[0].title, "Save Velmora Media Index");
    EXPECT_EQ(m_questions->Prompts()[0].filter, kFilter);
    EXPECT_EQ(m_questions->Prompts()[0].defaultExtension, "vmi");
    EXPECT_EQ(m_busyAtPrompts, std::vector<int>({1})); // Save turns the hourglass on first
    EXPECT_NE(ReadFile(Work("fresh.vmi")).find("Fresh"), std::string::npos);
    EXPECT_EQ(Window().title, Q(Work("fresh.vmi")));
    EXPECT_EQ(m_historyView.entries, QStringList({Q(Work("fresh.vmi"))}));

    // A stored document is written to its file without a dialog.
    Change();
    m_controller->Save();
    EXPECT_EQ(m_questions->Prompts().size(), 1u);
    EXPECT_NE(ReadFile(Work("fresh.vmi")).find("Changed"), std::string::npos);
    EXPECT_EQ(m_busy->depth, 0);
}

TEST_F(RepositoryControllerTest, SaveAsOntoAnExistingFile) {
    Create();
    const QString cup = Cup();
    const QString league = League();
    const std::string leagueBytes = ReadFile(league.toStdString());
    m_controller->OpenFile(cup);
    Change();

    // No: a new dialog; Cancel there: nothing saved.
    m_questions->ChooseFile(league);
    m_questions->Answer(TQuestionAnswer::No);
    m_questions->CancelDialog();
    m_controller->SaveAs();
    ASSERT_EQ(m_questions->Prompts().size(), 3u);
    EXPECT_EQ(m_questions->Prompts()[1].text, kOverwrite);
    EXPECT_EQ(m_questions->Prompts()[1].kind, TQuestionKind::Warning);
    EXPECT_EQ(m_questions->Prompts()[1].buttons, TQuestionButtons::YesNoCancel);
    EXPECT_EQ(m_questions->Prompts()[2].type, TUserPrompt::TType::SaveDialog);
    EXPECT_EQ(ReadFile(league.toStdString()), leagueBytes);
    EXPECT_TRUE(Document()->Modified());

    // Cancel in the question: nothing saved either.
    m_questions->ChooseFile(league);
    m_questions->Answer(TQuestionAnswer::Cancel);
    m_controller->SaveAs();
    EXPECT_EQ(ReadFile(league.toStdString()), leagueBytes);
    EXPECT_EQ(Window().title, cup);

    // Yes overwrites; the title and the top of the history take the new name.
    m_questions->ChooseFile(league);
    m_questions->Answer(TQuestionAnswer::Yes);
    m_controller->SaveAs();
    EXPECT_NE(ReadFile(league.toStdString()).find("Changed"), std::string::npos);
    EXPECT_EQ(Window().title, league);
    EXPECT_EQ(m_historyView.entries, QStringList({league, cup}));
    EXPECT_FALSE(Document()->Modified());
    EXPECT_EQ(m_questions->Pending(), 0u);
}

TEST_F(RepositoryControllerTest, CloseAndNewAskAboutChanges) {
    Create();
    m_controller->OpenFile(Cup());
    Change();
    TakeLog();
    m_questions->Answer(TQuestionAnswer::Cancel);
    EXPECT_FALSE(m_controller->CloseDocument());
    EXPECT_NE(Document(), nullptr);
    EXPECT_TRUE(TakeLog().empty());

    m_questions->Answer(TQuestionAnswer::Cancel);
    m_controller->NewDocument();
    EXPECT_EQ(MatchName(), "Changed");

    m_questions->Answer(TQuestionAnswer::No);
    m_controller->NewDocument();
    EXPECT_EQ(Document()->Matches().Count(), 0);
    EXPECT_EQ(TakeLog(), TLog({"SetDocument(empty)", "SetTitle()", "SetDocument(open)",
                               "SetTitle(New Document)"}));
    EXPECT_EQ(ReadFile(Work("cup.vmi")).find("Changed"), std::string::npos);

    // Nothing unsaved: closed without a question, and the window lets go first.
    EXPECT_TRUE(m_controller->CloseDocument());
    EXPECT_EQ(Document(), nullptr);
    EXPECT_EQ(TakeLog(), TLog({"SetDocument(empty)", "SetTitle()"}));
    EXPECT_EQ(m_questions->Pending(), 0u);
}

// ---- Import ----

TEST_F(RepositoryControllerTest, ImportKeepsTitleAndHistoryAndLeavesABackup) {
    Create();
    const QString cup = Cup();
    const QString league = League();
    m_controller->OpenFile(cup);
    TakeLog();
    m_questions->ChooseFile(league);
    m_controller->Import();

    EXPECT_EQ(m_questions->Prompts()[0].title, "Import Velmora Media Index");
    EXPECT_EQ(m_questions->Prompts()[0].filter, kFilter);
    EXPECT_EQ(m_busyAtPrompts, std::vector<int>({0}));
    EXPECT_EQ(TakeLog(), TLog({"SetDocument(open)"}));
    EXPECT_EQ(Document()->Matches().Count(), 2);
    TMatchStatFile reloaded;
    reloaded.LoadFromFile(cup.toStdString());
    EXPECT_EQ(reloaded.Matches().Count(), 2);
    TMatchStatFile backup;
    backup.LoadFromFile(Work("cup.vmi_backup_1.vmi"));
    ASSERT_EQ(backup.Matches().Count(), 1);
    EXPECT_EQ(backup.Matches().Items(0)->Name(), "Cup");
    EXPECT_EQ(Window().title, cup);
    EXPECT_EQ(m_historyView.entries, QStringList({cup}));

    // Cancelled: nothing happens.
    m_questions->CancelDialog();
    m_controller->Import();
    EXPECT_TRUE(TakeLog().empty());
    EXPECT_FALSE(QFileInfo::exists(Q(Work("cup.vmi_backup_2.vmi"))));
}

TEST_F(RepositoryControllerTest, ImportIntoANeverSavedDocumentSavesItFirst) {
    Create();
    const QString league = League();
    m_controller->NewDocument();

    // Save As cancelled: no import, and nothing written into the working folder.
    m_questions->ChooseFile(league);
    m_questions->CancelDialog();
    m_controller->Import();
    EXPECT_EQ(Document()->Matches().Count(), 0);
    EXPECT_EQ(QDir(Q(Work(""))).entryList(QDir::Files),
              QStringList({"cup.avi", "league.avi", "league.vmi"}));

    m_questions->ChooseFile(league);
    m_questions->ChooseFile(Q(Work("merged.vmi")));
    m_controller->Import();
    ASSERT_EQ(m_questions->Prompts().size(), 4u);
    EXPECT_EQ(m_questions->Prompts()[3].type, TUserPrompt::TType::SaveDialog);
    EXPECT_EQ(Document()->Matches().Count(), 1);
    EXPECT_NE(ReadFile(Work("merged.vmi")).find("League"), std::string::npos);
    EXPECT_TRUE(QFileInfo::exists(Q(Work("merged.vmi_backup_1.vmi"))));
    EXPECT_FALSE(QFileInfo::exists(Q(Work("New Document"))));
    EXPECT_EQ(Window().title, Q(Work("merged.vmi")));
    EXPECT_EQ(m_busy->depth, 0);
}

// ---- A released document never reaches the window ----

// Reads every situation that the result shows, as a repainting clip list would.
class TReadingResultView final : public IQueryResultView, public IQueryResultObserver {
public:
    void SetResultModel(std::shared_ptr<IQueryResultModel> model) override {
        m_model = std::move(model);
        m_model->AddObserver(this);
    }
    std::shared_ptr<IQueryResultModel> GetResultModel() override { return m_model; }
    void QueryModelChanged(IQueryModel&) override {}
    void SetMediaController(std::shared_ptr<IMediaController>) override {}
    void ClipInserted(TSituation*, int) override {}
    void ClipDeleted(TSituation*, int) override {}
    void ClipUpdated(TSituation*, int) override {}
    void ResultChanged(IQueryResultModel&) override { Read(); }
    void SortChanged(IQueryResultModel&) override { Read(); }
    void ClipMovedDown(int) override {}
    void ClipMovedUp(int) override {}

    // The notes of the situations shown.
    std::vector<std::string> Read() {
        std::vector<std::string> notes;
        TSituationSet& set = m_model->GetSituationSet();
        for (int i = 0; i < set.Count(); ++i) {
            TSituation* situation = set.Items(i);
            notes.push_back(situation->Note() + "@" + std::to_string(situation->StartingTime()));
        }
        return notes;
    }

private:
    std::shared_ptr<IQueryResultModel> m_model;
};

// The video pane: a file plays from its start; the media controller lives in it.
class TMediaViewDouble final : public IMediaView {
public:
    void SetFileName(const QString& fileName) override { m_fileName = fileName; }
    QString GetFileName() override { return m_fileName; }
    void SetPosition(double position) override { m_position = position; }
    double GetPosition() override { return m_position; }
    double GetDuration() override { return 1.0; }
    void Play() override {}
    void Pause() override {}
    void Stop() override { m_position = 0; }
    int GetVolume() override { return 0; }
    void SetVolume(int) override {}
    bool GetMute() override { return false; }
    void SetMute(bool) override {}
    std::shared_ptr<IMediaController> GetController() override { return m_controller; }
    void SetController(std::shared_ptr<IMediaController> controller) override {
        m_controller = std::move(controller);
    }
    void SetFullScreen(bool) override {}
    bool GetFullScreen() override { return false; }

private:
    QString m_fileName;
    double m_position = 0;
    std::shared_ptr<IMediaController> m_controller;
};

class TWindowDouble final : public IQueryView {
public:
    explicit TWindowDouble(IHistoryView* historyView) : m_historyView(historyView) {}
    void Show() override {}
    int GetDefinitionViewCount() override { return 0; }
    IQueryDefinitionView* GetDefinitionView(int) override { return nullptr; }
    int GetResultViewCount() override { return 1; }
    IQueryResultView* GetResultView(int) override { return &clips; }
    void SetTitle(const QString& text) override { title = text; }
    QString GetTitle() override { return title; }
    IQueryController* GetController() override { return m_controller; }
    void SetController(IQueryController* controller) override { m_controller = controller; }
    IMediaView* GetMediaView() override { return &media; }
    IHistoryView* GetHistoryView() override { return m_historyView; }
    IHistoryView* GetSecondaryHistoryView() override { return nullptr; }
    IHelpView* GetHelpView() override { return nullptr; }

    TReadingResultView clips;
    TMediaViewDouble media;
    QString title;

private:
    IHistoryView* m_historyView;
    IQueryController* m_controller = nullptr;
};

class TWindowFactoryDouble final : public IQueryViewFactory {
public:
    explicit TWindowFactoryDouble(IHistoryView* historyView) : window(historyView) {}
    IQueryView* CreateQueryView() override { return &window; }
    TWindowDouble window;
};

class RepositoryControllerWindowTest : public RepositoryControllerTest {
protected:
    void CreateWithWindow() {
        auto query =
            std::make_shared<TQueryFactory>(m_windows, nullptr,
                                            std::make_shared<TQueryResultCoordinatorFactory>(
                                                std::make_shared<TQueryResultFactory>(),
                                                std::make_shared<TMediaFactory>(m_questions)),
                                            std::make_shared<TQueryDefinitionCoordinatorFactory>(
                                                std::make_shared<TQueryDefinitionFactory>()));
        Create({"clipwise"}, query);
    }
    TWindowDouble& Window() { return m_windows->window; }
    TMediaController& Media() {
        return dynamic_cast<TMediaController&>(*Window().media.GetController());
    }

    std::shared_ptr<TWindowFactoryDouble> m_windows =
        std::make_shared<TWindowFactoryDouble>(&m_historyView);
};

TEST_F(RepositoryControllerWindowTest, QuestionsDuringOpenFindNothingOfTheOldDocument) {
    CreateWithWindow();
    m_controller->OpenFile(Cup());
    ASSERT_EQ(Window().clips.Read().size(), 2u);
    Media().PlayClip(0);
    ASSERT_TRUE(Media().IsPlaying());
    ASSERT_TRUE(Media().ClipTimerActive());

    // While the repair question is open the window repaints and the clip timer ticks; the old
    // document is gone by then.
    Write("repair.vmi", MediaIndex(Work("league.avi"), "League", true));
    std::vector<std::vector<std::string>> seen;
    bool ticked = true;
    m_questions->whileAsking = [&](const TUserPrompt&) {
        seen.push_back(Window().clips.Read());
        ticked = Media().DeliverClipTick();
        EXPECT_TRUE(Media().IsStopped());
    };
    m_questions->Answer(TQuestionAnswer::No);
    m_controller->OpenFile(Q(Work("repair.vmi")));

    EXPECT_EQ(seen, std::vector<std::vector<std::string>>({{}}));
    EXPECT_FALSE(ticked);
    EXPECT_EQ(Window().clips.Read().size(), 2u);
    EXPECT_EQ(MatchName(), "League");
    EXPECT_TRUE(Media().IsStopped());

    // New and Close let go of the document the same way.
    m_questions->whileAsking = nullptr;
    Media().PlayClip(1);
    m_questions->Answer(TQuestionAnswer::No); // the repair left the document modified
    m_controller->NewDocument();
    EXPECT_TRUE(Media().IsStopped());
    EXPECT_TRUE(Window().clips.Read().empty());
}

TEST_F(RepositoryControllerWindowTest, AFailedOpenLeavesAnEmptyWindow) {
    CreateWithWindow();
    const QString cup = Cup();
    m_controller->OpenFile(cup);
    Media().PlayClip(0);
    EXPECT_NE(ErrorMessage([&] { m_controller->OpenFile(Write("broken.vmi", "<MatchStatFile>")); }),
              "(no error)");
    EXPECT_TRUE(Window().clips.Read().empty());
    EXPECT_TRUE(Media().IsStopped());
    EXPECT_FALSE(Media().DeliverClipTick());
    EXPECT_EQ(m_historyView.entries, QStringList({cup}));
    EXPECT_EQ(Window().title, cup);
    EXPECT_EQ(m_busy->depth, 0);
}

} // namespace
