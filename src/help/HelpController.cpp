#include "HelpController.h"

#include <algorithm>
#include <exception>

namespace {

const QString ContextTopic = QStringLiteral("Context");

} // namespace

THelpController::THelpController(std::shared_ptr<IHelpModel> model, IHelpView* view)
    : m_model(std::move(model)), m_view(view) {
    if (m_view) {
        m_view->SetController(this);
    }
    if (m_model->GetIsOpen()) {
        Open();
    } else {
        Close();
    }
    const QString first = m_model->GetFirstTopic();
    if (!first.isEmpty()) {
        ShowTopic(first);
    }
}

THelpController::~THelpController() {
    if (m_view) {
        m_view->SetController(nullptr);
    }
}

template <typename Call> void THelpController::Notify(Call call) {
    const std::vector<IHelpListener*> listeners = m_listeners;
    for (IHelpListener* listener : listeners) {
        if (std::find(m_listeners.begin(), m_listeners.end(), listener) != m_listeners.end()) {
            call(*listener);
        }
    }
}

void THelpController::Open() {
    ShowOrHide(true);
}

void THelpController::Close() {
    ShowOrHide(false);
}

void THelpController::ShowOrHide(bool open) {
    if (m_view) {
        open ? m_view->Show() : m_view->Hide();
    }
    // The listeners hear of the change even when it cannot be remembered, so that the window
    // matches the pane; the error is reported after that.
    std::exception_ptr writeError;
    try {
        m_model->SetIsOpen(open);
    } catch (...) {
        writeError = std::current_exception();
    }
    Notify(
        [open](IHelpListener& listener) { open ? listener.HelpShown() : listener.HelpHidden(); });
    if (writeError) {
        std::rethrow_exception(writeError);
    }
}

void THelpController::ShowTopic(const QString& topic) {
    Navigate(m_model->GetTopicFile(topic));
    Notify([&topic](IHelpListener& listener) { listener.HelpTopicChanged(topic); });
}

void THelpController::SetContext(const QString& name) {
    m_model->SetContext(name);
    FollowContext();
}

void THelpController::SetFollowContext(bool follow) {
    m_model->SetFollowContext(follow);
    FollowContext();
}

bool THelpController::GetFollowContext() {
    return m_model->GetFollowContext();
}

void THelpController::FollowContext() {
    if (!m_model->GetFollowContext()) {
        return;
    }
    Navigate(m_model->GetTopicFile(m_model->GetContext()));
    Notify([](IHelpListener& listener) { listener.HelpTopicChanged(ContextTopic); });
}

void THelpController::GoBack() {
    if (m_view) {
        m_view->GoBack();
    }
}

void THelpController::GoForward() {
    if (m_view) {
        m_view->GoForward();
    }
}

bool THelpController::CanGoBack() {
    return true;
}

bool THelpController::CanGoForward() {
    return true;
}

bool THelpController::IsVisible() {
    return m_view && m_view->IsVisible();
}

void THelpController::AddListener(IHelpListener* listener) {
    m_listeners.push_back(listener);
}

void THelpController::RemoveListener(IHelpListener* listener) {
    const auto found = std::find(m_listeners.begin(), m_listeners.end(), listener);
    if (found != m_listeners.end()) {
        m_listeners.erase(found);
    }
}

void THelpController::Navigate(const QString& url) {
    if (m_view) {
        m_view->Navigate(url);
    }
}

int THelpController::GetTopicCount() {
    return m_model->GetTopicCount();
}

QString THelpController::GetTopicFileAt(int index) {
    return m_model->GetTopicFileAt(index);
}

QString THelpController::GetTopicAt(int index) {
    return m_model->GetTopicAt(index);
}

QString THelpController::GetHelpFolder() {
    return m_model->GetFolder();
}

QString THelpController::GetIndexError() {
    return m_model->GetLoadError();
}

void THelpController::DetachView(IHelpView* view) {
    if (view == m_view) {
        m_view = nullptr;
    }
}
