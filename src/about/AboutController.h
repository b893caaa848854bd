#pragma once
// Shows the About box, creating its dialog on first use, and hands out the model's facts.

#include "Agents.h"

#include <QString>

#include <memory>

class TAboutController final : public IAboutController {
public:
    // Asks the model factory for the model at once; the dialog waits for the first Show.
    TAboutController(const std::shared_ptr<IAboutModelFactory>& modelFactory,
                     std::shared_ptr<IAboutViewFactory> viewFactory);

    void Show() override;
    QString GetProductName() override;
    QString GetVersion() override;
    QString GetVersionQualifier() override;
    QString GetReleaseDate() override;
    QString GetNoticeYears() override;

private:
    std::shared_ptr<IAboutModel> m_model;
    std::shared_ptr<IAboutViewFactory> m_viewFactory;
    IAboutView* m_view = nullptr; // owned by the application object once created
};
