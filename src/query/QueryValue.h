#pragma once

#include "Agents.h"

#include <memory>

class TQueryProperty;

// One value of a query property. Selecting it goes through its property, which keeps the
// model's selected properties and tells the observers.
class TQueryValue final : public IQueryValue, public std::enable_shared_from_this<TQueryValue> {
public:
    TQueryValue(std::weak_ptr<TQueryProperty> owner, QString text);

    QString GetText() override { return m_text; }
    void SetSelected(bool selected) override;
    bool IsSelected() override { return m_selected; }

    const QString& Text() const { return m_text; }

private:
    // A value outlives its property only in the hands of a view holding on to it after a
    // rebuild; it then changes nothing but its own flag.
    std::weak_ptr<TQueryProperty> m_owner;
    QString m_text;
    bool m_selected = false;
};
