#include "QueryProperty.h"

#include "NameOrder.h"
#include "QueryDefinitionModel.h"
#include "QueryValue.h"

#include <algorithm>
#include <stdexcept>

TQueryProperty::TQueryProperty(TQueryDefinitionModel* owner,
                               std::shared_ptr<const TNameOrder> order, QString name)
    : m_owner(owner), m_order(std::move(order)), m_name(std::move(name)) {}

std::shared_ptr<TQueryValue> TQueryProperty::FindOrAddValue(const QString& text) {
    if (auto it = m_byText.constFind(text); it != m_byText.cend()) {
        return *it;
    }
    auto value = std::make_shared<TQueryValue>(weak_from_this(), text);
    auto position = std::upper_bound(
        m_values.begin(), m_values.end(), text,
        [this](const QString& t, const auto& v) { return m_order->Less(t, v->Text()); });
    m_values.insert(position, value);
    m_byText.insert(text, value);
    return value;
}

void TQueryProperty::AppendValue(const QString& text) {
    if (m_byText.contains(text)) {
        return;
    }
    auto value = std::make_shared<TQueryValue>(weak_from_this(), text);
    m_values.push_back(value);
    m_byText.insert(text, value);
}

std::shared_ptr<IQueryValue> TQueryProperty::AddValue(const QString& text) {
    return FindOrAddValue(text);
}

void TQueryProperty::RemoveValue(const QString& text) {
    auto it = m_byText.find(text);
    if (it == m_byText.end()) {
        return;
    }
    const std::shared_ptr<TQueryValue> value = *it;
    m_byText.erase(it);
    m_values.erase(std::find(m_values.begin(), m_values.end(), value));
    if (auto selected = std::find(m_selected.begin(), m_selected.end(), value);
        selected != m_selected.end()) {
        m_selected.erase(selected);
    }
}

std::shared_ptr<IQueryValue> TQueryProperty::FindValue(const QString& text) {
    return m_byText.value(text);
}

std::shared_ptr<IQueryValue> TQueryProperty::GetValue(int index) {
    return m_values.at(static_cast<std::size_t>(index));
}

std::shared_ptr<IQueryValue> TQueryProperty::GetSelectedValue(int index) {
    return m_selected.at(static_cast<std::size_t>(index));
}

void TQueryProperty::SelectValue(TQueryValue& value) {
    const QString& text = value.Text();
    auto position = std::lower_bound(
        m_selected.begin(), m_selected.end(), text,
        [this](const auto& v, const QString& t) { return m_order->Less(v->Text(), t); });
    if (position == m_selected.end() || (*position)->Text() != text) {
        m_selected.insert(position, value.shared_from_this());
    }
    if (m_owner) {
        // Selecting a selected value tells the observers again.
        m_owner->PropertySelected(*this);
    }
}

void TQueryProperty::DeselectValue(TQueryValue& value) {
    auto position = std::find_if(m_selected.begin(), m_selected.end(),
                                 [&](const auto& v) { return v->Text() == value.Text(); });
    if (position == m_selected.end()) {
        return;
    }
    m_selected.erase(position);
    if (m_owner) {
        m_owner->PropertyDeselected(*this, m_selected.empty());
    }
}
