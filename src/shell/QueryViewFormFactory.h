#pragma once
// Creates the main window as the query window of the application.

#include "Agents.h"

class TMediaIndexForm;

class TQueryViewFormFactory final : public IQueryViewFactory {
public:
    IQueryView* CreateQueryView() override;

    // The window made last, for whoever ends it after the object graph is gone; none before.
    TMediaIndexForm* LastForm() const { return m_form; }

private:
    TMediaIndexForm* m_form = nullptr;
};
