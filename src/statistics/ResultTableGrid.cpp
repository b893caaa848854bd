#include "ResultTableGrid.h"

#include "Agents.h"
#include "CategoryNames.h"

#include <utility>

namespace {

const QString kTotal = QString::fromLatin1(category::kTotal);

int TotalOf(const QString& cell) {
    bool ok = false;
    const int total = cell.toInt(&ok);
    return ok ? total : -1;
}

} // namespace

std::vector<int> ExchangeOrder(std::vector<int> totals) {
    std::vector<int> order(totals.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = static_cast<int>(i);
    }
    for (std::size_t i = 0; i + 1 < totals.size(); ++i) {
        for (std::size_t j = i + 1; j < totals.size(); ++j) {
            if (totals[i] < totals[j]) {
                std::swap(totals[i], totals[j]);
                std::swap(order[i], order[j]);
            }
        }
    }
    return order;
}

TResultTableGrid::TResultTableGrid(IQueryDefinitionModel& definition) {
    const QString primaryName = definition.GetPrimaryCategory();
    const QString secondaryName = definition.GetSecondaryCategory();
    std::shared_ptr<IQueryProperty> primary = definition.FindProperty(primaryName);
    std::shared_ptr<IQueryProperty> secondary = definition.FindProperty(secondaryName);
    const int m = primary ? primary->GetValueCount() : 0;
    const int n = secondary ? secondary->GetValueCount() : 0;
    m_cells.assign(static_cast<std::size_t>(m + 3),
                   std::vector<QString>(static_cast<std::size_t>(n + 2)));
    At(0, 0) = primaryName;
    At(1, 0) = secondaryName;
    for (int i = 0; i < n; ++i) {
        At(1 + i, 1) = secondary->GetValue(i)->GetText();
    }
    At(n + 1, 1) = kTotal;
    for (int i = 0; i < m; ++i) {
        At(0, 2 + i) = primary->GetValue(i)->GetText();
    }
    At(0, m + 2) = kTotal;
}

void TResultTableGrid::FillCounts(IQueryResultModel& result) {
    for (int column = 1; column < ColumnCount(); ++column) {
        for (int row = 2; row < RowCount(); ++row) {
            At(column, row) = QString::number(result.GetCrossCount(Cell(0, row), Cell(column, 1)));
        }
    }
    OrderColumns();
    OrderRows();
}

void TResultTableGrid::OrderColumns() {
    const int n = ColumnCount() - 2;
    const int lastRow = RowCount() - 1;
    std::vector<int> totals;
    for (int column = 1; column <= n; ++column) {
        totals.push_back(TotalOf(Cell(column, lastRow)));
    }
    const std::vector<int> order = ExchangeOrder(totals);
    // Row 0 stays where it is.
    for (int row = 1; row <= lastRow; ++row) {
        std::vector<QString>& cells = m_cells[static_cast<std::size_t>(row)];
        std::vector<QString> values(cells.begin() + 1, cells.begin() + 1 + n);
        for (int i = 0; i < n; ++i) {
            cells[static_cast<std::size_t>(1 + i)] = values[static_cast<std::size_t>(order[i])];
        }
    }
}

void TResultTableGrid::OrderRows() {
    const int m = RowCount() - 3;
    const int lastColumn = ColumnCount() - 1;
    std::vector<int> totals;
    for (int row = 2; row < 2 + m; ++row) {
        totals.push_back(TotalOf(Cell(lastColumn, row)));
    }
    const std::vector<int> order = ExchangeOrder(totals);
    std::vector<std::vector<QString>> rows(m_cells.begin() + 2, m_cells.begin() + 2 + m);
    for (int i = 0; i < m; ++i) {
        m_cells[static_cast<std::size_t>(2 + i)] =
            std::move(rows[static_cast<std::size_t>(order[i])]);
    }
}
