#include "MediaFactory.h"

#include "MediaController.h"

TMediaFactory::TMediaFactory(std::shared_ptr<IUserQuestions> questions)
    : m_questions(std::move(questions)) {}

std::shared_ptr<IMediaController>
TMediaFactory::CreateController(IQueryResultCoordinator* coordinator, IMediaView* view) {
    return TMediaController::Create(coordinator, view, m_questions);
}

std::shared_ptr<IMediaController> TMediaFactory::CreateControllerForView(IMediaView* view) {
    return TMediaController::Create(nullptr, view, m_questions);
}
