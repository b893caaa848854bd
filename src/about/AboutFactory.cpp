#include "AboutFactory.h"

#include "AboutController.h"

#include <utility>

TAboutFactory::TAboutFactory(std::shared_ptr<IAboutModelFactory> modelFactory,
                             std::shared_ptr<IAboutViewFactory> viewFactory)
    : m_modelFactory(std::move(modelFactory)), m_viewFactory(std::move(viewFactory)) {}

std::shared_ptr<IAboutController> TAboutFactory::CreateController() {
    return std::make_shared<TAboutController>(m_modelFactory, m_viewFactory);
}
