#include "AboutModelFactory.h"

#include "AboutModel.h"

#include <utility>

TAboutModelFactory::TAboutModelFactory(QString productName, QString version,
                                       QString versionQualifier, QString releaseDate,
                                       QString noticeYears)
    : m_productName(std::move(productName)), m_version(std::move(version)),
      m_versionQualifier(std::move(versionQualifier)), m_releaseDate(std::move(releaseDate)),
      m_noticeYears(std::move(noticeYears)) {}

std::shared_ptr<IAboutModel> TAboutModelFactory::CreateModel() {
    return std::make_shared<TAboutModel>(m_productName, m_version, m_versionQualifier,
                                         m_releaseDate, m_noticeYears);
}
