#pragma once
// The 3D bar graph of the cross table: primary values across, one row of bars in depth per
// secondary value, bar heights the cross counts. A click on a bar toggles its values.

#include "Agents.h"
#include "BarChart.h"
#include "Observing.h"

#include <QWidget>

#include <memory>

class TBarChartWidget;

class TQueryResultGraphView final : public QWidget,
                                    public IQueryDefinitionView,
                                    public IQueryResultView,
                                    public TResultChangeObserver {
    Q_OBJECT
public:
    explicit TQueryResultGraphView(QWidget* parent = nullptr);
    // Leaves the result model it observes.
    ~TQueryResultGraphView() override;

    TBarChart& Chart() { return m_chart; }
    TBarChartWidget* ChartWidget() const { return m_chartWidget; }

    // IQueryDefinitionView: the graph keeps the definition but does not observe it.
    void SetDefinitionModel(std::shared_ptr<IQueryDefinitionModel> definition) override {
        m_definition = std::move(definition);
    }
    std::shared_ptr<IQueryDefinitionModel> GetDefinitionModel() override { return m_definition; }
    void SetDefinitionController(IQueryDefinitionController*) override {}
    // IQueryResultView
    void SetResultModel(std::shared_ptr<IQueryResultModel> model) override;
    std::shared_ptr<IQueryResultModel> GetResultModel() override { return m_result; }
    void QueryModelChanged(IQueryModel&) override {}
    void SetMediaController(std::shared_ptr<IMediaController>) override {}
    // IQueryResultObserver
    void ResultChanged(IQueryResultModel& model) override;

private:
    void Rebuild(IQueryResultModel& model);
    TBarSeries& SeriesFor(const QString& title);
    void BarClicked(int seriesIndex, int barIndex);
    void MouseReleased();

    std::shared_ptr<IQueryDefinitionModel> m_definition;
    std::shared_ptr<IQueryResultModel> m_result;
    TBarChart m_chart;
    TBarChartWidget* m_chartWidget;
    QString m_pendingPrimary;
    QString m_pendingSecondary;
};
