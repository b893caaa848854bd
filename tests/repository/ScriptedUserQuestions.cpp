#include "ScriptedUserQuestions.h"

#include <stdexcept>

void TScriptedUserQuestions::Answer(TQuestionAnswer answer) {
    m_script.push_back({false, answer, QString()});
}

void TScriptedUserQuestions::ChooseFile(const QString& path) {
    m_script.push_back({true, TQuestionAnswer::Cancel, path});
}

std::vector<QString> TScriptedUserQuestions::QuestionTexts() const {
    std::vector<QString> texts;
    for (const TUserPrompt& prompt : m_prompts) {
        if (prompt.type == TUserPrompt::TType::Question) {
            texts.push_back(prompt.text);
        }
    }
    return texts;
}

TScriptedUserQuestions::TReply TScriptedUserQuestions::Next(bool wantFile,
                                                            const TUserPrompt& prompt) {
    m_prompts.push_back(prompt);
    if (whileAsking) {
        whileAsking(prompt);
    }
    const std::string what = wantFile ? "dialog \"" + prompt.title.toStdString() + "\" for \"" +
                                            prompt.fileName.toStdString() + "\""
                                      : "question \"" + prompt.text.toStdString() + "\"";
    if (m_script.empty()) {
        throw std::logic_error("Unscripted " + what);
    }
    TReply reply = m_script.front();
    if (reply.isFile != wantFile) {
        throw std::logic_error("The script expected a " +
                               std::string(reply.isFile ? "dialog" : "question") + ", not the " +
                               what);
    }
    m_script.pop_front();
    return reply;
}

TQuestionAnswer TScriptedUserQuestions::Ask(TQuestionKind kind, const QString& text,
                                            TQuestionButtons buttons) {
    TUserPrompt prompt;
    prompt.type = TUserPrompt::TType::Question;
    prompt.kind = kind;
    prompt.buttons = buttons;
    prompt.text = text;
    return Next(false, prompt).answer;
}

QString TScriptedUserQuestions::Dialog(TUserPrompt::TType type, const QString& title,
                                       const QString& filter, const QString& defaultExtension,
                                       const QString& fileName) {
    TUserPrompt prompt;
    prompt.type = type;
    prompt.title = title;
    prompt.filter = filter;
    prompt.defaultExtension = defaultExtension;
    prompt.fileName = fileName;
    return Next(true, prompt).path;
}

QString TScriptedUserQuestions::OpenFileDialog(const QString& title, const QString& filter,
                                               const QString& defaultExtension,
                                               const QString& fileName) {
    return Dialog(TUserPrompt::TType::OpenDialog, title, filter, defaultExtension, fileName);
}

QString TScriptedUserQuestions::SaveFileDialog(const QString& title, const QString& filter,
                                               const QString& defaultExtension,
                                               const QString& fileName) {
    return Dialog(TUserPrompt::TType::SaveDialog, title, filter, defaultExtension, fileName);
}

QString TScriptedUserQuestions::FolderDialog(const QString& title, const QString& startFolder) {
    return Dialog(TUserPrompt::TType::FolderDialog, title, QString(), QString(), startFolder);
}
