#pragma once
// Creates media controllers for the query result coordinators.

#include <Agents.h>

#include <memory>

class TMediaFactory final : public IMediaFactory {
public:
    // The controllers ask the user through questions where a match video has gone.
    explicit TMediaFactory(std::shared_ptr<IUserQuestions> questions);

    std::shared_ptr<IMediaController> CreateController(IQueryResultCoordinator* coordinator,
                                                       IMediaView* view) override;
    std::shared_ptr<IMediaController> CreateControllerForView(IMediaView* view) override;

private:
    std::shared_ptr<IUserQuestions> m_questions;
};
