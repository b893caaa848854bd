#include "AboutModel.h"

#include <utility>

TAboutModel::TAboutModel(QString productName, QString version, QString versionQualifier,
                         QString releaseDate, QString noticeYears)
    : m_productName(std::move(productName)), m_version(std::move(version)),
      m_versionQualifier(std::move(versionQualifier)), m_releaseDate(std::move(releaseDate)),
      m_noticeYears(std::move(noticeYears)) {}

QString TAboutModel::GetProductName() {
    return m_productName;
}
QString TAboutModel::GetVersion() {
    return m_version;
}
QString TAboutModel::GetVersionQualifier() {
    return m_versionQualifier;
}
QString TAboutModel::GetReleaseDate() {
    return m_releaseDate;
}
QString TAboutModel::GetNoticeYears() {
    return m_noticeYears;
}
