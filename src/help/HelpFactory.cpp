#include "HelpFactory.h"

#include "HelpController.h"
#include "HelpModel.h"

THelpFactory::THelpFactory(QString indexPath) : m_indexPath(std::move(indexPath)) {}

std::shared_ptr<IHelpAgent> THelpFactory::CreateHelp(IHelpView* view) {
    return std::make_shared<THelpController>(std::make_shared<THelpModel>(m_indexPath), view);
}
