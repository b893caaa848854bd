#pragma once
// Connects the recently used files to their menus and to the repository controller.

#include "Agents.h"

#include <memory>

class THistoryController final : public IHistoryController {
public:
    // Registers with the views and fills them at once. The first view is required, the second
    // may be none; both are widgets that outlive their use here.
    THistoryController(IRepositoryController* repositoryController,
                       std::shared_ptr<IHistoryModel> model, IHistoryView* firstView,
                       IHistoryView* secondView, std::shared_ptr<IUserQuestions> questions);

    void Add(const QString& path) override;
    // A file that no longer exists is reported and stays in the list.
    void Open(const QString& path) override;
    bool OpenMostRecent() override;

private:
    void RefreshViews();

    IRepositoryController* m_repositoryController; // owns this controller
    std::shared_ptr<IHistoryModel> m_model;
    IHistoryView* m_firstView;
    IHistoryView* m_secondView;
    std::shared_ptr<IUserQuestions> m_questions;
};
