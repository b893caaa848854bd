#pragma once
// A recording double of IUserQuestions for tests: it replies from a script, in order, and
// records every question and dialog, so that a test can assert their exact texts.

#include "Agents.h"

#include <QString>

#include <deque>
#include <functional>
#include <string>
#include <vector>

struct TUserPrompt {
    enum class TType { Question, OpenDialog, SaveDialog, FolderDialog };
    TType type = TType::Question;
    // Questions.
    TQuestionKind kind = TQuestionKind::Confirmation;
    TQuestionButtons buttons = TQuestionButtons::Ok;
    QString text;
    // Dialogs; a folder dialog's start folder is its file name.
    QString title;
    QString filter;
    QString defaultExtension;
    QString fileName;
};

class TScriptedUserQuestions final : public IUserQuestions {
public:
    // The reply to the next question.
    void Answer(TQuestionAnswer answer);
    // The reply to the next file or folder dialog: the file or folder chosen.
    void ChooseFile(const QString& path);
    void ChooseFolder(const QString& path) { ChooseFile(path); }
    void CancelDialog() { ChooseFile(QString()); }

    // Runs at every question and dialog before it is answered, as the events that a modal
    // window's event loop delivers would.
    std::function<void(const TUserPrompt&)> whileAsking;

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
    QString FolderDialog(const QString& title, const QString& startFolder) override;

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
