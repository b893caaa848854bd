#pragma once
// The cells of a string grid for an item view: column c, row r as the grid sees them, row 0
// being the fixed header row that the view's horizontal header shows. Model row i is grid
// row i + 1. The view decides what a cell tells assistive technology.

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

#include <functional>
#include <vector>

class TStringGridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using TColumns = std::vector<std::vector<QString>>; // by column, then by grid row

    explicit TStringGridModel(QObject* parent = nullptr);

    // Every column is padded with empty cells to rowCount grid rows (at least 2). A grid of
    // the same shape only reports changed data, so that the views keep their scroll position.
    void SetCells(TColumns columns, int rowCount);
    int ColumnCount() const { return static_cast<int>(m_columns.size()); }
    int RowCount() const { return m_rowCount; }
    const QString& Cell(int column, int row) const;

    std::function<QString(int column, int row)> accessibleText;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    TColumns m_columns;
    int m_rowCount = 2;
};

// Hands the painting of each cell to its view; the grids paint their cells themselves.
class QTableView;

// A table view as a string grid over the cells: the view paints every cell, the definition
// holds the selection (the view's own only mirrors it for assistive technology), rows have
// one height and the header row shows grid row 0.
void PrepareStringGrid(
    QTableView& view, TStringGridModel& cells, int columnWidth,
    std::function<void(QPainter&, const QStyleOptionViewItem&, int, int)> painter);

class TGridCellDelegate final : public QStyledItemDelegate {
public:
    using TPainter =
        std::function<void(QPainter&, const QStyleOptionViewItem&, int column, int row)>;
    TGridCellDelegate(TPainter painter, QObject* parent)
        : QStyledItemDelegate(parent), m_painter(std::move(painter)) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    TPainter m_painter;
};
