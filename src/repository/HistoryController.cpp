#include "HistoryController.h"

#include "MediaFiles.h"

#include <stdexcept>
#include <utility>

THistoryController::THistoryController(IRepositoryController* repositoryController,
                                       std::shared_ptr<IHistoryModel> model,
                                       IHistoryView* firstView, IHistoryView* secondView,
                                       std::shared_ptr<IUserQuestions> questions)
    : m_repositoryController(repositoryController), m_model(std::move(model)),
      m_firstView(firstView), m_secondView(secondView), m_questions(std::move(questions)) {
    if (!m_firstView) {
        throw std::invalid_argument("The history needs a view.");
    }
    for (IHistoryView* view : {m_firstView, m_secondView}) {
        if (view) {
            view->SetController(this);
            view->Refresh(*m_model);
        }
    }
}

void THistoryController::Add(const QString& path) {
    m_model->Add(path);
    RefreshViews();
}

void THistoryController::Open(const QString& path) {
    if (FileExists(path)) {
        m_repositoryController->OpenFile(path);
    } else {
        m_questions->Ask(TQuestionKind::Information,
                         QStringLiteral("File no longer exists (") + path + u')',
                         TQuestionButtons::Ok);
    }
}

bool THistoryController::OpenMostRecent() {
    if (m_model->Count() <= 0) {
        return false;
    }
    Open(m_model->Get(0));
    return true;
}

void THistoryController::RefreshViews() {
    m_firstView->Refresh(*m_model);
    if (m_secondView) {
        m_secondView->Refresh(*m_model);
    }
}
