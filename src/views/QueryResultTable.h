#pragma once
// The statistics table: the cross table of the current result, primary values down the
// rows, secondary values along the columns, with totals, ordered by the totals. A click on
// a row or column value toggles it in the definition.

#include "Agents.h"
#include "Observing.h"

#include <QTableView>

#include <memory>

class TResultTableGrid;
class TStringGridModel;

class TQueryResultTable final : public QTableView,
                                public IQueryResultView,
                                public IQueryDefinitionView,
                                public IQueryDefinitionObserver,
                                public TResultChangeObserver {
    Q_OBJECT
public:
    static constexpr int kDefaultColumnWidth = 30;

    explicit TQueryResultTable(QWidget* parent = nullptr);
    // Leaves the models it observes.
    ~TQueryResultTable() override;

    // The table as cells: row 0 holds the category names.
    int ColumnCount() const;
    int RowCount() const;
    QString Cell(int column, int row) const;
    // What a mouse release on that cell does.
    void ClickCell(int column, int row);

    // IQueryResultView
    void SetResultModel(std::shared_ptr<IQueryResultModel> model) override;
    std::shared_ptr<IQueryResultModel> GetResultModel() override { return m_result; }
    void QueryModelChanged(IQueryModel&) override {}
    void SetMediaController(std::shared_ptr<IMediaController>) override {}
    // IQueryDefinitionView
    void SetDefinitionModel(std::shared_ptr<IQueryDefinitionModel> definition) override;
    std::shared_ptr<IQueryDefinitionModel> GetDefinitionModel() override { return m_definition; }
    void SetDefinitionController(IQueryDefinitionController*) override {}
    // IQueryDefinitionObserver
    void DefinitionRebuilt(IQueryDefinitionModel& definition) override;
    void SelectionChanged(IQueryDefinitionModel&) override { viewport()->update(); }
    void CategoriesChanged(IQueryDefinitionModel& definition) override;
    // IQueryResultObserver
    void ResultChanged(IQueryResultModel& model) override;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout(IQueryDefinitionModel& definition);
    void FillCounts(IQueryResultModel& model);
    void Publish(TResultTableGrid& grid);
    void PaintCell(QPainter& painter, const QStyleOptionViewItem& option, int column, int row);
    void WidenColumns();

    std::shared_ptr<IQueryResultModel> m_result;
    std::shared_ptr<IQueryDefinitionModel> m_definition;
    std::unique_ptr<TResultTableGrid> m_grid;
    TStringGridModel* m_cells;
};
