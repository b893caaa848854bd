// Entry of every test program: a real QApplication on the offscreen platform, and settings
// files in a private temporary folder so that no test touches the user's own settings.

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QTemporaryDir settingsDir;
    setenv("CLIPWISE_USER_SETTINGS", settingsDir.filePath("user.ini").toLocal8Bit().constData(), 0);
    setenv("CLIPWISE_ADMIN_SETTINGS", settingsDir.filePath("admin.ini").toLocal8Bit().constData(),
           0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
