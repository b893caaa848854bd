#include "QueryDefinitionCoordinator.h"

TQueryDefinitionCoordinator::TQueryDefinitionCoordinator(
    IQueryController* queryController, const std::shared_ptr<IQueryDefinitionFactory>& factory,
    IQueryView* queryView, std::shared_ptr<IQueryDefinitionModel> definition)
    : m_queryController(queryController), m_definition(std::move(definition)) {
    const int count = queryView->GetDefinitionViewCount();
    for (int i = 0; i < count; ++i) {
        if (IQueryDefinitionView* view = queryView->GetDefinitionView(i)) {
            AddController(factory->CreateController(this, view));
        }
    }
}

void TQueryDefinitionCoordinator::AddController(
    std::shared_ptr<IQueryDefinitionController> controller) {
    m_controllers.push_back(std::move(controller));
}

void TQueryDefinitionCoordinator::AddObserver(IQueryDefinitionObserver* observer) {
    m_definition->AddObserver(observer);
}

void TQueryDefinitionCoordinator::RemoveObserver(IQueryDefinitionObserver* observer) {
    m_definition->RemoveObserver(observer);
}
