// The help pane with its real controller and model, on small pages in a temporary folder and
// on the pages that ship with the program, under the offscreen platform.

#include "FraHelp.h"

#include "HelpController.h"
#include "HelpFactory.h"
#include "HelpLocation.h"
#include "HelpModel.h"
#include "HelpTestSupport.h"
#include "VelUtils.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMenu>
#include <QStringList>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

using helptest::THelpFixture;

namespace {

// Receives what the pane hands to the desktop's browser.
class TUrlCatcher final : public QObject {
    Q_OBJECT
public:
    TUrlCatcher() {
        for (const char* scheme : {"https", "file"}) {
            QDesktopServices::setUrlHandler(scheme, this, "Open");
        }
    }
    ~TUrlCatcher() override {
        for (const char* scheme : {"https", "file"}) {
            QDesktopServices::unsetUrlHandler(scheme);
        }
    }
    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened.append(url); }
};

class HelpPane : public ::testing::Test {
protected:
    void SetUp() override {
        m_help.WritePage("Welcome.htm", "Welcome to Clipwise",
                         "<a href=\"Reference/Clips.htm\">Clips</a> "
                         "<a href=\"https://example.org/\">web</a> "
                         "<a href=\"../outside.htm\">outside</a>");
        QDir().mkpath(m_help.Folder() + "Reference");
        for (const char* page : {"Clips", "List", "Table", "Graph"}) {
            m_help.WritePage(std::string("Reference/") + page + ".htm",
                             std::string("The ") + page + " page");
        }
    }
    void Create(const std::string& index = "Welcome\nReference\\Clips\n") {
        m_help.WriteIndex(index);
        m_controller = std::make_unique<THelpController>(
            std::make_shared<THelpModel>(m_help.IndexPath()), m_frame.get());
    }
    QMenu* Menu() { return m_frame->findChild<QMenu*>("HelpMenu"); }
    QAction* Item(const char* name) { return Menu()->findChild<QAction*>(name); }
    QToolButton* Button(const char* name) { return m_frame->findChild<QToolButton*>(name); }
    QString ShownFile() { return m_frame->Browser()->source().toLocalFile(); }
    QString ShownTitle() { return m_frame->Browser()->documentTitle(); }
    QStringList ItemNames() {
        QStringList names;
        for (QAction* item : Menu()->actions()) {
            names << item->objectName() + (item->isSeparator() ? "" : "=" + item->text());
        }
        return names;
    }

    THelpFixture m_help;
    std::unique_ptr<THelpFrame> m_frame = std::make_unique<THelpFrame>();
    std::unique_ptr<THelpController> m_controller;
};

TEST_F(HelpPane, IsBuiltWithTheNamedParts) {
    EXPECT_EQ(m_frame->objectName(), "HelpFrame");
    for (const char* name : {"btnBack", "btnForward", "btnHelpMenu", "btnClose"}) {
        ASSERT_NE(Button(name), nullptr) << name;
        EXPECT_FALSE(Button(name)->accessibleName().isEmpty()) << name;
    }
    EXPECT_EQ(Button("btnBack")->defaultAction()->objectName(), "actGoBack");
    EXPECT_EQ(Button("btnForward")->defaultAction()->objectName(), "actGoForward");
    EXPECT_EQ(Button("btnClose")->defaultAction()->objectName(), "actClose");
    EXPECT_EQ(Button("btnHelpMenu")->menu(), Menu());
    EXPECT_TRUE(Button("btnHelpMenu")->font().bold());
    EXPECT_EQ(Button("btnHelpMenu")->text(), "Welcome");
    EXPECT_EQ(m_frame->Browser()->objectName(), "WebBrowser");
    EXPECT_FALSE(m_frame->Browser()->accessibleName().isEmpty());
}

TEST_F(HelpPane, TheMenuListsTheTopicsThenLineAndContext) {
    Create("Welcome\nReference\\Clips\nWelcome\nDrills & Set Pieces\n");
    EXPECT_EQ(ItemNames(),
              (QStringList{"HelpItem0=Welcome", "HelpItem1=Reference\\Clips", "HelpItem2=Welcome",
                           "HelpItem3=Drills && Set Pieces", "Line", "Context=Context"}));
    EXPECT_EQ(m_frame->TopicCaption(), "Welcome");
    EXPECT_EQ(ShownTitle(), "Welcome to Clipwise");

    Item("HelpItem3")->trigger();
    EXPECT_EQ(m_frame->TopicCaption(), "Drills & Set Pieces") << "captions stay as written";
    Item("HelpItem2")->trigger();
    EXPECT_EQ(m_frame->TopicCaption(), "Welcome") << "a repeated topic finds the first item";
}

TEST_F(HelpPane, AnEmptyIndexLeavesTheFixedItemsAndNoPage) {
    Create("");
    EXPECT_EQ(ItemNames(), (QStringList{"Line", "Context=Context"}));
    EXPECT_EQ(Button("btnHelpMenu")->text(), "Welcome");
    EXPECT_TRUE(m_frame->Browser()->source().isEmpty());
}

TEST_F(HelpPane, AMissingIndexSaysWhereItWasLookedFor) {
    m_controller = std::make_unique<THelpController>(
        std::make_shared<THelpModel>(m_help.Folder() + "nowhere/index.txt"), m_frame.get());
    EXPECT_EQ(ItemNames(), (QStringList{"Line", "Context=Context"}));
    EXPECT_EQ(ShownTitle(), "Help not found");
    EXPECT_TRUE(m_frame->Browser()->toPlainText().contains(m_help.Folder() + "nowhere/index.txt"));
}

TEST_F(HelpPane, ChoosingATopicShowsItsPageAndStopsFollowingTheContext) {
    Create();
    Item("Context")->trigger();
    m_controller->SetContext("Reference\\Table");
    EXPECT_EQ(ShownTitle(), "The Table page");
    EXPECT_EQ(m_frame->TopicCaption(), "Context");

    Item("HelpItem1")->trigger();
    EXPECT_EQ(ShownFile(), m_help.Folder() + "Reference/Clips.htm");
    EXPECT_EQ(ShownTitle(), "The Clips page");
    EXPECT_EQ(m_frame->TopicCaption(), "Reference\\Clips");
    m_controller->SetContext("Reference\\Graph");
    EXPECT_EQ(ShownTitle(), "The Clips page") << "no longer following the context";

    Item("Context")->trigger();
    EXPECT_EQ(ShownTitle(), "The Graph page") << "the context set meanwhile was remembered";
}

TEST_F(HelpPane, BackAndForwardFollowTheBrowsersHistory) {
    Create();
    EXPECT_FALSE(Button("btnBack")->isEnabled()) << "one page: nowhere to go back to";
    Item("HelpItem1")->trigger();
    m_controller->ShowTopic("Reference\\List");
    ASSERT_TRUE(Button("btnBack")->isEnabled());
    EXPECT_FALSE(Button("btnForward")->isEnabled());

    QTest::mouseClick(Button("btnBack"), Qt::LeftButton);
    EXPECT_EQ(ShownTitle(), "The Clips page");
    ASSERT_TRUE(Button("btnForward")->isEnabled());
    QTest::mouseClick(Button("btnBack"), Qt::LeftButton);
    EXPECT_EQ(ShownTitle(), "Welcome to Clipwise");
    EXPECT_FALSE(Button("btnBack")->isEnabled());
    m_controller->GoBack();
    EXPECT_EQ(ShownTitle(), "Welcome to Clipwise") << "no page to go to: nothing happens";

    QTest::mouseClick(Button("btnForward"), Qt::LeftButton);
    QTest::mouseClick(Button("btnForward"), Qt::LeftButton);
    EXPECT_EQ(ShownTitle(), "The List page");
    EXPECT_FALSE(Button("btnForward")->isEnabled());
}

TEST_F(HelpPane, LinksToHelpPagesOpenInThePaneOthersOnTheDesktop) {
    TUrlCatcher desktop;
    Create();
    m_frame->show();
    // The keyboard walks the links of the page: Tab to the n-th, Enter follows it.
    const auto follow = [this](int link) {
        m_controller->ShowTopic("Welcome");
        m_frame->Browser()->setFocus();
        for (int i = 0; i < link; ++i) {
            QTest::keyClick(m_frame->Browser(), Qt::Key_Tab);
        }
        QTest::keyClick(m_frame->Browser(), Qt::Key_Return);
    };
    follow(1);
    EXPECT_EQ(ShownTitle(), "The Clips page");
    EXPECT_TRUE(desktop.opened.isEmpty());

    follow(2);
    follow(3);
    EXPECT_EQ(ShownTitle(), "Welcome to Clipwise");
    QStringList opened;
    for (const QUrl& url : desktop.opened) {
        opened << url.toString();
    }
    EXPECT_EQ(
        opened,
        (QStringList{
            "https://example.org/",
            QUrl::fromLocalFile(QDir::cleanPath(m_help.Folder() + "../outside.htm")).toString()}));
}

TEST_F(HelpPane, AMissingPageSaysSo) {
    Create();
    m_controller->ShowTopic("No such topic");
    EXPECT_EQ(ShownTitle(), "Page not found");
    EXPECT_TRUE(m_frame->Browser()->toPlainText().contains("No such topic.htm"));
}

TEST_F(HelpPane, CloseHidesThePaneAndRemembersIt) {
    RegistryPut(helptest::HelpKey, "IsOpen", 0);
    Create();
    EXPECT_FALSE(m_frame->IsVisible());
    m_controller->Open();
    EXPECT_TRUE(m_frame->IsVisible());
    QTest::mouseClick(Button("btnClose"), Qt::LeftButton);
    EXPECT_FALSE(m_frame->IsVisible());
    EXPECT_FALSE(m_controller->IsVisible());
    EXPECT_EQ(THelpFixture::StoredIsOpen(), 0);
}

TEST_F(HelpPane, EitherSideMayGoFirst) {
    Create();
    m_controller.reset();
    EXPECT_EQ(ItemNames(), QStringList{}) << "the pane let go of its controller";
    QTest::mouseClick(Button("btnClose"), Qt::LeftButton);

    auto frame = std::make_unique<THelpFrame>();
    THelpController controller(std::make_shared<THelpModel>(m_help.IndexPath()), frame.get());
    frame.reset();
    controller.Open();
    controller.ShowTopic("Welcome");
    EXPECT_FALSE(controller.IsVisible());
}

TEST_F(HelpPane, ShowsTheShippedHelpCopiedBesideTheProgram) {
    const QString index = FindHelpIndex(QCoreApplication::applicationDirPath());
    ASSERT_EQ(index, QCoreApplication::applicationDirPath() + "/Help/index.txt");
    THelpFactory factory(index);
    std::shared_ptr<IHelpAgent> agent = factory.CreateHelp(m_frame.get());
    EXPECT_EQ(m_frame->TopicCaption(), "Welcome");
    EXPECT_EQ(ShownTitle(), "Welcome to Clipwise");
    for (QAction* item : Menu()->actions()) {
        if (item->objectName().startsWith("HelpItem")) {
            item->trigger();
            EXPECT_NE(ShownTitle(), "Page not found") << item->text().toStdString();
            EXPECT_EQ(m_frame->TopicCaption(), item->data().toString());
        }
    }
    agent->SetFollowContext(true);
    for (const char* context :
         {"Reference\\Clips", "Reference\\List", "Reference\\Table", "Reference\\Graph"}) {
        agent->SetContext(context);
        EXPECT_NE(ShownTitle(), "Page not found") << context;
        EXPECT_FALSE(ShownTitle().isEmpty()) << context;
    }
}

} // namespace

#include "FraHelpTest.moc"
