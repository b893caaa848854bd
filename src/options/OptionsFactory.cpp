#include "OptionsFactory.h"

#include "OptionsController.h"
#include "OptionsModel.h"

#include <utility>

TOptionsFactory::TOptionsFactory(std::function<IOptionsView*()> createView, QString programFolder)
    : m_createView(std::move(createView)), m_programFolder(std::move(programFolder)) {}

std::shared_ptr<IOptionsController> TOptionsFactory::CreateController() {
    IOptionsView* view = m_createView();
    auto model = std::make_shared<TOptionsModel>(m_programFolder);
    return std::make_shared<TOptionsController>(std::move(model), view);
}
