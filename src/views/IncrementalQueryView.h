#pragma once
// The filter grid: one column per query property, its name in the header and its values
// below, each value with the number of situations of the current result that carry it.
// A click toggles the value in the definition; the columns are kept in descending count
// order. Selected values are highlighted; values that would leave no situation are red.

#include "Agents.h"
#include "Observing.h"

#include <QStringList>
#include <QTableView>

#include <memory>

class TStringGridModel;

enum class TPropertiesSelection { psInclude, psExclude };

class TIncrementalQueryView final : public QTableView,
                                    public IQueryDefinitionView,
                                    public IQueryDefinitionObserver,
                                    public IQueryResultView,
                                    public TResultChangeObserver {
    Q_OBJECT
public:
    static constexpr int kCountBoxWidth = 24;
    static constexpr int kDefaultColumnWidth = 64;

    explicit TIncrementalQueryView(QWidget* parent = nullptr);
    // Leaves the models it observes.
    ~TIncrementalQueryView() override;

    // With psInclude, the properties shown and their order; not used with psExclude, which
    // shows the question properties in the order of the document's situation descriptors.
    QStringList Properties;
    TPropertiesSelection PropertiesSelection = TPropertiesSelection::psInclude;

    // The grid as cells: row 0 holds the property names.
    int ColumnCount() const;
    int RowCount() const;
    QString Cell(int column, int row) const;
    // The number at the right of a value cell; 0 without a result model.
    int Count(int column, int row) const;
    // Toggles the value of a cell, as a click on it does; header and empty cells do nothing.
    void ClickCell(int column, int row);

    // IQueryDefinitionView
    void SetDefinitionModel(std::shared_ptr<IQueryDefinitionModel> definition) override;
    std::shared_ptr<IQueryDefinitionModel> GetDefinitionModel() override { return m_definition; }
    void SetDefinitionController(IQueryDefinitionController* controller) override {
        m_controller = controller;
    }
    // IQueryDefinitionObserver
    void DefinitionRebuilt(IQueryDefinitionModel& definition) override;
    void SelectionChanged(IQueryDefinitionModel& definition) override;
    void CategoriesChanged(IQueryDefinitionModel&) override {}
    // IQueryResultView
    void SetResultModel(std::shared_ptr<IQueryResultModel> model) override;
    std::shared_ptr<IQueryResultModel> GetResultModel() override { return m_result; }
    void QueryModelChanged(IQueryModel&) override {}
    void SetMediaController(std::shared_ptr<IMediaController>) override {}
    // IQueryResultObserver
    void ResultChanged(IQueryResultModel& model) override;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    using TColumns = std::vector<std::vector<QString>>;
    void BuildColumns();
    void AddColumn(TColumns& columns, IQueryProperty& property);
    void SortColumns();
    void Publish(TColumns columns, int rowCount);
    void WidenColumns();
    void PaintCell(QPainter& painter, const QStyleOptionViewItem& option, int column, int row);
    QString AccessibleText(int column, int row) const;

    std::shared_ptr<IQueryDefinitionModel> m_definition;
    std::shared_ptr<IQueryResultModel> m_result;
    IQueryDefinitionController* m_controller = nullptr;
    TStringGridModel* m_cells;
};
