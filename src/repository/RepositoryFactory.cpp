#include "RepositoryFactory.h"

#include "RepositoryController.h"
#include "RepositoryModel.h"

#include <utility>

TRepositoryFactory::TRepositoryFactory(
    std::shared_ptr<IAboutFactory> aboutFactory, std::shared_ptr<IHistoryFactory> historyFactory,
    std::shared_ptr<IOptionsFactory> optionsFactory, std::shared_ptr<IQueryFactory> queryFactory,
    std::shared_ptr<IPresentationFactory> presentationFactory,
    std::shared_ptr<IAddClipToPresentationFactory> addClipFactory,
    std::shared_ptr<IMatchFactory> matchFactory, std::shared_ptr<IUserQuestions> questions,
    std::shared_ptr<IBusyCursor> busyCursor, QStringList arguments)
    : m_aboutFactory(std::move(aboutFactory)), m_historyFactory(std::move(historyFactory)),
      m_optionsFactory(std::move(optionsFactory)), m_queryFactory(std::move(queryFactory)),
      m_presentationFactory(std::move(presentationFactory)),
      m_addClipFactory(std::move(addClipFactory)), m_matchFactory(std::move(matchFactory)),
      m_questions(std::move(questions)), m_busyCursor(std::move(busyCursor)),
      m_arguments(std::move(arguments)) {}

std::shared_ptr<IRepositoryController> TRepositoryFactory::CreateController() {
    auto model = std::make_shared<TRepositoryModel>(m_questions);
    return std::make_shared<TRepositoryController>(
        std::move(model), m_aboutFactory, m_historyFactory, m_optionsFactory, m_queryFactory,
        m_presentationFactory, m_addClipFactory, m_matchFactory, m_questions, m_busyCursor,
        m_arguments);
}
