#pragma once
// Builds the About controller from the model factory and the view factory.

#include "Agents.h"

#include <memory>

class TAboutFactory final : public IAboutFactory {
public:
    TAboutFactory(std::shared_ptr<IAboutModelFactory> modelFactory,
                  std::shared_ptr<IAboutViewFactory> viewFactory);

    std::shared_ptr<IAboutController> CreateController() override;

private:
    std::shared_ptr<IAboutModelFactory> m_modelFactory;
    std::shared_ptr<IAboutViewFactory> m_viewFactory;
};
