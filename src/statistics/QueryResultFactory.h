#pragma once

#include "Agents.h"

#include <memory>

class TQueryResultFactory final : public IQueryResultFactory {
public:
    std::shared_ptr<IQueryResultController> CreateController(IQueryResultCoordinator* coordinator,
                                                             IQueryResultView* view) override;
};
