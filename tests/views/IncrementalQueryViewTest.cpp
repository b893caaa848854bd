#include "IncrementalQueryView.h"

#include "ViewsFixture.h"

#include <QAccessible>
#include <QHeaderView>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace {

QStringList Column(const TIncrementalQueryView& grid, int column) {
    QStringList cells;
    for (int row = 0; row < grid.RowCount(); ++row) {
        cells << grid.Cell(column, row);
    }
    return cells;
}

QStringList Headers(const TIncrementalQueryView& grid) {
    QStringList headers;
    for (int column = 0; column < grid.ColumnCount(); ++column) {
        headers << grid.Cell(column, 0);
    }
    return headers;
}

struct TGrid {
    explicit TGrid(TViewsFixture& fixture, TPropertiesSelection mode,
                   QStringList properties = {"Clip Type", "Team", "Presentation"}) {
        grid.Properties = std::move(properties);
        grid.PropertiesSelection = mode;
        grid.resize(600, 300);
        fixture.AttachDefinitionView(grid);
        fixture.AttachResultView(grid);
    }
    TIncrementalQueryView grid;
};

// The counts a result model would give, for the ordering alone.
class TCountsDouble final : public IQueryResultModel {
public:
    std::map<QString, int> counts;
    void SetQueryModel(IQueryModel&) override {}
    void RecountCategories(IQueryDefinitionModel&) override {}
    int GetCount(const QString& category, const QString& value) override {
        auto it = counts.find(category + "/" + value);
        return it == counts.end() ? 0 : it->second;
    }
    int GetCrossCount(const QString&, const QString&) override { return 0; }
    TSituationSet& GetSituationSet() override { return m_set; }
    void Resort() override {}
    void SortBy(const QString&) override {}
    void AddObserver(IQueryResultObserver*) override {}
    void RemoveObserver(IQueryResultObserver*) override {}
    void SetServices(IQueryResultModelServices*) override {}

private:
    TSituationSet m_set;
};

// Pixels of one cell as painted on screen.
QImage CellImage(TIncrementalQueryView& grid, int column, int row) {
    grid.show();
    const QRect rect = grid.visualRect(grid.model()->index(row - 1, column));
    return grid.viewport()->grab(rect).toImage();
}

bool HasColour(const QImage& image, const QRect& area, const QColor& colour) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y) == colour) {
                return true;
            }
        }
    }
    return false;
}

bool HasDarkText(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y).lightness() < 100) {
                return true;
            }
        }
    }
    return false;
}

TEST(IncrementalQueryViewTest, IncludeShowsTheListedPropertiesThatExistInListOrder) {
    TViewsFixture fixture;
    TGrid grid(fixture, TPropertiesSelection::psInclude, {"Missing", "Team", "Clip Type"});
    fixture.Start();
    EXPECT_EQ(Headers(grid.grid), (QStringList{"Team", "Clip Type"}));
    // Rows: the header and the largest value count (Team: Bears, Lions, Tigers).
    EXPECT_EQ(grid.grid.RowCount(), 4);
    EXPECT_EQ(Column(grid.grid, 1), (QStringList{"Clip Type", "Attack", "Corner", ""}));
}

TEST(IncrementalQueryViewTest, ExcludeShowsEachQuestionOnceInDescriptorOrder) {
    TViewsFixture fixture;
    TGrid grid(fixture, TPropertiesSelection::psExclude);
    fixture.Start();
    // "Outcome" is described twice; "Unused" is answered nowhere and has no property.
    EXPECT_EQ(Headers(grid.grid), (QStringList{"Outcome", "Zone", "Delivery"}));
}

TEST(IncrementalQueryViewTest, WithoutPropertiesOneEmptyColumnRemains) {
    TViewsFixture fixture;
    TGrid grid(fixture, TPropertiesSelection::psInclude, {"Missing"});
    fixture.Start();
    EXPECT_EQ(grid.grid.ColumnCount(), 1);
    EXPECT_EQ(grid.grid.RowCount(), 2);
    EXPECT_EQ(Column(grid.grid, 0), (QStringList{"", ""}));
}

TEST(IncrementalQueryViewTest, ColumnsSortByDescendingCountKeepingTheExchangeOrder) {
    auto definition = std::make_shared<TQueryDefinitionModel>();
    for (const char* value : {"a", "b", "c", "d"}) {
        definition->AddValue("Clip Type", value);
    }
    auto counts = std::make_shared<TCountsDouble>();
    counts->counts = {
        {"Clip Type/a", 3}, {"Clip Type/b", 5}, {"Clip Type/c", 5}, {"Clip Type/d", 1}};
    TIncrementalQueryView grid;
    grid.Properties = {"Clip Type"};
    grid.SetDefinitionModel(definition);
    grid.SetResultModel(counts);
    grid.DefinitionRebuilt(*definition);
    EXPECT_EQ(Column(grid, 0), (QStringList{"Clip Type", "b", "c", "a", "d"}));
}

TEST(IncrementalQueryViewTest, ClickingTogglesAndResortsWithTheNewCounts) {
    TViewsFixture fixture;
    TGrid grid(fixture, TPropertiesSelection::psExclude);
    fixture.Start();
    ASSERT_EQ(Column(grid.grid, 0), (QStringList{"Outcome", "Goal", "Saved"}));
    grid.grid.show();
    const QRect saved = grid.grid.visualRect(grid.grid.model()->index(1, 0));
    QTest::mouseClick(grid.grid.viewport(), Qt::LeftButton, {}, saved.center());
    EXPECT_TRUE(fixture.definition->IsValueSelected("Outcome", "Saved"));
    EXPECT_EQ(fixture.result->GetSituationSet().Count(), 1);
    // Zone: neither value is left; Delivery: the one corner's.
    EXPECT_EQ(Column(grid.grid, 2), (QStringList{"Delivery", "Inswinger", "Outswinger"}));
    EXPECT_EQ(grid.grid.Count(2, 1), 1);
    EXPECT_EQ(grid.grid.Count(2, 2), 0);

    // The highlighted value is now in row 1; clicking it deselects.
    ASSERT_EQ(grid.grid.Cell(0, 1), "Saved");
    const QRect first = grid.grid.visualRect(grid.grid.model()->index(0, 0));
    QTest::mouseClick(grid.grid.viewport(), Qt::RightButton, {}, first.center());
    EXPECT_FALSE(fixture.definition->IsValueSelected("Outcome", "Saved"));
    EXPECT_EQ(fixture.result->GetSituationSet().Count(), 5);
}

TEST(IncrementalQueryViewTest, ClicksOnHeaderAndEmptyCellsChangeNothing) {
    TViewsFixture fixture;
    TGrid grid(fixture, TPropertiesSelection::psInclude);
    fixture.Start();
    grid.grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid.grid));
    // Clip Type has two values, Team three: row 3 of Clip Type is empty.
    ASSERT_EQ(grid.grid.Cell(0, 3), "");
    const QRect empty = grid.grid.visualRect(grid.grid.model()->index(2, 0));
    QTest::mouseClick(grid.grid.viewport(), Qt::LeftButton, {}, empty.center());
    const int header = grid.grid.horizontalHeader()->sectionViewportPosition(0) + 5;
    QTest::mouseClick(grid.grid.horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(header, 5));
    QTest::mouseClick(grid.grid.viewport(), Qt::LeftButton, {}, QPoint(590, 290));
    EXPECT_EQ(fixture.definition->GetSelectedPropertyCount(), 0);
    grid.grid.ClickCell(0, 0);
    EXPECT_EQ(fixture.definition->GetSelectedPropertyCount(), 0);
}

TEST(IncrementalQueryViewTest, PaintsSelectedNoResultAndOtherValues) {
    TViewsFixture fixture;
    TGrid grid(fixture, TPropertiesSelection::psExclude);
    fixture.Start();
    fixture.definition->ToggleValue("Outcome", "Saved");
    const QPalette palette = grid.grid.palette();
    const int width = grid.grid.columnWidth(0);
    const QRect textArea(2, 2, width - TIncrementalQueryView::kCountBoxWidth - 4, 10);
    const QRect countArea(width - TIncrementalQueryView::kCountBoxWidth + 2, 2,
                          TIncrementalQueryView::kCountBoxWidth - 4, 10);

    // Saved: highlighted, with its count.
    ASSERT_EQ(grid.grid.Cell(0, 1), "Saved");
    const QImage saved = CellImage(grid.grid, 0, 1);
    EXPECT_EQ(saved.pixelColor(1, 1), palette.color(QPalette::Highlight));
    EXPECT_TRUE(HasDarkText(saved, countArea));
    // Goal, in the selected property: normal colours, an empty count box.
    const QImage goal = CellImage(grid.grid, 0, 2);
    EXPECT_EQ(goal.pixelColor(1, 1), palette.color(QPalette::Base));
    EXPECT_FALSE(HasColour(goal, textArea, QColor(255, 0, 0)));
    EXPECT_TRUE(HasDarkText(goal, textArea));
    EXPECT_FALSE(HasDarkText(goal, countArea));
    // Zone's values would leave no situation: red, with their count 0.
    const QImage left = CellImage(grid.grid, 1, 1);
    EXPECT_TRUE(HasColour(left, textArea, QColor(255, 0, 0)));
    EXPECT_TRUE(HasDarkText(left, countArea));
    // Delivery's Inswinger has a count: drawn normally.
    const QImage inswinger = CellImage(grid.grid, 2, 1);
    EXPECT_FALSE(HasColour(inswinger, textArea, QColor(255, 0, 0)));
}

TEST(IncrementalQueryViewTest, ColumnsOnlyGrowToTheirTextsPlusTheCountBox) {
    TViewsFixture fixture;
    TGrid grid(fixture, TPropertiesSelection::psInclude, {"Medium"});
    fixture.Start();
    const int width = grid.grid.columnWidth(0);
    EXPECT_GE(width, grid.grid.fontMetrics().horizontalAdvance(grid.grid.Cell(0, 1)) + 30);
    fixture.definition->ToggleValue("Medium", grid.grid.Cell(0, 1));
    EXPECT_EQ(grid.grid.columnWidth(0), width);
}

TEST(IncrementalQueryViewTest, CellsTellAssistiveTechnologyTheirValueCountAndSelection) {
    TViewsFixture fixture;
    TGrid grid(fixture, TPropertiesSelection::psExclude);
    fixture.Start();
    fixture.definition->ToggleValue("Outcome", "Goal");
    grid.grid.show();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&grid.grid);
    ASSERT_NE(accessible, nullptr);
    QAccessibleTableInterface* table = accessible->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->columnCount(), 3);
    EXPECT_EQ(table->columnDescription(1), "Zone");
    QAccessibleInterface* goal = table->cellAt(0, 0);
    ASSERT_NE(goal, nullptr);
    EXPECT_EQ(goal->text(QAccessible::Name), "Goal, 3 situations");
    EXPECT_TRUE(goal->state().selected);
    EXPECT_EQ(table->cellAt(1, 0)->text(QAccessible::Name), "Saved");
    EXPECT_FALSE(table->cellAt(1, 0)->state().selected);
}

TEST(IncrementalQueryViewTest, LeavesTheModelsWhenDestroyed) {
    TViewsFixture fixture;
    auto grid = std::make_unique<TGrid>(fixture, TPropertiesSelection::psInclude);
    fixture.Start();
    grid.reset();
    fixture.definition->ToggleValue("Clip Type", "Attack");
    EXPECT_EQ(fixture.result->GetSituationSet().Count(), 3);
}

} // namespace
