#include "StringGridModel.h"

#include <QHeaderView>
#include <QPainter>
#include <QTableView>

namespace {
const QString kEmpty;
}

TStringGridModel::TStringGridModel(QObject* parent) : QAbstractTableModel(parent) {
    m_columns.resize(1);
    m_columns[0].resize(2);
}

void TStringGridModel::SetCells(TColumns columns, int rowCount) {
    rowCount = std::max(rowCount, 2);
    if (columns.empty()) {
        columns.resize(1);
    }
    for (auto& column : columns) {
        column.resize(static_cast<std::size_t>(rowCount));
    }
    if (columns.size() == m_columns.size() && rowCount == m_rowCount) {
        m_columns = std::move(columns);
        emit headerDataChanged(Qt::Horizontal, 0, ColumnCount() - 1);
        emit dataChanged(index(0, 0), index(m_rowCount - 2, ColumnCount() - 1));
        return;
    }
    beginResetModel();
    m_columns = std::move(columns);
    m_rowCount = rowCount;
    endResetModel();
}

const QString& TStringGridModel::Cell(int column, int row) const {
    if (column < 0 || column >= ColumnCount() || row < 0 || row >= m_rowCount) {
        return kEmpty;
    }
    return m_columns[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)];
}

int TStringGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rowCount - 1;
}

int TStringGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount();
}

QVariant TStringGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const int row = index.row() + 1;
    if (role == Qt::DisplayRole) {
        return Cell(index.column(), row);
    }
    if (role == Qt::AccessibleTextRole) {
        return accessibleText ? accessibleText(index.column(), row) : Cell(index.column(), row);
    }
    return {};
}

QVariant TStringGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal &&
        (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)) {
        return Cell(section, 0);
    }
    if (orientation == Qt::Vertical && role == Qt::DisplayRole) {
        return section + 1;
    }
    return {};
}

void PrepareStringGrid(
    QTableView& view, TStringGridModel& cells, int columnWidth,
    std::function<void(QPainter&, const QStyleOptionViewItem&, int, int)> painter) {
    view.setModel(&cells);
    view.setItemDelegate(new TGridCellDelegate(std::move(painter), &view));
    view.setSelectionMode(QAbstractItemView::NoSelection);
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.verticalHeader()->hide();
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // 16 pixels, or what the font needs so that no text is cut.
    view.verticalHeader()->setDefaultSectionSize(std::max(16, view.fontMetrics().height() + 4));
    view.horizontalHeader()->setDefaultSectionSize(columnWidth);
    view.horizontalHeader()->setHighlightSections(false);
    view.horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void TGridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    painter->save();
    m_painter(*painter, option, index.column(), index.row() + 1);
    painter->restore();
}
