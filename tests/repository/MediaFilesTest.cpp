// The shared "ask until the video exists" loop: what it asks, when it stops, and what it
// answers.

#include "MediaFiles.h"

#include "ScriptedUserQuestions.h"

#include <TestSupport.h>

#include <gtest/gtest.h>

namespace {

QString Ask(const QString& candidate) {
    return "Where is " + candidate + "?";
}

class AskUntilFileExistsTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_present = QString::fromStdString(m_dir.File("present.mp4"));
        testsupport::WriteFile(m_present.toStdString(), "video");
        m_missing = QString::fromStdString(m_dir.File("missing.mp4"));
    }

    testsupport::TTempDir m_dir;
    TScriptedUserQuestions m_questions;
    QString m_present;
    QString m_missing;
};

TEST_F(AskUntilFileExistsTest, AnExistingFileIsAnsweredWithoutAQuestion) {
    EXPECT_EQ(AskUntilFileExists(&m_questions, m_present, Ask), m_present);
    EXPECT_TRUE(m_questions.Prompts().empty());
}

TEST_F(AskUntilFileExistsTest, AsksAboutEachCandidateUntilTheChosenFileExists) {
    // Cancelled, then a folder (not a file), then the file.
    m_questions.Answer(TQuestionAnswer::Yes);
    m_questions.CancelDialog();
    m_questions.Answer(TQuestionAnswer::Yes);
    m_questions.ChooseFile(QString::fromStdString(m_dir.Path()));
    m_questions.Answer(TQuestionAnswer::Yes);
    m_questions.ChooseFile(m_present);
    EXPECT_EQ(AskUntilFileExists(&m_questions, m_missing, Ask), m_present);
    EXPECT_EQ(m_questions.QuestionTexts(),
              (std::vector<QString>{Ask(m_missing), Ask(QString()),
                                    Ask(QString::fromStdString(m_dir.Path()))}));
    const std::vector<TUserPrompt>& prompts = m_questions.Prompts();
    ASSERT_EQ(prompts.size(), 6u);
    EXPECT_EQ(prompts[0].kind, TQuestionKind::Confirmation);
    EXPECT_EQ(prompts[0].buttons, TQuestionButtons::YesNo);
    EXPECT_EQ(prompts[1].type, TUserPrompt::TType::OpenDialog);
    EXPECT_EQ(prompts[1].fileName, m_missing); // the dialog starts at the missing path
    EXPECT_EQ(prompts[1].title, QString());
    EXPECT_EQ(prompts[1].filter, QString());
}

TEST_F(AskUntilFileExistsTest, NoOrNobodyToAskEndsWithoutAFile) {
    m_questions.Answer(TQuestionAnswer::Yes);
    m_questions.CancelDialog();
    m_questions.Answer(TQuestionAnswer::No);
    EXPECT_EQ(AskUntilFileExists(&m_questions, m_missing, Ask), std::nullopt);
    EXPECT_EQ(m_questions.Pending(), 0u);
    EXPECT_EQ(AskUntilFileExists(nullptr, m_missing, Ask), std::nullopt);
    EXPECT_EQ(AskUntilFileExists(nullptr, m_present, Ask), m_present);
}

} // namespace
