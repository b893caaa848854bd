#pragma once

#include "Agents.h"

#include <memory>

class TQueryDefinitionFactory final : public IQueryDefinitionFactory {
public:
    std::shared_ptr<IQueryDefinitionController>
    CreateController(IQueryDefinitionCoordinator* coordinator, IQueryDefinitionView* view) override;
};
