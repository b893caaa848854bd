#pragma once
// What every view does with the models it observes: leave the old one, keep and join the new
// one, and leave it when the view goes, so that no notification reaches a freed view.

#include "Agents.h"

#include <memory>

template <class TModel, class TObserver>
void Observe(std::shared_ptr<TModel>& held, std::shared_ptr<TModel> model, TObserver* observer) {
    if (held) {
        held->RemoveObserver(observer);
    }
    held = std::move(model);
    if (held) {
        held->AddObserver(observer);
    }
}

template <class TModel, class TObserver>
void StopObserving(const std::shared_ptr<TModel>& held, TObserver* observer) {
    if (held) {
        held->RemoveObserver(observer);
    }
}

// A result view that hears only ResultChanged: the clip list's own edits and the sort
// change pass it by.
class TResultChangeObserver : public IQueryResultObserver {
public:
    void ClipInserted(TSituation*, int) override {}
    void ClipDeleted(TSituation*, int) override {}
    void ClipUpdated(TSituation*, int) override {}
    void SortChanged(IQueryResultModel&) override {}
    void ClipMovedDown(int) override {}
    void ClipMovedUp(int) override {}
};
