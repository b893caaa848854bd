#include "HistoryMenu.h"

#include <QAction>

#include <stdexcept>
#include <string>

THistoryMenu::THistoryMenu(const QString& title, QWidget* parent) : QMenu(title, parent) {}

void THistoryMenu::Refresh(IHistoryModel& model) {
    QAction* item = TargetItem();
    QMenu& target = item ? *item->menu() : *this;
    target.clear();
    const int count = model.Count();
    for (int i = 0; i < count; ++i) {
        const QString path = model.Get(i);
        // The number is the accelerator; an "&" of the path is shown as itself.
        QString caption = path;
        caption.replace(u'&', QStringLiteral("&&"));
        QAction* entry = target.addAction(u'&' + QString::number(i) + u' ' + caption);
        entry->setObjectName(QStringLiteral("No") + QString::number(i));
        // The entry opens the path it was made for, not whatever its caption reads.
        entry->setData(path);
        connect(entry, &QAction::triggered, this, [this, path] {
            if (m_controller) {
                m_controller->Open(path);
            }
        });
    }
    if (item) {
        item->setEnabled(count > 0);
    }
}

void THistoryMenu::SetController(IHistoryController* controller) {
    m_controller = controller;
}

QAction* THistoryMenu::TargetItem() {
    if (m_historyItemIndex == -1) {
        return nullptr;
    }
    const QList<QAction*> items = actions();
    if (m_historyItemIndex < 0 || m_historyItemIndex >= items.size()) {
        throw std::logic_error("The history menu has no item " +
                               std::to_string(m_historyItemIndex) + ".");
    }
    QAction* item = items[m_historyItemIndex];
    if (!item->menu()) {
        auto* submenu = new QMenu(item->text(), this);
        item->setMenu(submenu);
    }
    return item;
}
