#include "VelUtils.h"
#include "VelRegistry.h"

#include "TestSupport.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <stdexcept>
#include <string>

using testsupport::ReadFile;
using testsupport::TTempDir;
using testsupport::WriteFile;

namespace {

const QString HistoryKey = QStringLiteral("Software\\Velmora\\Clipwise\\Repository\\History\\");

// Gives each test its own per-user settings file.
class VelUtils : public ::testing::Test {
protected:
    void SetUp() override {
        const char* old = std::getenv("CLIPWISE_USER_SETTINGS");
        m_oldUser = old ? old : "";
        UseUserFile(m_dir.File("user.ini"));
    }
    void TearDown() override { setenv("CLIPWISE_USER_SETTINGS", m_oldUser.c_str(), 1); }
    void UseUserFile(const std::string& path) {
        m_user = path;
        setenv("CLIPWISE_USER_SETTINGS", path.c_str(), 1);
    }

    TTempDir m_dir;
    std::string m_user;
    std::string m_oldUser;
};

TEST_F(VelUtils, GetGivesDefaultForAbsentValueAndWritesNothing) {
    const std::string content = "[Software/Velmora/Clipwise/Repository/History]\nOther=x\n";
    WriteFile(m_user, content);
    EXPECT_EQ(RegistryGet(HistoryKey, "Files", QString()), "");
    EXPECT_EQ(RegistryGet(HistoryKey, "Count", 5), 5);
    EXPECT_EQ(RegistryGet("Software\\Velmora\\Elsewhere", "Files", "none"), "none");
    EXPECT_EQ(ReadFile(m_user), content);

    UseUserFile(m_dir.File("missing/user.ini"));
    EXPECT_EQ(RegistryGet(HistoryKey, "Files", 1), 1);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(m_dir.File("missing"))));
}

TEST_F(VelUtils, PutCreatesTheWholePath) {
    UseUserFile(m_dir.File("config/Velmora/user.ini"));
    RegistryPut("Software\\Velmora\\Clipwise\\Repository\\Help", "IsOpen", 0);
    RegistryPut(HistoryKey, "Files", "/data/a.vmi,/data/b, c.vmi");
    EXPECT_EQ(RegistryGet("Software\\Velmora\\Clipwise\\Repository\\Help", "IsOpen", 1), 0);
    EXPECT_EQ(RegistryGet(HistoryKey, "Files", QString()), "/data/a.vmi,/data/b, c.vmi");
    // The same per-user store as the settings store object's user root.
    EXPECT_EQ(TVelRegistry(TVelRegistry::UserRoot, HistoryKey).ReadString("Files", ""),
              "/data/a.vmi,/data/b, c.vmi");
}

TEST_F(VelUtils, FailedPutRaises) {
    WriteFile(m_dir.File("plain"), "a file, not a folder");
    UseUserFile(m_dir.File("plain/user.ini"));
    for (const auto& put : {+[] { RegistryPut(HistoryKey, "Files", "a.vmi"); },
                            +[] { RegistryPut(HistoryKey, "Count", 3); }}) {
        try {
            put();
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "RegistryPut: write error");
        }
    }
}

TEST_F(VelUtils, IntegerReadOfTextRaisesNamingKeyAndValue) {
    WriteFile(m_user, "[Software/Velmora/Clipwise/Repository/Help]\nIsOpen=true\n");
    try {
        RegistryGet("Software\\Velmora\\Clipwise\\Repository\\Help", "IsOpen", 1);
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("Software\\Velmora\\Clipwise\\Repository\\Help\\IsOpen"),
                  std::string::npos)
            << message;
        EXPECT_NE(message.find("\"true\""), std::string::npos) << message;
    }
}

TEST(FormatMediaTime, Examples) {
    constexpr double Second = 1.0 / 86400;
    struct Case {
        double time;
        const char* text;
    };
    const Case cases[] = {
        {0, "0:00:000"},
        {3.2 * Second, "0:03:200"},
        {59.999 * Second, "0:59:999"},
        {600 * Second, "10:00:000"},
        {25 * 60 * Second, "25:00:000"},
        {3723.004 * Second, "1:02:03:004"},
        {0.5, "12:00:00:000"},
        {(23 * 3600 + 59 * 60 + 59.999) * Second, "23:59:59:999"},
        // Rounded to the millisecond, also across the minute and the end of the day.
        {599.9996 * Second, "10:00:000"},
        {1 - 0.0001 * Second, "0:00:000"},
        // A full date-time shows its time of day.
        {39295 + 3723.004 * Second, "1:02:03:004"},
        {-1.25, "6:00:00:000"},
        {std::numeric_limits<double>::quiet_NaN(), "0:00:000"},
        {std::numeric_limits<double>::infinity(), "0:00:000"},
        {1e300, "0:00:000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatMediaTime(c.time), c.text) << "time " << c.time;
    }
}

} // namespace
