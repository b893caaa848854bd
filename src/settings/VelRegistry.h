#pragma once
// The settings store bound to one key: per-user values, or the administrator defaults,
// which are only read.

#include "Agents.h"

#include <QString>

class TVelRegistry final : public IVelRegistry {
public:
    static constexpr int UserRoot = 0;
    static constexpr int AdminRoot = 1;

    // Throws std::invalid_argument for a root kind other than UserRoot or AdminRoot.
    TVelRegistry(int rootKind, const QString& keyPath);

    void WriteString(const QString& name, const QString& value) override;
    void WriteInteger(const QString& name, int value) override;
    QString ReadString(const QString& name, const QString& defaultValue) override;
    int ReadInteger(const QString& name, int defaultValue) override;

private:
    void Write(const QString& name, const QVariant& value) const;
    QString FileName() const;

    int m_rootKind;
    QString m_keyPath;
};
