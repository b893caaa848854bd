#include "AboutFactory.h"
#include "AboutModelFactory.h"
#include "AboutViewFactory.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Records what the dialog is given and how often it is shown.
class TRecordingAboutView final : public IAboutView {
public:
    int ShowModal() override {
        ++m_shows;
        return 1;
    }
    void SetController(IAboutController* controller) override {
        m_controller = controller;
        m_productName = controller->GetProductName();
    }

    int m_shows = 0;
    IAboutController* m_controller = nullptr;
    QString m_productName;
};

class AboutController : public ::testing::Test {
protected:
    std::shared_ptr<IAboutController> Create() {
        auto models = std::make_shared<TAboutModelFactory>("Clipwise", "2.5.1", "", "01/08/2007",
                                                           "2003-2007");
        auto views = std::make_shared<TAboutViewFactory>([this] {
            m_views.push_back(std::make_unique<TRecordingAboutView>());
            return m_views.back().get();
        });
        return TAboutFactory(models, views).CreateController();
    }

    std::vector<std::unique_ptr<TRecordingAboutView>> m_views;
};

TEST_F(AboutController, GivesTheFactsWithoutCreatingTheDialog) {
    auto controller = Create();
    EXPECT_EQ(controller->GetProductName(), "Clipwise");
    EXPECT_EQ(controller->GetVersion(), "2.5.1");
    EXPECT_EQ(controller->GetVersionQualifier(), "");
    EXPECT_EQ(controller->GetReleaseDate(), "01/08/2007");
    EXPECT_EQ(controller->GetNoticeYears(), "2003-2007");
    EXPECT_TRUE(m_views.empty());
}

TEST_F(AboutController, ShowingTwiceCreatesAndFillsOneDialog) {
    auto controller = Create();
    controller->Show();
    controller->Show();
    ASSERT_EQ(m_views.size(), 1u);
    EXPECT_EQ(m_views[0]->m_shows, 2);
    EXPECT_EQ(m_views[0]->m_controller, controller.get());
    EXPECT_EQ(m_views[0]->m_productName, "Clipwise");
    EXPECT_EQ(controller->GetProductName(), "Clipwise");
}

} // namespace
