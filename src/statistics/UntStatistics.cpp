#include "UntStatistics.h"

#include "LabelFormat.h"
#include "MatchStatFile.h"
#include "SituationTable.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

// ---- TSituationIndex ----

TSituationIndex::TSituationIndex(std::string name, TSituationTable& table)
    : m_name(std::move(name)), m_table(&table) {}

void TSituationIndex::Add(std::string_view key, TSituation* situation) {
    const int ordinal = m_table->Register(situation);
    AddEntry(m_table->Texts().Intern(key), ordinal);
}

void TSituationIndex::AddEntry(std::int32_t key, int ordinal) {
    m_added.push_back({key, ordinal});
}

void TSituationIndex::Sort() const {
    if (m_added.empty()) {
        return;
    }
    const TTextPool& texts = m_table->Texts();
    // Later additions go before earlier ones of the same key, among themselves and before the
    // entries already sorted.
    const std::size_t count = m_added.size();
    std::vector<int> ranks(count);
    for (std::size_t i = 0; i < count; ++i) {
        ranks[i] = texts.Rank(m_added[i].key);
    }
    std::vector<TEntry> added(count);
    const auto rankCount = static_cast<std::size_t>(texts.Count());
    if (rankCount <= 8 * count) {
        // Ranks are dense: a counting sort, walking the additions from the last.
        std::vector<int> next(rankCount + 1, 0);
        for (int rank : ranks) {
            ++next[static_cast<std::size_t>(rank) + 1];
        }
        for (std::size_t r = 1; r <= rankCount; ++r) {
            next[r] += next[r - 1];
        }
        for (std::size_t i = count; i-- > 0;) {
            added[static_cast<std::size_t>(next[static_cast<std::size_t>(ranks[i])]++)] =
                m_added[i];
        }
    } else {
        std::vector<std::size_t> order(count);
        for (std::size_t i = 0; i < count; ++i) {
            order[i] = count - 1 - i;
        }
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return ranks[a] < ranks[b]; });
        for (std::size_t i = 0; i < count; ++i) {
            added[i] = m_added[order[i]];
        }
    }
    if (m_entries.empty()) {
        m_entries = std::move(added);
    } else {
        std::vector<TEntry> merged;
        merged.reserve(m_entries.size() + count);
        std::merge(added.begin(), added.end(), m_entries.begin(), m_entries.end(),
                   std::back_inserter(merged), [&](const TEntry& a, const TEntry& b) {
                       return texts.Rank(a.key) < texts.Rank(b.key);
                   });
        m_entries = std::move(merged);
    }
    m_added.clear();
    m_added.shrink_to_fit();
}

int TSituationIndex::EntryCount() const {
    return static_cast<int>(m_entries.size() + m_added.size());
}

const std::string& TSituationIndex::Key(int i) const {
    Sort();
    return m_table->Texts().Text(m_entries.at(static_cast<std::size_t>(i)).key);
}

TSituation* TSituationIndex::EntrySituation(int i) const {
    Sort();
    return m_table->Situation(m_entries.at(static_cast<std::size_t>(i)).ordinal);
}

int TSituationIndex::KeyRunEnd(int i) const {
    Sort();
    const TTextPool& texts = m_table->Texts();
    const std::int32_t key = m_entries.at(static_cast<std::size_t>(i)).key;
    const int rank = texts.Rank(key);
    auto end = std::upper_bound(m_entries.begin() + i, m_entries.end(), rank,
                                [&](int r, const TEntry& e) { return r < texts.Rank(e.key); });
    return static_cast<int>(end - m_entries.begin());
}

void TSituationIndex::SelectKey(std::string_view key) {
    ++m_selectedKeyCount;
    const TTextId id = m_table->Texts().Find(key);
    if (id == kNoText) {
        return;
    }
    Sort();
    const TTextPool& texts = m_table->Texts();
    const int rank = texts.Rank(id);
    auto first = std::lower_bound(m_entries.begin(), m_entries.end(), rank,
                                  [&](const TEntry& e, int r) { return texts.Rank(e.key) < r; });
    if (m_marks.size() < static_cast<std::size_t>(m_table->Count())) {
        m_marks.resize(static_cast<std::size_t>(m_table->Count()), 0);
    }
    for (auto it = first; it != m_entries.end() && it->key == id; ++it) {
        std::uint32_t& mark = m_marks[static_cast<std::size_t>(it->ordinal)];
        if (mark != m_stamp) {
            mark = m_stamp;
            m_selection.push_back(it->ordinal);
            m_selectionSorted = false;
        }
    }
}

void TSituationIndex::ClearSelection() {
    m_selection.clear();
    m_selectionSorted = true;
    m_selectedKeyCount = 0;
    if (++m_stamp == 0) {
        std::fill(m_marks.begin(), m_marks.end(), 0);
        m_stamp = 1;
    }
}

bool TSituationIndex::ContainsOrdinal(int ordinal) const {
    if (m_selectedKeyCount == 0) {
        return true;
    }
    return ordinal >= 0 && static_cast<std::size_t>(ordinal) < m_marks.size() &&
           m_marks[static_cast<std::size_t>(ordinal)] == m_stamp;
}

bool TSituationIndex::Contains(const TSituation* situation) const {
    return m_selectedKeyCount == 0 || ContainsOrdinal(m_table->Find(situation));
}

int TSituationIndex::SelectedCount() const {
    return m_selectedKeyCount == 0 ? EntryCount() : static_cast<int>(m_selection.size());
}

void TSituationIndex::SortSelection() const {
    if (m_selectionSorted) {
        return;
    }
    const std::vector<int>& ranks = m_table->IdRanks();
    std::sort(m_selection.begin(), m_selection.end(), [&ranks](int a, int b) {
        return ranks[static_cast<std::size_t>(a)] < ranks[static_cast<std::size_t>(b)];
    });
    m_selectionSorted = true;
}

int TSituationIndex::SelectedOrdinal(int i) const {
    if (m_selectedKeyCount == 0) {
        Sort();
        return m_entries.at(static_cast<std::size_t>(i)).ordinal;
    }
    SortSelection();
    return m_selection.at(static_cast<std::size_t>(i));
}

TSituation* TSituationIndex::SelectedSituation(int i) const {
    return m_table->Situation(SelectedOrdinal(i));
}

// ---- TSituationIndexes ----

TSituationIndex& TSituationIndexes::Add(std::unique_ptr<TSituationIndex> index) {
    if (m_byName.count(index->Name()) != 0) {
        throw std::invalid_argument("An index named \"" + index->Name() + "\" exists already.");
    }
    const TNameOrder& order = m_table->Order();
    const QString name = QString::fromStdString(index->Name());
    auto position = std::upper_bound(m_items.begin(), m_items.end(), name,
                                     [&](const QString& n, const auto& item) {
                                         return order.Less(n, QString::fromStdString(item->Name()));
                                     });
    TSituationIndex& added = **m_items.insert(position, std::move(index));
    m_byName.emplace(added.Name(), &added);
    return added;
}

TSituationIndex& TSituationIndexes::Items(int i) const {
    return *m_items.at(static_cast<std::size_t>(i));
}

TSituationIndex* TSituationIndexes::Find(std::string_view name) const {
    auto it = m_byName.find(std::string(name));
    return it == m_byName.end() ? nullptr : it->second;
}

TSituationIndex& TSituationIndexes::FindOrCreate(std::string_view name) {
    if (TSituationIndex* index = Find(name)) {
        return *index;
    }
    return Add(std::make_unique<TSituationIndex>(std::string(name), *m_table));
}

// ---- TPresentationIndex ----

void TPresentationIndex::Add(TSituation* situation, TPresentation* presentation) {
    const auto ordinal = static_cast<std::size_t>(m_table->Register(situation));
    if (m_byOrdinal.size() <= ordinal) {
        m_byOrdinal.resize(ordinal + 1, nullptr);
    }
    if (m_byOrdinal[ordinal] || !presentation) {
        return;
    }
    m_byOrdinal[ordinal] = presentation;
    m_table->SetPresentationName(static_cast<int>(ordinal),
                                 m_table->Texts().Intern(presentation->Text()));
}

int TPresentationIndex::CountOf(const TSituation* situation) const {
    return PresentationOf(situation) ? 1 : 0;
}

TPresentation* TPresentationIndex::PresentationOf(const TSituation* situation) const {
    const int ordinal = m_table->Find(situation);
    if (ordinal < 0 || static_cast<std::size_t>(ordinal) >= m_byOrdinal.size()) {
        return nullptr;
    }
    return m_byOrdinal[static_cast<std::size_t>(ordinal)];
}

// ---- TSituationStatistics ----

TSituationStatistics::TSituationStatistics(const TMatchStatFile& document,
                                           const TLabelFormat& format)
    : m_document(&document), m_table(std::make_shared<TSituationTable>(format)),
      m_indexes(*m_table), m_presentationIndex(*m_table) {
    TSituationIndexes& indexes = m_indexes;
    m_presentation = &indexes.FindOrCreate(category::kPresentation);
    m_medium = &indexes.FindOrCreate(category::kMedium);
    m_team = &indexes.FindOrCreate(category::kTeam);
    m_team1 = &indexes.FindOrCreate(category::kTeam1);
    m_team2 = &indexes.FindOrCreate(category::kTeam2);
    m_clipType = &indexes.FindOrCreate(category::kClipType);
    m_timeInterval = &indexes.FindOrCreate(category::kTimeInterval);
    Build();
}

TSituationStatistics::~TSituationStatistics() = default;

void TSituationStatistics::Build() {
    TSituationTable& table = *m_table;
    TTextPool& texts = table.Texts();
    std::unordered_map<TTextId, TSituationIndex*> questionIndexes;
    const TTextId empty = texts.Intern("");
    const TTextId none = table.NoneText();
    std::size_t situations = 0;
    for (const TMatch* match : m_document->Matches()) {
        situations += static_cast<std::size_t>(match->Situations().Count());
    }
    table.Reserve(situations);
    for (const TMatch* match : m_document->Matches()) {
        for (TSituation* situation : match->Situations()) {
            const int ordinal = table.Register(situation);
            const TSituationRecord& record = table.Record(ordinal);
            m_medium->AddEntry(record.medium, ordinal);
            m_team->AddEntry(record.team, ordinal);
            m_team1->AddEntry(record.home, ordinal);
            m_team2->AddEntry(record.guest, ordinal);
            m_clipType->AddEntry(record.clipType, ordinal);
            m_timeInterval->AddEntry(record.interval, ordinal);
            for (const TQuestionRecord& question : table.Questions(record)) {
                if (question.text == empty) {
                    continue;
                }
                TSituationIndex*& index = questionIndexes[question.text];
                if (!index) {
                    index = &m_indexes.FindOrCreate(texts.Text(question.text));
                }
                if (question.answerCount == 0) {
                    index->AddEntry(none, ordinal);
                }
                for (TTextId answer : table.Answers(question)) {
                    index->AddEntry(answer == empty ? none : answer, ordinal);
                }
            }
        }
    }
    for (TPresentation* presentation : m_document->Presentations()) {
        for (const TScene* scene : presentation->Scenes()) {
            TSituation* situation = scene->Situation();
            // A scene may still point at a situation of a match that was taken out of the
            // document (its video was not found); such situations appear nowhere.
            const int ordinal = situation ? table.Find(situation) : -1;
            if (ordinal < 0) {
                continue;
            }
            m_presentation->AddEntry(texts.Intern(presentation->Text()), ordinal);
            m_presentationIndex.Add(situation, presentation);
        }
    }
}

void TSituationStatistics::SelectKey(std::string_view indexName, std::string_view key) {
    m_indexes.FindOrCreate(indexName).SelectKey(key);
}

void TSituationStatistics::ClearSelections() {
    for (int i = 0; i < m_indexes.Count(); ++i) {
        m_indexes.Items(i).ClearSelection();
    }
}

std::string TSituationStatistics::MatchDate(const TMatch& match, const TLabelFormat& format) {
    return format.FormatDate(match.DateTime());
}

std::string TSituationStatistics::MatchLabel(const TMatch& match, const TLabelFormat& format) {
    const auto name = [](const TTeam* team) { return std::string(team ? team->Text() : ""); };
    return MatchDate(match, format) + "  " + match.Name() + "  " + name(match.HomeTeam()) + "-" +
           name(match.GuestTeam()) + "  " + match.Result();
}

// ---- TSituationSet ----

TSituationSet::TSituationSet() = default;
TSituationSet::~TSituationSet() = default;

TSituation* TSituationSet::Items(int i) const {
    return m_table->Situation(m_items.at(static_cast<std::size_t>(i)));
}

void TSituationSet::Adopt(const TSituationTable& table) {
    if (m_table.get() == &table) {
        if (m_members.size() < static_cast<std::size_t>(table.Count())) {
            m_members.resize(static_cast<std::size_t>(table.Count()), false);
        }
        return;
    }
    if (!m_items.empty()) {
        throw std::logic_error("A situation set cannot hold situations of two statistics.");
    }
    m_table = table.shared_from_this();
    m_members.assign(static_cast<std::size_t>(table.Count()), false);
}

void TSituationSet::UnionWith(const TSituationIndex& index) {
    DiscardSortedView();
    const int count = index.SelectedCount();
    if (count == 0) {
        return;
    }
    Adopt(index.Table());
    for (int i = 0; i < count; ++i) {
        const int ordinal = index.SelectedOrdinal(i);
        if (!m_members[static_cast<std::size_t>(ordinal)]) {
            m_members[static_cast<std::size_t>(ordinal)] = true;
            m_items.push_back(ordinal);
        }
    }
}

void TSituationSet::IntersectWith(const TSituationIndex& index) {
    DiscardSortedView();
    if (index.SelectedKeyCount() == 0 || m_items.empty()) {
        return;
    }
    const bool sameTable = &index.Table() == m_table.get();
    auto kept = std::remove_if(m_items.begin(), m_items.end(), [&](int ordinal) {
        const bool contained = sameTable ? index.ContainsOrdinal(ordinal)
                                         : index.Contains(m_table->Situation(ordinal));
        if (!contained) {
            m_members[static_cast<std::size_t>(ordinal)] = false;
        }
        return !contained;
    });
    m_items.erase(kept, m_items.end());
}

void TSituationSet::Clear() {
    m_items.clear();
    m_members.clear();
    m_table.reset();
    DiscardSortedView();
}

void TSituationSet::DiscardSortedView() {
    m_sorted.clear();
    m_sortedBuilt = false;
}

void TSituationSet::SetSortCategory(const std::string& name) {
    if (name != m_sortCategory) {
        m_sortCategory = name;
        m_ascending = true;
    } else {
        m_ascending = !m_ascending;
    }
}

void TSituationSet::BuildSortedView() {
    m_sorted.clear();
    m_sortedBuilt = true;
    if (m_items.empty() || m_sortCategory.empty()) {
        return;
    }
    const std::vector<int>& ranks = m_table->SortRanks(m_sortCategory);
    // Equal keys: the later item of the set first.
    std::vector<std::uint64_t> keys;
    keys.reserve(m_items.size());
    const auto count = static_cast<std::uint32_t>(m_items.size());
    for (std::uint32_t i = 0; i < count; ++i) {
        const auto rank = static_cast<std::uint64_t>(ranks[static_cast<std::size_t>(m_items[i])]);
        keys.push_back((rank << 32) | (count - 1 - i));
    }
    std::sort(keys.begin(), keys.end());
    m_sorted.reserve(keys.size());
    for (std::uint64_t key : keys) {
        m_sorted.push_back(m_items[count - 1 - static_cast<std::uint32_t>(key & 0xFFFFFFFFu)]);
    }
}

namespace {

std::int64_t ClipMs(const TSituationRecord& record) {
    return record.endMs - record.startMs;
}

} // namespace

std::int64_t TSituationSet::TotalLengthMs() const {
    std::int64_t total = 0;
    for (int ordinal : m_items) {
        total += ClipMs(m_table->Record(ordinal));
    }
    return total;
}

std::int64_t TSituationSet::SortedClipMs(int i) const {
    return ClipMs(m_table->Record(SortedOrdinal(i)));
}

int TSituationSet::SortedCount() const {
    if (m_sortCategory.empty()) {
        return Count();
    }
    return static_cast<int>(m_sorted.size());
}

TSituation* TSituationSet::SortedItem(int i) const {
    return m_table->Situation(SortedOrdinal(i));
}

int TSituationSet::SortedOrdinal(int i) const {
    if (m_sortCategory.empty()) {
        return m_items.at(static_cast<std::size_t>(i));
    }
    const auto count = static_cast<int>(m_sorted.size());
    const int position = m_ascending ? i : count - 1 - i;
    if (i < 0 || i >= count) {
        throw std::out_of_range("No sorted item " + std::to_string(i) + ".");
    }
    return m_sorted[static_cast<std::size_t>(position)];
}
