// The query definition over the statistics of tests/data/query-basic.vmi: catalogue, toggling,
// selected properties, categories and the observers' notifications.

#include "QueryDefinitionModel.h"
#include "MatchStatFile.h"
#include "QueryModel.h"
#include "TestSupport.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

class TRecordingObserver final : public IQueryDefinitionObserver {
public:
    TRecordingObserver(std::vector<std::string>& log, std::string name)
        : m_log(&log), m_name(std::move(name)) {}
    void DefinitionRebuilt(IQueryDefinitionModel& definition) override {
        Record("DefinitionRebuilt", definition);
    }
    void SelectionChanged(IQueryDefinitionModel& definition) override {
        Record("SelectionChanged", definition);
    }
    void CategoriesChanged(IQueryDefinitionModel& definition) override {
        Record("CategoriesChanged", definition);
    }
    std::function<void(IQueryDefinitionModel&)> onNotification;

private:
    void Record(const std::string& what, IQueryDefinitionModel& definition) {
        m_log->push_back(m_name + ":" + what);
        if (onNotification) {
            onNotification(definition);
        }
    }
    std::vector<std::string>* m_log;
    std::string m_name;
};

class QueryDefinitionModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        m_document.LoadFromFile(testsupport::DataPath("query-basic.vmi"));
        m_queryModel.SetDocument(&m_document);
        m_definition.AddObserver(&m_first);
        m_definition.AddObserver(&m_second);
        m_definition.Rebuild(m_queryModel);
        m_log.clear();
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    static std::vector<std::string> Names(IQueryDefinitionModel& definition, bool selected) {
        std::vector<std::string> names;
        const int count =
            selected ? definition.GetSelectedPropertyCount() : definition.GetPropertyCount();
        for (int i = 0; i < count; ++i) {
            auto property =
                selected ? definition.GetSelectedProperty(i) : definition.GetProperty(i);
            names.push_back(property->GetName().toStdString());
        }
        return names;
    }
    static std::vector<std::string> Values(IQueryProperty& property, bool selected = false) {
        std::vector<std::string> texts;
        const int count = selected ? property.GetSelectedValueCount() : property.GetValueCount();
        for (int i = 0; i < count; ++i) {
            auto value = selected ? property.GetSelectedValue(i) : property.GetValue(i);
            texts.push_back(value->GetText().toStdString());
        }
        return texts;
    }

    TMatchStatFile m_document;
    TQueryModel m_queryModel{TLabelFormat::Fixed()};
    TQueryDefinitionModel m_definition;
    std::vector<std::string> m_log;
    TRecordingObserver m_first{m_log, "first"};
    TRecordingObserver m_second{m_log, "second"};
};

TEST_F(QueryDefinitionModelTest, RebuildOffersOnePropertyPerIndexAndOneValuePerDistinctKey) {
    EXPECT_EQ(Names(m_definition, false),
              (std::vector<std::string>{"Clip Type", "Medium", "Outcome", "Presentation", "Team",
                                        "Team 1", "Team 2", "Time Interval", "Zone"}));
    EXPECT_EQ(Values(*m_definition.FindProperty("Clip Type")),
              (std::vector<std::string>{"Attack", "Corner", "attack"}));
    EXPECT_EQ(Values(*m_definition.FindProperty("Team")),
              (std::vector<std::string>{"", "Bears", "Lions", "Referee", "Tigers"}));
    EXPECT_EQ(Values(*m_definition.FindProperty("Outcome")),
              (std::vector<std::string>{"<None>", "Goal", "Saved"}));
    // Value texts are case-sensitive.
    EXPECT_NE(m_definition.FindValue("Clip Type", "attack"), nullptr);
    EXPECT_EQ(m_definition.FindValue("Clip Type", "ATTACK"), nullptr);
    EXPECT_EQ(m_definition.FindProperty("clip type"), nullptr);

    // Presentations without scenes leave an empty index, and no property.
    for (TPresentation* presentation : m_document.Presentations()) {
        while (presentation->Scenes().Count() > 0) {
            presentation->Scenes().Remove(presentation->Scenes().Items(0));
        }
    }
    m_definition.SetPrimaryCategory("Team");
    m_log.clear();
    m_queryModel.SetDocument(&m_document);
    m_definition.Rebuild(m_queryModel);
    EXPECT_EQ(m_definition.FindProperty("Presentation"), nullptr);
    EXPECT_EQ(m_definition.GetPrimaryCategory(), "");
    EXPECT_EQ(m_log,
              (std::vector<std::string>{"first:DefinitionRebuilt", "second:DefinitionRebuilt"}));
}

TEST_F(QueryDefinitionModelTest, TogglingKeepsSelectedValuesAndPropertiesInNameOrder) {
    m_definition.ToggleValue("Team", "Tigers");
    m_definition.ToggleValue("Clip Type", "Corner");
    m_definition.ToggleValue("Clip Type", "Attack");
    EXPECT_EQ(Names(m_definition, true), (std::vector<std::string>{"Clip Type", "Team"}));
    EXPECT_EQ(Values(*m_definition.FindProperty("Clip Type"), true),
              (std::vector<std::string>{"Attack", "Corner"}));
    EXPECT_TRUE(m_definition.IsValueSelected("Team", "Tigers"));
    EXPECT_TRUE(m_definition.IsPropertySelected("Team"));
    EXPECT_EQ(m_log.size(), 6U) << "each toggle tells both observers";

    // Deselecting the last value of a property drops the property.
    m_definition.ToggleValue("Team", "Tigers");
    EXPECT_FALSE(m_definition.IsPropertySelected("Team"));
    EXPECT_EQ(Names(m_definition, true), (std::vector<std::string>{"Clip Type"}));
    m_definition.ToggleValue("Clip Type", "Attack");
    EXPECT_TRUE(m_definition.IsPropertySelected("Clip Type"));

    // Absent names change nothing and tell nobody.
    m_log.clear();
    m_definition.ToggleValue("Team", "Wolves");
    m_definition.ToggleValue("Weather", "Rain");
    EXPECT_FALSE(m_definition.IsValueSelected("Weather", "Rain"));
    EXPECT_TRUE(m_log.empty());
}

TEST_F(QueryDefinitionModelTest, SetSelectedNotifiesOnlyWhenSomethingMayChange) {
    std::shared_ptr<IQueryValue> goal = m_definition.FindValue("Outcome", "Goal");
    std::shared_ptr<IQueryValue> saved = m_definition.FindValue("Outcome", "Saved");
    struct TStep {
        std::shared_ptr<IQueryValue> value;
        bool selected;
        std::size_t notifications; // per observer
        std::vector<std::string> selectedValues;
    };
    const std::vector<TStep> steps = {
        {goal, true, 1, {"Goal"}},
        {goal, true, 1, {"Goal"}}, // selecting a selected value tells again
        {saved, false, 0, {"Goal"}},
        {saved, true, 1, {"Goal", "Saved"}},
        {goal, false, 1, {"Saved"}},
        {goal, false, 0, {"Saved"}},
    };
    for (const TStep& step : steps) {
        m_log.clear();
        step.value->SetSelected(step.selected);
        EXPECT_EQ(m_log.size(), 2 * step.notifications);
        EXPECT_EQ(Values(*m_definition.FindProperty("Outcome"), true), step.selectedValues);
    }
}

TEST_F(QueryDefinitionModelTest, CategoriesNotifyOnlyOnChange) {
    m_definition.SetPrimaryCategory("Team");
    m_definition.SetPrimaryCategory("Team");
    m_definition.SetSecondaryCategory("Zone");
    m_definition.SetSecondaryCategory("");
    EXPECT_EQ(m_log,
              (std::vector<std::string>{"first:CategoriesChanged", "second:CategoriesChanged",
                                        "first:CategoriesChanged", "second:CategoriesChanged",
                                        "first:CategoriesChanged", "second:CategoriesChanged"}));
    EXPECT_EQ(m_definition.GetPrimaryCategory(), "Team");
    EXPECT_EQ(m_definition.GetSecondaryCategory(), "");
}

TEST_F(QueryDefinitionModelTest, ObserversMayReenterRegisterAndLeaveDuringANotification) {
    EXPECT_EQ(m_definition.AddObserver(&m_second), 1) << "registered once";
    TRecordingObserver late(m_log, "late");
    // Like a category selector falling back to no category, and a view that registers another
    // and then leaves.
    m_first.onNotification = [&](IQueryDefinitionModel& definition) {
        definition.SetPrimaryCategory("");
        definition.AddObserver(&late);
        definition.RemoveObserver(&m_second);
    };
    m_definition.Rebuild(m_queryModel);
    EXPECT_EQ(m_log, (std::vector<std::string>{"first:DefinitionRebuilt"}));
    m_first.onNotification = nullptr;
    m_log.clear();
    m_definition.ToggleValue("Zone", "Left");
    EXPECT_EQ(m_log, (std::vector<std::string>{"first:SelectionChanged", "late:SelectionChanged"}));
}

TEST_F(QueryDefinitionModelTest, ValuesKeptAcrossARebuildNoLongerReachTheModel) {
    std::shared_ptr<IQueryValue> old = m_definition.FindValue("Zone", "Left");
    std::shared_ptr<IQueryProperty> oldProperty = m_definition.FindProperty("Zone");
    m_definition.Rebuild(m_queryModel);
    m_log.clear();
    old->SetSelected(true);
    EXPECT_TRUE(m_log.empty());
    EXPECT_EQ(m_definition.GetSelectedPropertyCount(), 0);
    EXPECT_FALSE(m_definition.IsValueSelected("Zone", "Left"));
    EXPECT_EQ(oldProperty->GetSelectedValueCount(), 1);
}

TEST_F(QueryDefinitionModelTest, AddAndRemoveValueKeepNameOrder) {
    m_definition.AddValue("Weather", "Sun");
    m_definition.AddValue("Weather", "Rain");
    std::shared_ptr<IQueryProperty> weather = m_definition.FindProperty("Weather");
    weather->AddValue("Fog");
    EXPECT_EQ(Values(*weather), (std::vector<std::string>{"Fog", "Rain", "Sun"}));
    EXPECT_EQ(Names(m_definition, false).back(), "Zone");
    EXPECT_EQ(Names(m_definition, false)[8], "Weather");

    // Removing a selected value leaves the selected properties and the observers alone.
    m_definition.ToggleValue("Weather", "Rain");
    m_log.clear();
    weather->RemoveValue("Rain");
    EXPECT_EQ(Values(*weather), (std::vector<std::string>{"Fog", "Sun"}));
    EXPECT_EQ(weather->GetSelectedValueCount(), 0);
    EXPECT_TRUE(m_definition.IsPropertySelected("Weather"));
    EXPECT_TRUE(m_log.empty());
}

} // namespace
