#pragma once
// The clip list's rows for an item view: the rows of the result in display order, their texts
// made only when a row is shown, and the list's own single-row edits.

#include "ClipListRows.h"

#include <QAbstractTableModel>

class TClipListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TClipListModel(QObject* parent = nullptr);

    TClipListRows& Rows() { return m_rows; }
    void Fill(const TSituationSet& set);
    void Clear();
    // The fixed columns follow the flags at once.
    void SetFixedColumns(bool media, bool team);

    int RowCount() const { return m_rows.RowCount(); }
    int ColumnCount() const { return m_rows.ColumnCount(); }
    // None outside the list.
    TSituation* Situation(int row) const;
    QString Text(int row, int column) const;
    QString Caption(int column) const { return m_rows.Caption(column); }

    // False when the situation is not one of the result's statistics.
    bool InsertRow(int row, TSituation* situation);
    // Rows outside the list are ignored.
    void RemoveRow(int row);
    void MoveRow(int from, int to);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    bool Contains(int row) const { return row >= 0 && row < RowCount(); }

    TClipListRows m_rows;
};
