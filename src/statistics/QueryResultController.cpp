#include "QueryResultController.h"

TQueryResultController::TQueryResultController(IQueryResultCoordinator* coordinator,
                                               IQueryResultView* view)
    : m_view(view) {
    m_view->SetResultModel(coordinator->GetResultModel());
}
