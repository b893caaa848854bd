#include "QueryResultModel.h"

#include "CategoryNames.h"
#include "SituationTable.h"

#include <algorithm>

namespace {

std::uint64_t CrossKey(TTextId primary, TTextId secondary) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(primary)) << 32) |
           static_cast<std::uint32_t>(secondary);
}

} // namespace

TQueryResultModel::TQueryResultModel() {
    // A new result lists its clips by date, as the clip list first shows them.
    m_set.SetSortCategory(ClipColumnInfo(TClipColumn::Date).caption);
}

TQueryResultModel::~TQueryResultModel() {
    SetServices(nullptr);
}

void TQueryResultModel::SetQueryModel(IQueryModel& queryModel) {
    m_statistics = queryModel.GetStatistics();
    m_set.Clear();
    m_counts.clear();
    m_crossCounts.clear();
}

void TQueryResultModel::Evaluate(IQueryDefinitionModel& definition) {
    m_set.Clear();
    if (m_statistics) {
        m_statistics->ClearSelections();
        const int propertyCount = definition.GetSelectedPropertyCount();
        std::vector<std::string> names;
        for (int i = 0; i < propertyCount; ++i) {
            std::shared_ptr<IQueryProperty> property = definition.GetSelectedProperty(i);
            names.push_back(property->GetName().toStdString());
            const int valueCount = property->GetSelectedValueCount();
            for (int j = 0; j < valueCount; ++j) {
                m_statistics->SelectKey(names.back(),
                                        property->GetSelectedValue(j)->GetText().toStdString());
            }
        }
        TSituationIndexes& indexes = m_statistics->Indexes();
        if (names.empty()) {
            // Without a selection the "Medium" index yields every situation of every match.
            m_set.UnionWith(m_statistics->Medium());
        } else {
            m_set.UnionWith(indexes.FindOrCreate(names.front()));
            for (std::size_t i = 1; i < names.size(); ++i) {
                m_set.IntersectWith(indexes.FindOrCreate(names[i]));
            }
        }
    }
    m_set.BuildSortedView();
    Recount();
    RecountCross(definition);
    Notify(TNotification::Result);
}

void TQueryResultModel::Recount() {
    m_counts.clear();
    if (!m_statistics) {
        return;
    }
    const TSituationTable& table = m_statistics->Table();
    m_counts.assign(static_cast<std::size_t>(table.PairCount()), 0);
    for (int ordinal : m_set.Ordinals()) {
        table.ForEachCountingPair(ordinal,
                                  [this](int pair) { ++m_counts[static_cast<std::size_t>(pair)]; });
    }
}

void TQueryResultModel::RecountCategories(IQueryDefinitionModel& definition) {
    RecountCross(definition);
    Notify(TNotification::Result);
}

void TQueryResultModel::RecountCross(IQueryDefinitionModel& definition) {
    m_crossCounts.clear();
    if (!m_statistics) {
        return;
    }
    const TSituationTable& table = m_statistics->Table();
    const TTabulation& primary = table.Tabulation(definition.GetPrimaryCategory().toStdString());
    const TTabulation& secondary =
        table.Tabulation(definition.GetSecondaryCategory().toStdString());
    const TTextId total = table.TotalText();
    for (int ordinal : m_set.Ordinals()) {
        const std::span<const TTextId> rows = primary.Of(ordinal);
        const std::span<const TTextId> columns = secondary.Of(ordinal);
        for (TTextId row : rows) {
            for (TTextId column : columns) {
                ++m_crossCounts[CrossKey(row, column)];
            }
            ++m_crossCounts[CrossKey(row, total)];
        }
        for (TTextId column : columns) {
            ++m_crossCounts[CrossKey(total, column)];
        }
    }
    if (!m_set.Ordinals().empty()) {
        m_crossCounts[CrossKey(total, total)] += static_cast<int>(m_set.Ordinals().size());
    }
}

int TQueryResultModel::GetCount(const QString& category, const QString& value) {
    if (!m_statistics) {
        return 0;
    }
    const TSituationTable& table = m_statistics->Table();
    const TTextId categoryText = table.Texts().Find(category.toStdString());
    const TTextId valueText = table.Texts().Find(value.toStdString());
    if (categoryText == kNoText || valueText == kNoText) {
        return 0;
    }
    const int pair = table.FindPair(categoryText, valueText);
    return pair >= 0 && static_cast<std::size_t>(pair) < m_counts.size()
               ? m_counts[static_cast<std::size_t>(pair)]
               : 0;
}

int TQueryResultModel::GetCrossCount(const QString& primaryValue, const QString& secondaryValue) {
    if (!m_statistics) {
        return 0;
    }
    const TTextPool& texts = m_statistics->Table().Texts();
    const TTextId primary = texts.Find(primaryValue.toStdString());
    const TTextId secondary = texts.Find(secondaryValue.toStdString());
    if (primary == kNoText || secondary == kNoText) {
        return 0;
    }
    auto it = m_crossCounts.find(CrossKey(primary, secondary));
    return it == m_crossCounts.end() ? 0 : it->second;
}

void TQueryResultModel::Resort() {
    m_set.BuildSortedView();
    Notify(TNotification::Sort);
}

void TQueryResultModel::SortBy(const QString& category) {
    m_set.SetSortCategory(category.toStdString());
    Resort();
}

void TQueryResultModel::AddObserver(IQueryResultObserver* observer) {
    m_observers.push_back(observer);
}

void TQueryResultModel::RemoveObserver(IQueryResultObserver* observer) {
    auto it = std::find(m_observers.begin(), m_observers.end(), observer);
    if (it != m_observers.end()) {
        m_observers.erase(it);
    }
}

void TQueryResultModel::SetServices(IQueryResultModelServices* services) {
    if (m_services) {
        m_services->RemoveDefinitionObserver(this);
    }
    m_services = services;
    if (m_services) {
        m_services->AddDefinitionObserver(this);
    }
}

void TQueryResultModel::Notify(TNotification notification) {
    // An observer that leaves while the others are told is not told any more; one that
    // releases the last owner of the model does not end the model before the round is over.
    const std::shared_ptr<TQueryResultModel> keepAlive = weak_from_this().lock();
    const std::vector<IQueryResultObserver*> observers = m_observers;
    for (IQueryResultObserver* observer : observers) {
        if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end()) {
            continue;
        }
        if (notification == TNotification::Result) {
            observer->ResultChanged(*this);
        } else {
            observer->SortChanged(*this);
        }
    }
}
