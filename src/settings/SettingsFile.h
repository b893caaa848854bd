#pragma once
// One key of one settings file, shared by TVelRegistry and the VelUtils functions.
// Nothing is kept open: every call opens the file afresh, so a value written by anyone
// else is seen by the next read.

#include <QString>
#include <QVariant>

#include <optional>

class TSettingsFile final {
public:
    // keyPath is a registry-style path such as "Software\Velmora\Clipwise\Repository\Query".
    TSettingsFile(QString fileName, const QString& keyPath);

    // The per-user file, read and written: $CLIPWISE_USER_SETTINGS, else the user's config folder.
    static QString UserFileName();
    // The administrator defaults, only read: $CLIPWISE_ADMIN_SETTINGS, else /etc/xdg.
    static QString AdminFileName();

    // Nothing when the file, key or value is absent; a read never creates anything.
    // Throws std::runtime_error naming key and value when the value is not of the asked type.
    std::optional<QString> ReadText(const QString& name) const;
    std::optional<int> ReadInteger(const QString& name) const;

    // Creates the file and its folders as needed; false when the file could not be written.
    [[nodiscard]] bool Write(const QString& name, const QVariant& value) const;

private:
    QVariant Value(const QString& name) const;
    QString SettingsKey(const QString& name) const;
    QString DisplayName(const QString& name) const;

    QString m_fileName;
    QString m_group;   // the key path as QSettings groups, "a/b/c"
    QString m_keyPath; // the key path for messages, "a\b\c"
};
