// A query window's objects torn down in different orders, also from inside a notification:
// every observer leaves what it registered with, and no model is freed while it tells its
// observers. AddressSanitizer turns any slip into a failure.

#include "MatchStatFile.h"
#include "QueryDefinitionCoordinatorFactory.h"
#include "QueryDefinitionFactory.h"
#include "QueryDoubles.h"
#include "QueryFactory.h"
#include "QueryResultCoordinatorFactory.h"
#include "QueryResultFactory.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class QueryTeardownTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_document.LoadFromFile(testsupport::DataPath("query-basic.vmi"));
        m_repository.document = &m_document;
        TQueryFactory factory(m_viewFactory, nullptr,
                              std::make_shared<TQueryResultCoordinatorFactory>(
                                  std::make_shared<TQueryResultFactory>(), m_mediaFactory),
                              std::make_shared<TQueryDefinitionCoordinatorFactory>(
                                  std::make_shared<TQueryDefinitionFactory>()));
        m_controller = factory.CreateQueryController(&m_repository);
        m_controller->SetDocument(&m_document);
        m_log.clear();
    }
    TQueryViewDouble& View() { return m_viewFactory->view; }
    void DestroyViews(std::size_t firstDefinitionView = 0) {
        auto& definitionViews = View().definitionViews;
        definitionViews.erase(definitionViews.begin() + static_cast<long>(firstDefinitionView),
                              definitionViews.end());
        View().resultViews.clear();
    }
    bool Logged(const std::string& entry) const {
        return std::find(m_log.begin(), m_log.end(), entry) != m_log.end();
    }

    TLog m_log;
    TMatchStatFile m_document;
    TRepositoryControllerDouble m_repository{m_log};
    std::shared_ptr<TQueryViewFactoryDouble> m_viewFactory =
        std::make_shared<TQueryViewFactoryDouble>(m_log);
    std::shared_ptr<TMediaFactoryDouble> m_mediaFactory =
        std::make_shared<TMediaFactoryDouble>(m_log);
    std::shared_ptr<IQueryController> m_controller;
};

TEST_F(QueryTeardownTest, ControllerGoesFirstAndTheViewsKeepWorkingOnTheirModels) {
    std::shared_ptr<IQueryDefinitionModel> definition =
        View().definitionViews[0]->GetDefinitionModel();
    m_controller.reset();
    // The result side has left the definition model: a click reaches the definition views
    // only, and no freed coordinator is told.
    definition->ToggleValue("Clip Type", "Corner");
    EXPECT_TRUE(Logged("def0:SelectionChanged"));
    EXPECT_FALSE(Logged("res0:ResultChanged 2"));
    DestroyViews();
}

TEST_F(QueryTeardownTest, ViewsGoFirstThenTheController) {
    std::shared_ptr<IQueryDefinitionModel> definition =
        View().definitionViews[0]->GetDefinitionModel();
    DestroyViews();
    definition->ToggleValue("Clip Type", "Corner");
    EXPECT_EQ(m_log, TLog{"media:ResultChanged 2"});
    m_controller.reset();
    m_log.clear();
    definition->ToggleValue("Clip Type", "Corner");
    EXPECT_TRUE(m_log.empty());
}

TEST_F(QueryTeardownTest, ControllerReleasedWhileTheResultIsTold) {
    std::shared_ptr<IQueryDefinitionModel> definition =
        View().definitionViews[0]->GetDefinitionModel();
    View().resultViews[0]->onResultChanged = [this] { m_controller.reset(); };
    definition->ToggleValue("Clip Type", "Corner");
    // The views after the one that released the controller still hear of this result.
    EXPECT_TRUE(Logged("res4:ResultChanged 2"));
    m_log.clear();
    definition->ToggleValue("Clip Type", "Corner");
    EXPECT_FALSE(Logged("res4:ResultChanged 4"));
    EXPECT_FALSE(Logged("media:ResultChanged 4"));
    DestroyViews();
}

TEST_F(QueryTeardownTest, WholeWindowReleasedWhileTheDefinitionTellsItsObservers) {
    // Nothing but the window holds the definition model: releasing it from inside the
    // model's own notification must not free the model under its loop.
    IQueryDefinitionModel* definition = View().definitionViews[0]->GetDefinitionModel().get();
    TDefinitionViewDouble* first = View().definitionViews[0].get();
    first->onSelectionChanged = [this, first] {
        m_controller.reset();
        DestroyViews(1);
        first->Release();
    };
    definition->ToggleValue("Clip Type", "Corner");
    EXPECT_EQ(m_log, TLog{"def0:SelectionChanged"});
    DestroyViews();
}

} // namespace
