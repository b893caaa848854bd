#include "QueryResultGraphView.h"

#include "BarChartWidget.h"

#include <QVBoxLayout>

namespace {
const QString kTotal = QStringLiteral("Total");
}

TQueryResultGraphView::TQueryResultGraphView(QWidget* parent)
    : QWidget(parent), m_chartWidget(new TBarChartWidget(m_chart, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_chartWidget);
    connect(&m_chart, &TBarChart::BarClicked, this, &TQueryResultGraphView::BarClicked);
    connect(&m_chart, &TBarChart::MouseReleased, this, &TQueryResultGraphView::MouseReleased);
}

TQueryResultGraphView::~TQueryResultGraphView() {
    StopObserving(m_result, static_cast<IQueryResultObserver*>(this));
}

void TQueryResultGraphView::SetResultModel(std::shared_ptr<IQueryResultModel> model) {
    Observe(m_result, std::move(model), static_cast<IQueryResultObserver*>(this));
}

void TQueryResultGraphView::ResultChanged(IQueryResultModel& model) {
    if (m_definition && m_result) {
        Rebuild(model);
    }
}

TBarSeries& TQueryResultGraphView::SeriesFor(const QString& title) {
    if (TBarSeries* series = m_chart.FindSeries(title)) {
        return *series;
    }
    return m_chart.AddSeries(title);
}

void TQueryResultGraphView::Rebuild(IQueryResultModel& model) {
    m_chart.RemoveAllSeries();
    std::shared_ptr<IQueryProperty> primary =
        m_definition->FindProperty(m_definition->GetPrimaryCategory());
    std::shared_ptr<IQueryProperty> secondary =
        m_definition->FindProperty(m_definition->GetSecondaryCategory());
    if (primary && secondary) {
        for (int s = 0; s < secondary->GetValueCount(); ++s) {
            const QString secondaryValue = secondary->GetValue(s)->GetText();
            TBarSeries& series = SeriesFor(secondaryValue);
            for (int p = 0; p < primary->GetValueCount(); ++p) {
                const QString primaryValue = primary->GetValue(p)->GetText();
                series.AddBar(model.GetCrossCount(primaryValue, secondaryValue), primaryValue);
            }
        }
    } else if (primary) {
        TBarSeries& series = SeriesFor(kTotal);
        for (int p = 0; p < primary->GetValueCount(); ++p) {
            const QString primaryValue = primary->GetValue(p)->GetText();
            series.AddBar(model.GetCrossCount(primaryValue, kTotal), primaryValue);
        }
    } else if (secondary) {
        for (int s = 0; s < secondary->GetValueCount(); ++s) {
            const QString secondaryValue = secondary->GetValue(s)->GetText();
            SeriesFor(secondaryValue).AddBar(model.GetCrossCount(kTotal, secondaryValue), kTotal);
        }
    } else {
        SeriesFor(kTotal).AddBar(model.GetCrossCount(kTotal, kTotal), kTotal);
    }
    m_chart.Publish();
}

void TQueryResultGraphView::BarClicked(int seriesIndex, int barIndex) {
    const TBarSeries& series = m_chart.Series(seriesIndex);
    m_pendingSecondary = series.Title();
    m_pendingPrimary = series.Label(barIndex);
}

void TQueryResultGraphView::MouseReleased() {
    if (m_pendingPrimary.isEmpty() && m_pendingSecondary.isEmpty()) {
        return;
    }
    const QString secondaryValue = std::exchange(m_pendingSecondary, QString());
    const QString primaryValue = std::exchange(m_pendingPrimary, QString());
    if (!m_definition) {
        return;
    }
    // Read the categories before the first toggle rebuilds the chart.
    const QString primary = m_definition->GetPrimaryCategory();
    const QString secondary = m_definition->GetSecondaryCategory();
    if (secondaryValue != kTotal) {
        m_definition->ToggleValue(secondary, secondaryValue);
    }
    if (primaryValue != kTotal) {
        m_definition->ToggleValue(primary, primaryValue);
    }
}
