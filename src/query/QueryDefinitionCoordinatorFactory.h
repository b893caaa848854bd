#pragma once

#include "Agents.h"

#include <memory>

// Creates, per query window, a new empty definition model and its coordinator.
class TQueryDefinitionCoordinatorFactory final : public IQueryDefinitionCoordinatorFactory {
public:
    explicit TQueryDefinitionCoordinatorFactory(std::shared_ptr<IQueryDefinitionFactory> factory);

    std::shared_ptr<IQueryDefinitionCoordinator>
    CreateCoordinator(IQueryController* queryController, IQueryView* queryView) override;

private:
    std::shared_ptr<IQueryDefinitionFactory> m_factory;
};
