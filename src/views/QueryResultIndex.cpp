#include "QueryResultIndex.h"

#include "ClipListModel.h"
#include "Observing.h"
#include "UntStatistics.h"

#include "Situation.h"

#include <QHeaderView>

TQueryResultIndex::TQueryResultIndex(QWidget* parent)
    : QTreeView(parent), m_rows(new TClipListModel(this)) {
    setModel(m_rows);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    header()->setStretchLastSection(false);
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(false);
    header()->setMinimumSectionSize(10);
    connect(header(), &QHeaderView::sectionClicked, this, &TQueryResultIndex::HeaderClicked);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (m_quiet > 0) {
            return;
        }
        const QModelIndexList rows = selectionModel()->selectedRows();
        if (!rows.isEmpty()) {
            UserSelected(rows.first().row());
        }
    });
    LayColumns();
}

TQueryResultIndex::~TQueryResultIndex() {
    StopObserving(m_result, static_cast<IQueryResultObserver*>(this));
    if (m_mediaController) {
        m_mediaController->RemoveListener(this);
    }
}

bool TQueryResultIndex::ShowMediaColumns() const {
    return m_rows->Rows().ShowMediaColumns();
}

void TQueryResultIndex::SetShowMediaColumns(bool show) {
    if (show != ShowMediaColumns() && !show) {
        m_rows->SetFixedColumns(false, ShowTeamColumns());
        m_grownWidths.clear();
        LayColumns();
    }
}

bool TQueryResultIndex::ShowTeamColumns() const {
    return m_rows->Rows().ShowTeamColumns();
}

void TQueryResultIndex::SetShowTeamColumns(bool show) {
    if (show != ShowTeamColumns() && !show) {
        m_rows->SetFixedColumns(ShowMediaColumns(), false);
        m_grownWidths.clear();
        LayColumns();
    }
}

TSituation* TQueryResultIndex::SelectedSituation() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : m_rows->Situation(rows.first().row());
}

int TQueryResultIndex::RowCount() const {
    return m_rows->RowCount();
}

QStringList TQueryResultIndex::Captions() const {
    QStringList captions;
    for (int c = 0; c < m_rows->ColumnCount(); ++c) {
        captions << m_rows->Caption(c);
    }
    return captions;
}

QString TQueryResultIndex::Text(int row, int column) const {
    return m_rows->Text(row, column);
}

TSituation* TQueryResultIndex::Situation(int row) const {
    return m_rows->Situation(row);
}

void TQueryResultIndex::SetResultModel(std::shared_ptr<IQueryResultModel> model) {
    Observe(m_result, std::move(model), static_cast<IQueryResultObserver*>(this));
}

void TQueryResultIndex::QueryModelChanged(IQueryModel&) {
    ++m_quiet;
    m_rows->Clear();
    m_textWidths.clear();
    LayColumns();
    --m_quiet;
}

void TQueryResultIndex::SetMediaController(std::shared_ptr<IMediaController> mediaController) {
    m_mediaController = std::move(mediaController);
}

void TQueryResultIndex::Fill(IQueryResultModel& model) {
    ++m_quiet;
    setUpdatesEnabled(false);
    m_rows->Fill(model.GetSituationSet());
    LayColumns();
    WidenColumns(0, m_rows->RowCount() - 1);
    SelectQuietly(0);
    setUpdatesEnabled(true);
    --m_quiet;
}

// Fixed columns keep the widths they have grown to; question columns start anew.
void TQueryResultIndex::LayColumns() {
    TClipListRows& rows = m_rows->Rows();
    const int fixed = rows.FixedColumnCount();
    m_grownWidths.resize(static_cast<std::size_t>(fixed));
    for (int c = 0; c < rows.ColumnCount(); ++c) {
        if (c >= static_cast<int>(m_grownWidths.size())) {
            m_grownWidths.push_back(rows.InitialWidth(c));
        } else if (m_grownWidths[static_cast<std::size_t>(c)] == 0) {
            m_grownWidths[static_cast<std::size_t>(c)] = rows.InitialWidth(c);
        }
        header()->resizeSection(c, m_grownWidths[static_cast<std::size_t>(c)]);
    }
}

// Each column grows to its widest text plus 16 pixels and never shrinks. A full fill
// measures each distinct text once; a single row only its own texts.
void TQueryResultIndex::WidenColumns(int firstRow, int lastRow) {
    if (lastRow < firstRow) {
        return;
    }
    TClipListRows& rows = m_rows->Rows();
    for (int c = static_cast<int>(m_grownWidths.size()); c < rows.ColumnCount(); ++c) {
        m_grownWidths.push_back(rows.InitialWidth(c)); // a column an inserted row brought
        header()->resizeSection(c, m_grownWidths.back());
    }
    const bool whole = firstRow == 0 && lastRow == m_rows->RowCount() - 1;
    const std::vector<std::vector<QString>> distinct =
        whole ? rows.DistinctTexts() : std::vector<std::vector<QString>>();
    for (int c = 0; c < m_rows->ColumnCount(); ++c) {
        int width = 0;
        if (whole) {
            for (const QString& text : distinct[static_cast<std::size_t>(c)]) {
                width = std::max(width, TextWidth(text));
            }
        } else {
            for (int r = firstRow; r <= lastRow; ++r) {
                width = std::max(width, TextWidth(m_rows->Text(r, c)));
            }
        }
        int& grown = m_grownWidths[static_cast<std::size_t>(c)];
        if (grown < width + 16) {
            grown = width + 16;
            header()->resizeSection(c, grown);
        }
    }
}

// Refills of the same document show mostly the same texts again.
int TQueryResultIndex::TextWidth(const QString& text) {
    const auto found = m_textWidths.constFind(text);
    if (found != m_textWidths.constEnd()) {
        return *found;
    }
    const int width = fontMetrics().horizontalAdvance(text);
    m_textWidths.insert(text, width);
    return width;
}

void TQueryResultIndex::SelectQuietly(int row) {
    ++m_quiet;
    if (row < 0 || row >= m_rows->RowCount()) {
        selectionModel()->clear();
        --m_quiet;
        if (OnSelectSituation) {
            OnSelectSituation(nullptr);
        }
        return;
    }
    const QModelIndex index = m_rows->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    scrollTo(index, QAbstractItemView::EnsureVisible);
    --m_quiet;
    if (OnSelectSituation) {
        OnSelectSituation(m_rows->Situation(row));
    }
}

void TQueryResultIndex::UserSelected(int row) {
    if (!m_mediaController) {
        return;
    }
    const bool stopped = m_mediaController->IsStopped();
    if (m_mediaController->GetMode() == 0) {
        m_mediaController->SetPosition(m_rows->Situation(row)->EndingTime());
        SelectQuietly(row);
    } else {
        m_mediaController->PlayClip(row);
    }
    if (stopped && !m_mediaController->GetMediaFile().isEmpty()) {
        m_mediaController->Pause();
    }
}

void TQueryResultIndex::HeaderClicked(int column) {
    if (!m_result || column < 0 || column >= m_rows->ColumnCount()) {
        return;
    }
    m_result->SortBy(m_rows->Caption(column));
    header()->setSortIndicatorShown(true);
    header()->setSortIndicator(
        column, m_result->GetSituationSet().Ascending() ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void TQueryResultIndex::ClipInserted(TSituation* situation, int index) {
    ++m_quiet;
    const bool inserted = m_rows->InsertRow(index, situation);
    --m_quiet;
    if (!inserted) {
        return;
    }
    index = std::clamp(index, 0, m_rows->RowCount() - 1);
    WidenColumns(index, index);
    SelectQuietly(index);
    if (m_mediaController) {
        const bool stopped = m_mediaController->IsStopped();
        m_mediaController->PlayClip(index);
        if (stopped && !m_mediaController->GetMediaFile().isEmpty()) {
            m_mediaController->Pause();
        }
    }
    scrollTo(m_rows->index(index, 0));
}

void TQueryResultIndex::ClipDeleted(TSituation*, int index) {
    const int count = m_rows->RowCount();
    if (index < 0 || index >= count) {
        return;
    }
    ++m_quiet;
    m_rows->RemoveRow(index);
    --m_quiet;
    if (index < m_rows->RowCount()) {
        SelectQuietly(index);
    } else if (index == count - 1 && m_rows->RowCount() > 0) {
        SelectQuietly(m_rows->RowCount() - 1);
    }
}

void TQueryResultIndex::ClipUpdated(TSituation* situation, int index) {
    if (index < 0 || index >= m_rows->RowCount()) {
        return;
    }
    ++m_quiet;
    setUpdatesEnabled(false);
    m_rows->RemoveRow(index);
    const bool inserted = m_rows->InsertRow(index, situation);
    setUpdatesEnabled(true);
    --m_quiet;
    if (inserted) {
        WidenColumns(index, index);
        SelectQuietly(index);
    }
}

void TQueryResultIndex::ClipMovedDown(int index) {
    if (index < 0 || index >= m_rows->RowCount() - 1) {
        return;
    }
    ++m_quiet;
    m_rows->MoveRow(index, index + 1);
    --m_quiet;
}

void TQueryResultIndex::ClipMovedUp(int index) {
    if (index <= 0 || index >= m_rows->RowCount()) {
        return;
    }
    ++m_quiet;
    m_rows->MoveRow(index, index - 1);
    --m_quiet;
}

void TQueryResultIndex::ClipChanged(int index, int) {
    SelectQuietly(index);
}
