#pragma once
// Runs the options dialog over the options model.

#include "Agents.h"

#include <memory>

class TOptionsController final : public IOptionsController {
public:
    // The view is a dialog owned by the application object; it outlives the controller's use.
    TOptionsController(std::shared_ptr<IOptionsModel> model, IOptionsView* view);

    int Execute() override;
    std::shared_ptr<IOptionsModel> GetModel() override;

private:
    std::shared_ptr<IOptionsModel> m_model;
    IOptionsView* m_view;
};
