// Situation indexes, selections, set operations and the sorted situation set, over a small
// hand-made media index (tests/data/query-basic.vmi):
//   Cup (05/08/2006, Lions-Tigers): 20 Attack 00:09:59 Lions, 30 Corner 00:10:00 Tigers,
//     100 Attack 00:55:00 Tigers, 40 attack 01:00:00 with an unknown team;
//   League (12/08/2006, Tigers-Bears): 70 Corner 00:59:59 Tigers, 80 Attack 00:00:00 Bears.

#include "UntStatistics.h"
#include "LabelFormat.h"
#include "MatchStatFile.h"
#include "NameOrder.h"
#include "SituationTable.h"
#include "TestSupport.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using TEntries = std::vector<std::pair<std::string, std::string>>;
using TIds = std::vector<std::string>;

class StatisticsTest : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        m_document.LoadFromFile(testsupport::DataPath("query-basic.vmi"));
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    TSituationStatistics& Build() {
        m_statistics = std::make_unique<TSituationStatistics>(m_document, TLabelFormat::Fixed());
        return *m_statistics;
    }

    static TEntries Entries(const TSituationIndex& index) {
        TEntries entries;
        for (int i = 0; i < index.EntryCount(); ++i) {
            entries.emplace_back(index.Key(i), index.EntrySituation(i)->Id());
        }
        return entries;
    }
    static TIds Selected(const TSituationIndex& index) {
        TIds ids;
        for (int i = 0; i < index.SelectedCount(); ++i) {
            ids.push_back(index.SelectedSituation(i)->Id());
        }
        return ids;
    }
    static TIds Items(const TSituationSet& set) {
        TIds ids;
        for (int i = 0; i < set.Count(); ++i) {
            ids.push_back(set.Items(i)->Id());
        }
        return ids;
    }
    static TIds Sorted(const TSituationSet& set) {
        TIds ids;
        for (int i = 0; i < set.SortedCount(); ++i) {
            ids.push_back(set.SortedItem(i)->Id());
        }
        return ids;
    }

    TMatchStatFile m_document;
    std::unique_ptr<TSituationStatistics> m_statistics;
};

TEST_F(StatisticsTest, IndexesListEveryCategoryWithSortedKeysAndLatestEntryFirst) {
    TSituationStatistics& statistics = Build();
    const std::string cup = "2006/08/05  Cup  Lions-Tigers  2:1";
    const std::string league = "2006/08/12  League  Tigers-Bears  0:0";
    const std::vector<std::pair<std::string, TEntries>> expected = {
        {"Clip Type",
         {{"Attack", "80"},
          {"Attack", "100"},
          {"Attack", "20"},
          {"Corner", "70"},
          {"Corner", "30"},
          {"attack", "40"}}},
        {"Medium",
         {{cup, "40"}, {cup, "100"}, {cup, "30"}, {cup, "20"}, {league, "80"}, {league, "70"}}},
        // An empty answer and a question without answers are "<None>"; a question with an
        // empty text has no index.
        {"Outcome",
         {{"<None>", "30"}, {"Goal", "80"}, {"Goal", "70"}, {"Goal", "20"}, {"Saved", "100"}}},
        // Listed under both presentations.
        {"Presentation", {{"Best", "70"}, {"Best", "20"}, {"Review", "100"}, {"Review", "20"}}},
        // An unknown team is the empty name; the question named "Team" adds to this index.
        {"Team",
         {{"", "40"},
          {"Bears", "80"},
          {"Lions", "20"},
          {"Referee", "40"},
          {"Tigers", "70"},
          {"Tigers", "100"},
          {"Tigers", "30"}}},
        // The match's home and guest teams, whichever team the situation concerns.
        {"Team 1",
         {{"Lions", "40"},
          {"Lions", "100"},
          {"Lions", "30"},
          {"Lions", "20"},
          {"Tigers", "80"},
          {"Tigers", "70"}}},
        {"Team 2",
         {{"Bears", "80"},
          {"Bears", "70"},
          {"Tigers", "40"},
          {"Tigers", "100"},
          {"Tigers", "30"},
          {"Tigers", "20"}}},
        {"Time Interval",
         {{"00:00:00 - 00:09:59", "80"},
          {"00:00:00 - 00:09:59", "20"},
          {"00:10:00 - 00:19:59", "30"},
          {"00:50:00 - 00:59:59", "70"},
          {"00:50:00 - 00:59:59", "100"},
          {"01:00:00 -", "40"}}},
        // Two answers put situation 20 in twice.
        {"Zone", {{"<None>", "100"}, {"Left", "80"}, {"Left", "20"}, {"Right", "20"}}},
    };
    ASSERT_EQ(statistics.Indexes().Count(), static_cast<int>(expected.size()));
    for (int i = 0; i < statistics.Indexes().Count(); ++i) {
        const TSituationIndex& index = statistics.Indexes().Items(i);
        EXPECT_EQ(index.Name(), expected[static_cast<std::size_t>(i)].first);
        EXPECT_EQ(Entries(index), expected[static_cast<std::size_t>(i)].second) << index.Name();
    }
    EXPECT_EQ(statistics.Medium().Name(), "Medium");
    EXPECT_EQ(statistics.TimeInterval().Name(), "Time Interval");

    // Only the first presentation is recorded for a situation.
    const TPresentationIndex& presentations = statistics.PresentationIndex();
    const auto* s20 = dynamic_cast<TSituation*>(m_document.FindById("20"));
    const auto* s30 = dynamic_cast<TSituation*>(m_document.FindById("30"));
    EXPECT_EQ(presentations.CountOf(s20), 1);
    EXPECT_EQ(presentations.PresentationOf(s20)->Text(), "Best");
    EXPECT_EQ(presentations.CountOf(s30), 0);
    EXPECT_EQ(presentations.PresentationOf(s30), nullptr);
}

TEST_F(StatisticsTest, LaterEntriesGoBeforeEqualKeysAndNewKeysInOrder) {
    TSituationStatistics& statistics = Build();
    TSituationIndex& clipType = statistics.ClipType();
    auto* s30 = dynamic_cast<TSituation*>(m_document.FindById("30"));
    clipType.Add("Attack", s30);
    clipType.Add("Block", s30);
    clipType.Add("Attack", s30);
    EXPECT_EQ(Entries(clipType), (TEntries{{"Attack", "30"},
                                           {"Attack", "30"},
                                           {"Attack", "80"},
                                           {"Attack", "100"},
                                           {"Attack", "20"},
                                           {"Block", "30"},
                                           {"Corner", "70"},
                                           {"Corner", "30"},
                                           {"attack", "40"}}));
    clipType.SelectKey("Block");
    EXPECT_EQ(Selected(clipType), (TIds{"30"}));
}

TEST_F(StatisticsTest, SituationsOfAMatchTakenOutOfTheDocumentAppearNowhere) {
    // As the repository does when a match's video is not found: the match's objects stay
    // alive and a scene still resolves to one of its situations.
    m_document.Matches().Remove(m_document.Matches().Items(1));
    ASSERT_NE(m_document.FindById("70"), nullptr);
    TSituationStatistics& statistics = Build();
    EXPECT_EQ(Entries(statistics.Presentation()),
              (TEntries{{"Best", "20"}, {"Review", "100"}, {"Review", "20"}}));
    EXPECT_EQ(statistics.Medium().EntryCount(), 4);
    EXPECT_EQ(statistics.PresentationIndex().CountOf(
                  dynamic_cast<TSituation*>(m_document.FindById("70"))),
              0);
}

TEST_F(StatisticsTest, SelectKeySelectsEachSituationOnceInIdentifierOrder) {
    TSituationStatistics& statistics = Build();
    TSituationIndex& outcome = *statistics.Indexes().Find("Outcome");
    EXPECT_EQ(outcome.SelectedCount(), outcome.EntryCount());

    outcome.SelectKey("Goal");
    EXPECT_EQ(Selected(outcome), (TIds{"20", "70", "80"}));
    outcome.SelectKey("Saved");
    // Identifiers in name order: "100" before "20".
    EXPECT_EQ(Selected(outcome), (TIds{"100", "20", "70", "80"}));
    EXPECT_EQ(outcome.SelectedKeyCount(), 2);
    EXPECT_FALSE(outcome.Contains(dynamic_cast<TSituation*>(m_document.FindById("30"))));
    EXPECT_TRUE(outcome.Contains(dynamic_cast<TSituation*>(m_document.FindById("100"))));

    TSituationIndex& zone = *statistics.Indexes().Find("Zone");
    zone.SelectKey("Left");
    zone.SelectKey("Right");
    EXPECT_EQ(Selected(zone), (TIds{"20", "80"}));

    // A key without entries lets nothing pass.
    TSituationIndex& clipType = statistics.ClipType();
    clipType.SelectKey("Penalty");
    EXPECT_EQ(clipType.SelectedCount(), 0);
    for (int i = 0; i < clipType.EntryCount(); ++i) {
        EXPECT_FALSE(clipType.Contains(clipType.EntrySituation(i)));
    }

    statistics.ClearSelections();
    EXPECT_EQ(outcome.SelectedKeyCount(), 0);
    EXPECT_EQ(outcome.SelectedCount(), outcome.EntryCount());
    EXPECT_TRUE(clipType.Contains(clipType.EntrySituation(0)));

    // Selecting in an unknown index creates it, empty, in name order.
    statistics.SelectKey("Weather", "Rain");
    ASSERT_EQ(statistics.Indexes().Count(), 10);
    EXPECT_EQ(statistics.Indexes().Items(8).Name(), "Weather");
    EXPECT_EQ(statistics.Indexes().Items(8).EntryCount(), 0);
}

TEST_F(StatisticsTest, SetOperationsFormUnionsAndIntersections) {
    TSituationStatistics& statistics = Build();
    struct TCase {
        const char* name;
        std::vector<std::pair<std::string, std::string>> selections; // index, key
        std::vector<std::string> indexes; // union with the first, intersect with the others
        TIds expected;
    };
    const std::vector<TCase> cases = {
        {"no selection: every situation once, in entry order",
         {},
         {"Medium"},
         {"40", "100", "30", "20", "80", "70"}},
        {"two values of one index",
         {{"Outcome", "Goal"}, {"Outcome", "Saved"}},
         {"Outcome"},
         {"100", "20", "70", "80"}},
        {"two answers of one situation",
         {{"Zone", "Left"}, {"Zone", "Right"}},
         {"Zone"},
         {"20", "80"}},
        {"intersection keeps the order",
         {{"Outcome", "Goal"}, {"Outcome", "Saved"}, {"Clip Type", "Attack"}},
         {"Outcome", "Clip Type"},
         {"100", "20", "80"}},
        {"an index without selection removes nothing",
         {{"Outcome", "Goal"}},
         {"Outcome", "Team"},
         {"20", "70", "80"}},
        {"guest side of the match",
         {{"Outcome", "Goal"}, {"Team 2", "Tigers"}},
         {"Outcome", "Team 2"},
         {"20"}},
        {"a key without entries", {{"Clip Type", "Penalty"}}, {"Clip Type"}, {}},
    };
    TSituationSet set;
    for (const TCase& c : cases) {
        statistics.ClearSelections();
        for (const auto& [index, key] : c.selections) {
            statistics.SelectKey(index, key);
        }
        set.Clear();
        set.UnionWith(*statistics.Indexes().Find(c.indexes[0]));
        for (std::size_t i = 1; i < c.indexes.size(); ++i) {
            set.IntersectWith(*statistics.Indexes().Find(c.indexes[i]));
        }
        EXPECT_EQ(Items(set), c.expected) << c.name;
    }
    // A union adds only what is missing.
    statistics.ClearSelections();
    statistics.SelectKey("Zone", "Left");
    set.Clear();
    set.UnionWith(statistics.Medium());
    set.UnionWith(*statistics.Indexes().Find("Zone"));
    EXPECT_EQ(set.Count(), 6);
}

TEST_F(StatisticsTest, SortedViewOrdersByCategoryWithTiesInReverseSetOrder) {
    TSituationStatistics& statistics = Build();
    TSituationSet set;
    set.UnionWith(statistics.Medium()); // 40, 100, 30, 20, 80, 70
    EXPECT_EQ(Sorted(set), Items(set)) << "without a sort category";

    struct TCase {
        const char* category;
        TIds ascending;
    };
    const std::vector<TCase> cases = {
        {"Clip Type", {"80", "20", "100", "70", "30", "40"}},
        {"Medium", {"20", "30", "100", "40", "70", "80"}},
        {"Team", {"40", "80", "20", "70", "30", "100"}},
        {"Team 1", {"20", "30", "100", "40", "70", "80"}},
        // The clip list's own captions sort by what their columns show.
        {"Clip Team", {"40", "80", "20", "70", "30", "100"}},
        {"Name", {"20", "30", "100", "40", "70", "80"}},
        {"Team 2", {"70", "80", "20", "30", "100", "40"}},
        {"Date", {"20", "30", "100", "40", "80", "70"}},
        {"From", {"80", "20", "30", "100", "70", "40"}},
        {"To", {"80", "20", "30", "100", "40", "70"}},
        // The answers of the first question of that text; none sorts first.
        {"Zone", {"70", "30", "100", "40", "80", "20"}},
        {"No such question", {"70", "80", "20", "30", "100", "40"}},
    };
    for (const TCase& c : cases) {
        set.SetSortCategory(c.category);
        ASSERT_TRUE(set.Ascending());
        set.BuildSortedView();
        EXPECT_EQ(Sorted(set), c.ascending) << c.category;
        set.SetSortCategory(c.category);
        ASSERT_FALSE(set.Ascending());
        set.BuildSortedView();
        EXPECT_EQ(Sorted(set), TIds(c.ascending.rbegin(), c.ascending.rend())) << c.category;
    }
    set.SetSortCategory("No such question");
    EXPECT_TRUE(set.Ascending()) << "a third call turns back to ascending";

    // A set operation discards the view until it is built again.
    set.IntersectWith(statistics.Medium());
    EXPECT_EQ(set.SortedCount(), 0);
    set.BuildSortedView();
    EXPECT_EQ(set.SortedCount(), 6);
}

TEST_F(StatisticsTest, TimesSortByTimeWhateverTheirTexts) {
    // Under "h:mm:ss AP" the texts would put "1:00:00 AM" before "12:00:00 AM".
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QLocale::setDefault(english);
    TSituationStatistics statistics(m_document, TLabelFormat::FromLocale(english));
    TSituationSet set;
    set.UnionWith(statistics.Medium());
    const std::vector<std::pair<std::string, TIds>> cases = {
        {"From", {"80", "20", "30", "100", "70", "40"}},
        {"To", {"80", "20", "30", "100", "40", "70"}},
        {"Date", {"20", "30", "100", "40", "80", "70"}},
    };
    for (const auto& [category, expected] : cases) {
        set.SetSortCategory(category);
        set.BuildSortedView();
        EXPECT_EQ(Sorted(set), expected) << category;
    }
}

TEST(TimeIntervalLabel, BucketsByTenMinutesInWholeMilliseconds) {
    const std::vector<std::pair<std::int64_t, std::string>> cases = {
        {0, "00:00:00 - 00:09:59"},         {599'999, "00:00:00 - 00:09:59"},
        {600'000, "00:10:00 - 00:19:59"},   {3'000'000, "00:50:00 - 00:59:59"},
        {3'599'999, "00:50:00 - 00:59:59"}, {3'600'000, "01:00:00 -"},
        {86'399'999, "01:00:00 -"},
    };
    for (const auto& [ms, label] : cases) {
        EXPECT_EQ(TimeIntervalLabel(ms), label) << ms;
    }
}

TEST(NameOrder, IsLocaleAwareCaseSensitiveAndEqualOnlyForIdenticalTexts) {
    const TNameOrder english(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_LT(english.Compare(u"attack", u"Attack"), 0);
    EXPECT_LT(english.Compare(u"Attack", u"corner"), 0);
    EXPECT_LT(english.Compare(u"\u00e9t\u00e9", u"f"), 0);
    // Canonically equivalent, so the collator calls them equal; they stay two names.
    EXPECT_NE(english.Compare(u"e\u0301", u"\u00e9"), 0);
    EXPECT_EQ(english.Compare(u"Team", u"Team"), 0);
    EXPECT_EQ(english.Ranks({"corner", "Attack", "attack", QString::fromUtf8("\u00e9t\u00e9")}),
              (std::vector<int>{2, 1, 0, 3}));

    // The C locale has no collation of its own: code units decide.
    const TNameOrder c(QLocale::c());
    EXPECT_LT(c.Compare(u"Zone", u"attack"), 0);
    EXPECT_EQ(c.Ranks({"b", "B", "a"}), (std::vector<int>{2, 0, 1}));
}

TEST_F(StatisticsTest, IndexKeysFollowTheDefaultLocale) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TSituationStatistics& statistics = Build();
    TSituationIndex& clipType = statistics.ClipType();
    EXPECT_EQ(clipType.Key(0), "attack");
    EXPECT_EQ(clipType.Key(1), "Attack");
    EXPECT_EQ(clipType.KeyRunEnd(1), 4);
    EXPECT_EQ(clipType.Key(4), "Corner");
}

TEST(LabelFormat, TakesTheLocalesSeparatorAndLongTimeWithoutTimeZone) {
    struct TCase {
        QLocale locale;
        std::string separator;
        QString timeFormat;
    };
    const std::vector<TCase> cases = {
        {QLocale::c(), "/", "HH:mm:ss"},
        {QLocale(QLocale::German, QLocale::Germany), ".", "HH:mm:ss"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "/", "h:mm:ss AP"},
    };
    for (const TCase& c : cases) {
        const TLabelFormat format = TLabelFormat::FromLocale(c.locale);
        EXPECT_EQ(format.DateSeparator(), c.separator) << c.locale.name().toStdString();
        EXPECT_EQ(format.TimeFormat(), c.timeFormat) << c.locale.name().toStdString();
    }
    const double day = 38934; // 05/08/2006
    const TLabelFormat english =
        TLabelFormat::FromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(english.FormatTimeOfDay(day + 13.5 / 24), "1:30:00 PM");
    EXPECT_EQ(english.FormatDate(day + 13.5 / 24), "2006/08/05");
    // Whole milliseconds: 9:59.9996 is 10:00.000.
    EXPECT_EQ(TLabelFormat::Fixed().FormatTimeOfDay(day + 599.9996 / 86400), "00:10:00");
}

} // namespace
