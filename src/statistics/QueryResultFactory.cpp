#include "QueryResultFactory.h"

#include "QueryResultController.h"

std::shared_ptr<IQueryResultController>
TQueryResultFactory::CreateController(IQueryResultCoordinator* coordinator,
                                      IQueryResultView* view) {
    return std::make_shared<TQueryResultController>(coordinator, view);
}
