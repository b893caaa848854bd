#include "IncrementalQueryView.h"

#include "ResultTableGrid.h"
#include "StringGridModel.h"
#include "ViewColours.h"

#include "MatchStatFile.h"
#include "QuestionDscr.h"
#include "SituationDscr.h"
#include "SituationFile.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TIncrementalQueryView::TIncrementalQueryView(QWidget* parent)
    : QTableView(parent), m_cells(new TStringGridModel(this)) {
    m_cells->accessibleText = [this](int column, int row) { return AccessibleText(column, row); };
    PrepareStringGrid(*this, *m_cells, kDefaultColumnWidth,
                      [this](QPainter& painter, const QStyleOptionViewItem& option, int column,
                             int row) { PaintCell(painter, option, column, row); });
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
}

TIncrementalQueryView::~TIncrementalQueryView() {
    StopObserving(m_definition, this);
    StopObserving(m_result, static_cast<IQueryResultObserver*>(this));
}

int TIncrementalQueryView::ColumnCount() const {
    return m_cells->ColumnCount();
}

int TIncrementalQueryView::RowCount() const {
    return m_cells->RowCount();
}

QString TIncrementalQueryView::Cell(int column, int row) const {
    return m_cells->Cell(column, row);
}

int TIncrementalQueryView::Count(int column, int row) const {
    if (!m_result || row < 1) {
        return 0;
    }
    return m_result->GetCount(Cell(column, 0), Cell(column, row));
}

void TIncrementalQueryView::SetDefinitionModel(std::shared_ptr<IQueryDefinitionModel> definition) {
    Observe(m_definition, std::move(definition), this);
}

void TIncrementalQueryView::SetResultModel(std::shared_ptr<IQueryResultModel> model) {
    Observe(m_result, std::move(model), static_cast<IQueryResultObserver*>(this));
    viewport()->update();
}

void TIncrementalQueryView::DefinitionRebuilt(IQueryDefinitionModel&) {
    BuildColumns();
    viewport()->update();
}

void TIncrementalQueryView::SelectionChanged(IQueryDefinitionModel&) {
    SortColumns();
    viewport()->update();
}

void TIncrementalQueryView::ResultChanged(IQueryResultModel&) {
    SortColumns();
    viewport()->update();
}

void TIncrementalQueryView::BuildColumns() {
    if (!m_definition) {
        return;
    }
    TColumns columns;
    if (PropertiesSelection == TPropertiesSelection::psInclude) {
        for (const QString& name : Properties) {
            if (std::shared_ptr<IQueryProperty> property = m_definition->FindProperty(name)) {
                AddColumn(columns, *property);
            }
        }
    } else if (TMatchStatFile* document = m_controller ? m_controller->GetDocument() : nullptr) {
        QStringList shown;
        for (const TSituationDscr* situation : document->SituationFile()->Situations()) {
            for (const TQuestionDscr* question : situation->Questions()) {
                const QString text = QString::fromUtf8(question->Text());
                if (shown.contains(text)) {
                    continue;
                }
                if (std::shared_ptr<IQueryProperty> property = m_definition->FindProperty(text)) {
                    shown << text;
                    AddColumn(columns, *property);
                }
            }
        }
    }
    int rowCount = 2;
    for (const auto& column : columns) {
        rowCount = std::max(rowCount, static_cast<int>(column.size()));
    }
    // A new set of columns starts from the default widths.
    for (int c = 0; c < m_cells->ColumnCount(); ++c) {
        setColumnWidth(c, kDefaultColumnWidth);
    }
    Publish(std::move(columns), rowCount);
    WidenColumns();
    SortColumns();
}

void TIncrementalQueryView::AddColumn(TColumns& columns, IQueryProperty& property) {
    std::vector<QString> column;
    const int count = property.GetValueCount();
    column.reserve(static_cast<std::size_t>(count) + 1);
    column.push_back(property.GetName());
    for (int i = 0; i < count; ++i) {
        column.push_back(property.GetValue(i)->GetText());
    }
    columns.push_back(std::move(column));
}

// The exchange sort by descending count; each column's counts are read once, which gives
// the order that reading them at every comparison gives.
void TIncrementalQueryView::SortColumns() {
    TColumns columns;
    columns.reserve(static_cast<std::size_t>(m_cells->ColumnCount()));
    for (int c = 0; c < m_cells->ColumnCount(); ++c) {
        std::vector<QString> column;
        column.reserve(static_cast<std::size_t>(RowCount()));
        column.push_back(Cell(c, 0));
        int filled = 1;
        while (filled < RowCount() && !Cell(c, filled).isEmpty()) {
            ++filled;
        }
        std::vector<int> counts;
        counts.reserve(static_cast<std::size_t>(filled - 1));
        for (int r = 1; r < filled; ++r) {
            counts.push_back(Count(c, r));
        }
        for (int index : ExchangeOrder(std::move(counts))) {
            column.push_back(Cell(c, index + 1));
        }
        columns.push_back(std::move(column));
    }
    Publish(std::move(columns), RowCount());
}

void TIncrementalQueryView::Publish(TColumns columns, int rowCount) {
    m_cells->SetCells(std::move(columns), rowCount);
    // Mirror the definition's selection for assistive technology.
    QItemSelection selection;
    if (m_definition) {
        for (int c = 0; c < ColumnCount(); ++c) {
            if (!m_definition->IsPropertySelected(Cell(c, 0))) {
                continue;
            }
            for (int r = 1; r < RowCount() && !Cell(c, r).isEmpty(); ++r) {
                if (m_definition->IsValueSelected(Cell(c, 0), Cell(c, r))) {
                    const QModelIndex index = m_cells->index(r - 1, c);
                    selection.select(index, index);
                }
            }
        }
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

// Columns grow to their widest text plus room for the count box; they never shrink. Only a
// build changes the texts; sorting only reorders them, so the widths stay.
void TIncrementalQueryView::WidenColumns() {
    if (!m_definition) {
        return;
    }
    const QFontMetrics metrics = fontMetrics();
    const QFontMetrics headerMetrics = horizontalHeader()->fontMetrics();
    for (int c = 0; c < ColumnCount(); ++c) {
        int width = headerMetrics.horizontalAdvance(Cell(c, 0)) + 30;
        for (int r = 1; r < RowCount() && !Cell(c, r).isEmpty(); ++r) {
            width = std::max(width, metrics.horizontalAdvance(Cell(c, r)) + 30);
        }
        if (columnWidth(c) < width) {
            setColumnWidth(c, width);
        }
    }
}

void TIncrementalQueryView::PaintCell(QPainter& painter, const QStyleOptionViewItem& option,
                                      int column, int row) {
    const QRect rect = option.rect;
    const QPalette& palette = option.palette;
    const QString& text = Cell(column, row);
    painter.fillRect(rect, palette.base());
    painter.setFont(option.font);
    if (m_definition && !text.isEmpty()) {
        const QString& header = Cell(column, 0);
        const bool selected = m_definition->IsValueSelected(header, text);
        const bool propertySelected = m_definition->IsPropertySelected(header);
        const int count = Count(column, row);
        QColor textColour = palette.color(QPalette::Text);
        if (selected) {
            painter.fillRect(rect, palette.highlight());
            textColour = palette.color(QPalette::HighlightedText);
        } else if (count == 0 && !propertySelected) {
            textColour = QColor(255, 0, 0); // choosing it would leave no situation
        }
        painter.setPen(textColour);
        const QRect textRect = rect.adjusted(2, 2, -kCountBoxWidth, 0);
        painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
        const QRect box(rect.right() - kCountBoxWidth + 1, rect.top(), kCountBoxWidth,
                        rect.height());
        painter.fillRect(box, InactiveCaptionTextColour());
        if (!propertySelected || selected) {
            painter.setPen(palette.color(QPalette::Text));
            painter.drawText(box.adjusted(0, 2, -3, 0), Qt::AlignRight | Qt::AlignTop,
                             QString::number(count));
        }
    } else if (!m_definition) {
        painter.setPen(palette.color(QPalette::Text));
        painter.drawText(rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
    }
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = rect;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

QString TIncrementalQueryView::AccessibleText(int column, int row) const {
    const QString& text = Cell(column, row);
    if (text.isEmpty() || !m_definition) {
        return text;
    }
    const QString& header = Cell(column, 0);
    if (m_definition->IsPropertySelected(header) && !m_definition->IsValueSelected(header, text)) {
        return text;
    }
    const int count = Count(column, row);
    return count == 1 ? tr("%1, 1 situation").arg(text)
                      : tr("%1, %2 situations").arg(text).arg(count);
}

void TIncrementalQueryView::ClickCell(int column, int row) {
    if (!m_definition || row < 1 || column < 0 || column >= ColumnCount() || row >= RowCount()) {
        return;
    }
    const QString header = Cell(column, 0);
    const QString text = Cell(column, row);
    if (header.isEmpty() || text.isEmpty()) {
        return;
    }
    m_definition->ToggleValue(header, text);
}

void TIncrementalQueryView::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) {
        ClickCell(index.column(), index.row() + 1);
    }
}

// Space toggles the value that has the keyboard focus, as a click does.
void TIncrementalQueryView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && currentIndex().isValid()) {
        ClickCell(currentIndex().column(), currentIndex().row() + 1);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}
