#include "VelRegistry.h"

#include "SettingsFile.h"

#include <stdexcept>
#include <string>

namespace {
const char* const WriteError = "Error writing to registry.";
}

TVelRegistry::TVelRegistry(int rootKind, const QString& keyPath)
    : m_rootKind(rootKind), m_keyPath(keyPath) {
    if (rootKind != UserRoot && rootKind != AdminRoot) {
        throw std::invalid_argument("Unknown settings root kind " + std::to_string(rootKind));
    }
}

void TVelRegistry::WriteString(const QString& name, const QString& value) {
    Write(name, value);
}

void TVelRegistry::WriteInteger(const QString& name, int value) {
    Write(name, value);
}

QString TVelRegistry::ReadString(const QString& name, const QString& defaultValue) {
    return TSettingsFile(FileName(), m_keyPath).ReadText(name).value_or(defaultValue);
}

int TVelRegistry::ReadInteger(const QString& name, int defaultValue) {
    return TSettingsFile(FileName(), m_keyPath).ReadInteger(name).value_or(defaultValue);
}

void TVelRegistry::Write(const QString& name, const QVariant& value) const {
    // The administrator defaults belong to the administrator; the program never changes them.
    if (m_rootKind == AdminRoot || !TSettingsFile(FileName(), m_keyPath).Write(name, value)) {
        throw std::runtime_error(WriteError);
    }
}

QString TVelRegistry::FileName() const {
    return m_rootKind == AdminRoot ? TSettingsFile::AdminFileName() : TSettingsFile::UserFileName();
}
