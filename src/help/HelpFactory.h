#pragma once
// Creates the help model over the index file and the help controller over a pane.

#include "Agents.h"

#include <QString>

class THelpFactory final : public IHelpFactory {
public:
    explicit THelpFactory(QString indexPath);
    std::shared_ptr<IHelpAgent> CreateHelp(IHelpView* view) override;

private:
    QString m_indexPath;
};
