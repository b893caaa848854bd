// The history controller between its model, its menus and the repository controller.

#include "HistoryController.h"
#include "HistoryModel.h"
#include "RecordingRepositoryController.h"
#include "ScriptedUserQuestions.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using testsupport::TTempDir;
using testsupport::WriteFile;

namespace {

// Records what a menu is told: its controller, and the list at each refresh.
class TRecordingHistoryView final : public IHistoryView {
public:
    IHistoryController* controller = nullptr;
    std::vector<QStringList> refreshes;

    void Refresh(IHistoryModel& model) override {
        QStringList entries;
        for (int i = 0; i < model.Count(); ++i) {
            entries << model.Get(i);
        }
        refreshes.push_back(entries);
    }
    void SetController(IHistoryController* c) override { controller = c; }
};

class HistoryControllerTest : public ::testing::Test {
protected:
    std::unique_ptr<THistoryController> Create(IHistoryView* second = nullptr) {
        return std::make_unique<THistoryController>(&m_repository,
                                                    std::make_shared<THistoryModel>("Clipwise", 10),
                                                    &m_first, second, m_questions);
    }

    TTempDir m_dir;
    testsupport::TScopedUserSettings m_settings{m_dir.File("user.ini")};
    TRecordingRepositoryController m_repository;
    std::shared_ptr<TScriptedUserQuestions> m_questions =
        std::make_shared<TScriptedUserQuestions>();
    TRecordingHistoryView m_first;
};

TEST_F(HistoryControllerTest, ViewsAreFilledAtOnceAndAfterEveryAdd) {
    THistoryModel("Clipwise", 10).Add("/d/stored.vmi");
    TRecordingHistoryView second;
    auto controller = Create(&second);
    EXPECT_EQ(m_first.controller, controller.get());
    EXPECT_EQ(second.controller, controller.get());
    ASSERT_EQ(m_first.refreshes.size(), 1u);
    EXPECT_EQ(m_first.refreshes[0], QStringList({"/d/stored.vmi"}));

    controller->Add("/d/new.vmi");
    ASSERT_EQ(m_first.refreshes.size(), 2u);
    EXPECT_EQ(m_first.refreshes[1], QStringList({"/d/new.vmi", "/d/stored.vmi"}));
    EXPECT_EQ(second.refreshes, m_first.refreshes);
    EXPECT_THROW(std::make_unique<THistoryController>(
                     &m_repository, std::make_shared<THistoryModel>("Clipwise", 10), nullptr,
                     nullptr, m_questions),
                 std::invalid_argument);
}

TEST_F(HistoryControllerTest, OpenReportsAFileThatNoLongerExists) {
    auto controller = Create();
    const std::string present = m_dir.File("present.vmi");
    WriteFile(present, "");
    const QString gone = QString::fromStdString(m_dir.File("gone.vmi"));
    controller->Add(gone);
    controller->Add(QString::fromStdString(present));

    controller->Open(QString::fromStdString(present));
    EXPECT_EQ(m_repository.openedFiles, QStringList({QString::fromStdString(present)}));

    m_questions->Answer(TQuestionAnswer::Ok);
    controller->Open(gone);
    ASSERT_EQ(m_questions->Prompts().size(), 1u);
    EXPECT_EQ(m_questions->Prompts()[0].text, "File no longer exists (" + gone + ")");
    EXPECT_EQ(m_questions->Prompts()[0].kind, TQuestionKind::Information);
    EXPECT_EQ(m_questions->Prompts()[0].buttons, TQuestionButtons::Ok);
    EXPECT_EQ(m_repository.openedFiles.size(), 1);
    EXPECT_EQ(m_first.refreshes.back().size(), 2);
}

TEST_F(HistoryControllerTest, OpenMostRecentAnswersWhetherThereWasOne) {
    auto controller = Create();
    EXPECT_FALSE(controller->OpenMostRecent());
    EXPECT_TRUE(m_questions->Prompts().empty());

    // True also when the file is gone.
    controller->Add(QString::fromStdString(m_dir.File("gone.vmi")));
    m_questions->Answer(TQuestionAnswer::Ok);
    EXPECT_TRUE(controller->OpenMostRecent());
    EXPECT_EQ(m_questions->Prompts().size(), 1u);
    EXPECT_TRUE(m_repository.openedFiles.isEmpty());
}

} // namespace
