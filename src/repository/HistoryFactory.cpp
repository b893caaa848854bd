#include "HistoryFactory.h"

#include "HistoryController.h"
#include "HistoryModel.h"

#include <utility>

THistoryFactory::THistoryFactory(std::shared_ptr<IUserQuestions> questions)
    : m_questions(std::move(questions)) {}

std::shared_ptr<IHistoryController>
THistoryFactory::CreateController(IRepositoryController* controller, IHistoryView* firstView,
                                  IHistoryView* secondView) {
    if (!m_model) {
        m_model = std::make_shared<THistoryModel>(controller->GetProductName(), kMaxCount);
    }
    return std::make_shared<THistoryController>(controller, m_model, firstView, secondView,
                                                m_questions);
}
