#pragma once

#include "Agents.h"
#include "UntStatistics.h"

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

// Evaluates the query definition against the statistics' indexes: the situation set in its
// sort order, the counts per (category, value) and the cross counts of the primary and the
// secondary category. Counts are keyed by the pair of texts, so that a "_" inside a text
// cannot make two pairs share a count.
class TQueryResultModel final : public IQueryResultModel,
                                public IQueryDefinitionObserver,
                                public std::enable_shared_from_this<TQueryResultModel> {
public:
    TQueryResultModel();
    // Leaves the definition model through the services that registered it.
    ~TQueryResultModel() override;

    // Also empties the set and the counts, which belong to the old statistics.
    void SetQueryModel(IQueryModel& queryModel) override;
    void RecountCategories(IQueryDefinitionModel& definition) override;
    int GetCount(const QString& category, const QString& value) override;
    int GetCrossCount(const QString& primaryValue, const QString& secondaryValue) override;
    TSituationSet& GetSituationSet() override { return m_set; }
    void Resort() override;
    void SortBy(const QString& category) override;
    void AddObserver(IQueryResultObserver* observer) override;
    void RemoveObserver(IQueryResultObserver* observer) override;
    // Registers with the definition model through the services, leaving the earlier ones;
    // none only leaves. Whoever hands the model its services takes them back (none) before
    // they are gone.
    void SetServices(IQueryResultModelServices* services) override;

    // Each evaluates the query and sends one ResultChanged, with counts and cross counts
    // already final.
    void DefinitionRebuilt(IQueryDefinitionModel& definition) override { Evaluate(definition); }
    void SelectionChanged(IQueryDefinitionModel& definition) override { Evaluate(definition); }
    void CategoriesChanged(IQueryDefinitionModel& definition) override {
        RecountCategories(definition);
    }

private:
    void Evaluate(IQueryDefinitionModel& definition);
    void Recount();
    void RecountCross(IQueryDefinitionModel& definition);
    enum class TNotification { Result, Sort };
    void Notify(TNotification notification);

    TSituationStatistics* m_statistics = nullptr;
    TSituationSet m_set;
    std::vector<int> m_counts;                            // by counting pair of the statistics
    std::unordered_map<std::uint64_t, int> m_crossCounts; // by (primary, secondary) text
    std::vector<IQueryResultObserver*> m_observers;
    IQueryResultModelServices* m_services = nullptr;
};
