#include "BarChart.h"

void TBarSeries::AddBar(double value, const QString& label) {
    m_bars.push_back({value, label});
}

TBarChart::TBarChart(QObject* parent) : QObject(parent) {}

TBarChart::~TBarChart() = default;

void TBarChart::RemoveAllSeries() {
    m_series.clear();
}

TBarSeries& TBarChart::AddSeries(const QString& title) {
    m_series.push_back(std::make_unique<TBarSeries>(title));
    return *m_series.back();
}

TBarSeries* TBarChart::FindSeries(const QString& title) {
    for (const auto& series : m_series) {
        if (series->Title() == title) {
            return series.get();
        }
    }
    return nullptr;
}

void TBarChart::ClickBar(int seriesIndex, int barIndex) {
    if (seriesIndex < 0 || seriesIndex >= SeriesCount() || barIndex < 0 ||
        barIndex >= Series(seriesIndex).BarCount()) {
        return;
    }
    emit BarClicked(seriesIndex, barIndex);
}

void TBarChart::ReleaseMouse() {
    emit MouseReleased();
}
