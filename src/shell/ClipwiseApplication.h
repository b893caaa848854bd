#pragma once
// The application object, and with it the top-level error handler: an error raised by a
// command, a timer tick or a player event ends that piece of work, its message is shown, and
// the program goes on. No exception leaves through Qt's event loop.

#include "Agents.h"

#include <QApplication>
#include <QString>

#include <deque>
#include <functional>

// The handler works in two places. notify() catches whatever reaches the event loop: timer
// ticks and player events, which unwind only through QtCore, built with exceptions. Most of Qt
// Widgets is built without them, and an error unwinding through a click or a key press skips
// Qt's own clean-up there, so the window's commands run through RunCommand, which stops the
// error at the command's edge.
class TClipwiseApplication final : public QApplication {
    Q_OBJECT
public:
    TClipwiseApplication(int& argc, char** argv);

    // Where the messages go; not owned. Without questions they go to the standard error.
    void SetUserQuestions(IUserQuestions* questions) { m_questions = questions; }

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows the message now, or after the one on screen; a message already waiting is not
    // queued twice, so a timer that fails at every tick cannot pile up message boxes.
    void ShowError(const QString& message);

private:
    void ShowPendingErrors();

    IUserQuestions* m_questions = nullptr;
    std::deque<QString> m_pending;
    bool m_showing = false;
};

// Runs a command and hands an error it raises to the application's handler; without a
// TClipwiseApplication the message goes to the standard error.
void RunCommand(const std::function<void()>& command);

// A command for connect(): Guarded([this] { ... }) runs the lambda through RunCommand.
template <class TCommand> auto Guarded(TCommand command) {
    return [command = std::move(command)]() { RunCommand(command); };
}
