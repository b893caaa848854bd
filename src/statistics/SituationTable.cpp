#include "SituationTable.h"

#include "KivDateTime.h"
#include "Match.h"
#include "Situation.h"
#include "Team.h"

#include <algorithm>

namespace {

std::uint64_t AddressKey(const void* object) {
    return reinterpret_cast<std::uintptr_t>(object);
}

std::uint64_t PairKey(TTextId category, TTextId value) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(category)) << 32) |
           static_cast<std::uint32_t>(value);
}

std::string_view TeamName(const TTeam* team) {
    return team ? team->Text() : std::string_view();
}

bool IsDigits(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

bool IsBlankTime(double value) {
    return std::fabs(value) < 1e-7;
}

const char* TimeIntervalLabel(std::int64_t timeOfDayMs) {
    static const char* const labels[] = {
        "00:00:00 - 00:09:59", "00:10:00 - 00:19:59", "00:20:00 - 00:29:59", "00:30:00 - 00:39:59",
        "00:40:00 - 00:49:59", "00:50:00 - 00:59:59", "01:00:00 -"};
    const std::int64_t tenMinutes = timeOfDayMs / 600'000;
    return labels[std::min<std::int64_t>(tenMinutes, 6)];
}

TRecordText ClipColumnText(TClipColumn column) {
    switch (column) {
    case TClipColumn::Date:
        return &TSituationRecord::matchDate;
    case TClipColumn::Name:
        return &TSituationRecord::matchName;
    case TClipColumn::Team1:
        return &TSituationRecord::home;
    case TClipColumn::Team2:
        return &TSituationRecord::guest;
    case TClipColumn::ClipTeam:
        return &TSituationRecord::team;
    case TClipColumn::ClipType:
        return &TSituationRecord::clipType;
    default:
        return nullptr;
    }
}

TSituationTable::TSituationTable(const TLabelFormat& format) : m_format(format) {
    m_empty = m_texts.Intern("");
    m_none = m_texts.Intern(category::kNone);
    m_total = m_texts.Intern(category::kTotal);
    for (const TFixedCategoryName& fixed : kFixedCategories) {
        m_categoryTexts[static_cast<int>(fixed.category)] = m_texts.Intern(fixed.name);
    }
}

const TSituationTable::TMatchTexts& TSituationTable::MatchTexts(const TMatch* match) {
    if (const int known = m_matchIds.Find(AddressKey(match)); known >= 0) {
        return m_matches[static_cast<std::size_t>(known)];
    }
    TMatchTexts texts;
    if (match) {
        const std::string home(TeamName(match->HomeTeam()));
        const std::string guest(TeamName(match->GuestTeam()));
        const double dateTime = match->DateTime();
        const std::string date = m_format.FormatDate(dateTime);
        texts.date = m_texts.Intern(date);
        texts.name = m_texts.Intern(match->Name());
        texts.day = static_cast<std::int32_t>(kivdatetime::DayNumber(dateTime));
        texts.medium = m_texts.Intern(date + "  " + match->Name() + "  " + home + "-" + guest +
                                      "  " + match->Result());
        texts.home = m_texts.Intern(home);
        texts.guest = m_texts.Intern(guest);
    } else {
        texts.date = texts.medium = texts.name = texts.home = texts.guest = m_empty;
    }
    m_matchIds.Insert(AddressKey(match));
    m_matches.push_back(texts);
    return m_matches.back();
}

void TSituationTable::Reserve(std::size_t count) {
    m_records.reserve(count);
    m_ordinals.Reserve(count);
    m_presentationNames.reserve(count);
    m_pairOffsets.reserve(count + 1);
    m_presentationPairs.reserve(count);
}

int TSituationTable::Register(TSituation* situation) {
    if (const int known = m_ordinals.Find(AddressKey(situation)); known >= 0) {
        return known;
    }
    // Everything that can throw is read before anything is stored.
    const auto* match = dynamic_cast<const TMatch*>(situation->Owner());
    const TMatchTexts& matchTexts = MatchTexts(match);
    const TTeam* team = situation->Team();
    const double startingTime = situation->StartingTime();
    const std::int64_t startMs = kivdatetime::TimeOfDayMs(startingTime);
    const double endingTime = situation->EndingTime();

    TSituationRecord record;
    record.situation = situation;
    record.match = match;
    record.medium = matchTexts.medium;
    record.matchDate = matchTexts.date;
    record.matchName = matchTexts.name;
    record.matchDay = matchTexts.day;
    record.home = matchTexts.home;
    record.guest = matchTexts.guest;
    record.team = m_texts.Intern(TeamName(team));
    const TTeam* home = match ? match->HomeTeam() : nullptr;
    record.onHomeSide = team && home && (team == home || team->Id() == home->Id());
    record.clipType = m_texts.Intern(situation->Text());
    record.interval = m_texts.Intern(TimeIntervalLabel(startMs));
    record.startMs = static_cast<std::int32_t>(startMs);
    record.startBlank = IsBlankTime(startingTime);
    record.endMs = static_cast<std::int32_t>(kivdatetime::TimeOfDayMs(endingTime));
    record.endBlank = IsBlankTime(endingTime);
    record.firstQuestion = static_cast<int>(m_questions.size());
    for (const TQuestion* question : situation->Questions()) {
        TQuestionRecord q;
        q.text = m_texts.Intern(question->Text());
        q.firstAnswer = static_cast<int>(m_answers.size());
        for (const TAnswer* answer : question->Answers()) {
            m_answers.push_back(m_texts.Intern(answer->Text()));
        }
        q.answerCount = static_cast<int>(m_answers.size()) - q.firstAnswer;
        m_questions.push_back(q);
    }
    record.questionCount = static_cast<int>(m_questions.size()) - record.firstQuestion;

    const int ordinal = Count();
    m_records.push_back(record);
    m_ordinals.Insert(AddressKey(situation));
    m_presentationNames.push_back(kNoText);
    AddCountingPairs(record);
    return ordinal;
}

int TSituationTable::Find(const TSituation* situation) const {
    return m_ordinals.Find(AddressKey(situation));
}

std::span<const TQuestionRecord> TSituationTable::Questions(const TSituationRecord& record) const {
    return {m_questions.data() + record.firstQuestion,
            static_cast<std::size_t>(record.questionCount)};
}

std::span<const TTextId> TSituationTable::Answers(const TQuestionRecord& question) const {
    return {m_answers.data() + question.firstAnswer,
            static_cast<std::size_t>(question.answerCount)};
}

std::string TSituationTable::AnswersText(std::span<const TTextId> answers) const {
    std::string text;
    bool first = true;
    for (TTextId answer : answers) {
        if (!first) {
            text.append(" & ");
        }
        text.append(m_texts.Text(answer));
        first = false;
    }
    return text;
}

int TSituationTable::Pair(TTextId category, TTextId value) {
    return m_pairIds.Insert(PairKey(category, value)).first;
}

int TSituationTable::FindPair(TTextId category, TTextId value) const {
    return m_pairIds.Find(PairKey(category, value));
}

void TSituationTable::AddCountingPairs(const TSituationRecord& record) {
    const auto text = [this](TFixedCategory category) {
        return m_categoryTexts[static_cast<int>(category)];
    };
    m_pairs.push_back(Pair(text(TFixedCategory::Medium), record.medium));
    m_pairs.push_back(Pair(text(TFixedCategory::Team), record.team));
    m_pairs.push_back(
        Pair(text(record.onHomeSide ? TFixedCategory::Team1 : TFixedCategory::Team2), record.team));
    m_pairs.push_back(Pair(text(TFixedCategory::ClipType), record.clipType));
    m_pairs.push_back(Pair(text(TFixedCategory::TimeInterval), record.interval));
    for (const TQuestionRecord& question : Questions(record)) {
        if (question.answerCount == 0) {
            m_pairs.push_back(Pair(question.text, m_none));
        }
        for (TTextId answer : Answers(question)) {
            m_pairs.push_back(Pair(question.text, answer == m_empty ? m_none : answer));
        }
    }
    m_pairOffsets.push_back(static_cast<int>(m_pairs.size()));
    m_presentationPairs.push_back(Pair(text(TFixedCategory::Presentation), m_none));
}

void TSituationTable::SetPresentationName(int ordinal, TTextId name) {
    const auto o = static_cast<std::size_t>(ordinal);
    m_presentationNames[o] = name;
    m_presentationPairs[o] = Pair(m_categoryTexts[static_cast<int>(TFixedCategory::Presentation)],
                                  name == kNoText ? m_none : name);
    ++m_presentationEdits;
}

TTextId TSituationTable::PresentationName(int ordinal) const {
    return m_presentationNames[static_cast<std::size_t>(ordinal)];
}

const std::vector<int>& TSituationTable::IdRanks() const {
    if (m_idRanksState != State()) {
        std::vector<std::string> ids;
        ids.reserve(m_records.size());
        bool digitsOnly = true;
        for (const TSituationRecord& record : m_records) {
            ids.push_back(record.situation->Id());
            digitsOnly = digitsOnly && IsDigits(ids.back());
        }
        // The identifiers a document allocates are digit strings; every collation orders those
        // as their bytes do, so they need no collator.
        const std::vector<int> textRanks = digitsOnly ? std::vector<int>() : RanksOfTexts(ids);
        std::vector<int> order(ids.size());
        for (std::size_t i = 0; i < order.size(); ++i) {
            order[i] = static_cast<int>(i);
        }
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return digitsOnly ? ids[a] < ids[b] : textRanks[a] < textRanks[b];
        });
        m_idRanks.assign(ids.size(), 0);
        for (std::size_t position = 0; position < order.size(); ++position) {
            m_idRanks[static_cast<std::size_t>(order[position])] = static_cast<int>(position);
        }
        m_idRanksState = State();
    }
    return m_idRanks;
}

// Ranks of texts that may repeat: equal texts get equal ranks; each distinct text is
// collated once.
std::vector<int> TSituationTable::RanksOfTexts(const std::vector<std::string>& texts) const {
    std::unordered_map<std::string_view, int> distinct;
    distinct.reserve(texts.size());
    std::vector<QString> unique;
    std::vector<int> slotOf(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        auto [it, inserted] = distinct.try_emplace(texts[i], static_cast<int>(unique.size()));
        if (inserted) {
            unique.push_back(QString::fromStdString(texts[i]));
        }
        slotOf[i] = it->second;
    }
    const std::vector<int> uniqueRanks = m_order.Ranks(unique);
    std::vector<int> ranks(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        ranks[i] = uniqueRanks[static_cast<std::size_t>(slotOf[i])];
    }
    return ranks;
}

// "Date", "From" and "To" sort by time, not by their texts: under a 12-hour or unpadded
// time format the texts would put 10:00 before 9:00. Where the texts are fixed-width digits the
// order is the same.
std::vector<int> TSituationTable::TimeSortRanks(TClipColumn column) const {
    std::vector<std::pair<std::int64_t, int>> keys;
    keys.reserve(m_records.size());
    for (std::size_t o = 0; o < m_records.size(); ++o) {
        const TSituationRecord& record = m_records[o];
        std::int64_t key = record.startMs;
        if (column == TClipColumn::Date) {
            key += static_cast<std::int64_t>(record.matchDay) * kivdatetime::kMsPerDay;
        } else if (column == TClipColumn::To) {
            key = record.endMs;
        }
        keys.emplace_back(key, static_cast<int>(o));
    }
    std::sort(keys.begin(), keys.end());
    std::vector<int> ranks(m_records.size());
    int rank = 0;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (i > 0 && keys[i].first != keys[i - 1].first) {
            ++rank;
        }
        ranks[static_cast<std::size_t>(keys[i].second)] = rank;
    }
    return ranks;
}

std::vector<std::string> TSituationTable::SortTexts(const std::string& sortCategory) const {
    std::vector<std::string> texts;
    texts.reserve(m_records.size());
    const TTextId questionText = m_texts.Find(sortCategory);
    for (const TSituationRecord& record : m_records) {
        std::string key;
        for (const TQuestionRecord& question : Questions(record)) {
            if (question.text != questionText) {
                continue;
            }
            key = AnswersText(question);
            break;
        }
        texts.push_back(std::move(key));
    }
    return texts;
}

const std::vector<int>& TSituationTable::SortRanks(const std::string& sortCategory) const {
    TCached<std::vector<int>>& cached = m_sortRanks[sortCategory];
    if (cached.state == State()) {
        return cached.value;
    }
    // The fixed columns of the clip list sort by what they show; "Clip Team" and "Name" would
    // otherwise be taken for questions and leave the list unsorted. Of the other fixed
    // categories, "Medium" and "Team" sort by their values.
    TRecordText field = nullptr;
    const std::optional<TClipColumn> column = FindFixedClipColumn(sortCategory);
    if (column) {
        // "Date" sorts by the time of the clip, not by the match's date alone.
        field = *column == TClipColumn::Date ? nullptr : ClipColumnText(*column);
    } else if (const std::optional<TFixedCategory> fixed = FindFixedCategory(sortCategory)) {
        if (*fixed == TFixedCategory::Medium) {
            field = &TSituationRecord::medium;
        } else if (*fixed == TFixedCategory::Team) {
            field = &TSituationRecord::team;
        }
    }
    if (field) {
        cached.value.resize(m_records.size());
        for (std::size_t o = 0; o < m_records.size(); ++o) {
            cached.value[o] = m_texts.Rank(m_records[o].*field);
        }
    } else if (column) {
        cached.value = TimeSortRanks(*column);
    } else {
        cached.value = RanksOfTexts(SortTexts(sortCategory));
    }
    cached.state = State();
    return cached.value;
}

const TTabulation& TSituationTable::Tabulation(const std::string& categoryName) const {
    TCached<TTabulation>& cached = m_tabulations[categoryName];
    if (cached.state != State()) {
        cached.value = BuildTabulation(categoryName);
        cached.state = State();
    }
    return cached.value;
}

TTabulation TSituationTable::BuildTabulation(const std::string& categoryName) const {
    TTabulation tabulation;
    tabulation.offsets.reserve(m_records.size() + 1);
    tabulation.offsets.push_back(0);
    if (categoryName.empty()) {
        tabulation.offsets.resize(m_records.size() + 1, 0);
        return tabulation;
    }
    const TTextId empty = m_empty;
    const TTextId categoryText = m_texts.Find(categoryName);
    const std::optional<TFixedCategory> fixed = FindFixedCategory(categoryName);
    for (std::size_t o = 0; o < m_records.size(); ++o) {
        const TSituationRecord& r = m_records[o];
        const std::size_t first = tabulation.values.size();
        if (fixed) {
            switch (*fixed) {
            case TFixedCategory::Medium:
                tabulation.values.push_back(r.medium);
                break;
            case TFixedCategory::Team:
                tabulation.values.push_back(r.team);
                break;
            case TFixedCategory::Team1:
                tabulation.values.push_back(r.home);
                break;
            case TFixedCategory::Team2:
                tabulation.values.push_back(r.guest);
                break;
            case TFixedCategory::ClipType:
                tabulation.values.push_back(r.clipType);
                break;
            case TFixedCategory::TimeInterval:
                tabulation.values.push_back(r.interval);
                break;
            case TFixedCategory::Presentation:
                if (m_presentationNames[o] != kNoText) {
                    tabulation.values.push_back(m_presentationNames[o]);
                }
                break;
            }
        } else if (categoryText != kNoText) {
            for (const TQuestionRecord& question : Questions(r)) {
                if (question.text != categoryText) {
                    continue;
                }
                if (question.answerCount == 0) {
                    tabulation.values.push_back(m_none);
                }
                for (TTextId answer : Answers(question)) {
                    if (answer != empty) {
                        tabulation.values.push_back(answer);
                    }
                }
            }
        }
        if (tabulation.values.size() > first && tabulation.values[first] == empty) {
            tabulation.values[first] = m_none;
        }
        tabulation.offsets.push_back(static_cast<int>(tabulation.values.size()));
    }
    return tabulation;
}
