#pragma once
// Makes the About dialog through the callable that the composition root supplies.

#include "Agents.h"

#include <functional>

class TAboutViewFactory final : public IAboutViewFactory {
public:
    // createView makes a new dialog owned by the application object.
    explicit TAboutViewFactory(std::function<IAboutView*()> createView);

    IAboutView* CreateView() override;

private:
    std::function<IAboutView*()> m_createView;
};
