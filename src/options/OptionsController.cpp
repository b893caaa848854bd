#include "OptionsController.h"

#include <utility>

TOptionsController::TOptionsController(std::shared_ptr<IOptionsModel> model, IOptionsView* view)
    : m_model(std::move(model)), m_view(view) {}

int TOptionsController::Execute() {
    // Refilled every time, so that a cancelled edit does not show up on the next opening.
    m_view->SetModel(m_model);
    return m_view->ShowModal();
}

std::shared_ptr<IOptionsModel> TOptionsController::GetModel() {
    return m_model;
}
