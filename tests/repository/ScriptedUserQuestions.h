#pragma once
// A recording double of IUserQuestions for tests: it replies from a script, in order, and
// records every question and dialog, so that a test can assert their exact texts.

#include "Agents.h"

#include <QString>

#include <deque>
#include <string>
#include <vector>

struct TUserPrompt {
    enum class TType { Question, OpenDialog, SaveDialog };
    TType type = TType::Question;
    // Questions.
    TQuestionKind kind = TQuestionKind::Confirmation;
    TQuestionButtons buttons = TQuestionButtons::Ok;
    QString text;
    // Dialogs.
    QString title;
    QString filter;
    QString defaultExtension;
    QString fileName;
};

class TScriptedUserQuestions final : public IUserQuestions {
public:
    // The reply to the next question.
    void Answer(TQuestionAnswer answer);
    // The reply to the next file dialog: the file chosen.
    void ChooseFile(const QString& path);
    void CancelDialog() { ChooseFile(QString()); }

    const std::vector<TUserPrompt>& Prompts() const { return m_prompts; }
    // The texts of the questions asked, in order.
    std::vector<QString> QuestionTexts() const;
    // Replies not used yet.
    std::size_t Pending() const { return m_script.size(); }

    // A question or dialog that the script does not expect throws std::logic_error.
    TQuestionAnswer Ask(TQuestionKind kind, const QString& text, TQuestionButtons buttons) override;
    QString OpenFileDialog(const QString& title, const QString& filter,
                           const QString& defaultExtension, const QString& fileName) override;
    QString SaveFileDialog(const QString& title, const QString& filter,
                           const QString& defaultExtension, const QString& fileName) override;

private:
    struct TReply {
        bool isFile = false;
        TQuestionAnswer answer = TQuestionAnswer::Cancel;
        QString path;
    };
    TReply Next(bool wantFile, const TUserPrompt& prompt);
    QString Dialog(TUserPrompt::TType type, const QString& title, const QString& filter,
                   const QString& defaultExtension, const QString& fileName);

    std::deque<TReply> m_script;
    std::vector<TUserPrompt> m_prompts;
};
