#pragma once
// The help pane: Back, Forward, the topic menu and Close above a browser of the help pages.

#include "Agents.h"

#include <QFrame>

class QAction;
class QMenu;
class QTextBrowser;
class QToolButton;
class THelpBrowser;

class THelpFrame final : public QFrame, public IHelpView, public IHelpListener {
    Q_OBJECT
public:
    explicit THelpFrame(QWidget* parent = nullptr);
    ~THelpFrame() override;

    void Show() override;
    void Hide() override;
    void Navigate(const QString& url) override;
    void SetController(IHelpController* controller) override;
    void GoBack() override;
    void GoForward() override;
    bool IsVisible() override;

    void HelpShown() override;
    void HelpHidden() override;
    void HelpTopicChanged(const QString& topic) override;

    // The caption of the topic button as the user reads it.
    QString TopicCaption() const;
    QTextBrowser* Browser() const;

private:
    void BuildTopicMenu();
    QAction* AddMenuItem(const QString& name, const QString& caption);
    void OpenLink(const QUrl& link);
    void ShowIndexError(const QString& message);
    void SetTopicCaption(const QString& caption);

    IHelpController* m_controller = nullptr;
    QAction* m_goBack = nullptr;
    QAction* m_goForward = nullptr;
    QAction* m_close = nullptr;
    QToolButton* m_topicButton = nullptr;
    QMenu* m_topicMenu = nullptr;
    THelpBrowser* m_browser = nullptr;
    QString m_topicCaption;
};
