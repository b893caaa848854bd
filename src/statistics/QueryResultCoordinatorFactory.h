#pragma once

#include "Agents.h"

#include <memory>

// Creates, per query window, the result model and its coordinator with the window's result
// controllers and media controller.
class TQueryResultCoordinatorFactory final : public IQueryResultCoordinatorFactory {
public:
    TQueryResultCoordinatorFactory(std::shared_ptr<IQueryResultFactory> resultFactory,
                                   std::shared_ptr<IMediaFactory> mediaFactory);

    std::shared_ptr<IQueryResultCoordinator> CreateCoordinator(IQueryController* queryController,
                                                               IQueryView* queryView) override;

private:
    std::shared_ptr<IQueryResultFactory> m_resultFactory;
    std::shared_ptr<IMediaFactory> m_mediaFactory;
};
