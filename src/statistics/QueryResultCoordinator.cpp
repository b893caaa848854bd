#include "QueryResultCoordinator.h"

TQueryResultCoordinator::TQueryResultCoordinator(
    IQueryController* queryController, std::shared_ptr<IQueryResultModel> model,
    const std::shared_ptr<IQueryResultFactory>& resultFactory,
    const std::shared_ptr<IMediaFactory>& mediaFactory, IQueryView* queryView)
    : m_queryController(queryController), m_model(std::move(model)) {
    m_model->SetServices(this);
    m_model->AddObserver(this);
    const int count = queryView->GetResultViewCount();
    for (int i = 0; i < count; ++i) {
        if (IQueryResultView* view = queryView->GetResultView(i)) {
            AddController(resultFactory->CreateController(this, view));
        }
    }
    if (mediaFactory) {
        m_mediaController = mediaFactory->CreateController(this, queryView->GetMediaView());
        if (auto controller =
                std::dynamic_pointer_cast<IQueryResultController>(m_mediaController)) {
            AddController(std::move(controller));
        }
    }
}

TQueryResultCoordinator::~TQueryResultCoordinator() {
    m_model->RemoveObserver(this);
    m_model->SetServices(nullptr);
}

void TQueryResultCoordinator::AddController(std::shared_ptr<IQueryResultController> controller) {
    m_controllers.push_back(std::move(controller));
}

void TQueryResultCoordinator::SetQueryModel(IQueryModel& queryModel) {
    for (const auto& controller : m_controllers) {
        controller->QueryModelChanged(queryModel);
    }
    m_model->SetQueryModel(queryModel);
}

void TQueryResultCoordinator::TellControllers(IQueryResultModel& model) {
    for (const auto& controller : m_controllers) {
        controller->ResultChanged(model);
    }
}
