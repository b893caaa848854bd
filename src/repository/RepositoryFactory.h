#pragma once
// Builds the repository model and its controller together.

#include "Agents.h"

#include <QCoreApplication>
#include <QStringList>

#include <memory>

class TRepositoryFactory final : public IRepositoryFactory {
public:
    // The three optional agent factories may be none. questions serves the model and the
    // controller; arguments is the program's command line, the program itself first.
    TRepositoryFactory(std::shared_ptr<IAboutFactory> aboutFactory,
                       std::shared_ptr<IHistoryFactory> historyFactory,
                       std::shared_ptr<IOptionsFactory> optionsFactory,
                       std::shared_ptr<IQueryFactory> queryFactory,
                       std::shared_ptr<IPresentationFactory> presentationFactory,
                       std::shared_ptr<IAddClipToPresentationFactory> addClipFactory,
                       std::shared_ptr<IMatchFactory> matchFactory,
                       std::shared_ptr<IUserQuestions> questions,
                       std::shared_ptr<IBusyCursor> busyCursor,
                       QStringList arguments = QCoreApplication::arguments());

    std::shared_ptr<IRepositoryController> CreateController() override;

private:
    std::shared_ptr<IAboutFactory> m_aboutFactory;
    std::shared_ptr<IHistoryFactory> m_historyFactory;
    std::shared_ptr<IOptionsFactory> m_optionsFactory;
    std::shared_ptr<IQueryFactory> m_queryFactory;
    std::shared_ptr<IPresentationFactory> m_presentationFactory;
    std::shared_ptr<IAddClipToPresentationFactory> m_addClipFactory;
    std::shared_ptr<IMatchFactory> m_matchFactory;
    std::shared_ptr<IUserQuestions> m_questions;
    std::shared_ptr<IBusyCursor> m_busyCursor;
    QStringList m_arguments;
};
