#pragma once
// A menu of the recently used files: "0 path", "1 path", ... below one of its items (the
// File menu's Reopen) or at its own top level.

#include "Agents.h"

#include <QMenu>

class THistoryMenu : public QMenu, public IHistoryView {
    Q_OBJECT
    // The item whose submenu holds the entries; -1 for the menu's own top level.
    Q_PROPERTY(int HistoryItemIndex READ HistoryItemIndex WRITE SetHistoryItemIndex)

public:
    explicit THistoryMenu(const QString& title = QString(), QWidget* parent = nullptr);

    int HistoryItemIndex() const { return m_historyItemIndex; }
    void SetHistoryItemIndex(int index) { m_historyItemIndex = index; }

    // Replaces every entry below the target; the target item is disabled while there are
    // none. Throws std::logic_error when HistoryItemIndex names no item.
    void Refresh(IHistoryModel& model) override;
    void SetController(IHistoryController* controller) override;

private:
    // The item whose submenu holds the entries (given one if it has none), or none for the
    // top level.
    QAction* TargetItem();

    int m_historyItemIndex = -1;
    IHistoryController* m_controller = nullptr;
};
