// The status bar's panels over the real definition model of tests/data/query-basic.vmi and
// the real media controller: texts, widths, the filter text and the hint mode.

#include "MediaStatusBar.h"

#include "../query/QueryDoubles.h"
#include "MatchStatFile.h"
#include "MediaFactory.h"
#include "QueryDefinitionModel.h"
#include "QueryModel.h"
#include "TestSupport.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLocale>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr double kSecond = 1.0 / 86400;

class MediaStatusBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        m_document.LoadFromFile(testsupport::DataPath("query-basic.vmi"));
        m_queryModel.SetDocument(&m_document);
        m_definition->Rebuild(m_queryModel);
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    TMatchStatFile m_document;
    TQueryModel m_queryModel{TLabelFormat::Fixed()};
    std::shared_ptr<TQueryDefinitionModel> m_definition = std::make_shared<TQueryDefinitionModel>();
};

TEST_F(MediaStatusBarTest, SixPanelsFiftyPixelsWideAtFirst) {
    TMediaStatusBar bar;
    EXPECT_EQ(bar.objectName(), "MediaStatusBar");
    for (int i = 0; i < TMediaStatusBar::PanelCount; ++i) {
        EXPECT_EQ(bar.Panel(i)->width(), 50) << i;
        EXPECT_FALSE(bar.Panel(i)->accessibleName().isEmpty()) << i;
    }
}

TEST_F(MediaStatusBarTest, TheMediaControllerFillsThePanelsWhenTheBarRegisters) {
    TMediaStatusBar bar;
    TMediaViewDouble view;
    const auto controller = TMediaFactory(nullptr).CreateControllerForView(&view);
    controller->AddListener(&bar);
    EXPECT_EQ(bar.PanelText(TMediaStatusBar::CurrentTime), " Current time: 0:00:00 ");
    EXPECT_EQ(bar.PanelText(TMediaStatusBar::TotalTime), " Total time: 0:00:00 ");
    EXPECT_EQ(bar.PanelText(TMediaStatusBar::CurrentClip), " Current clip: ");
    EXPECT_EQ(bar.PanelText(TMediaStatusBar::ClipCount), " No of clips: 0 ");
    EXPECT_EQ(bar.PanelText(TMediaStatusBar::WindSpeed), " Wind speed: 0:03:200 ");
    controller->RemoveListener(&bar);
}

TEST_F(MediaStatusBarTest, ClipPanels) {
    struct TCase {
        int index;
        int count;
        const char* clip;
        const char* clips;
    };
    const TCase cases[] = {
        {-1, 0, " Current clip: ", " No of clips: 0 "},
        {0, 12, " Current clip: 1 ", " No of clips: 12 "},
        {11, 12, " Current clip: 12 ", " No of clips: 12 "},
    };
    TMediaStatusBar bar;
    for (const TCase& c : cases) {
        bar.ClipChanged(c.index, c.count);
        EXPECT_EQ(bar.PanelText(TMediaStatusBar::CurrentClip), c.clip) << c.index;
        EXPECT_EQ(bar.PanelText(TMediaStatusBar::ClipCount), c.clips) << c.index;
    }
}

TEST_F(MediaStatusBarTest, TimesAreDurationsWhateverTheLocaleSaysOfTimesOfDay) {
    struct TCase {
        double days;
        const char* text;
    };
    const TCase cases[] = {
        {0, "0:00:00"},
        {3 * kSecond, "0:00:03"},
        // 1:42 as the document stores it, a hair below the second.
        {102 * kSecond - 1e-12, "0:01:42"},
        {12 * 3600 * kSecond, "12:00:00"},
        {(25 * 3600 + 3) * kSecond, "25:00:03"},
        {(100 * 3600 + 59 * 60 + 59.4) * kSecond, "100:59:59"},
        {-2 * kSecond, "0:00:00"},
    };
    // A 12-hour locale would write three seconds as 12:00:03 AM.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TMediaStatusBar bar;
    for (const TCase& c : cases) {
        bar.TimeChanged(c.days, c.days);
        EXPECT_EQ(bar.PanelText(TMediaStatusBar::CurrentTime),
                  QStringLiteral(" Current time: %1 ").arg(c.text));
        EXPECT_EQ(bar.PanelText(TMediaStatusBar::TotalTime),
                  QStringLiteral(" Total time: %1 ").arg(c.text));
    }
}

TEST_F(MediaStatusBarTest, WindSpeedInMediaTime) {
    TMediaStatusBar bar;
    bar.WindSpeedChanged(1.6 * kSecond);
    EXPECT_EQ(bar.PanelText(TMediaStatusBar::WindSpeed), " Wind speed: 0:01:600 ");
}

TEST_F(MediaStatusBarTest, PanelsGrowAndShrinkWithTheirTexts) {
    TMediaStatusBar bar;
    QLabel* panel = bar.Panel(TMediaStatusBar::TotalTime);
    const QFontMetrics metrics(panel->font());
    bar.TimeChanged(0, 100 * 3600 * kSecond);
    const int wide = panel->width();
    EXPECT_EQ(wide, metrics.horizontalAdvance(" Total time: 100:00:00 ") + 10);
    bar.TimeChanged(0, 0);
    EXPECT_EQ(panel->width(), metrics.horizontalAdvance(" Total time: 0:00:00 ") + 10);
    EXPECT_LT(panel->width(), wide);
}

TEST_F(MediaStatusBarTest, FilterTextFollowsTheSelection) {
    TMediaStatusBar bar;
    bar.SetDefinitionModel(m_definition);
    EXPECT_EQ(bar.GetDefinitionModel(), m_definition);
    EXPECT_EQ(bar.PanelText(TMediaStatusBar::Filter), "  ");

    m_definition->ToggleValue("Outcome", "Goal");
    EXPECT_EQ(bar.PanelText(TMediaStatusBar::Filter), " Filter: Outcome = Goal ");

    m_definition->ToggleValue("Clip Type", "Attack");
    m_definition->ToggleValue("Clip Type", "Corner");
    EXPECT_EQ(bar.PanelText(TMediaStatusBar::Filter),
              " Filter: Clip Type = Attack OR Corner AND Outcome = Goal ");

    // A new document rebuilds the definition without a selection.
    m_definition->Rebuild(m_queryModel);
    EXPECT_EQ(bar.PanelText(TMediaStatusBar::Filter), "  ");
}

TEST_F(MediaStatusBarTest, ADestroyedBarHasLeftTheDefinition) {
    auto bar = std::make_unique<TMediaStatusBar>();
    bar->SetDefinitionModel(m_definition);
    TMediaStatusBar second;
    second.SetDefinitionModel(m_definition);
    bar.reset();
    // The sanitizers catch a notification of the destroyed bar.
    m_definition->ToggleValue("Outcome", "Goal");
    EXPECT_EQ(second.PanelText(TMediaStatusBar::Filter), " Filter: Outcome = Goal ");
}

TEST_F(MediaStatusBarTest, AHintHidesThePanelsUntilItIsEmpty) {
    TMediaStatusBar bar;
    bar.show();
    bar.ShowHint("Plays media");
    EXPECT_EQ(bar.currentMessage(), "Plays media");
    for (int i = 0; i < TMediaStatusBar::PanelCount; ++i) {
        EXPECT_FALSE(bar.Panel(i)->isVisible()) << i;
    }
    bar.ShowHint(QString());
    EXPECT_TRUE(bar.currentMessage().isEmpty());
    for (int i = 0; i < TMediaStatusBar::PanelCount; ++i) {
        EXPECT_TRUE(bar.Panel(i)->isVisible()) << i;
    }
}

} // namespace
