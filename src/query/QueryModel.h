#pragma once

#include "Agents.h"
#include "LabelFormat.h"

#include <memory>

// Holds the statistics of the open document for one query window.
class TQueryModel final : public IQueryModel {
public:
    explicit TQueryModel(const TLabelFormat& format = TLabelFormat::FromLocale());
    ~TQueryModel() override;

    // The old statistics go first, so that two never coexist; if building the new ones fails,
    // the model holds none.
    void SetDocument(const TMatchStatFile* document) override;
    TSituationStatistics* GetStatistics() override { return m_statistics.get(); }

private:
    TLabelFormat m_format;
    std::unique_ptr<TSituationStatistics> m_statistics;
};
