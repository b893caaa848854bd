#include "QueryResultIndex.h"

#include "MediaControllerDouble.h"
#include "ViewsFixture.h"

#include "Situation.h"

#include <QAccessible>
#include <QHeaderView>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QStringList kFixed = {"Date", "Name", "Team 1",    "Team 2",
                            "From", "To",   "Clip Team", "Clip Type"};

class QueryResultIndexTest : public ::testing::Test {
protected:
    void SetUp() override {
        list.resize(900, 300);
        list.OnSelectSituation = [this](TSituation* situation) { reported.push_back(situation); };
        fixture.AttachResultView(list);
        list.SetMediaController(media);
    }
    QStringList Row(int row) const {
        QStringList texts;
        for (int column = 0; column < list.Captions().size(); ++column) {
            texts << list.Text(row, column);
        }
        return texts;
    }
    QStringList ClipTypes() const {
        QStringList types;
        for (int row = 0; row < list.RowCount(); ++row) {
            types << list.Text(row, static_cast<int>(list.Captions().indexOf("Clip Type")));
        }
        return types;
    }
    int SelectedRow() const {
        const QModelIndexList rows = list.selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    }
    void ClickRow(int row) {
        list.show();
        const QRect rect = list.visualRect(list.model()->index(row, 0));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rect.center());
    }

    TViewsFixture fixture;
    std::shared_ptr<TMediaControllerDouble> media = std::make_shared<TMediaControllerDouble>();
    TQueryResultIndex list;
    std::vector<TSituation*> reported;
};

TEST_F(QueryResultIndexTest, AFillListsTheResultInDisplayOrderAndReportsTheFirstRow) {
    fixture.Start();
    ASSERT_EQ(list.RowCount(), 5);
    EXPECT_EQ(list.Captions(), (kFixed + QStringList{"Outcome", "Zone", "Delivery"}));
    EXPECT_EQ(Row(0), (QStringList{"2006/08/05", "Cup", "Lions", "Tigers", "00:01:00", "00:01:10",
                                   "Lions", "Attack", "Goal", "Left", ""}));
    // Day 0 at midnight shows no time; a situation without Zone leaves that column empty.
    EXPECT_EQ(Row(3), (QStringList{"2006/08/12", "League", "Tigers", "Bears", "", "00:00:08",
                                   "Bears", "Corner", "Goal", "", "Outswinger"}));
    ASSERT_FALSE(reported.empty());
    EXPECT_EQ(reported.back(), list.Situation(0));
    EXPECT_EQ(list.SelectedSituation(), list.Situation(0));
    EXPECT_TRUE(media->log.empty());
}

TEST_F(QueryResultIndexTest, AnEmptyResultLeavesNoRowAndReportsNone) {
    fixture.Start();
    fixture.definition->ToggleValue("Team", "Lions");
    fixture.definition->ToggleValue("Clip Type", "Corner");
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_EQ(list.Captions(), kFixed);
    ASSERT_FALSE(reported.empty());
    EXPECT_EQ(reported.back(), nullptr);
    EXPECT_EQ(list.SelectedSituation(), nullptr);
}

TEST_F(QueryResultIndexTest, TheMediaControllerMovesTheSelectionWithoutASecondPlay) {
    fixture.Start();
    list.ClipChanged(3, 5);
    EXPECT_EQ(SelectedRow(), 3);
    EXPECT_EQ(reported.back(), list.Situation(3));
    list.ClipChanged(-1, 5);
    EXPECT_EQ(SelectedRow(), -1);
    EXPECT_EQ(reported.back(), nullptr);
    EXPECT_TRUE(media->log.empty());
}

struct TUserSelectionCase {
    int mode;
    bool stopped;
    const char* file;
    std::vector<std::string> calls;
    bool reportedAtOnce;
};

TEST_F(QueryResultIndexTest, AUserSelectionPlaysOrPositionsAndPausesAStoppedPlayer) {
    fixture.Start();
    const double ending = list.Situation(2)->EndingTime();
    const std::vector<TUserSelectionCase> cases = {
        {1, true, "cup.mp4", {"PlayClip 2", "Pause"}, false},
        {1, true, "", {"PlayClip 2"}, false},
        {1, false, "cup.mp4", {"PlayClip 2"}, false},
        {0, true, "cup.mp4", {"SetPosition " + std::to_string(ending), "Pause"}, true},
        {0, false, "cup.mp4", {"SetPosition " + std::to_string(ending)}, true},
    };
    for (const TUserSelectionCase& c : cases) {
        SCOPED_TRACE(c.mode * 100 + c.stopped * 10 + (*c.file != 0));
        list.ClipChanged(0, 5);
        media->mode = c.mode;
        media->stopped = c.stopped;
        media->mediaFile = c.file;
        media->log.clear();
        reported.clear();
        ClickRow(2);
        EXPECT_EQ(media->log, c.calls);
        EXPECT_EQ(!reported.empty() && reported.back() == list.Situation(2), c.reportedAtOnce);
    }
}

TEST_F(QueryResultIndexTest, WithoutAMediaControllerAUserSelectionDoesNothing) {
    fixture.Start();
    list.SetMediaController(nullptr);
    ClickRow(1);
    EXPECT_TRUE(media->log.empty());
}

TEST_F(QueryResultIndexTest, AHeaderClickSortsByItsCaptionAndMarksTheDirection) {
    fixture.Start();
    list.show();
    QHeaderView* header = list.header();
    const int column = static_cast<int>(list.Captions().indexOf("Clip Type"));
    const auto click = [&] {
        const int x = header->sectionViewportPosition(column) + 5;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
    };
    click();
    EXPECT_EQ(ClipTypes(), (QStringList{"Attack", "Attack", "Attack", "Corner", "Corner"}));
    EXPECT_TRUE(header->isSortIndicatorShown());
    EXPECT_EQ(header->sortIndicatorSection(), column);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
    click();
    EXPECT_EQ(ClipTypes(), (QStringList{"Corner", "Corner", "Attack", "Attack", "Attack"}));
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
}

TEST_F(QueryResultIndexTest, WithoutTeamColumnsARefillDropsTheQuestionColumnsAfterThem) {
    list.SetShowTeamColumns(false);
    fixture.Start();
    EXPECT_EQ(list.Captions(), (QStringList{"Date", "Name", "From", "To", "Clip Type", "Outcome",
                                            "Zone", "Delivery"}));
    fixture.definition->ToggleValue("Clip Type", "Corner");
    EXPECT_EQ(list.Captions(),
              (QStringList{"Date", "Name", "From", "To", "Clip Type", "Delivery", "Outcome"}));
    list.SetShowTeamColumns(true); // does not bring them back
    EXPECT_FALSE(list.ShowTeamColumns());
}

TEST_F(QueryResultIndexTest, ColumnsStartAtTheLayoutWidthsAndOnlyGrow) {
    fixture.Start();
    EXPECT_EQ(list.header()->sectionSize(1), 60); // "Cup" and "League" are narrower
    const int outcome = static_cast<int>(list.Captions().indexOf("Outcome"));
    EXPECT_EQ(list.header()->sectionSize(outcome),
              list.fontMetrics().horizontalAdvance("Saved") + 16);
    const int date = list.header()->sectionSize(0);
    fixture.definition->ToggleValue("Clip Type", "Corner");
    EXPECT_EQ(list.header()->sectionSize(0), date);
}

TEST_F(QueryResultIndexTest, DeletingSelectsTheRowThatTakesTheIndexOrTheNewLast) {
    fixture.Start();
    TSituation* last = list.Situation(4);
    list.ClipDeleted(last, 4);
    EXPECT_EQ(list.RowCount(), 4);
    EXPECT_EQ(SelectedRow(), 3);
    TSituation* second = list.Situation(1);
    list.ClipDeleted(list.Situation(0), 0);
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_EQ(reported.back(), second);
    while (list.RowCount() > 1) {
        list.ClipDeleted(list.Situation(0), 0);
    }
    list.ClipChanged(-1, 1);
    list.ClipDeleted(list.Situation(0), 0);
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_EQ(SelectedRow(), -1);
    list.ClipDeleted(nullptr, 0); // nothing left to delete
}

TEST_F(QueryResultIndexTest, InsertedAndUpdatedRowsAreSelectedAndInsertionPlaysTheClip) {
    fixture.Start();
    TSituation* moved = list.Situation(4);
    list.ClipDeleted(moved, 4);
    media->log.clear();
    list.ClipInserted(moved, 1);
    EXPECT_EQ(list.Situation(1), moved);
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_EQ(media->log, (std::vector<std::string>{"PlayClip 1"}));
    TSituation* other = list.Situation(3);
    list.ClipUpdated(other, 1);
    EXPECT_EQ(list.Situation(1), other);
    EXPECT_EQ(list.RowCount(), 5);
    EXPECT_EQ(SelectedRow(), 1);
}

TEST_F(QueryResultIndexTest, MovesKeepTheSelectedStateAndIgnoreIndexesAtTheEnds) {
    fixture.Start();
    TSituation* first = list.Situation(0);
    TSituation* second = list.Situation(1);
    list.ClipMovedDown(0);
    EXPECT_EQ(list.Situation(0), second);
    EXPECT_EQ(list.Situation(1), first);
    EXPECT_EQ(SelectedRow(), 1);
    list.ClipMovedUp(1);
    EXPECT_EQ(list.Situation(0), first);
    EXPECT_EQ(SelectedRow(), 0);
    list.ClipMovedUp(0);
    list.ClipMovedDown(4);
    list.ClipMovedDown(-1);
    EXPECT_EQ(list.Situation(0), first);
    EXPECT_TRUE(media->log.empty());
}

TEST_F(QueryResultIndexTest, ANewDocumentEmptiesTheList) {
    fixture.Start();
    list.QueryModelChanged(fixture.queryModel);
    EXPECT_EQ(list.RowCount(), 0);
}

TEST_F(QueryResultIndexTest, RowsAndHeadersAreAccessible) {
    fixture.Start();
    list.show();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&list);
    ASSERT_NE(accessible, nullptr);
    QAccessibleTableInterface* table = accessible->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 5);
    EXPECT_EQ(table->columnDescription(1), "Name");
    EXPECT_EQ(table->cellAt(0, 1)->text(QAccessible::Name), "Cup");
    EXPECT_TRUE(table->cellAt(0, 1)->state().selected);
}

TEST_F(QueryResultIndexTest, LeavesTheModelAndTheMediaControllerWhenDestroyed) {
    auto other = std::make_unique<TQueryResultIndex>();
    fixture.AttachResultView(*other);
    other->SetMediaController(media);
    media->AddListener(other.get());
    other.reset();
    EXPECT_TRUE(media->listeners.empty());
    fixture.Start();
    EXPECT_EQ(list.RowCount(), 5);
}

} // namespace
