#include "QueryDefinitionCoordinatorFactory.h"

#include "QueryDefinitionCoordinator.h"
#include "QueryDefinitionModel.h"

TQueryDefinitionCoordinatorFactory::TQueryDefinitionCoordinatorFactory(
    std::shared_ptr<IQueryDefinitionFactory> factory)
    : m_factory(std::move(factory)) {}

std::shared_ptr<IQueryDefinitionCoordinator>
TQueryDefinitionCoordinatorFactory::CreateCoordinator(IQueryController* queryController,
                                                      IQueryView* queryView) {
    return std::make_shared<TQueryDefinitionCoordinator>(queryController, m_factory, queryView,
                                                         std::make_shared<TQueryDefinitionModel>());
}
