#pragma once

#include "Agents.h"

#include <memory>
#include <vector>

// Creates a definition controller for every definition view of a query window and stands
// between the query controller and the definition model.
class TQueryDefinitionCoordinator final : public IQueryDefinitionCoordinator {
public:
    TQueryDefinitionCoordinator(IQueryController* queryController,
                                const std::shared_ptr<IQueryDefinitionFactory>& factory,
                                IQueryView* queryView,
                                std::shared_ptr<IQueryDefinitionModel> definition);

    void AddController(std::shared_ptr<IQueryDefinitionController> controller) override;
    void SetQueryModel(IQueryModel& queryModel) override { m_definition->Rebuild(queryModel); }
    std::shared_ptr<IQueryDefinitionModel> GetDefinitionModel() override { return m_definition; }
    void AddObserver(IQueryDefinitionObserver* observer) override;
    void RemoveObserver(IQueryDefinitionObserver* observer) override;
    TMatchStatFile* GetDocument() override { return m_queryController->GetDocument(); }

private:
    IQueryController* m_queryController;
    std::shared_ptr<IQueryDefinitionModel> m_definition;
    std::vector<std::shared_ptr<IQueryDefinitionController>> m_controllers;
};
