#pragma once
// A help folder and settings files of its own for each help test.

#include "SettingsFile.h"
#include "TestSupport.h"

#include <QString>

#include <cstdlib>
#include <optional>
#include <string>

namespace helptest {

inline const QString HelpKey = QStringLiteral("Software\\Velmora\\Clipwise\\Repository\\Help");

class THelpFixture {
public:
    THelpFixture() {
        const char* admin = std::getenv("CLIPWISE_ADMIN_SETTINGS");
        m_oldAdmin = admin ? admin : "";
        setenv("CLIPWISE_ADMIN_SETTINGS", m_dir.File("admin.ini").c_str(), 1);
    }
    ~THelpFixture() { setenv("CLIPWISE_ADMIN_SETTINGS", m_oldAdmin.c_str(), 1); }
    THelpFixture(const THelpFixture&) = delete;
    THelpFixture& operator=(const THelpFixture&) = delete;

    // The help folder, with its closing separator.
    QString Folder() const { return QString::fromStdString(m_dir.Path()) + "/"; }
    QString IndexPath() const { return Folder() + "index.txt"; }
    void WriteIndex(const std::string& bytes) const {
        testsupport::WriteFile(IndexPath().toStdString(), bytes);
    }
    void WritePage(const std::string& name, const std::string& title,
                   const std::string& body = "") const {
        testsupport::WriteFile(m_dir.File(name), "<html><head><title>" + title +
                                                     "</title></head><body>" + body +
                                                     "</body></html>");
    }
    std::string UserFile() const { return m_dir.File("user.ini"); }

    static void WriteAdmin(const QString& name, int value) {
        (void)TSettingsFile(TSettingsFile::AdminFileName(), HelpKey).Write(name, value);
    }
    static std::optional<int> StoredIsOpen() {
        return TSettingsFile(TSettingsFile::UserFileName(), HelpKey).ReadInteger("IsOpen");
    }

private:
    testsupport::TTempDir m_dir;
    testsupport::TScopedUserSettings m_user{m_dir.File("user.ini")};
    std::string m_oldAdmin;
};

} // namespace helptest
