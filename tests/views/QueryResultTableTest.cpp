#include "QueryResultTable.h"

#include "ViewsFixture.h"

#include <QAccessible>
#include <QHeaderView>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using TRows = std::vector<QStringList>;

TRows Rows(const TQueryResultTable& table) {
    TRows rows;
    for (int row = 0; row < table.RowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table.ColumnCount(); ++column) {
            cells << table.Cell(column, row);
        }
        rows.push_back(cells);
    }
    return rows;
}

struct TTable {
    explicit TTable(TViewsFixture& fixture) {
        table.resize(500, 300);
        fixture.AttachDefinitionView(table);
        fixture.AttachResultView(table);
        fixture.Start();
    }
    TQueryResultTable table;
};

struct TLayoutCase {
    const char* primary;
    const char* secondary;
    TRows rows;
};

TEST(QueryResultTableTest, LayoutsForEachCombinationOfCategories) {
    const std::vector<TLayoutCase> cases = {
        {"",
         "",
         {{
              "",
              "",
          },
          {"", "Total"},
          {"Total", "5"}}},
        {"",
         "Clip Type",
         {{"", "Clip Type", "", ""}, {"", "Attack", "Corner", "Total"}, {"Total", "3", "2", "5"}}},
        {"Clip Type",
         "",
         {{"Clip Type", ""}, {"", "Total"}, {"Attack", "3"}, {"Corner", "2"}, {"Total", "5"}}},
        // Rows by total: Tigers first; Bears and Lions tie and end in exchange order.
        {"Team",
         "Clip Type",
         {{"Team", "Clip Type", "", ""},
          {"", "Attack", "Corner", "Total"},
          {"Tigers", "2", "1", "3"},
          {"Lions", "1", "0", "1"},
          {"Bears", "0", "1", "1"},
          {"Total", "3", "2", "5"}}},
        // A name without a property counts as no category.
        {"Nothing", "", {{"Nothing", ""}, {"", "Total"}, {"Total", "5"}}},
    };
    for (const TLayoutCase& c : cases) {
        SCOPED_TRACE(std::string(c.primary) + " x " + c.secondary);
        TViewsFixture fixture;
        TTable table(fixture);
        fixture.definition->SetPrimaryCategory(c.primary);
        fixture.definition->SetSecondaryCategory(c.secondary);
        EXPECT_EQ(Rows(table.table), c.rows);
    }
}

TEST(QueryResultTableTest, ARebuildLaysOutWithoutCounts) {
    TViewsFixture fixture;
    TTable table(fixture);
    fixture.definition->SetSecondaryCategory("Clip Type");
    table.table.DefinitionRebuilt(*fixture.definition);
    EXPECT_EQ(Rows(table.table), (TRows{{"", "Clip Type", "", ""},
                                        {"", "Attack", "Corner", "Total"},
                                        {"Total", "", "", ""}}));
}

TEST(QueryResultTableTest, ACountCellTogglesItsOwnRowAndColumnValues) {
    TViewsFixture fixture;
    TTable table(fixture);
    fixture.definition->SetPrimaryCategory("Team");
    fixture.definition->SetSecondaryCategory("Clip Type");
    // Bears x Corner; selecting Bears reorders the columns (Corner first) at once.
    ASSERT_EQ(table.table.Cell(0, 4), "Bears");
    ASSERT_EQ(table.table.Cell(2, 1), "Corner");
    table.table.show();
    const QRect cell = table.table.visualRect(table.table.model()->index(3, 2));
    QTest::mouseClick(table.table.viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_TRUE(fixture.definition->IsValueSelected("Team", "Bears"));
    EXPECT_TRUE(fixture.definition->IsValueSelected("Clip Type", "Corner"));
    EXPECT_FALSE(fixture.definition->IsValueSelected("Clip Type", "Attack"));
    EXPECT_EQ(table.table.Cell(table.table.ColumnCount() - 1, table.table.RowCount() - 1), "1");
}

TEST(QueryResultTableTest, TotalsAndHeadersToggleAlongOneAxisAtMost) {
    TViewsFixture fixture;
    TTable table(fixture);
    fixture.definition->SetPrimaryCategory("Clip Type");
    fixture.definition->SetSecondaryCategory("Team");
    const int totalRow = table.table.RowCount() - 1;
    const int totalColumn = table.table.ColumnCount() - 1;
    // Row "Total", column of Tigers: only the column's value.
    ASSERT_EQ(table.table.Cell(1, 1), "Tigers");
    table.table.ClickCell(1, totalRow);
    EXPECT_EQ(fixture.definition->GetSelectedPropertyCount(), 1);
    EXPECT_TRUE(fixture.definition->IsValueSelected("Team", "Tigers"));
    fixture.definition->ToggleValue("Team", "Tigers");
    // Column "Total", row of Attack: only the row's value.
    ASSERT_EQ(table.table.Cell(0, 2), "Attack");
    table.table.ClickCell(totalColumn, 2);
    EXPECT_EQ(fixture.definition->GetSelectedPropertyCount(), 1);
    EXPECT_TRUE(fixture.definition->IsValueSelected("Clip Type", "Attack"));
    fixture.definition->ToggleValue("Clip Type", "Attack");
    // The grand total and the corner cells toggle nothing.
    table.table.ClickCell(totalColumn, totalRow);
    table.table.ClickCell(0, 1);
    table.table.ClickCell(0, 0);
    EXPECT_EQ(fixture.definition->GetSelectedPropertyCount(), 0);
    // A click on a header cell toggles that column's value.
    table.table.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&table.table));
    const int x = table.table.horizontalHeader()->sectionViewportPosition(1) + 3;
    QTest::mouseClick(table.table.horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
    EXPECT_TRUE(fixture.definition->IsValueSelected("Team", "Tigers"));
}

TEST(QueryResultTableTest, SelectedValuesAreHighlighted) {
    TViewsFixture fixture;
    TTable table(fixture);
    fixture.definition->SetPrimaryCategory("Clip Type");
    fixture.definition->ToggleValue("Clip Type", "Corner");
    table.table.show();
    // Corner now has the larger total and comes first.
    ASSERT_EQ(table.table.Cell(0, 2), "Corner");
    ASSERT_EQ(table.table.Cell(0, 3), "Attack");
    const QPalette palette = table.table.palette();
    const auto pixel = [&](int row) {
        const QRect rect = table.table.visualRect(table.table.model()->index(row - 1, 0));
        return table.table.viewport()->grab(rect).toImage().pixelColor(1, 1);
    };
    EXPECT_EQ(pixel(2), palette.color(QPalette::Highlight));
    EXPECT_EQ(pixel(3), palette.color(QPalette::Window));
}

TEST(QueryResultTableTest, CellsAndHeadersAreAccessible) {
    TViewsFixture fixture;
    TTable table(fixture);
    fixture.definition->SetPrimaryCategory("Clip Type");
    table.table.show();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&table.table);
    ASSERT_NE(accessible, nullptr);
    QAccessibleTableInterface* cells = accessible->tableInterface();
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->columnDescription(0), "Clip Type");
    EXPECT_EQ(cells->cellAt(1, 0)->text(QAccessible::Name), "Attack");
    EXPECT_EQ(cells->cellAt(1, 1)->text(QAccessible::Name), "3");
}

} // namespace
