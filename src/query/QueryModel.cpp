#include "QueryModel.h"

#include "UntStatistics.h"

TQueryModel::TQueryModel(const TLabelFormat& format) : m_format(format) {}

TQueryModel::~TQueryModel() = default;

void TQueryModel::SetDocument(const TMatchStatFile* document) {
    m_statistics.reset();
    if (document) {
        m_statistics = std::make_unique<TSituationStatistics>(*document, m_format);
    }
}
