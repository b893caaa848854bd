#pragma once

#include "Agents.h"

#include <QHash>

#include <memory>
#include <vector>

class TNameOrder;
class TQueryDefinitionModel;
class TQueryValue;

// One category of the query with its values in name order.
class TQueryProperty final : public IQueryProperty,
                             public std::enable_shared_from_this<TQueryProperty> {
public:
    TQueryProperty(TQueryDefinitionModel* owner, std::shared_ptr<const TNameOrder> order,
                   QString name);

    QString GetName() override { return m_name; }
    std::shared_ptr<IQueryValue> AddValue(const QString& text) override;
    // Touches neither the model's selected properties nor any observer.
    void RemoveValue(const QString& text) override;
    std::shared_ptr<IQueryValue> FindValue(const QString& text) override;
    std::shared_ptr<IQueryValue> GetValue(int index) override;
    int GetValueCount() override { return static_cast<int>(m_values.size()); }
    int GetSelectedValueCount() override { return static_cast<int>(m_selected.size()); }
    std::shared_ptr<IQueryValue> GetSelectedValue(int index) override;

    const QString& Name() const { return m_name; }
    std::shared_ptr<TQueryValue> FindOrAddValue(const QString& text);
    // For texts that arrive in name order already, as the keys of a situation index do.
    void AppendValue(const QString& text);

    void SelectValue(TQueryValue& value);
    void DeselectValue(TQueryValue& value);
    // After a rebuild the property no longer belongs to the model.
    void Detach() { m_owner = nullptr; }

private:
    TQueryDefinitionModel* m_owner;
    std::shared_ptr<const TNameOrder> m_order;
    QString m_name;
    std::vector<std::shared_ptr<TQueryValue>> m_values; // name order
    QHash<QString, std::shared_ptr<TQueryValue>> m_byText;
    std::vector<std::shared_ptr<TQueryValue>> m_selected; // name order
};
