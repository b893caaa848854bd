#include "ClipwiseApplication.h"

#include <algorithm>
#include <cstdio>
#include <exception>

TClipwiseApplication::TClipwiseApplication(int& argc, char** argv) : QApplication(argc, argv) {}

namespace {

const char* const UnknownError = "An unexpected error occurred.";

void Report(const QString& message) {
    if (auto* app = qobject_cast<TClipwiseApplication*>(QCoreApplication::instance())) {
        app->ShowError(message);
    } else {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
}

} // namespace

void RunCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& error) {
        Report(QString::fromUtf8(error.what()));
    } catch (...) {
        Report(QLatin1String(UnknownError));
    }
}

bool TClipwiseApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowError(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowError(QLatin1String(UnknownError));
    }
    return false;
}

void TClipwiseApplication::ShowError(const QString& message) {
    if (std::find(m_pending.begin(), m_pending.end(), message) == m_pending.end()) {
        m_pending.push_back(message);
    }
    // The message box runs a nested event loop; an error raised in it waits for its turn.
    if (!m_showing) {
        ShowPendingErrors();
    }
}

void TClipwiseApplication::ShowPendingErrors() {
    m_showing = true;
    while (!m_pending.empty()) {
        const QString message = m_pending.front();
        try {
            if (m_questions) {
                m_questions->Ask(TQuestionKind::Warning, message, TQuestionButtons::Ok);
            } else {
                std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
            }
        } catch (const std::exception& error) {
            // Showing the message failed too; the standard error is all that is left.
            std::fprintf(stderr, "%s\n%s\n", message.toLocal8Bit().constData(), error.what());
        } catch (...) {
            std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        }
        m_pending.pop_front();
    }
    m_showing = false;
}
