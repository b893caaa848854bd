#include "QueryValue.h"

#include "QueryProperty.h"

TQueryValue::TQueryValue(std::weak_ptr<TQueryProperty> owner, QString text)
    : m_owner(std::move(owner)), m_text(std::move(text)) {}

void TQueryValue::SetSelected(bool selected) {
    m_selected = selected;
    if (std::shared_ptr<TQueryProperty> owner = m_owner.lock()) {
        if (selected) {
            owner->SelectValue(*this);
        } else {
            owner->DeselectValue(*this);
        }
    }
}
