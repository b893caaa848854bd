// The menu of recently used files as a user sees and drives it.

#include "HistoryMenu.h"

#include <QAction>
#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class TListModel final : public IHistoryModel {
public:
    explicit TListModel(QStringList paths) : m_paths(std::move(paths)) {}
    void Add(const QString& path) override { m_paths.prepend(path); }
    int Count() override { return static_cast<int>(m_paths.size()); }
    QString Get(int index) override { return m_paths.at(index); }

private:
    QStringList m_paths;
};

class TOpeningController final : public IHistoryController {
public:
    void Add(const QString&) override {}
    void Open(const QString& path) override { opened << path; }
    bool OpenMostRecent() override { return false; }
    QStringList opened;
};

// A File menu whose second item, Reopen, holds the entries.
class HistoryMenuTest : public ::testing::Test {
protected:
    HistoryMenuTest() {
        m_menu.addAction(QStringLiteral("&Open..."));
        m_menu.addAction(QStringLiteral("&Reopen"));
        m_menu.addSeparator();
        m_menu.addAction(QStringLiteral("E&xit"));
        m_menu.setProperty("HistoryItemIndex", 1);
        m_menu.SetController(&m_controller);
    }
    QAction* Reopen() { return m_menu.actions().at(1); }
    QList<QAction*> Entries() {
        return Reopen()->menu() ? Reopen()->menu()->actions() : QList<QAction*>();
    }
    static QStringList Texts(const QList<QAction*>& actions) {
        QStringList texts;
        for (QAction* action : actions) {
            texts << action->objectName() + u'=' + action->text();
        }
        return texts;
    }

    THistoryMenu m_menu{QStringLiteral("&File")};
    TOpeningController m_controller;
};

TEST_F(HistoryMenuTest, EntriesAreNumberedBelowTheReopenItem) {
    TListModel model({"/data/cup.vmi", "/data/R&D/league.vmi", "/data/a&&b.vmi"});
    m_menu.Refresh(model);
    EXPECT_EQ(Texts(Entries()), QStringList({"No0=&0 /data/cup.vmi", "No1=&1 /data/R&&D/league.vmi",
                                             "No2=&2 /data/a&&&&b.vmi"}));
    // What the user reads: the digit is the accelerator, an "&" of a path stays as it is.
    EXPECT_EQ(Entries().at(1)->iconText(), "1 /data/R&D/league.vmi");
    EXPECT_TRUE(Reopen()->isEnabled());
    EXPECT_EQ(m_menu.actions().size(), 4);
    for (QAction* entry : Entries()) {
        EXPECT_TRUE(entry->isEnabled());
        EXPECT_FALSE(entry->isChecked());
        EXPECT_TRUE(entry->shortcut().isEmpty());
    }

    Entries().at(2)->trigger();
    Entries().at(1)->trigger();
    EXPECT_EQ(m_controller.opened, QStringList({"/data/a&&b.vmi", "/data/R&D/league.vmi"}));
}

TEST_F(HistoryMenuTest, TheDigitOpensItsEntryFromTheKeyboard) {
    TListModel model({"/data/cup.vmi", "/data/league.vmi"});
    m_menu.Refresh(model);
    QMenu* reopen = Reopen()->menu();
    reopen->popup(QPoint(0, 0));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(reopen));
    QTest::keyClick(reopen, Qt::Key_1);
    EXPECT_EQ(m_controller.opened, QStringList({"/data/league.vmi"}));
}

TEST_F(HistoryMenuTest, RefreshReplacesTheEntriesAndAnEmptyListDisablesTheItem) {
    TListModel three({"/a.vmi", "/b.vmi", "/c.vmi"});
    m_menu.Refresh(three);
    TListModel one({"/c.vmi"});
    m_menu.Refresh(one);
    EXPECT_EQ(Texts(Entries()), QStringList({"No0=&0 /c.vmi"}));

    TListModel none({});
    m_menu.Refresh(none);
    EXPECT_TRUE(Entries().isEmpty());
    EXPECT_FALSE(Reopen()->isEnabled());
    m_menu.Refresh(one);
    EXPECT_TRUE(Reopen()->isEnabled());
}

TEST_F(HistoryMenuTest, AtTheTopLevelTheMenuHoldsOnlyTheEntries) {
    THistoryMenu menu;
    EXPECT_EQ(menu.HistoryItemIndex(), -1);
    menu.SetController(&m_controller);
    QStringList eleven;
    for (int i = 0; i < 11; ++i) {
        eleven << QStringLiteral("/d/%1.vmi").arg(i);
    }
    TListModel model(eleven);
    menu.Refresh(model);
    ASSERT_EQ(menu.actions().size(), 11);
    EXPECT_EQ(menu.actions().at(10)->text(), "&10 /d/10.vmi");
    menu.actions().at(10)->trigger();
    EXPECT_EQ(m_controller.opened, QStringList({"/d/10.vmi"}));

    menu.SetHistoryItemIndex(11);
    EXPECT_THROW(menu.Refresh(model), std::logic_error);
}

} // namespace
