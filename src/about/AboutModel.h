#pragma once
// The facts shown in the About box, fixed at creation.

#include "Agents.h"

#include <QString>

class TAboutModel final : public IAboutModel {
public:
    TAboutModel(QString productName, QString version, QString versionQualifier, QString releaseDate,
                QString noticeYears);

    QString GetProductName() override;
    QString GetVersion() override;
    QString GetVersionQualifier() override;
    QString GetReleaseDate() override;
    QString GetNoticeYears() override;

private:
    QString m_productName;
    QString m_version;
    QString m_versionQualifier;
    QString m_releaseDate;
    QString m_noticeYears;
};
