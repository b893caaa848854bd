#include "QueryResultTable.h"

#include "ResultTableGrid.h"
#include "StringGridModel.h"
#include "ViewColours.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>

TQueryResultTable::TQueryResultTable(QWidget* parent)
    : QTableView(parent), m_cells(new TStringGridModel(this)) {
    PrepareStringGrid(*this, *m_cells, kDefaultColumnWidth,
                      [this](QPainter& painter, const QStyleOptionViewItem& option, int column,
                             int row) { PaintCell(painter, option, column, row); });
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(kDefaultColumnWidth);
    // A release over a header cell follows the table's click rule too.
    horizontalHeader()->viewport()->installEventFilter(this);
}

TQueryResultTable::~TQueryResultTable() {
    StopObserving(m_definition, this);
    StopObserving(m_result, static_cast<IQueryResultObserver*>(this));
}

int TQueryResultTable::ColumnCount() const {
    return m_cells->ColumnCount();
}

int TQueryResultTable::RowCount() const {
    return m_cells->RowCount();
}

QString TQueryResultTable::Cell(int column, int row) const {
    return m_cells->Cell(column, row);
}

void TQueryResultTable::SetResultModel(std::shared_ptr<IQueryResultModel> model) {
    Observe(m_result, std::move(model), static_cast<IQueryResultObserver*>(this));
}

void TQueryResultTable::SetDefinitionModel(std::shared_ptr<IQueryDefinitionModel> definition) {
    Observe(m_definition, std::move(definition), this);
}

void TQueryResultTable::DefinitionRebuilt(IQueryDefinitionModel& definition) {
    BuildLayout(definition);
    viewport()->update();
}

void TQueryResultTable::CategoriesChanged(IQueryDefinitionModel& definition) {
    BuildLayout(definition);
    if (m_result) {
        FillCounts(*m_result);
    }
    viewport()->update();
}

void TQueryResultTable::ResultChanged(IQueryResultModel& model) {
    FillCounts(model);
    viewport()->update();
}

void TQueryResultTable::BuildLayout(IQueryDefinitionModel& definition) {
    m_grid = std::make_unique<TResultTableGrid>(definition);
    Publish(*m_grid);
}

void TQueryResultTable::FillCounts(IQueryResultModel& model) {
    if (!m_grid || !m_definition) {
        return;
    }
    m_grid->FillCounts(model);
    Publish(*m_grid);
}

void TQueryResultTable::Publish(TResultTableGrid& grid) {
    TStringGridModel::TColumns columns(static_cast<std::size_t>(grid.ColumnCount()));
    for (int c = 0; c < grid.ColumnCount(); ++c) {
        auto& column = columns[static_cast<std::size_t>(c)];
        column.reserve(static_cast<std::size_t>(grid.RowCount()));
        for (int r = 0; r < grid.RowCount(); ++r) {
            column.push_back(grid.Cell(c, r));
        }
    }
    m_cells->SetCells(std::move(columns), grid.RowCount());
    WidenColumns();
}

// Columns grow to their widest text plus 5 pixels and never shrink; the table is small, so
// every cell is measured.
void TQueryResultTable::WidenColumns() {
    if (!m_result || !m_definition) {
        return;
    }
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const QFontMetrics headerMetrics = horizontalHeader()->fontMetrics();
    for (int c = 0; c < ColumnCount(); ++c) {
        int width = headerMetrics.horizontalAdvance(Cell(c, 0)) + 5;
        for (int r = 1; r < RowCount(); ++r) {
            width = std::max(width, metrics.horizontalAdvance(Cell(c, r)) + 5);
        }
        if (columnWidth(c) < width) {
            setColumnWidth(c, width);
        }
    }
}

void TQueryResultTable::PaintCell(QPainter& painter, const QStyleOptionViewItem& option, int column,
                                  int row) {
    const QRect rect = option.rect;
    const QPalette& palette = option.palette;
    const QString text = Cell(column, row);
    painter.setFont(option.font);
    if (!m_result || !m_definition) {
        painter.fillRect(rect, palette.base());
        painter.setPen(palette.color(QPalette::Text));
        painter.drawText(rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
        return;
    }
    const int lastColumn = ColumnCount() - 1;
    const int lastRow = RowCount() - 1;
    QColor background = palette.color(QPalette::Window);
    QColor foreground = palette.color(QPalette::Text);
    if (row == 1 && column == 0) {
        // the corner: window background only
    } else if (column == lastColumn || row == lastRow) {
        QFont bold = option.font;
        bold.setBold(true);
        painter.setFont(bold);
        if (row >= 2 && column >= 1) {
            background = InactiveCaptionTextColour();
        }
    } else if (row == 1 || column == 0) {
        const QString category =
            row == 1 ? m_definition->GetSecondaryCategory() : m_definition->GetPrimaryCategory();
        if (m_definition->IsValueSelected(category, text)) {
            background = palette.color(QPalette::Highlight);
            foreground = palette.color(QPalette::HighlightedText);
        }
    } else {
        background = InactiveCaptionTextColour();
    }
    painter.fillRect(rect, background);
    painter.setPen(foreground);
    if (column == 0) {
        painter.drawText(rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
    } else {
        painter.drawText(rect.adjusted(0, 2, -3, 0), Qt::AlignRight | Qt::AlignTop, text);
    }
}

// Both texts are read before the first toggle: toggling the row refills and reorders the
// table at once, and the column's cell would then hold another value.
void TQueryResultTable::ClickCell(int column, int row) {
    if (!m_definition || column < 0 || row < 0 || column >= ColumnCount() || row >= RowCount()) {
        return;
    }
    const QString primaryValue = Cell(0, row);
    const QString secondaryValue = Cell(column, 1);
    const QString primary = m_definition->GetPrimaryCategory();
    const QString secondary = m_definition->GetSecondaryCategory();
    const bool toggleRow = row >= 1 && row < RowCount() - 1;
    const bool toggleColumn = column < ColumnCount() - 1;
    if (toggleRow) {
        m_definition->ToggleValue(primary, primaryValue);
    }
    if (toggleColumn) {
        m_definition->ToggleValue(secondary, secondaryValue);
    }
}

bool TQueryResultTable::eventFilter(QObject* watched, QEvent* event) {
    if (watched == horizontalHeader()->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const int x = static_cast<QMouseEvent*>(event)->position().toPoint().x();
        const int column = horizontalHeader()->logicalIndexAt(x);
        if (column >= 0) {
            ClickCell(column, 0);
        }
    }
    return QTableView::eventFilter(watched, event);
}

void TQueryResultTable::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) {
        ClickCell(index.column(), index.row() + 1);
    }
}
