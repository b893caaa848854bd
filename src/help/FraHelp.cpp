#include "FraHelp.h"

#include "HelpLinks.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLayout>
#include <QMenu>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString ContextItem = QStringLiteral("Context");
constexpr int MaxCaptionWidth = 120;

// Menus and buttons read "&" as a mnemonic marker; topics are shown as they are written.
QString Unmnemonic(QString text) {
    return text.replace(u'&', QStringLiteral("&&"));
}

QString PageText(const QString& title, const QString& message) {
    return QStringLiteral("<html><head><title>%1</title></head><body>"
                          "<h2>%1</h2><p>%2</p></body></html>")
        .arg(title.toHtmlEscaped(), message.toHtmlEscaped());
}

} // namespace

// Shows a short page of its own where a help page does not exist, as a web browser would.
class THelpBrowser final : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override {
        if (type == QTextDocument::HtmlResource && name.isLocalFile() &&
            !QFileInfo(name.toLocalFile()).isFile()) {
            return PageText(QStringLiteral("Page not found"),
                            QStringLiteral("The help page \"%1\" does not exist.")
                                .arg(QDir::toNativeSeparators(name.toLocalFile())));
        }
        return QTextBrowser::loadResource(type, name);
    }
};

THelpFrame::THelpFrame(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("HelpFrame"));
    setAccessibleName(QStringLiteral("Help"));

    m_goBack =
        new QAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Back"), this);
    m_goBack->setObjectName(QStringLiteral("actGoBack"));
    m_goBack->setToolTip(QStringLiteral("Back to the previous page"));
    m_goForward = new QAction(style()->standardIcon(QStyle::SP_ArrowForward),
                              QStringLiteral("Forward"), this);
    m_goForward->setObjectName(QStringLiteral("actGoForward"));
    m_goForward->setToolTip(QStringLiteral("Forward to the next page"));
    m_close = new QAction(style()->standardIcon(QStyle::SP_TitleBarCloseButton),
                          QStringLiteral("Close"), this);
    m_close->setObjectName(QStringLiteral("actClose"));
    m_close->setToolTip(QStringLiteral("Close the help"));
    // The browser's own history decides, so that neither button is ever pressed in vain.
    m_goBack->setEnabled(false);
    m_goForward->setEnabled(false);

    const auto makeButton = [this](QAction* action, const QString& name,
                                   const QString& accessibleName) {
        auto* button = new QToolButton(this);
        button->setObjectName(name);
        button->setDefaultAction(action);
        button->setAutoRaise(true);
        button->setAccessibleName(accessibleName);
        return button;
    };
    const auto makeBar = [this](const QString& name) {
        auto* bar = new QToolBar(this);
        bar->setObjectName(name);
        bar->setIconSize(QSize(16, 16));
        bar->setMovable(false);
        bar->setFloatable(false);
        bar->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        bar->setContentsMargins(0, 0, 0, 0);
        bar->layout()->setContentsMargins(0, 0, 0, 0);
        bar->layout()->setSpacing(0);
        return bar;
    };

    QToolBar* navigationBar = makeBar(QStringLiteral("NavigationBar"));
    navigationBar->addSeparator();
    navigationBar->addWidget(
        makeButton(m_goBack, QStringLiteral("btnBack"), QStringLiteral("Back")));
    navigationBar->addWidget(
        makeButton(m_goForward, QStringLiteral("btnForward"), QStringLiteral("Forward")));
    navigationBar->addSeparator();

    m_topicMenu = new QMenu(this);
    m_topicMenu->setObjectName(QStringLiteral("HelpMenu"));
    m_topicMenu->setAccessibleName(QStringLiteral("Help topics"));
    m_topicButton = new QToolButton(this);
    m_topicButton->setObjectName(QStringLiteral("btnHelpMenu"));
    m_topicButton->setAccessibleName(QStringLiteral("Help topics"));
    m_topicButton->setMenu(m_topicMenu);
    m_topicButton->setPopupMode(QToolButton::InstantPopup);
    m_topicButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_topicButton->setAutoRaise(true);
    QFont bold = m_topicButton->font();
    bold.setBold(true);
    m_topicButton->setFont(bold);
    SetTopicCaption(QStringLiteral("Welcome"));
    QToolBar* topicBar = makeBar(QStringLiteral("TopicBar"));
    topicBar->addWidget(m_topicButton);
    topicBar->addSeparator();

    QToolBar* closeBar = makeBar(QStringLiteral("CloseBar"));
    closeBar->addWidget(
        makeButton(m_close, QStringLiteral("btnClose"), QStringLiteral("Close help")));

    auto* topPanel = new QWidget(this);
    topPanel->setObjectName(QStringLiteral("TopPanel"));
    topPanel->setFixedHeight(26);
    auto* topLayout = new QHBoxLayout(topPanel);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->setSpacing(0);
    topLayout->addWidget(navigationBar);
    topicBar->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    topLayout->addWidget(topicBar, 1);
    topLayout->addWidget(closeBar);

    m_browser = new THelpBrowser(this);
    m_browser->setObjectName(QStringLiteral("WebBrowser"));
    m_browser->setAccessibleName(QStringLiteral("Help page"));
    m_browser->setOpenLinks(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(topPanel);
    layout->addWidget(m_browser, 1);

    connect(m_browser, &QTextBrowser::backwardAvailable, m_goBack, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_goForward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &THelpFrame::OpenLink);
    connect(m_goBack, &QAction::triggered, this, [this] {
        if (m_controller) {
            m_controller->GoBack();
        }
    });
    connect(m_goForward, &QAction::triggered, this, [this] {
        if (m_controller) {
            m_controller->GoForward();
        }
    });
    connect(m_close, &QAction::triggered, this, [this] {
        if (m_controller) {
            m_controller->Close();
        }
        QCoreApplication::processEvents();
    });
}

THelpFrame::~THelpFrame() {
    if (m_controller) {
        m_controller->RemoveListener(this);
        m_controller->DetachView(this);
    }
}

void THelpFrame::Show() {
    setVisible(true);
}

void THelpFrame::Hide() {
    setVisible(false);
}

void THelpFrame::Navigate(const QString& url) {
    const QUrl address = HelpAddress(url);
    if (address.isLocalFile()) {
        m_browser->setSource(address);
    } else {
        QDesktopServices::openUrl(address);
    }
}

void THelpFrame::SetController(IHelpController* controller) {
    if (m_controller && m_controller != controller) {
        m_controller->RemoveListener(this);
    }
    m_controller = controller;
    m_topicMenu->clear();
    if (!m_controller) {
        return;
    }
    m_controller->AddListener(this);
    BuildTopicMenu();
    const QString indexError = m_controller->GetIndexError();
    if (!indexError.isEmpty()) {
        ShowIndexError(indexError);
    }
}

void THelpFrame::BuildTopicMenu() {
    for (int i = 0; i < m_controller->GetTopicCount(); ++i) {
        const QString topic = m_controller->GetTopicAt(i);
        QAction* item = AddMenuItem(QStringLiteral("HelpItem%1").arg(i), topic);
        connect(item, &QAction::triggered, this, [this, topic] {
            if (m_controller) {
                m_controller->SetFollowContext(false);
                m_controller->ShowTopic(topic);
            }
        });
    }
    m_topicMenu->addSeparator()->setObjectName(QStringLiteral("Line"));
    QAction* context = AddMenuItem(ContextItem, ContextItem);
    context->setToolTip(QStringLiteral("Show the page of the part of the window in use"));
    connect(context, &QAction::triggered, this, [this] {
        if (m_controller) {
            m_controller->SetFollowContext(true);
        }
    });
}

QAction* THelpFrame::AddMenuItem(const QString& name, const QString& caption) {
    QAction* item = m_topicMenu->addAction(Unmnemonic(caption));
    item->setObjectName(name);
    item->setData(caption);
    return item;
}

void THelpFrame::GoBack() {
    m_browser->backward();
}

void THelpFrame::GoForward() {
    m_browser->forward();
}

bool THelpFrame::IsVisible() {
    return !isHidden();
}

void THelpFrame::HelpShown() {}

void THelpFrame::HelpHidden() {}

void THelpFrame::HelpTopicChanged(const QString& topic) {
    for (QAction* item : m_topicMenu->actions()) {
        if (!item->isSeparator() && item->data().toString() == topic) {
            SetTopicCaption(topic);
            return;
        }
    }
}

void THelpFrame::SetTopicCaption(const QString& caption) {
    m_topicCaption = caption;
    // A long topic is shortened so that Back, Forward and Close keep their room in the narrow
    // pane; the drop-down arrow, which the style draws over the end of the text, gets its own.
    const QString shown =
        m_topicButton->fontMetrics().elidedText(caption, Qt::ElideMiddle, MaxCaptionWidth);
    m_topicButton->setText(Unmnemonic(shown));
    m_topicButton->setToolTip(shown == caption ? QStringLiteral("Choose a help topic") : caption);
    const int textWidth = m_topicButton->fontMetrics().horizontalAdvance(shown);
    m_topicButton->setMinimumWidth(std::max(80, textWidth + 22));
}

QString THelpFrame::TopicCaption() const {
    return m_topicCaption;
}

QTextBrowser* THelpFrame::Browser() const {
    return m_browser;
}

void THelpFrame::OpenLink(const QUrl& link) {
    const QUrl address = m_browser->source().resolved(link);
    if (m_controller && IsHelpPage(address, m_controller->GetHelpFolder())) {
        m_browser->setSource(address);
    } else {
        QDesktopServices::openUrl(address);
    }
}

void THelpFrame::ShowIndexError(const QString& message) {
    m_browser->setHtml(PageText(QStringLiteral("Help not found"), message));
}
