#pragma once
// Builds the media folder option: the dialog, then the model, then the controller.

#include "Agents.h"

#include <QString>

#include <functional>
#include <memory>

class TOptionsFactory final : public IOptionsFactory {
public:
    // createView makes the dialog, owned by the application object; programFolder is where the
    // default media folder lies.
    TOptionsFactory(std::function<IOptionsView*()> createView, QString programFolder);

    std::shared_ptr<IOptionsController> CreateController() override;

private:
    std::function<IOptionsView*()> m_createView;
    QString m_programFolder;
};
