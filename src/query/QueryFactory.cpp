#include "QueryFactory.h"

#include "QueryController.h"
#include "QueryModel.h"

TQueryFactory::TQueryFactory(std::shared_ptr<IQueryViewFactory> viewFactory,
                             std::shared_ptr<IHelpFactory> helpFactory,
                             std::shared_ptr<IQueryResultCoordinatorFactory> resultFactory,
                             std::shared_ptr<IQueryDefinitionCoordinatorFactory> definitionFactory)
    : m_viewFactory(std::move(viewFactory)), m_helpFactory(std::move(helpFactory)),
      m_resultFactory(std::move(resultFactory)), m_definitionFactory(std::move(definitionFactory)) {
}

std::shared_ptr<IQueryController>
TQueryFactory::CreateQueryController(IRepositoryController* repositoryController) {
    return std::make_shared<TQueryController>(repositoryController, m_helpFactory, m_resultFactory,
                                              m_definitionFactory, m_viewFactory,
                                              std::make_shared<TQueryModel>());
}
