#include "SettingsFile.h"

#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include <cstdlib>
#include <stdexcept>
#include <utility>

namespace {

QString FromEnvironment(const char* variable, const QString& fallback) {
    const char* value = std::getenv(variable);
    return value && *value ? QString::fromLocal8Bit(value) : fallback;
}

// A hand-written value such as "Team, Clip Type" reaches us as a list; give it back as the
// comma text it was, quoting items that would otherwise split differently.
QString CommaText(const QStringList& items) {
    QStringList parts;
    for (QString item : items) {
        if (item.contains(u',') || item.contains(u'"')) {
            item.replace(QStringLiteral("\""), QStringLiteral("\"\""));
            item = u'"' + item + u'"';
        }
        parts << item;
    }
    return parts.join(u',');
}

std::optional<QString> AsText(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList) {
        return CommaText(value.toStringList());
    }
    if (value.canConvert<QString>()) {
        return value.toString();
    }
    return std::nullopt;
}

} // namespace

TSettingsFile::TSettingsFile(QString fileName, const QString& keyPath)
    : m_fileName(std::move(fileName)) {
    // Empty parts go, so that a key written with a closing separator is the same key.
    const QStringList parts = keyPath.split(u'\\', Qt::SkipEmptyParts);
    m_group = parts.join(u'/');
    m_keyPath = parts.join(u'\\');
}

QString TSettingsFile::UserFileName() {
    return FromEnvironment("CLIPWISE_USER_SETTINGS",
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                               QStringLiteral("/Velmora/Clipwise.conf"));
}

QString TSettingsFile::AdminFileName() {
    return FromEnvironment("CLIPWISE_ADMIN_SETTINGS",
                           QStringLiteral("/etc/xdg/Velmora/Clipwise.conf"));
}

QVariant TSettingsFile::Value(const QString& name) const {
    return QSettings(m_fileName, QSettings::IniFormat).value(SettingsKey(name));
}

std::optional<QString> TSettingsFile::ReadText(const QString& name) const {
    const QVariant value = Value(name);
    if (!value.isValid()) {
        return std::nullopt;
    }
    std::optional<QString> text = AsText(value);
    if (!text) {
        throw std::runtime_error(
            QStringLiteral("Settings value %1 is not a text").arg(DisplayName(name)).toStdString());
    }
    return text;
}

std::optional<int> TSettingsFile::ReadInteger(const QString& name) const {
    const QVariant value = Value(name);
    if (!value.isValid()) {
        return std::nullopt;
    }
    const std::optional<QString> text = AsText(value);
    bool ok = false;
    const int number = text ? text->toInt(&ok, 10) : 0;
    if (!ok) {
        throw std::runtime_error(QStringLiteral("Settings value %1 is not an integer: \"%2\"")
                                     .arg(DisplayName(name), text.value_or(QString()))
                                     .toStdString());
    }
    return number;
}

bool TSettingsFile::Write(const QString& name, const QVariant& value) const {
    QSettings::Status status = QSettings::NoError;
    {
        QSettings settings(m_fileName, QSettings::IniFormat);
        settings.setValue(SettingsKey(name), value);
        settings.sync();
        status = settings.status();
    }
    if (status != QSettings::FormatError) {
        return status == QSettings::NoError;
    }
    // QSettings reports the first problem only: a file with lines it could not parse hides
    // whether the write itself went through, so look at what the file now holds.
    return Value(name).toString() == value.toString();
}

QString TSettingsFile::SettingsKey(const QString& name) const {
    return m_group.isEmpty() ? name : m_group + u'/' + name;
}

QString TSettingsFile::DisplayName(const QString& name) const {
    return m_keyPath.isEmpty() ? name : m_keyPath + u'\\' + name;
}
