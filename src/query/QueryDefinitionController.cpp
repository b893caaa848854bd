#include "QueryDefinitionController.h"

TQueryDefinitionController::TQueryDefinitionController(IQueryDefinitionCoordinator* coordinator,
                                                       IQueryDefinitionView* view)
    : m_coordinator(coordinator), m_view(view) {
    m_view->SetDefinitionController(this);
    m_view->SetDefinitionModel(m_coordinator->GetDefinitionModel());
}
