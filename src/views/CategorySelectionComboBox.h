#pragma once
// Chooses the primary or the secondary category of the definition: the default text for none,
// then every property. Selectors of one priority show the same choice.

#include "Agents.h"

#include <QComboBox>

#include <memory>

enum class TCategorizationPriority { cpPrimary, cpSecondary };

class TCategorySelectionComboBox final : public QComboBox,
                                         public IQueryDefinitionView,
                                         public IQueryDefinitionObserver {
    Q_OBJECT
public:
    explicit TCategorySelectionComboBox(QWidget* parent = nullptr);
    // Leaves the definition it observes.
    ~TCategorySelectionComboBox() override;

    TCategorizationPriority CategorizationPriority = TCategorizationPriority::cpPrimary;
    QString DefaultText;

    // IQueryDefinitionView
    void SetDefinitionModel(std::shared_ptr<IQueryDefinitionModel> definition) override;
    std::shared_ptr<IQueryDefinitionModel> GetDefinitionModel() override { return m_definition; }
    void SetDefinitionController(IQueryDefinitionController*) override {}
    // IQueryDefinitionObserver
    void DefinitionRebuilt(IQueryDefinitionModel& definition) override;
    void SelectionChanged(IQueryDefinitionModel&) override {}
    void CategoriesChanged(IQueryDefinitionModel& definition) override;

    // Sets the definition's category from the box: none for the default entry, otherwise
    // the text shown, also a typed text that names no property.
    void ApplyChoice();

private:
    QString Category(IQueryDefinitionModel& definition) const;

    std::shared_ptr<IQueryDefinitionModel> m_definition;
};
