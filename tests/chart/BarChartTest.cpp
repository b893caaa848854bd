#include "BarChart.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

TEST(BarChartTest, SeriesAreFoundByTitleAndRemovedTogether) {
    TBarChart chart;
    TBarSeries& first = chart.AddSeries("Attack");
    first.AddBar(3, "Lions");
    chart.AddSeries("Corner");
    EXPECT_EQ(chart.FindSeries("Attack"), &first);
    EXPECT_EQ(chart.FindSeries("Missing"), nullptr);
    EXPECT_EQ(first.Label(0), "Lions");
    EXPECT_EQ(first.Value(0), 3);
    chart.RemoveAllSeries();
    EXPECT_EQ(chart.SeriesCount(), 0);
    EXPECT_EQ(chart.FindSeries("Attack"), nullptr);
}

TEST(BarChartTest, AClickOutsideTheBarsReportsNoBar) {
    TBarChart chart;
    chart.AddSeries("Total").AddBar(5, "Total");
    QSignalSpy clicked(&chart, &TBarChart::BarClicked);
    chart.ClickBar(0, 1);
    chart.ClickBar(1, 0);
    chart.ClickBar(-1, 0);
    EXPECT_EQ(clicked.count(), 0);
    chart.ClickBar(0, 0);
    EXPECT_EQ(clicked.count(), 1);
}

} // namespace
