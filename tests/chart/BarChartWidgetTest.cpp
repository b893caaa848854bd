// Runs under xvfb-run with Mesa's software OpenGL: the graph really renders here.

#include "BarChartWidget.h"

#include "BarChart.h"

#include <Q3DBars>
#include <QBar3DSeries>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void Fill(TBarChart& chart, int rows, int columns) {
    chart.RemoveAllSeries();
    for (int r = 0; r < rows; ++r) {
        TBarSeries& series = chart.AddSeries(QStringLiteral("row %1").arg(r));
        for (int c = 0; c < columns; ++c) {
            series.AddBar(r + c, QStringLiteral("col %1").arg(c));
        }
    }
    chart.Publish();
}

class BarChartWidgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        widget.resize(640, 480);
        widget.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
        if (!widget.HasGraph()) {
            GTEST_SKIP() << "no OpenGL context on " << qPrintable(QGuiApplication::platformName());
        }
    }
    TBarChart chart;
    TBarChartWidget widget{chart};
};

TEST_F(BarChartWidgetTest, DrawsSeriesAsRowsWithTheirValues) {
    Fill(chart, 2, 3);
    EXPECT_EQ(widget.RowLabels(), (QStringList{"row 0", "row 1"}));
    EXPECT_EQ(widget.ColumnLabels(), (QStringList{"col 0", "col 1", "col 2"}));
    EXPECT_EQ(widget.ValueMarkCount(), 6);
    QBar3DSeries* series = widget.Graph()->seriesList().at(0);
    EXPECT_EQ(series->dataProxy()->itemAt(1, 2)->value(), 3.0f);

    const QImage image = widget.Graph()->renderToImage(0, QSize(320, 240));
    ASSERT_FALSE(image.isNull());
    // Something besides the background is drawn.
    const QColor background = chart.Look().background;
    int drawn = 0;
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4) {
            drawn += image.pixelColor(x, y) != background;
        }
    }
    EXPECT_GT(drawn, 100);
}

TEST_F(BarChartWidgetTest, ManyBarsShowTheValueOfTheSelectedBarOnly) {
    Fill(chart, 10, 50);
    EXPECT_EQ(widget.ValueMarkCount(), 0);
    Fill(chart, 2, 2);
    EXPECT_EQ(widget.ValueMarkCount(), 4);
}

TEST_F(BarChartWidgetTest, AClickReportsTheBarThenTheReleaseAndClearsTheSelection) {
    Fill(chart, 2, 3);
    QSignalSpy clicked(&chart, &TBarChart::BarClicked);
    QSignalSpy released(&chart, &TBarChart::MouseReleased);
    Q3DBars* graph = widget.Graph();
    QBar3DSeries* series = graph->seriesList().at(0);
    for (int round = 0; round < 2; ++round) {
        // The press lands where no bar is; the bar is then selected as the graph would.
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton,
                          Qt::LeftButton, {});
        QGuiApplication::sendEvent(graph, &press);
        series->setSelectedBar(QPoint(1, 2));
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(1, 1), QPointF(1, 1),
                            Qt::LeftButton, Qt::NoButton, {});
        QGuiApplication::sendEvent(graph, &release);
        ASSERT_TRUE(released.wait(1000) || released.count() == round + 1);
        EXPECT_EQ(clicked.count(), round + 1);
        EXPECT_EQ(released.count(), round + 1);
        EXPECT_EQ(series->selectedBar(), QBar3DSeries::invalidSelectionPosition());
    }
    const QList<QVariant> arguments = clicked.takeFirst();
    EXPECT_EQ(arguments.at(1).toInt(), 2);
}

TEST_F(BarChartWidgetTest, AReleaseBeforeTheBarIsKnownWaitsForIt) {
    Fill(chart, 1, 2);
    QSignalSpy released(&chart, &TBarChart::MouseReleased);
    Q3DBars* graph = widget.Graph();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton,
                      Qt::LeftButton, {});
    QGuiApplication::sendEvent(graph, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton,
                        Qt::NoButton, {});
    QGuiApplication::sendEvent(graph, &release);
    QTest::qWait(50);
    EXPECT_EQ(released.count(), 0);
    graph->seriesList().at(0)->setSelectedBar(QPoint(0, 1));
    EXPECT_TRUE(released.wait(1000));
}

} // namespace
