#pragma once

#include "Agents.h"

#include <memory>

// Creates the query controller of the application's window, with a new query model.
class TQueryFactory final : public IQueryFactory {
public:
    // The help factory may be none: the window then has no help.
    TQueryFactory(std::shared_ptr<IQueryViewFactory> viewFactory,
                  std::shared_ptr<IHelpFactory> helpFactory,
                  std::shared_ptr<IQueryResultCoordinatorFactory> resultFactory,
                  std::shared_ptr<IQueryDefinitionCoordinatorFactory> definitionFactory);

    std::shared_ptr<IQueryController>
    CreateQueryController(IRepositoryController* repositoryController) override;

private:
    std::shared_ptr<IQueryViewFactory> m_viewFactory;
    std::shared_ptr<IHelpFactory> m_helpFactory;
    std::shared_ptr<IQueryResultCoordinatorFactory> m_resultFactory;
    std::shared_ptr<IQueryDefinitionCoordinatorFactory> m_definitionFactory;
};
