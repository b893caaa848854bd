#pragma once

#include "Agents.h"

#include <memory>

// The hub of a query window. Builds the window through the view factory, the definition and
// result coordinators over its views, and the help agent over its help pane when there is a
// help factory; then passes the window's commands and registrations on.
class TQueryController final : public IQueryController {
public:
    // The repository controller owns this controller and must outlive it.
    TQueryController(IRepositoryController* repositoryController,
                     const std::shared_ptr<IHelpFactory>& helpFactory,
                     const std::shared_ptr<IQueryResultCoordinatorFactory>& resultFactory,
                     const std::shared_ptr<IQueryDefinitionCoordinatorFactory>& definitionFactory,
                     const std::shared_ptr<IQueryViewFactory>& viewFactory,
                     std::shared_ptr<IQueryModel> queryModel);
    // Ends the coordinators in an order in which each can still leave what it registered with.
    ~TQueryController() override;

    void Show() override { m_view->Show(); }
    void Open() override { m_repositoryController->Open(); }
    bool CloseDocument() override { return m_repositoryController->CloseDocument(); }
    void Import() override { m_repositoryController->Import(); }
    int ShowOptions() override { return m_repositoryController->ShowOptions(); }
    void ShowAbout() override { m_repositoryController->ShowAbout(); }
    void ShowHelp() override;
    void HideHelp() override;
    bool IsHelpVisible() override;
    void SetHelpContext(const QString& context) override;
    void SetDocument(TMatchStatFile* document) override;
    void RecountCategories(IQueryDefinitionModel& definition) override;
    void SetTitle(const QString& title) override { m_view->SetTitle(title); }
    QString GetTitle() override { return m_view->GetTitle(); }
    TMatchStatFile* GetDocument() override { return m_repositoryController->GetDocument(); }
    IHistoryView* GetHistoryView() override { return m_view->GetHistoryView(); }
    IHistoryView* GetSecondaryHistoryView() override { return nullptr; }
    void AddDefinitionObserver(IQueryDefinitionObserver* observer) override;
    void RemoveDefinitionObserver(IQueryDefinitionObserver* observer) override;
    void AddHelpListener(IHelpListener* listener) override;
    void RemoveHelpListener(IHelpListener* listener) override;
    std::shared_ptr<IOptionsModel> GetOptionsModel() override;
    int AddClipToPresentation(TSituation* situation) override;
    IRepositoryController* GetRepositoryController() override { return m_repositoryController; }
    void AddMediaListener(IMediaListener* listener) override;

private:
    IRepositoryController* m_repositoryController;
    std::shared_ptr<IQueryModel> m_queryModel;
    IQueryView* m_view;
    std::shared_ptr<IQueryDefinitionCoordinator> m_definitionCoordinator;
    std::shared_ptr<IQueryResultCoordinator> m_resultCoordinator;
    std::shared_ptr<IHelpAgent> m_helpAgent;
};
