// The result model evaluating a real query definition over tests/data/query-basic.vmi:
//   Cup (Lions-Tigers): 20 Attack 00:09:59 Lions, 30 Corner 00:10:00 Tigers,
//     100 Attack 00:55:00 Tigers, 40 attack 01:00:00 unknown team;
//   League (Tigers-Bears): 70 Corner 00:59:59 Tigers, 80 Attack 00:00:00 Bears.
//   Presentations: Best (20, 70), Review (20, 100).

#include "QueryResultModel.h"
#include "MatchStatFile.h"
#include "QueryDefinitionModel.h"
#include "QueryModel.h"
#include "TestSupport.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using TIds = std::vector<std::string>;

class TRecordingResultObserver final : public IQueryResultObserver {
public:
    TRecordingResultObserver(std::vector<std::string>& log, std::string name)
        : m_log(&log), m_name(std::move(name)) {}
    void ClipInserted(TSituation*, int) override {}
    void ClipDeleted(TSituation*, int) override {}
    void ClipUpdated(TSituation*, int) override {}
    void ResultChanged(IQueryResultModel& model) override {
        m_log->push_back(m_name + ":ResultChanged " +
                         std::to_string(model.GetCrossCount("Total", "Total")));
    }
    void SortChanged(IQueryResultModel&) override { m_log->push_back(m_name + ":SortChanged"); }
    void ClipMovedDown(int) override {}
    void ClipMovedUp(int) override {}

private:
    std::vector<std::string>* m_log;
    std::string m_name;
};

class QueryResultModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        m_document.LoadFromFile(testsupport::DataPath("query-basic.vmi"));
        m_queryModel.SetDocument(&m_document);
        m_definition.AddObserver(&m_result);
        m_result.AddObserver(&m_first);
        m_result.AddObserver(&m_second);
        m_result.SetQueryModel(m_queryModel);
        m_definition.Rebuild(m_queryModel);
        m_log.clear();
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    TIds Sorted() {
        TIds ids;
        TSituationSet& set = m_result.GetSituationSet();
        for (int i = 0; i < set.SortedCount(); ++i) {
            ids.push_back(set.SortedItem(i)->Id());
        }
        return ids;
    }

    TMatchStatFile m_document;
    TQueryModel m_queryModel{TLabelFormat::Fixed()};
    TQueryDefinitionModel m_definition;
    TQueryResultModel m_result;
    std::vector<std::string> m_log;
    TRecordingResultObserver m_first{m_log, "first"};
    TRecordingResultObserver m_second{m_log, "second"};
};

TEST_F(QueryResultModelTest, EvaluatesUnionWithinAndIntersectionAcrossPropertiesSortedByDate) {
    struct TCase {
        const char* name;
        std::vector<std::pair<QString, QString>> toggles;
        TIds expected; // sorted by "Date", ascending
    };
    const std::vector<TCase> cases = {
        {"everything", {}, {"20", "30", "100", "40", "80", "70"}},
        {"one value", {{"Outcome", "Goal"}}, {"20", "80", "70"}},
        {"union", {{"Outcome", "Saved"}}, {"20", "100", "80", "70"}},
        {"intersection", {{"Team 2", "Tigers"}}, {"20", "100"}},
        {"back to one property",
         {{"Outcome", "Goal"}, {"Outcome", "Saved"}},
         {"20", "30", "100", "40"}},
        {"a value nobody has",
         {{"Team 2", "Tigers"}, {"Clip Type", "Corner"}, {"Team", "Bears"}},
         {}},
    };
    for (const TCase& c : cases) {
        for (const auto& [property, value] : c.toggles) {
            m_definition.ToggleValue(property, value);
        }
        EXPECT_EQ(Sorted(), c.expected) << c.name;
    }
}

TEST_F(QueryResultModelTest, CountsEveryCategoryValueOfTheResult) {
    const std::string cup = "2006/08/05  Cup  Lions-Tigers  2:1";
    const std::vector<std::tuple<QString, QString, int>> all = {
        {"Medium", QString::fromStdString(cup), 4},
        {"Clip Type", "Attack", 3},
        {"Clip Type", "attack", 1},
        {"Team", "Tigers", 3},
        {"Team", "", 1},
        {"Team", "Referee", 1}, // the question named "Team"
        // The side of the situation's own team: home teams in "Team 1", the rest in "Team 2".
        {"Team 1", "Lions", 1},
        {"Team 1", "Tigers", 1},
        {"Team 2", "Tigers", 2},
        {"Team 2", "Bears", 1},
        {"Team 2", "", 1},
        {"Time Interval", "00:00:00 - 00:09:59", 2},
        {"Time Interval", "00:10:00 - 00:19:59", 1},
        {"Time Interval", "00:50:00 - 00:59:59", 2},
        {"Time Interval", "01:00:00 -", 1},
        {"Outcome", "Goal", 3},
        {"Outcome", "<None>", 1}, // an empty answer
        {"Zone", "Left", 2},
        {"Zone", "Right", 1},
        {"Zone", "<None>", 1},       // no answers
        {"Presentation", "Best", 2}, // 20's first presentation only
        {"Presentation", "Review", 1},
        {"Presentation", "<None>", 3},
        {"Clip Type", "Penalty", 0},
        {"Weather", "Rain", 0},
    };
    for (const auto& [category, value, count] : all) {
        EXPECT_EQ(m_result.GetCount(category, value), count)
            << category.toStdString() << "/" << value.toStdString();
    }
    m_definition.ToggleValue("Clip Type", "Attack");
    EXPECT_EQ(m_result.GetCount("Team 2", "Tigers"), 1);
    EXPECT_EQ(m_result.GetCount("Zone", "Left"), 2);
    EXPECT_EQ(m_result.GetCount("Clip Type", "Corner"), 0);
}

TEST_F(QueryResultModelTest, CrossCountsTabulatePrimaryBySecondaryWithTotals) {
    struct TCase {
        QString primary;
        QString secondary;
        std::vector<std::tuple<QString, QString, int>> cells;
    };
    const std::vector<TCase> cases = {
        {"Clip Type",
         "",
         {{"Attack", "Total", 3},
          {"Corner", "Total", 2},
          {"attack", "Total", 1},
          {"Total", "Total", 6},
          {"Total", "Attack", 0},
          {"Attack", "", 0}}},
        // The match's guest team for every situation, also those of the home team.
        {"Team 2",
         "Time Interval",
         {{"Tigers", "00:00:00 - 00:09:59", 1},
          {"Tigers", "00:50:00 - 00:59:59", 1},
          {"Tigers", "01:00:00 -", 1},
          {"Bears", "00:50:00 - 00:59:59", 1},
          {"Bears", "00:00:00 - 00:09:59", 1},
          {"Tigers", "Total", 4},
          {"Bears", "Total", 2},
          {"Total", "00:50:00 - 00:59:59", 2},
          {"Total", "Total", 6}}},
        // Two answers count once each; empty answers are left out, a question without
        // answers is "<None>".
        {"Zone",
         "",
         {{"Left", "Total", 2},
          {"Right", "Total", 1},
          {"<None>", "Total", 1},
          {"Total", "Total", 6}}},
        {"Outcome", "", {{"Goal", "Total", 3}, {"<None>", "Total", 0}, {"Total", "Total", 6}}},
        // An unknown team is "<None>"; situations without a presentation add to no column.
        {"Team",
         "Presentation",
         {{"Tigers", "Best", 1},
          {"Tigers", "Review", 1},
          {"Lions", "Best", 1},
          {"<None>", "Total", 1},
          {"Tigers", "Total", 3},
          {"Total", "Best", 2},
          {"Total", "Review", 1},
          {"Total", "Total", 6}}},
    };
    for (const TCase& c : cases) {
        m_definition.SetPrimaryCategory(c.primary);
        m_definition.SetSecondaryCategory(c.secondary);
        for (const auto& [row, column, count] : c.cells) {
            EXPECT_EQ(m_result.GetCrossCount(row, column), count)
                << c.primary.toStdString() << " x " << c.secondary.toStdString() << ": "
                << row.toStdString() << "/" << column.toStdString();
        }
    }
    // The selection narrows the table; the categories stay.
    m_definition.ToggleValue("Time Interval", "00:50:00 - 00:59:59");
    EXPECT_EQ(m_result.GetCrossCount("Tigers", "Best"), 1);
    EXPECT_EQ(m_result.GetCrossCount("Total", "Total"), 2);
}

TEST_F(QueryResultModelTest, TellsObserversOnceFinalAndInRegistrationOrder) {
    m_result.AddObserver(&m_first); // duplicates are allowed
    m_definition.ToggleValue("Outcome", "Goal");
    m_definition.SetPrimaryCategory("Team");
    m_result.SortBy("Team");
    m_result.SortBy("Team");
    m_result.RemoveObserver(&m_first);
    m_definition.ToggleValue("Outcome", "Goal");
    EXPECT_EQ(m_log, (std::vector<std::string>{
                         "first:ResultChanged 3", "second:ResultChanged 3", "first:ResultChanged 3",
                         "first:ResultChanged 3", "second:ResultChanged 3", "first:ResultChanged 3",
                         "first:SortChanged", "second:SortChanged", "first:SortChanged",
                         "first:SortChanged", "second:SortChanged", "first:SortChanged",
                         "second:ResultChanged 6", "first:ResultChanged 6"}));
    // The second SortBy with the same category reversed the order.
    EXPECT_FALSE(m_result.GetSituationSet().Ascending());
    EXPECT_EQ(Sorted(), (TIds{"100", "30", "70", "20", "80", "40"}));
}

TEST(QueryResultModel, WithoutStatisticsCountsNothingAndEvaluatesToNothing) {
    TQueryModel empty;
    TQueryDefinitionModel definition;
    TQueryResultModel result;
    definition.AddObserver(&result);
    result.SetQueryModel(empty);
    definition.Rebuild(empty);
    EXPECT_EQ(result.GetSituationSet().Count(), 0);
    EXPECT_EQ(result.GetCount("Clip Type", "Attack"), 0);
    EXPECT_EQ(result.GetCrossCount("Total", "Total"), 0);
}

} // namespace
