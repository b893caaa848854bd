// The query controller with the real query model, definition and result sides, between
// recording doubles of the window, its views, the media and help factories and the
// repository controller: wiring order, document flow and the notification orders.

#include "MatchStatFile.h"
#include "QueryDefinitionCoordinatorFactory.h"
#include "QueryDefinitionFactory.h"
#include "QueryDoubles.h"
#include "QueryFactory.h"
#include "QueryResultCoordinatorFactory.h"
#include "QueryResultFactory.h"
#include "TestSupport.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class QueryControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        m_document.LoadFromFile(testsupport::DataPath("query-basic.vmi"));
        m_repository.document = &m_document;
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    std::shared_ptr<IQueryController> Create(bool withHelp) {
        TQueryFactory factory(m_viewFactory, withHelp ? m_helpFactory : nullptr,
                              std::make_shared<TQueryResultCoordinatorFactory>(
                                  std::make_shared<TQueryResultFactory>(), m_mediaFactory),
                              std::make_shared<TQueryDefinitionCoordinatorFactory>(
                                  std::make_shared<TQueryDefinitionFactory>()));
        return factory.CreateQueryController(&m_repository);
    }
    TQueryViewDouble& View() { return m_viewFactory->view; }
    std::shared_ptr<IQueryDefinitionModel> Definition() {
        return View().definitionViews[0]->GetDefinitionModel();
    }
    std::shared_ptr<IQueryResultModel> Result() { return View().resultViews[0]->GetResultModel(); }
    // Every definition observer in window order, the graph (def8) and the missing def4 aside.
    static TLog DefinitionViews(const std::string& what) {
        TLog log;
        for (int i : {0, 1, 2, 3, 5, 6, 7, 9}) {
            log.push_back("def" + std::to_string(i) + ":" + what);
        }
        return log;
    }
    static TLog ResultViews(const std::string& what) {
        TLog log;
        for (int i = 0; i < 5; ++i) {
            log.push_back("res" + std::to_string(i) + ":" + what);
        }
        return log;
    }
    static TLog Join(std::initializer_list<TLog> parts) {
        TLog all;
        for (const TLog& part : parts) {
            all.insert(all.end(), part.begin(), part.end());
        }
        return all;
    }

    TLog m_log;
    TMatchStatFile m_document;
    TRepositoryControllerDouble m_repository{m_log};
    std::shared_ptr<TQueryViewFactoryDouble> m_viewFactory =
        std::make_shared<TQueryViewFactoryDouble>(m_log);
    std::shared_ptr<TMediaFactoryDouble> m_mediaFactory =
        std::make_shared<TMediaFactoryDouble>(m_log);
    std::shared_ptr<THelpFactoryDouble> m_helpFactory = std::make_shared<THelpFactoryDouble>(m_log);
};

TEST_F(QueryControllerTest, WiresTheWindowInOrder) {
    std::shared_ptr<IQueryController> controller = Create(true);
    TLog definitionWiring;
    for (int i : {0, 1, 2, 3, 5, 6, 7, 8, 9}) {
        definitionWiring.push_back("def" + std::to_string(i) + ":SetDefinitionController");
        definitionWiring.push_back("def" + std::to_string(i) + ":SetDefinitionModel");
    }
    EXPECT_EQ(m_log, Join({{"view factory:CreateQueryView"},
                           definitionWiring,
                           ResultViews("SetResultModel"),
                           {"media factory:CreateController", "help factory:CreateHelp",
                            "window:SetController", "media:AddListener", "help:AddListener"}}));
    EXPECT_EQ(m_mediaFactory->created->View(), &View().mediaView);
    EXPECT_EQ(m_helpFactory->viewSeen, View().helpView);
    EXPECT_EQ(View().GetController(), controller.get());
    // Every view holds the one definition model and the one result model.
    for (const auto& view : View().definitionViews) {
        if (view) {
            EXPECT_EQ(view->GetDefinitionModel(), Definition());
            EXPECT_EQ(view->Controller()->GetView(), view.get());
        }
    }
    for (const auto& view : View().resultViews) {
        EXPECT_EQ(view->GetResultModel(), Result());
    }
}

TEST_F(QueryControllerTest, ADocumentFlowsThroughQueryModelResultSideThenDefinition) {
    std::shared_ptr<IQueryController> controller = Create(true);
    m_log.clear();
    controller->SetDocument(&m_document);
    // The views and the media controller hear of the new query model first; the rebuilt
    // definition reaches the result model last, which then holds the new statistics.
    const TLog flow = Join({ResultViews("QueryModelChanged"),
                            {"media:QueryModelChanged"},
                            DefinitionViews("DefinitionRebuilt"),
                            {"media:ResultChanged 6"},
                            ResultViews("ResultChanged 6")});
    EXPECT_EQ(m_log, flow);
    EXPECT_EQ(Definition()->GetPropertyCount(), 9);

    // A second document replaces the statistics before anyone evaluates.
    TMatchStatFile smaller;
    smaller.LoadFromFile(testsupport::DataPath("query-basic.vmi"));
    smaller.Matches().Remove(smaller.Matches().Items(0));
    m_log.clear();
    controller->SetDocument(&smaller);
    EXPECT_EQ(m_log.back(), "res4:ResultChanged 2");
    EXPECT_EQ(Result()->GetCount("Team 2", "Bears"), 1);

    // The definition controllers reach the document through the query controller.
    EXPECT_EQ(View().definitionViews[3]->Controller()->GetDocument(), &m_document);
}

TEST_F(QueryControllerTest, ClicksCategoriesAndSortsReachObserversInTheirOrder) {
    std::shared_ptr<IQueryController> controller = Create(true);
    controller->SetDocument(&m_document);
    m_log.clear();
    Definition()->ToggleValue("Clip Type", "Corner");
    EXPECT_EQ(m_log, Join({DefinitionViews("SelectionChanged"),
                           {"media:ResultChanged 2"},
                           ResultViews("ResultChanged 2")}));
    m_log.clear();
    Definition()->SetPrimaryCategory("Team");
    EXPECT_EQ(m_log, Join({DefinitionViews("CategoriesChanged"),
                           {"media:ResultChanged 2"},
                           ResultViews("ResultChanged 2")}));
    EXPECT_EQ(Result()->GetCrossCount("Tigers", "Total"), 2);
    m_log.clear();
    Result()->SortBy("Clip Type");
    EXPECT_EQ(m_log, Join({{"media:ResultChanged 2"}, ResultViews("SortChanged")}));
    m_log.clear();
    controller->RecountCategories(*Definition());
    EXPECT_EQ(m_log, Join({{"media:ResultChanged 2"}, ResultViews("ResultChanged 2")}));
}

TEST_F(QueryControllerTest, PassesCommandsOnToRepositoryWindowAndHelp) {
    std::shared_ptr<IQueryController> controller = Create(true);
    m_log.clear();
    controller->Open();
    EXPECT_TRUE(controller->CloseDocument());
    controller->Import();
    EXPECT_EQ(controller->ShowOptions(), 1);
    controller->ShowAbout();
    EXPECT_EQ(controller->GetOptionsModel(), nullptr);
    EXPECT_EQ(controller->AddClipToPresentation(nullptr), 7);
    controller->ShowHelp();
    EXPECT_TRUE(controller->IsHelpVisible());
    controller->SetHelpContext("Reference\\Clips");
    controller->HideHelp();
    controller->RemoveHelpListener(View().helpListener);
    controller->Show();
    EXPECT_EQ(m_log, (TLog{"repository:Open", "repository:CloseDocument", "repository:Import",
                           "repository:ShowOptions", "repository:ShowAbout",
                           "repository:GetOptionsModel", "repository:AddClipToPresentation",
                           "help:Open", "help:SetContext Reference\\Clips", "help:Close",
                           "help:RemoveListener", "window:Show"}));
    EXPECT_FALSE(controller->IsHelpVisible());
    controller->SetTitle("query-basic.vmi");
    EXPECT_EQ(controller->GetTitle(), "query-basic.vmi");
    EXPECT_EQ(View().GetTitle(), "query-basic.vmi");
    EXPECT_EQ(controller->GetDocument(), &m_document);
    EXPECT_EQ(controller->GetHistoryView(), View().historyView);
    EXPECT_EQ(controller->GetSecondaryHistoryView(), nullptr);
    EXPECT_EQ(controller->GetRepositoryController(), &m_repository);
    // The result coordinator answers the options model through the query controller.
    m_log.clear();
    m_mediaFactory->coordinatorSeen->GetOptionsModel();
    EXPECT_EQ(m_log, (TLog{"repository:GetOptionsModel"}));
}

TEST_F(QueryControllerTest, WithoutAHelpFactoryTheHelpOperationsDoNothing) {
    std::shared_ptr<IQueryController> controller = Create(false);
    EXPECT_EQ(m_log.back(), "media:AddListener") << "the window's help listener goes nowhere";
    m_log.clear();
    controller->ShowHelp();
    controller->SetHelpContext("Reference\\Table");
    controller->AddHelpListener(View().helpListener);
    controller->RemoveHelpListener(View().helpListener);
    controller->HideHelp();
    EXPECT_FALSE(controller->IsHelpVisible());
    EXPECT_TRUE(m_log.empty());
}

TEST_F(QueryControllerTest, ADocumentThatCannotBeIndexedLeavesTheWindowEmpty) {
    std::shared_ptr<IQueryController> controller = Create(true);
    controller->SetDocument(&m_document);
    TMatchStatFile broken;
    broken.LoadFromFile(testsupport::DataPath("query-basic.vmi"));
    // A team identifier naming the match itself.
    broken.Matches().Items(0)->Situations().Items(0)->SetAttribute("TeamId", "10");
    m_log.clear();
    EXPECT_THROW(controller->SetDocument(&broken), std::runtime_error);
    EXPECT_EQ(m_log, Join({ResultViews("QueryModelChanged"),
                           {"media:QueryModelChanged"},
                           DefinitionViews("DefinitionRebuilt"),
                           {"media:ResultChanged 0"},
                           ResultViews("ResultChanged 0")}));
    EXPECT_EQ(Definition()->GetPropertyCount(), 0);
    EXPECT_EQ(Result()->GetCount("Clip Type", "Attack"), 0);
}

} // namespace
