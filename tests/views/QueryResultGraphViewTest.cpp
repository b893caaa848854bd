#include "QueryResultGraphView.h"

#include "BarChartWidget.h"
#include "ViewsFixture.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace {

// Series as "title: label=value, ..." in chart order.
QStringList Series(TQueryResultGraphView& graph) {
    QStringList all;
    TBarChart& chart = graph.Chart();
    for (int s = 0; s < chart.SeriesCount(); ++s) {
        QStringList bars;
        for (int b = 0; b < chart.Series(s).BarCount(); ++b) {
            bars << chart.Series(s).Label(b) + "=" + QString::number(chart.Series(s).Value(b));
        }
        all << chart.Series(s).Title() + ": " + bars.join(", ");
    }
    return all;
}

struct TGraph {
    explicit TGraph(TViewsFixture& fixture) {
        fixture.AttachDefinitionView(graph);
        fixture.AttachResultView(graph);
        fixture.Start();
    }
    // A click on bar b of series s: the chart reports the bar, then the release.
    void Click(int s, int b) {
        graph.Chart().ClickBar(s, b);
        graph.Chart().ReleaseMouse();
    }
    TQueryResultGraphView graph;
};

struct TSeriesCase {
    const char* primary;
    const char* secondary;
    QStringList series;
};

TEST(QueryResultGraphViewTest, SeriesForEachCombinationOfCategories) {
    const std::vector<TSeriesCase> cases = {
        {"", "", {"Total: Total=5"}},
        // Property order, zero-height bars included.
        {"Outcome", "", {"Total: Goal=3, Saved=1"}},
        {"", "Clip Type", {"Attack: Total=3", "Corner: Total=2"}},
        {"Team",
         "Clip Type",
         {"Attack: Bears=0, Lions=1, Tigers=2", "Corner: Bears=1, Lions=0, Tigers=1"}},
    };
    for (const TSeriesCase& c : cases) {
        SCOPED_TRACE(std::string(c.primary) + " x " + c.secondary);
        TViewsFixture fixture;
        TGraph graph(fixture);
        fixture.definition->SetPrimaryCategory(c.primary);
        fixture.definition->SetSecondaryCategory(c.secondary);
        EXPECT_EQ(Series(graph.graph), c.series);
    }
}

TEST(QueryResultGraphViewTest, FollowsTheSelection) {
    TViewsFixture fixture;
    TGraph graph(fixture);
    fixture.definition->SetPrimaryCategory("Clip Type");
    fixture.definition->ToggleValue("Team", "Lions");
    EXPECT_EQ(Series(graph.graph), (QStringList{"Total: Attack=1, Corner=0"}));
}

TEST(QueryResultGraphViewTest, ClicksToggleTheValuesThatAreNotTotals) {
    TViewsFixture fixture;
    TGraph graph(fixture);
    // Neither category: the one bar toggles nothing.
    graph.Click(0, 0);
    EXPECT_EQ(fixture.definition->GetSelectedPropertyCount(), 0);

    // A bar of the series "Total": only its primary value.
    fixture.definition->SetPrimaryCategory("Clip Type");
    graph.Click(0, 1);
    EXPECT_TRUE(fixture.definition->IsValueSelected("Clip Type", "Corner"));
    EXPECT_EQ(fixture.definition->GetSelectedPropertyCount(), 1);
    fixture.definition->ToggleValue("Clip Type", "Corner");

    // A bar labelled "Total": only its secondary value.
    fixture.definition->SetPrimaryCategory("");
    fixture.definition->SetSecondaryCategory("Team");
    graph.Click(2, 0);
    EXPECT_TRUE(fixture.definition->IsValueSelected("Team", "Tigers"));
    EXPECT_EQ(fixture.definition->GetSelectedPropertyCount(), 1);
}

TEST(QueryResultGraphViewTest, TwoClicksOnOneBarSelectAndDeselectBothValues) {
    TViewsFixture fixture;
    TGraph graph(fixture);
    fixture.definition->SetPrimaryCategory("Team");
    fixture.definition->SetSecondaryCategory("Clip Type");
    graph.Click(1, 0); // Corner x Bears
    EXPECT_TRUE(fixture.definition->IsValueSelected("Team", "Bears"));
    EXPECT_TRUE(fixture.definition->IsValueSelected("Clip Type", "Corner"));
    EXPECT_EQ(fixture.result->GetSituationSet().Count(), 1);
    graph.Click(1, 0);
    EXPECT_EQ(fixture.definition->GetSelectedPropertyCount(), 0);
    // A release without a bar under the pointer does nothing.
    graph.graph.Chart().ReleaseMouse();
    EXPECT_EQ(fixture.definition->GetSelectedPropertyCount(), 0);
}

TEST(QueryResultGraphViewTest, WithoutOpenGlThePageSaysSoAndStillFollowsTheResult) {
    if (qgetenv("QT_QPA_PLATFORM") != "offscreen") {
        GTEST_SKIP() << "only offscreen has no OpenGL";
    }
    TViewsFixture fixture;
    TGraph graph(fixture);
    EXPECT_FALSE(graph.graph.ChartWidget()->HasGraph());
    auto* notice = graph.graph.findChild<QLabel*>("GraphNotice");
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->text().contains("OpenGL"));
    fixture.definition->SetPrimaryCategory("Clip Type");
    EXPECT_EQ(graph.graph.Chart().SeriesCount(), 1);
}

TEST(QueryResultGraphViewTest, LeavesTheResultModelWhenDestroyed) {
    TViewsFixture fixture;
    auto graph = std::make_unique<TGraph>(fixture);
    graph.reset();
    fixture.definition->SetPrimaryCategory("Clip Type");
    fixture.definition->ToggleValue("Clip Type", "Attack");
    EXPECT_EQ(fixture.result->GetSituationSet().Count(), 3);
}

} // namespace
