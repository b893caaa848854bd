// The help controller over a real model and real settings files, driving a recording pane
// and recording listeners.

#include "HelpController.h"
#include "HelpFactory.h"
#include "HelpModel.h"

#include "HelpTestSupport.h"
#include "VelUtils.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using helptest::THelpFixture;

namespace {

using TLog = std::vector<std::string>;

class TRecordingListener final : public IHelpListener {
public:
    TRecordingListener(TLog& log, std::string name) : m_log(&log), m_name(std::move(name)) {}
    void HelpShown() override { m_log->push_back(m_name + ":HelpShown"); }
    void HelpHidden() override { m_log->push_back(m_name + ":HelpHidden"); }
    void HelpTopicChanged(const QString& topic) override {
        m_log->push_back(m_name + ":HelpTopicChanged " + topic.toStdString());
    }

private:
    TLog* m_log;
    std::string m_name;
};

// Registers its listener from SetController, as the pane does.
class TRecordingView final : public IHelpView {
public:
    TRecordingView(TLog& log, QString folder)
        : listener(log, "pane"), m_log(&log), m_folder(std::move(folder)) {}
    void Show() override {
        m_log->push_back("view:Show");
        visible = true;
    }
    void Hide() override {
        m_log->push_back("view:Hide");
        visible = false;
    }
    void Navigate(const QString& url) override {
        QString shown = url;
        shown.replace(m_folder, "<help>/");
        m_log->push_back("view:Navigate " + shown.toStdString());
    }
    void SetController(IHelpController* controller) override {
        m_log->push_back(controller ? "view:SetController" : "view:SetController none");
        if (controller) {
            topicsSeen = controller->GetTopicCount();
            controller->AddListener(&listener);
        }
        this->controller = controller;
    }
    void GoBack() override { m_log->push_back("view:GoBack"); }
    void GoForward() override { m_log->push_back("view:GoForward"); }
    bool IsVisible() override { return visible; }

    TRecordingListener listener;
    IHelpController* controller = nullptr;
    int topicsSeen = -1;
    bool visible = false;

private:
    TLog* m_log;
    QString m_folder;
};

class HelpController : public ::testing::Test {
protected:
    std::unique_ptr<THelpController>
    Create(const std::string& index = "Welcome\nReference\\Clips\n") {
        m_help.WriteIndex(index);
        auto controller = std::make_unique<THelpController>(
            std::make_shared<THelpModel>(m_help.IndexPath()), &m_view);
        m_log.clear();
        return controller;
    }

    THelpFixture m_help;
    TLog m_log;
    TRecordingView m_view{m_log, m_help.Folder()};
};

TEST_F(HelpController, CreationHandsItselfToThePaneThenOpensAndShowsTheFirstTopic) {
    m_help.WriteIndex("Welcome\nReference\\Clips\n");
    THelpController controller(std::make_shared<THelpModel>(m_help.IndexPath()), &m_view);
    EXPECT_EQ(m_log, (TLog{"view:SetController", "view:Show", "pane:HelpShown",
                           "view:Navigate <help>/Welcome.htm", "pane:HelpTopicChanged Welcome"}));
    EXPECT_EQ(m_view.topicsSeen, 2) << "the index is read before the pane builds its menu";
    EXPECT_EQ(THelpFixture::StoredIsOpen(), std::nullopt) << "an unchanged state is not written";
    EXPECT_TRUE(controller.IsVisible());
}

TEST_F(HelpController, StartingClosedHidesThePane) {
    RegistryPut(helptest::HelpKey, "IsOpen", 0);
    m_help.WriteIndex("");
    THelpController controller(std::make_shared<THelpModel>(m_help.IndexPath()), &m_view);
    EXPECT_EQ(m_log, (TLog{"view:SetController", "view:Hide", "pane:HelpHidden"}))
        << "an empty index shows no page";
    EXPECT_FALSE(controller.IsVisible());

    controller.Open();
    EXPECT_EQ(THelpFixture::StoredIsOpen(), 1);
    controller.Close();
    EXPECT_EQ(THelpFixture::StoredIsOpen(), 0);
    controller.Open();
    EXPECT_EQ(THelpFixture::StoredIsOpen(), 1);
}

TEST_F(HelpController, ListenersHearEveryChangeInTheOrderOfRegistration) {
    auto controller = Create();
    TRecordingListener window(m_log, "window");
    controller->AddListener(&window);
    controller->AddListener(&window);
    controller->Close();
    controller->ShowTopic("Reference\\Clips");
    controller->RemoveListener(&window);
    controller->Open();
    controller->RemoveListener(&window);
    controller->RemoveListener(&window);
    controller->Close();
    EXPECT_EQ(m_log, (TLog{"view:Hide", "pane:HelpHidden", "window:HelpHidden", "window:HelpHidden",
                           "view:Navigate <help>/Reference/Clips.htm",
                           "pane:HelpTopicChanged Reference\\Clips",
                           "window:HelpTopicChanged Reference\\Clips",
                           "window:HelpTopicChanged Reference\\Clips", "view:Show",
                           "pane:HelpShown", "window:HelpShown", "view:Hide", "pane:HelpHidden"}));
}

TEST_F(HelpController, FollowingTheContextShowsItsPageAtEveryChange) {
    auto controller = Create();
    controller->SetContext("Reference\\Clips");
    EXPECT_EQ(m_log, TLog{}) << "not following: remembered only";
    controller->SetFollowContext(true);
    EXPECT_TRUE(controller->GetFollowContext());
    controller->SetContext("Reference\\Table");
    EXPECT_EQ(m_log,
              (TLog{"view:Navigate <help>/Reference/Clips.htm", "pane:HelpTopicChanged Context",
                    "view:Navigate <help>/Reference/Table.htm", "pane:HelpTopicChanged Context"}));

    // A topic from the menu stops following; the next context changes no page.
    m_log.clear();
    controller->SetFollowContext(false);
    controller->ShowTopic("Welcome");
    controller->SetContext("Reference\\Graph");
    EXPECT_EQ(m_log, (TLog{"view:Navigate <help>/Welcome.htm", "pane:HelpTopicChanged Welcome"}));
    EXPECT_FALSE(controller->GetFollowContext());
}

TEST_F(HelpController, FollowingWithoutAContextAsksForTheFolderPage) {
    auto controller = Create();
    controller->SetFollowContext(true);
    EXPECT_EQ(m_log, (TLog{"view:Navigate <help>/.htm", "pane:HelpTopicChanged Context"}));
}

TEST_F(HelpController, PassesNavigationAndTheIndexOn) {
    auto controller = Create("Welcome\nReference\\Clips\n");
    controller->GoBack();
    controller->GoForward();
    controller->Navigate("https://example.org/");
    EXPECT_EQ(m_log, (TLog{"view:GoBack", "view:GoForward", "view:Navigate https://example.org/"}));
    EXPECT_TRUE(controller->CanGoBack());
    EXPECT_TRUE(controller->CanGoForward());
    EXPECT_EQ(controller->GetTopicCount(), 2);
    EXPECT_EQ(controller->GetTopicAt(1), "Reference\\Clips");
    EXPECT_EQ(controller->GetTopicFileAt(1), m_help.Folder() + "Reference/Clips.htm");
    EXPECT_EQ(controller->GetHelpFolder(), m_help.Folder());
    EXPECT_EQ(controller->GetIndexError(), "");
}

TEST_F(HelpController, AFailedWriteStillTellsTheListenersBeforeTheErrorIsReported) {
    auto controller = Create();
    testsupport::WriteFile(m_help.Folder().toStdString() + "plain", "a file, not a folder");
    testsupport::TScopedUserSettings unwritable(m_help.Folder().toStdString() + "plain/user.ini");
    EXPECT_THROW(controller->Close(), std::runtime_error);
    EXPECT_EQ(m_log, (TLog{"view:Hide", "pane:HelpHidden"}));
    EXPECT_FALSE(controller->IsVisible());
}

TEST_F(HelpController, PaneAndControllerLetGoOfEachOther) {
    auto controller = Create();
    controller.reset();
    EXPECT_EQ(m_log, TLog{"view:SetController none"});
    EXPECT_EQ(m_view.controller, nullptr);

    controller = Create();
    controller->DetachView(&m_view);
    controller->Open();
    controller->ShowTopic("Welcome");
    EXPECT_FALSE(controller->IsVisible());
    controller.reset();
    EXPECT_EQ(m_log, (TLog{"pane:HelpShown", "pane:HelpTopicChanged Welcome"}))
        << "a detached view is never called again";
}

TEST_F(HelpController, TheFactoryReadsItsIndex) {
    m_help.WriteIndex("Start\n");
    THelpFactory factory(m_help.IndexPath());
    std::shared_ptr<IHelpAgent> agent = factory.CreateHelp(&m_view);
    EXPECT_EQ(m_log.back(), "pane:HelpTopicChanged Start");
    EXPECT_EQ(m_view.controller, dynamic_cast<IHelpController*>(agent.get()));
    agent.reset();
    EXPECT_EQ(m_view.controller, nullptr);
}

} // namespace
