#include "ClipListModel.h"

TClipListModel::TClipListModel(QObject* parent) : QAbstractTableModel(parent) {}

void TClipListModel::Fill(const TSituationSet& set) {
    beginResetModel();
    m_rows.Fill(set);
    endResetModel();
}

void TClipListModel::Clear() {
    beginResetModel();
    m_rows.Clear();
    endResetModel();
}

void TClipListModel::SetFixedColumns(bool media, bool team) {
    beginResetModel();
    m_rows.SetShowMediaColumns(media);
    m_rows.SetShowTeamColumns(team);
    endResetModel();
}

TSituation* TClipListModel::Situation(int row) const {
    return Contains(row) ? m_rows.Situation(row) : nullptr;
}

QString TClipListModel::Text(int row, int column) const {
    if (!Contains(row) || column < 0 || column >= ColumnCount()) {
        return {};
    }
    return m_rows.Text(row, column);
}

bool TClipListModel::InsertRow(int row, TSituation* situation) {
    row = std::clamp(row, 0, RowCount());
    const int columns = ColumnCount();
    // The rows decide whether the situation can be shown; the view hears of it afterwards.
    TClipListRows probe = m_rows;
    if (!probe.InsertRow(row, situation)) {
        return false;
    }
    if (probe.ColumnCount() > columns) {
        beginInsertColumns({}, columns, probe.ColumnCount() - 1);
        beginInsertRows({}, row, row);
        m_rows = std::move(probe);
        endInsertRows();
        endInsertColumns();
        return true;
    }
    beginInsertRows({}, row, row);
    m_rows = std::move(probe);
    endInsertRows();
    return true;
}

void TClipListModel::RemoveRow(int row) {
    if (!Contains(row)) {
        return;
    }
    beginRemoveRows({}, row, row);
    m_rows.RemoveRow(row);
    endRemoveRows();
}

void TClipListModel::MoveRow(int from, int to) {
    if (!Contains(from) || !Contains(to) || from == to) {
        return;
    }
    // Qt counts the destination before the row is taken out.
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    m_rows.MoveRow(from, to);
    endMoveRows();
}

int TClipListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RowCount();
}

int TClipListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount();
}

QVariant TClipListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) {
        return {};
    }
    return Text(index.row(), index.column());
}

QVariant TClipListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal &&
        (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) && section >= 0 &&
        section < ColumnCount()) {
        return Caption(section);
    }
    return {};
}
