// The clip list's rows over tests/data/query-basic.vmi (see UntStatisticsTest.cpp for its
// situations), sorted by "Date": 20, 30, 100, 40 of the Cup, then 80 (time 0) and 70 of the
// League.

#include "ClipListRows.h"
#include "KivDateTime.h"
#include "LabelFormat.h"
#include "Match.h"
#include "MatchStatFile.h"
#include "Situation.h"
#include "TestSupport.h"
#include "UntStatistics.h"

#include <QLocale>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// Readable failure messages.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

class ClipListRowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        m_document.LoadFromFile(testsupport::DataPath("query-basic.vmi"));
        m_statistics = std::make_unique<TSituationStatistics>(m_document, TLabelFormat::Fixed());
        m_set.SetSortCategory("Date");
        Select({});
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    // The set of the clip types given, or of every situation.
    void Select(const std::vector<std::string>& clipTypes) {
        m_statistics->ClearSelections();
        for (const std::string& clipType : clipTypes) {
            m_statistics->SelectKey("Clip Type", clipType);
        }
        m_set.Clear();
        m_set.UnionWith(clipTypes.empty() ? m_statistics->Medium() : m_statistics->ClipType());
        m_set.BuildSortedView();
    }

    static QStringList Captions(const TClipListRows& rows) {
        QStringList captions;
        for (int c = 0; c < rows.ColumnCount(); ++c) {
            captions << rows.Caption(c);
        }
        return captions;
    }
    static std::vector<QStringList> Cells(const TClipListRows& rows) {
        std::vector<QStringList> cells;
        for (int r = 0; r < rows.RowCount(); ++r) {
            QStringList row;
            for (int c = 0; c < rows.ColumnCount(); ++c) {
                row << rows.Text(r, c);
            }
            cells.push_back(row);
        }
        return cells;
    }

    TMatchStatFile m_document;
    std::unique_ptr<TSituationStatistics> m_statistics;
    TSituationSet m_set;
};

TEST_F(ClipListRowsTest, ListsFixedColumnsThenQuestionsInTheOrderFirstMet) {
    TClipListRows rows;
    rows.Fill(m_set);
    // 20 brings Outcome and Zone, 30 the question without text, 40 a question named "Team";
    // 100's Zone has no answers and leaves its cell empty, as does 30's empty answer.
    EXPECT_EQ(Captions(rows),
              QStringList({"Date", "Name", "Team 1", "Team 2", "From", "To", "Clip Team",
                           "Clip Type", "Outcome", "Zone", "", "Team"}));
    EXPECT_EQ(rows.FixedColumnCount(), 8);
    const std::vector<QStringList> expected = {
        {"2006/08/05", "Cup", "Lions", "Tigers", "00:09:59", "00:10:10", "Lions", "Attack", "Goal",
         "Left & Right", "", ""},
        {"2006/08/05", "Cup", "Lions", "Tigers", "00:10:00", "00:10:30", "Tigers", "Corner", "", "",
         "Unasked", ""},
        {"2006/08/05", "Cup", "Lions", "Tigers", "00:55:00", "00:55:20", "Tigers", "Attack",
         "Saved", "", "", ""},
        {"2006/08/05", "Cup", "Lions", "Tigers", "01:00:00", "01:00:05", "", "attack", "", "", "",
         "Referee"},
        {"2006/08/12", "League", "Tigers", "Bears", "", "00:00:08", "Bears", "Attack", "Goal",
         "Left", "", ""},
        {"2006/08/12", "League", "Tigers", "Bears", "00:59:59", "01:00:10", "Tigers", "Corner",
         "Goal", "", "", ""},
    };
    EXPECT_EQ(Cells(rows), expected);
    std::vector<std::string> ids;
    for (int r = 0; r < rows.RowCount(); ++r) {
        ids.push_back(rows.Situation(r)->Id());
    }
    EXPECT_EQ(ids, (std::vector<std::string>{"20", "30", "100", "40", "80", "70"}));

    // Descending, the same columns in reverse row order.
    m_set.SetSortCategory("Date");
    m_set.BuildSortedView();
    rows.Fill(m_set);
    EXPECT_EQ(rows.Text(0, 5), "01:00:10");
    EXPECT_EQ(rows.Text(5, 4), "00:09:59");
}

TEST_F(ClipListRowsTest, HiddenColumnsAndANarrowerResultLeaveOnlyWhatIsShown) {
    TClipListRows rows;
    rows.SetShowTeamColumns(false);
    Select({"Corner"}); // 30, 70
    rows.Fill(m_set);
    EXPECT_EQ(Captions(rows),
              QStringList({"Date", "Name", "From", "To", "Clip Type", "Outcome", ""}));
    EXPECT_EQ(rows.FixedColumnCount(), 5);
    rows.SetShowMediaColumns(false);
    EXPECT_EQ(Captions(rows), QStringList({"From", "To", "Clip Type", "Outcome", ""}));
    EXPECT_EQ(rows.Text(1, 0), "00:59:59");

    // The rows keep the result they were filled from; a refill drops the question columns
    // that the new result does not answer.
    Select({"attack"});
    EXPECT_EQ(rows.RowCount(), 2);
    EXPECT_EQ(rows.Text(0, 2), "Corner");
    rows.Fill(m_set);
    EXPECT_EQ(Captions(rows), QStringList({"From", "To", "Clip Type", "Team"}));
    EXPECT_EQ(Cells(rows),
              (std::vector<QStringList>{{"01:00:00", "01:00:05", "attack", "Referee"}}));

    Select({"Penalty"});
    rows.Fill(m_set);
    EXPECT_EQ(rows.RowCount(), 0);
    EXPECT_EQ(Captions(rows), QStringList({"From", "To", "Clip Type"}));
}

TEST_F(ClipListRowsTest, EditsBetweenFillsMoveRowsAndOnlyEverAddColumns) {
    TClipListRows all;
    all.Fill(m_set);
    TSituation* const s40 = all.Situation(3);
    TClipListRows rows;
    EXPECT_FALSE(rows.InsertRow(0, s40)); // nothing filled: no statistics to read it from
    Select({"Corner"});                   // 30, 70
    rows.Fill(m_set);
    const auto ids = [&] {
        std::vector<std::string> list;
        for (int r = 0; r < rows.RowCount(); ++r) {
            list.push_back(rows.Situation(r)->Id());
        }
        return list;
    };
    ASSERT_TRUE(rows.InsertRow(1, s40));
    EXPECT_EQ(ids(), (std::vector<std::string>{"30", "40", "70"}));
    EXPECT_EQ(Captions(rows).mid(8), QStringList({"Outcome", "", "Team"}));
    EXPECT_EQ(rows.Text(1, 10), "Referee");
    rows.RemoveRow(0);
    rows.MoveRow(0, 1);
    EXPECT_EQ(ids(), (std::vector<std::string>{"70", "40"}));
    EXPECT_EQ(rows.ColumnCount(), 11);
    EXPECT_THROW(rows.RemoveRow(2), std::out_of_range);

    TMatchStatFile other;
    other.LoadFromFile(testsupport::DataPath("query-basic.vmi"));
    TSituationStatistics otherStatistics(other, TLabelFormat::Fixed());
    EXPECT_FALSE(rows.InsertRow(0, otherStatistics.Medium().EntrySituation(0)));
    EXPECT_EQ(rows.RowCount(), 2);
}

TEST_F(ClipListRowsTest, GivesEachColumnsDistinctTextsAndItsWidths) {
    TClipListRows rows;
    rows.Fill(m_set);
    const auto distinct = [&](int column) {
        std::vector<QString> texts = rows.DistinctTexts()[static_cast<std::size_t>(column)];
        std::sort(texts.begin(), texts.end());
        return QStringList(texts.begin(), texts.end());
    };
    EXPECT_EQ(distinct(3), QStringList({"Bears", "Tigers"}));
    EXPECT_EQ(distinct(6), QStringList({"", "Bears", "Lions", "Tigers"}));
    EXPECT_EQ(distinct(4).size(), 6);
    EXPECT_EQ(distinct(8), QStringList({"", "Goal", "Saved"}));
    EXPECT_EQ(distinct(9), QStringList({"", "Left", "Left & Right"}));

    EXPECT_EQ(rows.Column(0), TClipColumn::Date);
    EXPECT_EQ(rows.Column(8), TClipColumn::Question);
    EXPECT_EQ(std::make_pair(rows.InitialWidth(0), rows.MinimumWidth(0)), std::make_pair(80, 10));
    EXPECT_EQ(std::make_pair(rows.InitialWidth(4), rows.MinimumWidth(4)), std::make_pair(60, 0));
    EXPECT_EQ(std::make_pair(rows.InitialWidth(8), rows.MinimumWidth(8)), std::make_pair(10, 10));
}

// Each column's distinct texts are its cells' texts, each once; two clips starting in one
// second show one time, whatever their milliseconds.
TEST_F(ClipListRowsTest, DistinctTextsAreTheCellTextsEachOnce) {
    TMatch& match = *m_document.Matches().Items(0);
    TSituation& first = *match.Situations().Items(0);
    TSituation& second = *match.Situations().Items(1);
    const double day = static_cast<double>(kivdatetime::DayNumber(first.StartingTime()));
    first.SetStartingTime(day + kivdatetime::FromMs(61'200));
    second.SetStartingTime(day + kivdatetime::FromMs(61'700));
    TSituationStatistics statistics(m_document, TLabelFormat::Fixed());
    TSituationSet set;
    set.SetSortCategory("Date");
    set.UnionWith(statistics.Medium());
    set.BuildSortedView();
    TClipListRows rows;
    rows.Fill(set);

    const std::vector<std::vector<QString>> distinct = rows.DistinctTexts();
    ASSERT_EQ(distinct.size(), static_cast<std::size_t>(rows.ColumnCount()));
    for (int c = 0; c < rows.ColumnCount(); ++c) {
        QStringList cells;
        for (int r = 0; r < rows.RowCount(); ++r) {
            cells << rows.Text(r, c);
        }
        cells.removeDuplicates();
        cells.sort();
        QStringList texts(distinct[static_cast<std::size_t>(c)].begin(),
                          distinct[static_cast<std::size_t>(c)].end());
        texts.sort();
        EXPECT_EQ(texts, cells) << rows.Caption(c).toStdString();
    }
    EXPECT_EQ(std::count(distinct[4].begin(), distinct[4].end(), "00:01:01"), 1);
}

} // namespace
