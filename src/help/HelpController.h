#pragma once
// Connects the help model with the help pane: opens and closes the pane, shows topics and,
// while the user follows the context, the page of the part of the window in use.

#include "Agents.h"

#include <memory>
#include <vector>

class THelpController final : public IHelpController {
public:
    // Hands the view itself, opens or closes the view as the model remembers, then shows the
    // first topic.
    THelpController(std::shared_ptr<IHelpModel> model, IHelpView* view);
    ~THelpController() override;
    THelpController(const THelpController&) = delete;
    THelpController& operator=(const THelpController&) = delete;

    void Open() override;
    void Close() override;
    void ShowTopic(const QString& topic) override;
    void SetContext(const QString& name) override;
    void SetFollowContext(bool follow) override;
    bool GetFollowContext() override;
    void GoBack() override;
    void GoForward() override;
    bool CanGoBack() override;
    bool CanGoForward() override;
    bool IsVisible() override;
    void AddListener(IHelpListener* listener) override;
    void RemoveListener(IHelpListener* listener) override;

    void Navigate(const QString& url) override;
    int GetTopicCount() override;
    QString GetTopicFileAt(int index) override;
    QString GetTopicAt(int index) override;
    QString GetHelpFolder() override;
    QString GetIndexError() override;
    void DetachView(IHelpView* view) override;

private:
    void ShowOrHide(bool open);
    void FollowContext();
    // Calls every listener registered now, in order; one removed meanwhile is skipped.
    template <typename Call> void Notify(Call call);

    std::shared_ptr<IHelpModel> m_model;
    IHelpView* m_view = nullptr;
    std::vector<IHelpListener*> m_listeners;
};
