#pragma once
// The shared core of one statistics object: every situation as a record of interned texts,
// numbered in the order of registration, and what queries, counts and sorts derive from the
// records, each computed once and kept until a situation or text is added.

#include "CategoryNames.h"
#include "LabelFormat.h"
#include "NameOrder.h"
#include "OrdinalIndex.h"
#include "TextPool.h"

#include <cstdint>
#include <iterator>
#include <memory>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

class TMatch;
class TPresentation;
class TSituation;

struct TQuestionRecord {
    TTextId text = kNoText;
    int firstAnswer = 0; // answer texts as written, the empty text included
    int answerCount = 0;
};

struct TSituationRecord {
    TSituation* situation = nullptr;
    const TMatch* match = nullptr;
    TTextId medium = kNoText; // match label
    TTextId matchDate = kNoText;
    TTextId matchName = kNoText;
    std::int32_t matchDay = 0; // date part of the match's date-time, in days
    TTextId team = kNoText;    // the situation's team, "" when it names none
    TTextId home = kNoText;
    TTextId guest = kNoText;
    TTextId clipType = kNoText;
    TTextId interval = kNoText; // time interval label
    std::int32_t startMs = 0;   // time of day of StartingTime
    bool startBlank = false;    // StartingTime is day 0 at midnight, which shows no time
    std::int32_t endMs = 0;     // the same two of EndingTime, for "To" and the clip lengths
    bool endBlank = false;      // (read once here rather than from the element per row)
    bool onHomeSide = false;    // the team is the match's home team
    int firstQuestion = 0;
    int questionCount = 0;
};

// The text of a record that a clip-list column shows; none for "From", "To" and the question
// columns, which show times and answers.
using TRecordText = TTextId TSituationRecord::*;
TRecordText ClipColumnText(TClipColumn column);

// Values of one category for every situation: those of ordinal o are
// values[offsets[o] .. offsets[o + 1]).
struct TTabulation {
    std::vector<int> offsets;
    std::vector<TTextId> values;
    std::span<const TTextId> Of(int ordinal) const {
        const auto o = static_cast<std::size_t>(ordinal);
        return {values.data() + offsets[o], values.data() + offsets[o + 1]};
    }
};

class TSituationTable : public std::enable_shared_from_this<TSituationTable> {
public:
    explicit TSituationTable(const TLabelFormat& format);
    TSituationTable(const TSituationTable&) = delete;
    TSituationTable& operator=(const TSituationTable&) = delete;

    const TNameOrder& Order() const { return m_order; }
    const TLabelFormat& Format() const { return m_format; }
    TTextPool& Texts() { return m_texts; }
    const TTextPool& Texts() const { return m_texts; }

    // Room for count situations, so that registering them all takes linear time.
    void Reserve(std::size_t count);
    // The situation's number, reading its record on first sight. Reading its times or team can
    // throw; the situation is then not registered. The record is not read again: a document's
    // situations keep their times while statistics over it live.
    int Register(TSituation* situation);
    // -1 for a situation never registered.
    int Find(const TSituation* situation) const;
    int Count() const { return static_cast<int>(m_records.size()); }
    TSituation* Situation(int ordinal) const { return Record(ordinal).situation; }
    const TSituationRecord& Record(int ordinal) const {
        return m_records[static_cast<std::size_t>(ordinal)];
    }
    std::span<const TQuestionRecord> Questions(const TSituationRecord& record) const;
    std::span<const TTextId> Answers(const TQuestionRecord& question) const;
    // The answers joined by " & ", as a question column shows them.
    std::string AnswersText(std::span<const TTextId> answers) const;
    std::string AnswersText(const TQuestionRecord& question) const {
        return AnswersText(Answers(question));
    }

    // The presentation that counts and tabulates for a situation; kNoText for none.
    void SetPresentationName(int ordinal, TTextId name);
    TTextId PresentationName(int ordinal) const;

    // Position of each situation's identifier in name order, by situation number; ties follow
    // registration.
    const std::vector<int>& IdRanks() const;

    // Sort rank of every situation for a sort category of the situation set.
    const std::vector<int>& SortRanks(const std::string& sortCategory) const;

    // One-dimensional counts are kept per (category, value) pair, numbered densely.
    int PairCount() const { return m_pairIds.Count(); }
    int FindPair(TTextId category, TTextId value) const;
    // Every counting pair of the situation, its presentation included.
    template <class F> void ForEachCountingPair(int ordinal, F&& visit) const {
        const auto o = static_cast<std::size_t>(ordinal);
        for (int i = m_pairOffsets[o]; i < m_pairOffsets[o + 1]; ++i) {
            visit(m_pairs[static_cast<std::size_t>(i)]);
        }
        visit(m_presentationPairs[o]);
    }

    // The tabulation values of every situation for a category of the cross table.
    const TTabulation& Tabulation(const std::string& categoryName) const;

    // Texts every table holds.
    TTextId NoneText() const { return m_none; }
    TTextId TotalText() const { return m_total; }

private:
    struct TMatchTexts {
        TTextId medium = kNoText;
        TTextId date = kNoText;
        TTextId name = kNoText;
        std::int32_t day = 0;
        TTextId home = kNoText;
        TTextId guest = kNoText;
    };
    const TMatchTexts& MatchTexts(const TMatch* match);
    int Pair(TTextId category, TTextId value);
    void AddCountingPairs(const TSituationRecord& record);
    // Whether caches made at the given state are still good.
    std::uint64_t State() const {
        return m_texts.Version() + m_records.size() + m_presentationEdits;
    }
    std::vector<int> RanksOfTexts(const std::vector<std::string>& texts) const;
    std::vector<std::string> SortTexts(const std::string& sortCategory) const;
    std::vector<int> TimeSortRanks(TClipColumn column) const;
    TTabulation BuildTabulation(const std::string& categoryName) const;

    TNameOrder m_order;
    TLabelFormat m_format;
    TTextPool m_texts{m_order};
    std::vector<TSituationRecord> m_records;
    std::vector<TQuestionRecord> m_questions;
    std::vector<TTextId> m_answers;
    // Of the situations' addresses, and of the matches', numbering m_matches.
    TOrdinalIndex m_ordinals{TKeySpread::Addresses};
    TOrdinalIndex m_matchIds{TKeySpread::Addresses};
    std::vector<TMatchTexts> m_matches;
    std::vector<TTextId> m_presentationNames;
    std::uint64_t m_presentationEdits = 0;

    TOrdinalIndex m_pairIds; // of PairKey(category, value)
    std::vector<int> m_pairOffsets{0};
    std::vector<int> m_pairs;
    std::vector<int> m_presentationPairs;

    TTextId m_empty;
    TTextId m_none;
    TTextId m_total;
    TTextId m_categoryTexts[std::size(kFixedCategories)]; // by TFixedCategory

    mutable std::vector<int> m_idRanks;
    mutable std::uint64_t m_idRanksState = ~0ULL;
    template <class T> struct TCached {
        std::uint64_t state = ~0ULL;
        T value;
    };
    mutable std::unordered_map<std::string, TCached<std::vector<int>>> m_sortRanks;
    mutable std::unordered_map<std::string, TCached<TTabulation>> m_tabulations;
};

// A date-time at day 0, midnight: a clip time never set, which the clip list leaves empty.
bool IsBlankTime(double value);

// The time interval label of a time of day in whole milliseconds.
const char* TimeIntervalLabel(std::int64_t timeOfDayMs);
