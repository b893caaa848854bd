#pragma once
// The cells of the statistics table: row 0 holds the primary and the secondary category name,
// row 1 the secondary values and "Total", then one row per primary value and the "Total" row;
// column 0 the primary values. With m primary and n secondary values the grid has m + 3 rows
// of n + 2 cells.

#include <QString>

#include <vector>

class IQueryDefinitionModel;

// The exchange procedure that orders the table and the filter grids by count: for each i,
// every later j whose total is larger swaps places with i; equal totals are never exchanged.
// Gives, for each position, the index of the item that ends up there.
std::vector<int> ExchangeOrder(std::vector<int> totals);
class IQueryResultModel;

class TResultTableGrid {
public:
    // The layout of the definition's categories, values in property order, counts empty.
    explicit TResultTableGrid(IQueryDefinitionModel& definition);

    // Writes the cross counts, then orders the value columns and rows by their totals,
    // largest first, exchanging as the table always has: equal totals are never exchanged.
    void FillCounts(IQueryResultModel& result);

    int RowCount() const { return static_cast<int>(m_cells.size()); }
    int ColumnCount() const { return m_cells.empty() ? 0 : static_cast<int>(m_cells[0].size()); }
    const QString& Cell(int column, int row) const {
        return m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }

private:
    QString& At(int column, int row) {
        return m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }
    void OrderColumns();
    void OrderRows();

    std::vector<std::vector<QString>> m_cells; // by row
};
