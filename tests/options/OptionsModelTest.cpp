#include "OptionsModel.h"

#include "VelUtils.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

using testsupport::TTempDir;
using testsupport::WriteFile;

namespace {

const QString OptionsKey = QStringLiteral("Software\\Velmora\\Clipwise\\Repository\\Options\\");

// Gives each test its own per-user settings file.
class OptionsModel : public ::testing::Test {
protected:
    TTempDir m_dir;
    testsupport::TScopedUserSettings m_settings{m_dir.File("user.ini")};
};

TEST_F(OptionsModel, DefaultIsTheMediaFolderBesideTheProgram) {
    EXPECT_EQ(TOptionsModel("/opt/Program Files/Viewer").GetMediaFolder(),
              "/opt/Program Files/Viewer/Media/");
    EXPECT_EQ(TOptionsModel("/").GetMediaFolder(), "/Media/");
}

TEST_F(OptionsModel, StoredFolderWinsOverTheDefault) {
    RegistryPut(OptionsKey, "Media Folder", "/srv/clips/");
    EXPECT_EQ(TOptionsModel("/opt/Viewer").GetMediaFolder(), "/srv/clips/");
}

TEST_F(OptionsModel, SetAddsTheClosingSeparatorAndStores) {
    struct Case {
        const char* typed;
        const char* stored;
    };
    for (const Case& c : {Case{"D:/Clips", "D:/Clips/"}, Case{"D:/Clips/", "D:/Clips/"},
                          Case{"", ""}, Case{"/no/such/folder", "/no/such/folder/"}}) {
        TOptionsModel model("/opt/Viewer");
        model.SetMediaFolder(c.typed);
        EXPECT_EQ(model.GetMediaFolder(), c.stored);
        EXPECT_EQ(RegistryGet(OptionsKey, "Media Folder", "absent"), c.stored);
        EXPECT_EQ(TOptionsModel("/opt/Viewer").GetMediaFolder(), c.stored);
    }
}

TEST_F(OptionsModel, FailedStoreRaisesButKeepsTheNewFolder) {
    TOptionsModel model("/opt/Viewer");
    WriteFile(m_dir.File("plain"), "a file, not a folder");
    setenv("CLIPWISE_USER_SETTINGS", m_dir.File("plain/user.ini").c_str(), 1);
    try {
        model.SetMediaFolder("/srv/clips");
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "RegistryPut: write error");
    }
    EXPECT_EQ(model.GetMediaFolder(), "/srv/clips/");
}

} // namespace
