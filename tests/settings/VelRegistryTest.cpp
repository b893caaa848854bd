#include "VelRegistry.h"

#include "TestSupport.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <string>

using testsupport::ReadFile;
using testsupport::TTempDir;
using testsupport::WriteFile;

namespace {

const QString QueryKey = QStringLiteral("Software\\Velmora\\Clipwise\\Repository\\Query");

// Gives each test its own per-user and administrator files.
class VelRegistry : public ::testing::Test {
protected:
    void SetUp() override {
        m_oldUser = Environment("CLIPWISE_USER_SETTINGS");
        m_oldAdmin = Environment("CLIPWISE_ADMIN_SETTINGS");
        UseFiles(m_dir.File("user.ini"), m_dir.File("admin.ini"));
    }
    void TearDown() override {
        setenv("CLIPWISE_USER_SETTINGS", m_oldUser.c_str(), 1);
        setenv("CLIPWISE_ADMIN_SETTINGS", m_oldAdmin.c_str(), 1);
    }
    void UseFiles(const std::string& user, const std::string& admin) {
        m_user = user;
        m_admin = admin;
        setenv("CLIPWISE_USER_SETTINGS", user.c_str(), 1);
        setenv("CLIPWISE_ADMIN_SETTINGS", admin.c_str(), 1);
    }
    static std::string Environment(const char* name) {
        const char* value = std::getenv(name);
        return value ? value : "";
    }
    static bool Exists(const std::string& path) {
        return QFileInfo::exists(QString::fromStdString(path));
    }

    TTempDir m_dir;
    std::string m_user;
    std::string m_admin;
    std::string m_oldUser;
    std::string m_oldAdmin;
};

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "no error";
}

TEST_F(VelRegistry, AbsentFileKeyOrValueGivesDefaultAndCreatesNothing) {
    // The files lie in folders that do not exist: a read must not create them.
    UseFiles(m_dir.File("missing/user.ini"), m_dir.File("missing/admin.ini"));
    for (int root : {TVelRegistry::UserRoot, TVelRegistry::AdminRoot}) {
        TVelRegistry registry(root, QueryKey);
        EXPECT_EQ(registry.ReadInteger("HideTableViewDefault", 0), 0);
        EXPECT_EQ(registry.ReadInteger("WindowState", -1), -1);
        EXPECT_EQ(registry.ReadString("HiddenColumnsDefault", "x"), "x");
    }
    EXPECT_FALSE(Exists(m_dir.File("missing")));

    // A file with another key, and one whose key lacks the value, stay byte for byte as they were.
    const std::string content = "[Software/Velmora/Clipwise/Repository/Help]\nIsOpenDefault=0\n"
                                "[Software/Velmora/Clipwise/Repository/Query]\nOther=3\n";
    UseFiles(m_dir.File("user.ini"), m_dir.File("admin.ini"));
    WriteFile(m_user, content);
    WriteFile(m_admin, content);
    for (int root : {TVelRegistry::UserRoot, TVelRegistry::AdminRoot}) {
        for (const QString& key : {QueryKey, QStringLiteral("Software\\Velmora\\Nothing")}) {
            TVelRegistry registry(root, key);
            EXPECT_EQ(registry.ReadInteger("WindowState", -1), -1);
            EXPECT_EQ(registry.ReadString("HiddenColumnsDefault", ""), "");
        }
    }
    EXPECT_EQ(ReadFile(m_user), content);
    EXPECT_EQ(ReadFile(m_admin), content);
}

TEST_F(VelRegistry, WriteCreatesTheWholePathAndReadsBack) {
    UseFiles(m_dir.File("a/b/user.ini"), m_dir.File("admin.ini"));
    TVelRegistry registry(TVelRegistry::UserRoot, QueryKey);
    registry.WriteInteger("WindowState", 2);
    registry.WriteInteger("Left", -40);
    registry.WriteString("Name", "Clip Type");

    TVelRegistry again(TVelRegistry::UserRoot, QueryKey + "\\");
    EXPECT_EQ(again.ReadInteger("WindowState", -1), 2);
    EXPECT_EQ(again.ReadInteger("Left", 0), -40);
    EXPECT_EQ(again.ReadString("Name", ""), "Clip Type");
    // The value belongs to its key only.
    EXPECT_EQ(
        TVelRegistry(TVelRegistry::UserRoot, "Software\\Velmora").ReadInteger("WindowState", 7), 7);
    EXPECT_FALSE(Exists(m_admin));
}

TEST_F(VelRegistry, TextsSurviveWriteAndRead) {
    TVelRegistry registry(TVelRegistry::UserRoot, QueryKey);
    const QString texts[] = {"",
                             "a,b",
                             "\"quoted\", and more",
                             "@Variant(nothing)",
                             "C:\\Clips\\",
                             " padded ",
                             "semi;colon = equals # hash",
                             "line\nbreak",
                             QString::fromUtf8("Gr\u00fc\u00dfe \u65e5\u672c \U0001F3C6")};
    for (const QString& text : texts) {
        registry.WriteString("Text", text);
        EXPECT_EQ(registry.ReadString("Text", "default"), text);
    }
}

TEST_F(VelRegistry, ReadsHandWrittenAdministratorFile) {
    WriteFile(m_admin, "[Software\\Velmora\\Clipwise\\Repository\\Query]\n"
                       "HideTableViewDefault = 1\n"
                       "HiddenColumnsDefault=Team, \"Clip Type\",\"x,y\"\n");
    TVelRegistry registry(TVelRegistry::AdminRoot, QueryKey);
    EXPECT_EQ(registry.ReadInteger("HideTableViewDefault", 0), 1);
    // A list comes back as the comma text it was written as.
    EXPECT_EQ(registry.ReadString("HiddenColumnsDefault", ""), "Team,Clip Type,\"x,y\"");
}

TEST_F(VelRegistry, AdministratorDefaultsAreNeverWritten) {
    const std::string content = "[Software/Velmora/Clipwise/Repository/Query]\nWindowState=1\n";
    WriteFile(m_admin, content);
    TVelRegistry registry(TVelRegistry::AdminRoot, QueryKey);
    EXPECT_EQ(ErrorOf([&] { registry.WriteInteger("WindowState", 2); }),
              "Error writing to registry.");
    EXPECT_EQ(ErrorOf([&] { registry.WriteString("Name", "x"); }), "Error writing to registry.");
    EXPECT_EQ(ReadFile(m_admin), content);
    EXPECT_FALSE(Exists(m_user));
}

TEST_F(VelRegistry, FailedWriteRaises) {
    // Tests may run as root, so make the folder impossible rather than read-only.
    WriteFile(m_dir.File("plain"), "a file, not a folder");
    UseFiles(m_dir.File("plain/user.ini"), m_admin);
    TVelRegistry registry(TVelRegistry::UserRoot, QueryKey);
    EXPECT_EQ(ErrorOf([&] { registry.WriteInteger("WindowState", 2); }),
              "Error writing to registry.");
    EXPECT_EQ(ErrorOf([&] { registry.WriteString("Name", "x"); }), "Error writing to registry.");
    EXPECT_EQ(registry.ReadInteger("WindowState", -1), -1);
}

TEST_F(VelRegistry, WriteGoesThroughAFileWithUnreadableLines) {
    WriteFile(m_user, "[Unclosed\nA=1\n");
    TVelRegistry registry(TVelRegistry::UserRoot, QueryKey);
    registry.WriteInteger("WindowState", 2);
    EXPECT_EQ(registry.ReadInteger("WindowState", -1), 2);
}

TEST_F(VelRegistry, ValueOfTheWrongTypeRaisesNamingKeyAndValue) {
    WriteFile(m_admin, "[Software/Velmora/Clipwise/Repository/Query]\n"
                       "HideTableViewDefault=yes\nHuge=99999999999\nEmpty=\nArea=@Rect(1 2 3 4)\n");
    TVelRegistry registry(TVelRegistry::AdminRoot, QueryKey);
    const std::string key = QueryKey.toStdString() + "\\";
    struct Case {
        const char* name;
        const char* stored;
    };
    for (const Case& c : {Case{"HideTableViewDefault", "\"yes\""}, Case{"Huge", "\"99999999999\""},
                          Case{"Empty", "\"\""}}) {
        const std::string message = ErrorOf([&] { registry.ReadInteger(c.name, 0); });
        EXPECT_NE(message.find(key + c.name), std::string::npos) << message;
        EXPECT_NE(message.find(c.stored), std::string::npos) << message;
    }
    const std::string message = ErrorOf([&] { registry.ReadString("Area", ""); });
    EXPECT_NE(message.find(key + "Area"), std::string::npos) << message;
}

TEST_F(VelRegistry, EveryReadSeesTheFileAsItIsNow) {
    TVelRegistry registry(TVelRegistry::UserRoot, QueryKey);
    registry.WriteInteger("WindowState", 1);
    WriteFile(m_user, "[Software/Velmora/Clipwise/Repository/Query]\nWindowState=2\nLeft=10\n");
    EXPECT_EQ(registry.ReadInteger("WindowState", -1), 2);
    EXPECT_EQ(registry.ReadInteger("Left", 0), 10);
}

TEST_F(VelRegistry, UnknownRootKindIsRejected) {
    for (int root : {-1, 2}) {
        EXPECT_THROW(TVelRegistry(root, QueryKey), std::invalid_argument);
    }
}

} // namespace
