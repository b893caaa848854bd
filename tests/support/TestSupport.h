#pragma once
// Helpers shared by the test programs: fixture paths, temporary folders, whole-file I/O.

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

class QWidget;

namespace testsupport {

// Path of a file below tests/data.
std::string DataPath(const std::string& name);

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

// A temporary folder removed with the object.
class TTempDir {
public:
    TTempDir();
    std::string Path() const;
    std::string File(const std::string& name) const;

private:
    QTemporaryDir m_dir;
};

// Points the per-user settings at path for the object's lifetime, then back.
class TScopedUserSettings {
public:
    explicit TScopedUserSettings(const std::string& path);
    ~TScopedUserSettings();
    TScopedUserSettings(const TScopedUserSettings&) = delete;
    TScopedUserSettings& operator=(const TScopedUserSettings&) = delete;

private:
    std::string m_previous;
};

// The message of the error that action raises, or "(no error)".
std::string ErrorMessage(const std::function<void()>& action);

// Runs action on the modal window once one is shown, from the modal window's own event loop.
void WhenModal(std::function<void(QWidget*)> action);
// The body of every test program's main: the offscreen platform, settings files in a private
// temporary folder so that no test touches the user's own settings, and a real application
// object of type TApp. A program that needs another application class defines its own main.
template <class TApp> int RunAllTests(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QTemporaryDir settingsDir;
    setenv("CLIPWISE_USER_SETTINGS", settingsDir.filePath("user.ini").toLocal8Bit().constData(), 0);
    setenv("CLIPWISE_ADMIN_SETTINGS", settingsDir.filePath("admin.ini").toLocal8Bit().constData(),
           0);
    TApp app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

} // namespace testsupport
