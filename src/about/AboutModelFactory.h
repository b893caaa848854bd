#pragma once
// Holds the facts that the composition root gives and makes the About model from them.

#include "Agents.h"

#include <QString>

#include <memory>

class TAboutModelFactory final : public IAboutModelFactory {
public:
    TAboutModelFactory(QString productName, QString version, QString versionQualifier,
                       QString releaseDate, QString noticeYears);

    std::shared_ptr<IAboutModel> CreateModel() override;

private:
    QString m_productName;
    QString m_version;
    QString m_versionQualifier;
    QString m_releaseDate;
    QString m_noticeYears;
};
