#pragma once
// The situations of one media index grouped by category. Each category ("Medium", "Team",
// "Team 1", "Team 2", "Clip Type", "Time Interval", "Presentation" and every question) has an
// index from value to situations: the vocabulary of the query, the filter engine, and with
// TSituationSet the sorted result that the clip list and the media controller read.
//
// Situations are told apart by object, not by identifier text: a hand-written file may repeat
// or omit identifiers, and two situations are still two clips.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TLabelFormat;
class TMatch;
class TMatchStatFile;
class TPresentation;
class TSituation;
class TSituationTable;

// Category value -> situations, sorted by value in name order. A key may occur many times;
// entries of equal keys list their situations in reverse order of addition.
class TSituationIndex {
public:
    TSituationIndex(std::string name, TSituationTable& table);
    TSituationIndex(const TSituationIndex&) = delete;
    TSituationIndex& operator=(const TSituationIndex&) = delete;

    const std::string& Name() const { return m_name; }

    void Add(std::string_view key, TSituation* situation);
    int EntryCount() const;
    // 0-based, in sorted order.
    const std::string& Key(int i) const;
    TSituation* EntrySituation(int i) const;
    // The entry after the run of entries whose key equals Key(i).
    int KeyRunEnd(int i) const;

    // Adds the situations of every entry with that key to the selection; a key without entries
    // still counts as selected, so that the index then lets nothing else pass.
    void SelectKey(std::string_view key);
    void ClearSelection();
    int SelectedKeyCount() const { return m_selectedKeyCount; }
    // True for every situation while no key is selected.
    bool Contains(const TSituation* situation) const;
    // Without a selected key: the entries; otherwise the selected situations, each once, in
    // the name order of their identifiers.
    int SelectedCount() const;
    TSituation* SelectedSituation(int i) const;

    // The same by situation number, for the set operations.
    TSituationTable& Table() const { return *m_table; }
    bool ContainsOrdinal(int ordinal) const;
    int SelectedOrdinal(int i) const;

private:
    struct TEntry {
        std::int32_t key;
        std::int32_t ordinal;
    };
    void AddEntry(std::int32_t key, int ordinal);
    void Sort() const;
    void SortSelection() const;
    friend class TSituationStatistics;

    std::string m_name;
    TSituationTable* m_table;
    mutable std::vector<TEntry> m_entries; // sorted once m_added is merged in
    mutable std::vector<TEntry> m_added;   // in order of addition, not yet merged
    mutable std::vector<int> m_selection;
    mutable bool m_selectionSorted = true;
    std::vector<std::uint32_t> m_marks; // per situation number: selected when == m_stamp
    std::uint32_t m_stamp = 1;
    int m_selectedKeyCount = 0;
};

// Every index of one statistics object, sorted by name; names are unique.
class TSituationIndexes {
public:
    explicit TSituationIndexes(TSituationTable& table) : m_table(&table) {}
    TSituationIndexes(const TSituationIndexes&) = delete;
    TSituationIndexes& operator=(const TSituationIndexes&) = delete;

    // Throws std::invalid_argument when an index of that name exists already.
    TSituationIndex& Add(std::unique_ptr<TSituationIndex> index);
    int Count() const { return static_cast<int>(m_items.size()); }
    TSituationIndex& Items(int i) const;
    TSituationIndex* Find(std::string_view name) const;
    TSituationIndex& FindOrCreate(std::string_view name);

private:
    TSituationTable* m_table;
    std::vector<std::unique_ptr<TSituationIndex>> m_items;
    std::unordered_map<std::string, TSituationIndex*> m_byName;
};

// The presentation of each situation: the first one recorded; later records are ignored.
class TPresentationIndex {
public:
    explicit TPresentationIndex(TSituationTable& table) : m_table(&table) {}
    TPresentationIndex(const TPresentationIndex&) = delete;
    TPresentationIndex& operator=(const TPresentationIndex&) = delete;

    void Add(TSituation* situation, TPresentation* presentation);
    int CountOf(const TSituation* situation) const;
    TPresentation* PresentationOf(const TSituation* situation) const;

private:
    TSituationTable* m_table;
    std::vector<TPresentation*> m_byOrdinal;
};

// Built once over a document and not updated afterwards; a changed document gets a new one.
// Only the selections of the indexes change.
class TSituationStatistics {
public:
    // Throws what reading the document throws (an unreadable date-time, a team identifier
    // that names another kind of element).
    TSituationStatistics(const TMatchStatFile& document, const TLabelFormat& format);
    ~TSituationStatistics();
    TSituationStatistics(const TSituationStatistics&) = delete;
    TSituationStatistics& operator=(const TSituationStatistics&) = delete;

    const TMatchStatFile& Document() const { return *m_document; }
    TSituationIndexes& Indexes() { return m_indexes; }
    const TSituationIndexes& Indexes() const { return m_indexes; }
    TSituationIndex& Presentation() const { return *m_presentation; }
    TSituationIndex& Medium() const { return *m_medium; }
    TSituationIndex& Team() const { return *m_team; }
    TSituationIndex& Team1() const { return *m_team1; }
    TSituationIndex& Team2() const { return *m_team2; }
    TSituationIndex& ClipType() const { return *m_clipType; }
    TSituationIndex& TimeInterval() const { return *m_timeInterval; }
    const TPresentationIndex& PresentationIndex() const { return m_presentationIndex; }

    void SelectKey(std::string_view indexName, std::string_view key);
    void ClearSelections();

    // date + "  " + name + "  " + home + "-" + guest + "  " + result
    static std::string MatchLabel(const TMatch& match, const TLabelFormat& format);
    // Year, month and day of the match's date, joined by the format's date separator.
    static std::string MatchDate(const TMatch& match, const TLabelFormat& format);

    const TSituationTable& Table() const { return *m_table; }
    const std::shared_ptr<TSituationTable>& SharedTable() const { return m_table; }

private:
    void Build();

    const TMatchStatFile* m_document;
    std::shared_ptr<TSituationTable> m_table;
    TSituationIndexes m_indexes;
    TSituationIndex* m_presentation;
    TSituationIndex* m_medium;
    TSituationIndex* m_team;
    TSituationIndex* m_team1;
    TSituationIndex* m_team2;
    TSituationIndex* m_clipType;
    TSituationIndex* m_timeInterval;
    TPresentationIndex m_presentationIndex;
};

// The result of a query: distinct situations in the order of addition, and a view of them
// sorted by a category. The set refers to the situations; it does not own them.
class TSituationSet {
public:
    TSituationSet();
    ~TSituationSet();
    TSituationSet(const TSituationSet&) = delete;
    TSituationSet& operator=(const TSituationSet&) = delete;

    int Count() const { return static_cast<int>(m_items.size()); }
    TSituation* Items(int i) const;

    // Appends the index's selected situations that the set lacks.
    void UnionWith(const TSituationIndex& index);
    // Keeps, in order, the situations the index contains; an index without a selected key
    // keeps all.
    void IntersectWith(const TSituationIndex& index);
    void Clear();

    // A new category sorts ascending; the same category again reverses the direction. The
    // sorted view is not rebuilt here.
    void SetSortCategory(const std::string& name);
    const std::string& SortCategory() const { return m_sortCategory; }
    bool Ascending() const { return m_ascending; }
    // Sorts the set by the sort key of the category. Among equal keys, ascending order lists
    // situations in reverse set order and descending order in set order.
    void BuildSortedView();
    // Without a sort category the set in its own order; otherwise the sorted view, which is
    // empty from a set operation until the next BuildSortedView.
    int SortedCount() const;
    TSituation* SortedItem(int i) const;
    // The situation number of SortedItem(i) in Table().
    int SortedOrdinal(int i) const;
    // What playing clip SortedItem(i) takes: its ending less its starting time of day, in
    // milliseconds, as the set's records hold them (no date-time is read again).
    std::int64_t SortedClipMs(int i) const;

    // What playing every clip of the set takes: each situation's ending less its starting
    // time of day, added up, in milliseconds.
    std::int64_t TotalLengthMs() const;

    // Situation numbers in the set's order, for counting.
    const std::vector<int>& Ordinals() const { return m_items; }
    const TSituationTable* Table() const { return m_table.get(); }

private:
    void Adopt(const TSituationTable& table);
    void DiscardSortedView();

    std::shared_ptr<const TSituationTable> m_table;
    std::vector<int> m_items;
    std::vector<bool> m_members; // by situation number
    std::vector<int> m_sorted;
    bool m_sortedBuilt = false;
    std::string m_sortCategory;
    bool m_ascending = true;
};
