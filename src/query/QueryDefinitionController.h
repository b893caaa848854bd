#pragma once

#include "Agents.h"

// Hands one definition view its model and lets it reach the document.
class TQueryDefinitionController final : public IQueryDefinitionController {
public:
    TQueryDefinitionController(IQueryDefinitionCoordinator* coordinator,
                               IQueryDefinitionView* view);

    IQueryDefinitionView* GetView() override { return m_view; }
    TMatchStatFile* GetDocument() override { return m_coordinator->GetDocument(); }

private:
    IQueryDefinitionCoordinator* m_coordinator;
    IQueryDefinitionView* m_view;
};
