#include "QueryResultCoordinatorFactory.h"

#include "QueryResultCoordinator.h"
#include "QueryResultModel.h"

TQueryResultCoordinatorFactory::TQueryResultCoordinatorFactory(
    std::shared_ptr<IQueryResultFactory> resultFactory, std::shared_ptr<IMediaFactory> mediaFactory)
    : m_resultFactory(std::move(resultFactory)), m_mediaFactory(std::move(mediaFactory)) {}

std::shared_ptr<IQueryResultCoordinator>
TQueryResultCoordinatorFactory::CreateCoordinator(IQueryController* queryController,
                                                  IQueryView* queryView) {
    return std::make_shared<TQueryResultCoordinator>(queryController,
                                                     std::make_shared<TQueryResultModel>(),
                                                     m_resultFactory, m_mediaFactory, queryView);
}
