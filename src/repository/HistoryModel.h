#pragma once
// The recently used files, most recent first, kept per user in the settings store and
// written at every change.

#include "Agents.h"

#include <QString>
#include <QStringList>

class THistoryModel final : public IHistoryModel {
public:
    // Reads the stored list, which is not cut to maxCount; an unreadable value gives an empty
    // list.
    THistoryModel(const QString& productName, int maxCount);

    // Moves path to the top (an entry of exactly that spelling goes), drops the last
    // entry if the list is now too long, and stores the list. A failed store throws after the
    // list has changed.
    void Add(const QString& path) override;
    int Count() override;
    QString Get(int index) override;

    // The settings key of the list, below which the value "Files" holds it.
    static QString KeyPath(const QString& productName);

private:
    QString m_keyPath;
    int m_maxCount;
    QStringList m_paths;
};
