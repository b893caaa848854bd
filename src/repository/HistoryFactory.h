#pragma once
// Builds the history controllers over one shared model of the recently used files.

#include "Agents.h"

#include <memory>

class THistoryFactory final : public IHistoryFactory {
public:
    static constexpr int kMaxCount = 10;

    explicit THistoryFactory(std::shared_ptr<IUserQuestions> questions);

    // The first call creates the model, named after the repository controller's product.
    std::shared_ptr<IHistoryController> CreateController(IRepositoryController* controller,
                                                         IHistoryView* firstView,
                                                         IHistoryView* secondView) override;

private:
    std::shared_ptr<IUserQuestions> m_questions;
    std::shared_ptr<IHistoryModel> m_model;
};
