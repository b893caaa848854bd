#pragma once
// Questions as modal message boxes and file and folder dialogs as modal QFileDialogs, over
// whichever window is active when they are asked.

#include "Agents.h"

#include <QString>

class TQtUserQuestions final : public IUserQuestions {
public:
    TQuestionAnswer Ask(TQuestionKind kind, const QString& text, TQuestionButtons buttons) override;
    QString OpenFileDialog(const QString& title, const QString& filter,
                           const QString& defaultExtension, const QString& fileName) override;
    QString SaveFileDialog(const QString& title, const QString& filter,
                           const QString& defaultExtension, const QString& fileName) override;
    QString FolderDialog(const QString& title, const QString& startFolder) override;

    // "Velmora Match files (*mch)|*.mch" becomes "Velmora Match files (*.mch)": the pattern in
    // the parentheses is the one that filters, so it replaces whatever the description shows.
    static QString NameFilters(const QString& filter);
};
