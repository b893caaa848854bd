#pragma once
// The composition root: creates every factory in its fixed order, asks the repository factory
// for the repository controller, and with it runs the start-up of the program.

#include "Agents.h"

#include <QStringList>

#include <memory>
#include <vector>

class QDialog;
class TMediaIndexForm;

class TMediaIndexViewer final {
public:
    // questions serves every part that asks the user something; arguments is the command
    // line, the program first; programFolder is where the help and the media folder lie.
    TMediaIndexViewer(std::shared_ptr<IUserQuestions> questions, QStringList arguments,
                      const QString& programFolder);
    // The object graph goes first, then the window and the dialogs it leaves behind.
    ~TMediaIndexViewer();
    TMediaIndexViewer(const TMediaIndexViewer&) = delete;
    TMediaIndexViewer& operator=(const TMediaIndexViewer&) = delete;

    IRepositoryController& RepositoryController() const { return *m_repositoryController; }
    TMediaIndexForm* Form() const { return m_form.get(); }

    // Opens the document named on the command line, else the most recent one, else a new
    // one. An error while opening is shown and the program goes on with a new document.
    void OpenStartUpDocument();

private:
    std::shared_ptr<IUserQuestions> m_questions;
    std::vector<std::unique_ptr<QDialog>> m_dialogs;
    std::unique_ptr<TMediaIndexForm> m_form;
    std::shared_ptr<IRepositoryController> m_repositoryController;
};

// A first argument that is the path of an existing file, without the switch, is taken as if
// it came with it, so that a file manager can pass a plain path.
QStringList WithOpenSwitch(QStringList arguments);

// The whole run of the program: the backend check, the title, the wiring, the splash, the
// start-up document and the event loop. Answers the process's exit status. Without a
// TClipwiseApplication errors of the event loop are not shown.
int RunMediaIndexViewer(std::shared_ptr<IUserQuestions> questions);
