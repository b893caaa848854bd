#pragma once

#include "Agents.h"

// Hands one result view the result model and tells it of a new query model.
class TQueryResultController final : public IQueryResultController {
public:
    TQueryResultController(IQueryResultCoordinator* coordinator, IQueryResultView* view);

    void ResultChanged(IQueryResultModel&) override {}
    void Refresh() override {}
    void QueryModelChanged(IQueryModel& queryModel) override {
        m_view->QueryModelChanged(queryModel);
    }

private:
    IQueryResultView* m_view;
};
