#include "QueryDefinitionModel.h"

#include "NameOrder.h"
#include "QueryProperty.h"
#include "QueryValue.h"
#include "UntStatistics.h"

#include <algorithm>

TQueryDefinitionModel::TQueryDefinitionModel() : m_order(std::make_shared<TNameOrder>()) {}

TQueryDefinitionModel::~TQueryDefinitionModel() {
    for (const auto& property : m_properties) {
        property->Detach();
    }
}

void TQueryDefinitionModel::Rebuild(IQueryModel& queryModel) {
    for (const auto& property : m_properties) {
        property->Detach();
    }
    m_properties.clear();
    m_byName.clear();
    m_selected.clear();
    if (const TSituationStatistics* statistics = queryModel.GetStatistics()) {
        const TSituationIndexes& indexes = statistics->Indexes();
        for (int i = 0; i < indexes.Count(); ++i) {
            const TSituationIndex& index = indexes.Items(i);
            const int count = index.EntryCount();
            if (count == 0) {
                continue;
            }
            std::shared_ptr<TQueryProperty> property =
                FindOrAddProperty(QString::fromStdString(index.Name()));
            // Keys come sorted in the same name order; each run of equal keys is one value.
            for (int entry = 0; entry < count; entry = index.KeyRunEnd(entry)) {
                property->AppendValue(QString::fromStdString(index.Key(entry)));
            }
        }
    }
    m_primaryCategory.clear();
    m_secondaryCategory.clear();
    Notify(TNotification::Rebuilt);
}

std::shared_ptr<TQueryProperty> TQueryDefinitionModel::FindOrAddProperty(const QString& name) {
    if (auto it = m_byName.constFind(name); it != m_byName.cend()) {
        return *it;
    }
    auto property = std::make_shared<TQueryProperty>(this, m_order, name);
    auto position = std::upper_bound(
        m_properties.begin(), m_properties.end(), name,
        [this](const QString& n, const auto& p) { return m_order->Less(n, p->Name()); });
    m_properties.insert(position, property);
    m_byName.insert(name, property);
    return property;
}

void TQueryDefinitionModel::ToggleValue(const QString& propertyName, const QString& valueText) {
    std::shared_ptr<IQueryValue> value = FindValue(propertyName, valueText);
    if (value) {
        value->SetSelected(!value->IsSelected());
    }
}

bool TQueryDefinitionModel::IsValueSelected(const QString& propertyName, const QString& valueText) {
    std::shared_ptr<IQueryValue> value = FindValue(propertyName, valueText);
    return value && value->IsSelected();
}

int TQueryDefinitionModel::AddObserver(IQueryDefinitionObserver* observer) {
    auto it = std::find(m_observers.begin(), m_observers.end(), observer);
    if (it == m_observers.end()) {
        m_observers.push_back(observer);
        return static_cast<int>(m_observers.size()) - 1;
    }
    return static_cast<int>(it - m_observers.begin());
}

void TQueryDefinitionModel::RemoveObserver(IQueryDefinitionObserver* observer) {
    auto it = std::find(m_observers.begin(), m_observers.end(), observer);
    if (it != m_observers.end()) {
        m_observers.erase(it);
    }
}

std::shared_ptr<IQueryValue> TQueryDefinitionModel::AddValue(const QString& propertyName,
                                                             const QString& valueText) {
    return FindOrAddProperty(propertyName)->FindOrAddValue(valueText);
}

std::shared_ptr<IQueryProperty> TQueryDefinitionModel::FindProperty(const QString& name) {
    return m_byName.value(name);
}

std::shared_ptr<IQueryValue> TQueryDefinitionModel::FindValue(const QString& propertyName,
                                                              const QString& valueText) {
    std::shared_ptr<TQueryProperty> property = m_byName.value(propertyName);
    return property ? property->FindValue(valueText) : nullptr;
}

bool TQueryDefinitionModel::IsPropertySelected(const QString& name) {
    return std::any_of(m_selected.begin(), m_selected.end(),
                       [&](const auto& property) { return property->Name() == name; });
}

std::shared_ptr<IQueryProperty> TQueryDefinitionModel::GetProperty(int index) {
    return m_properties.at(static_cast<std::size_t>(index));
}

std::shared_ptr<IQueryProperty> TQueryDefinitionModel::GetSelectedProperty(int index) {
    return m_selected.at(static_cast<std::size_t>(index));
}

void TQueryDefinitionModel::SetPrimaryCategory(const QString& category) {
    if (category != m_primaryCategory) {
        m_primaryCategory = category;
        Notify(TNotification::Categories);
    }
}

void TQueryDefinitionModel::SetSecondaryCategory(const QString& category) {
    if (category != m_secondaryCategory) {
        m_secondaryCategory = category;
        Notify(TNotification::Categories);
    }
}

void TQueryDefinitionModel::PropertySelected(TQueryProperty& property) {
    if (std::find_if(m_selected.begin(), m_selected.end(),
                     [&](const auto& p) { return p.get() == &property; }) == m_selected.end()) {
        auto position = std::upper_bound(
            m_selected.begin(), m_selected.end(), property.Name(),
            [this](const QString& n, const auto& p) { return m_order->Less(n, p->Name()); });
        m_selected.insert(position, property.shared_from_this());
    }
    Notify(TNotification::Selection);
}

void TQueryDefinitionModel::PropertyDeselected(TQueryProperty& property, bool noValueSelected) {
    auto it = std::find_if(m_selected.begin(), m_selected.end(),
                           [&](const auto& p) { return p.get() == &property; });
    if (it == m_selected.end()) {
        return;
    }
    if (noValueSelected) {
        m_selected.erase(it);
    }
    Notify(TNotification::Selection);
}

void TQueryDefinitionModel::Notify(TNotification notification) {
    // Observers may register, leave or change the model while they are told; one that
    // registers now is told next time, one that has left is not told any more. One of them
    // may also release the last owner of the model: it lives until the round is over.
    const std::shared_ptr<TQueryDefinitionModel> keepAlive = weak_from_this().lock();
    const std::vector<IQueryDefinitionObserver*> observers = m_observers;
    for (IQueryDefinitionObserver* observer : observers) {
        if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end()) {
            continue;
        }
        switch (notification) {
        case TNotification::Rebuilt:
            observer->DefinitionRebuilt(*this);
            break;
        case TNotification::Selection:
            observer->SelectionChanged(*this);
            break;
        case TNotification::Categories:
            observer->CategoriesChanged(*this);
            break;
        }
    }
}
