#include "AboutController.h"

#include <utility>

TAboutController::TAboutController(const std::shared_ptr<IAboutModelFactory>& modelFactory,
                                   std::shared_ptr<IAboutViewFactory> viewFactory)
    : m_model(modelFactory->CreateModel()), m_viewFactory(std::move(viewFactory)) {}

void TAboutController::Show() {
    // One dialog for the whole run: it is filled once and hidden, not destroyed, on close.
    if (!m_view) {
        m_view = m_viewFactory->CreateView();
        m_view->SetController(this);
    }
    m_view->ShowModal();
}

QString TAboutController::GetProductName() {
    return m_model->GetProductName();
}
QString TAboutController::GetVersion() {
    return m_model->GetVersion();
}
QString TAboutController::GetVersionQualifier() {
    return m_model->GetVersionQualifier();
}
QString TAboutController::GetReleaseDate() {
    return m_model->GetReleaseDate();
}
QString TAboutController::GetNoticeYears() {
    return m_model->GetNoticeYears();
}
