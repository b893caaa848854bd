#pragma once

#include "Agents.h"

#include <memory>
#include <vector>

// Ties the result model to the result views of a query window and to its media controller.
// It is the model's first observer and passes ResultChanged and SortChanged on to the
// controllers, the media controller last, before the views hear of them.
class TQueryResultCoordinator final : public IQueryResultCoordinator,
                                      public IQueryResultModelServices,
                                      public IQueryResultObserver {
public:
    // The media factory may be none, for a window without video.
    TQueryResultCoordinator(IQueryController* queryController,
                            std::shared_ptr<IQueryResultModel> model,
                            const std::shared_ptr<IQueryResultFactory>& resultFactory,
                            const std::shared_ptr<IMediaFactory>& mediaFactory,
                            IQueryView* queryView);
    // Leaves the model, and takes the model's definition registration back while the query
    // controller that carries it still lives. The query controller outlives its coordinators.
    ~TQueryResultCoordinator() override;

    void AddController(std::shared_ptr<IQueryResultController> controller) override;
    void SetQueryModel(IQueryModel& queryModel) override;
    void RecountCategories(IQueryDefinitionModel& definition) override {
        m_model->RecountCategories(definition);
    }
    std::shared_ptr<IQueryResultModel> GetResultModel() override { return m_model; }
    std::shared_ptr<IOptionsModel> GetOptionsModel() override {
        return m_queryController->GetOptionsModel();
    }
    std::shared_ptr<IMediaController> GetMediaController() override { return m_mediaController; }

    void AddDefinitionObserver(IQueryDefinitionObserver* observer) override {
        m_queryController->AddDefinitionObserver(observer);
    }
    void RemoveDefinitionObserver(IQueryDefinitionObserver* observer) override {
        m_queryController->RemoveDefinitionObserver(observer);
    }

    void ClipInserted(TSituation*, int) override {}
    void ClipDeleted(TSituation*, int) override {}
    void ClipUpdated(TSituation*, int) override {}
    void ResultChanged(IQueryResultModel& model) override { TellControllers(model); }
    void SortChanged(IQueryResultModel& model) override { TellControllers(model); }
    void ClipMovedDown(int) override {}
    void ClipMovedUp(int) override {}

private:
    void TellControllers(IQueryResultModel& model);

    IQueryController* m_queryController;
    std::shared_ptr<IQueryResultModel> m_model;
    std::vector<std::shared_ptr<IQueryResultController>> m_controllers;
    std::shared_ptr<IMediaController> m_mediaController;
};
