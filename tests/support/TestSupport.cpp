#include "TestSupport.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testsupport {

std::string DataPath(const std::string& name) {
    const char* dir = std::getenv("CLIPWISE_TEST_DATA");
    return std::string(dir ? dir : CLIPWISE_TEST_DATA_DIR) + "/" + name;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

TTempDir::TTempDir() {
    if (!m_dir.isValid()) {
        throw std::runtime_error("cannot create a temporary folder");
    }
}

std::string TTempDir::Path() const {
    return m_dir.path().toStdString();
}

std::string TTempDir::File(const std::string& name) const {
    return Path() + "/" + name;
}

TScopedUserSettings::TScopedUserSettings(const std::string& path) {
    const char* previous = std::getenv("CLIPWISE_USER_SETTINGS");
    m_previous = previous ? previous : "";
    setenv("CLIPWISE_USER_SETTINGS", path.c_str(), 1);
}

TScopedUserSettings::~TScopedUserSettings() {
    setenv("CLIPWISE_USER_SETTINGS", m_previous.c_str(), 1);
}

std::string ErrorMessage(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "(no error)";
}

void WhenModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            WhenModal(action);
            return;
        }
        action(modal);
    });
}

} // namespace testsupport
