// The recently used files over a real settings file.

#include "HistoryModel.h"

#include "TestSupport.h"
#include "VelUtils.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using testsupport::ReadFile;
using testsupport::TTempDir;
using testsupport::WriteFile;

namespace {

const QString kKey = QStringLiteral("Software\\Velmora\\Clipwise\\Repository\\History\\");

class HistoryModelTest : public ::testing::Test {
protected:
    static QStringList Entries(THistoryModel& model) {
        QStringList entries;
        for (int i = 0; i < model.Count(); ++i) {
            entries << model.Get(i);
        }
        return entries;
    }
    static QString Stored() {
        return RegistryGet(kKey, QStringLiteral("Files"), QString("absent"));
    }

    TTempDir m_dir;
    testsupport::TScopedUserSettings m_settings{m_dir.File("user.ini")};
};

TEST_F(HistoryModelTest, KeyIsBuiltFromTheProductName) {
    EXPECT_EQ(THistoryModel::KeyPath("Clipwise"), kKey);
    THistoryModel("Other", 10).Add("x.vmi");
    EXPECT_EQ(RegistryGet("Software\\Velmora\\Other\\Repository\\History\\", "Files", QString()),
              "x.vmi");
    EXPECT_EQ(Stored(), "absent");
}

TEST_F(HistoryModelTest, AddMovesToTopAndKeepsTen) {
    THistoryModel model("Clipwise", 10);
    EXPECT_EQ(model.Count(), 0);
    for (int i = 1; i <= 4; ++i) {
        model.Add(QString("/d/%1.vmi").arg(i));
    }
    EXPECT_EQ(Entries(model), QStringList({"/d/4.vmi", "/d/3.vmi", "/d/2.vmi", "/d/1.vmi"}));
    model.Add("/d/2.vmi");
    EXPECT_EQ(Entries(model), QStringList({"/d/2.vmi", "/d/4.vmi", "/d/3.vmi", "/d/1.vmi"}));

    for (int i = 5; i <= 11; ++i) {
        model.Add(QString("/d/%1.vmi").arg(i));
    }
    EXPECT_EQ(model.Count(), 10);
    EXPECT_EQ(model.Get(0), "/d/11.vmi");
    EXPECT_EQ(model.Get(9), "/d/3.vmi"); // the oldest, /d/1.vmi, went
    // Written at every change, and read back by the next model.
    EXPECT_EQ(Entries(model), Entries(*std::make_unique<THistoryModel>("Clipwise", 10)));
    EXPECT_THROW(model.Get(10), std::out_of_range);
}

TEST_F(HistoryModelTest, PathsThatDifferInLetterCaseAreTwoFiles) {
    THistoryModel model("Clipwise", 10);
    model.Add("/data/a.vmi");
    model.Add("/data/b.vmi");
    model.Add("/DATA/A.VMI");
    EXPECT_EQ(Entries(model), QStringList({"/DATA/A.VMI", "/data/b.vmi", "/data/a.vmi"}));
    model.Add("/data/a.vmi");
    EXPECT_EQ(Entries(model), QStringList({"/data/a.vmi", "/DATA/A.VMI", "/data/b.vmi"}));
}

TEST_F(HistoryModelTest, PathsWithBlanksAreQuoted) {
    THistoryModel model("Clipwise", 10);
    model.Add("/data/b.vmi");
    model.Add("C:\\My Files\\cup.vmi");
    EXPECT_EQ(Stored(), "\"C:\\My Files\\cup.vmi\",/data/b.vmi");
    THistoryModel reread("Clipwise", 10);
    EXPECT_EQ(Entries(reread), QStringList({"C:\\My Files\\cup.vmi", "/data/b.vmi"}));
}

TEST_F(HistoryModelTest, LongerStoredListIsShownInFullAndShrinksByOne) {
    QStringList twelve;
    for (int i = 1; i <= 12; ++i) {
        twelve << QString("/d/%1.vmi").arg(i);
    }
    RegistryPut(kKey, "Files", twelve.join(u','));
    THistoryModel model("Clipwise", 10);
    EXPECT_EQ(Entries(model), twelve);
    model.Add("/d/new.vmi");
    EXPECT_EQ(model.Count(), 12);
    EXPECT_EQ(model.Get(0), "/d/new.vmi");
    EXPECT_EQ(model.Get(11), "/d/11.vmi");
}

TEST_F(HistoryModelTest, UnreadableValueGivesAnEmptyList) {
    WriteFile(m_dir.File("user.ini"),
              "[Software]\nVelmora\\Clipwise\\Repository\\History\\Files=@Rect(1 2 3 4)\n");
    THistoryModel model("Clipwise", 10);
    EXPECT_EQ(model.Count(), 0);
    model.Add("/d/a.vmi");
    EXPECT_EQ(Stored(), "/d/a.vmi");
}

TEST_F(HistoryModelTest, FailedWriteRaisesAfterTheListChanged) {
    THistoryModel model("Clipwise", 10);
    // A folder where the settings file should be cannot be written.
    setenv("CLIPWISE_USER_SETTINGS", m_dir.Path().c_str(), 1);
    EXPECT_THROW(model.Add("/d/a.vmi"), std::runtime_error);
    EXPECT_EQ(Entries(model), QStringList({"/d/a.vmi"}));
}

} // namespace
