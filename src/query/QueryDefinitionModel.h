#pragma once

#include "Agents.h"

#include <QHash>

#include <memory>
#include <vector>

class TNameOrder;
class TQueryProperty;

// The incremental query of one query window: a property per situation index with a value
// per distinct key, the selected values, and the two categories of the cross table.
class TQueryDefinitionModel final : public IQueryDefinitionModel,
                                    public std::enable_shared_from_this<TQueryDefinitionModel> {
public:
    TQueryDefinitionModel();
    ~TQueryDefinitionModel() override;

    // Without statistics the catalogue is empty.
    void Rebuild(IQueryModel& queryModel) override;
    void ToggleValue(const QString& propertyName, const QString& valueText) override;
    bool IsValueSelected(const QString& propertyName, const QString& valueText) override;
    int AddObserver(IQueryDefinitionObserver* observer) override;
    void RemoveObserver(IQueryDefinitionObserver* observer) override;
    std::shared_ptr<IQueryValue> AddValue(const QString& propertyName,
                                          const QString& valueText) override;
    std::shared_ptr<IQueryProperty> FindProperty(const QString& name) override;
    std::shared_ptr<IQueryValue> FindValue(const QString& propertyName,
                                           const QString& valueText) override;
    bool IsPropertySelected(const QString& name) override;
    int GetPropertyCount() override { return static_cast<int>(m_properties.size()); }
    std::shared_ptr<IQueryProperty> GetProperty(int index) override;
    int GetSelectedPropertyCount() override { return static_cast<int>(m_selected.size()); }
    std::shared_ptr<IQueryProperty> GetSelectedProperty(int index) override;
    QString GetPrimaryCategory() override { return m_primaryCategory; }
    void SetPrimaryCategory(const QString& category) override;
    QString GetSecondaryCategory() override { return m_secondaryCategory; }
    void SetSecondaryCategory(const QString& category) override;

    // From the properties, when one of their values is selected or deselected.
    void PropertySelected(TQueryProperty& property);
    void PropertyDeselected(TQueryProperty& property, bool noValueSelected);

private:
    std::shared_ptr<TQueryProperty> FindOrAddProperty(const QString& name);
    enum class TNotification { Rebuilt, Selection, Categories };
    void Notify(TNotification notification);

    std::shared_ptr<const TNameOrder> m_order;
    std::vector<std::shared_ptr<TQueryProperty>> m_properties; // name order
    QHash<QString, std::shared_ptr<TQueryProperty>> m_byName;
    std::vector<std::shared_ptr<TQueryProperty>> m_selected; // name order
    QString m_primaryCategory;
    QString m_secondaryCategory;
    std::vector<IQueryDefinitionObserver*> m_observers;
};
