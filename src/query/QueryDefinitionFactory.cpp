#include "QueryDefinitionFactory.h"

#include "QueryDefinitionController.h"

std::shared_ptr<IQueryDefinitionController>
TQueryDefinitionFactory::CreateController(IQueryDefinitionCoordinator* coordinator,
                                          IQueryDefinitionView* view) {
    return std::make_shared<TQueryDefinitionController>(coordinator, view);
}
