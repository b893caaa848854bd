#include "ClipListRows.h"

#include "KivDateTime.h"
#include "Situation.h"
#include "SituationTable.h"
#include "UntStatistics.h"

#include <algorithm>
#include <span>
#include <stdexcept>
#include <string>
#include <unordered_set>

namespace {

// The answers of a question record, compared by their interned texts.
struct TAnswersHash {
    std::size_t operator()(std::span<const TTextId> answers) const {
        std::size_t hash = answers.size();
        for (TTextId answer : answers) {
            hash = hash * 1000003u ^ static_cast<std::size_t>(answer);
        }
        return hash;
    }
};
struct TAnswersEqual {
    bool operator()(std::span<const TTextId> a, std::span<const TTextId> b) const {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }
};

using TQuestionIterator = std::span<const TQuestionRecord>::iterator;

// When a situation asks one question twice, the later answers show, as they overwrite the
// earlier ones in the list.
bool Shows(TQuestionIterator question, TQuestionIterator end) {
    return question->answerCount > 0 &&
           std::none_of(question + 1, end, [&](const TQuestionRecord& later) {
               return later.text == question->text && later.answerCount > 0;
           });
}

} // namespace

TClipListRows::TClipListRows() {
    LayFixedColumns();
}

void TClipListRows::SetShowMediaColumns(bool show) {
    m_showMedia = show;
    LayFixedColumns();
}

void TClipListRows::SetShowTeamColumns(bool show) {
    m_showTeam = show;
    LayFixedColumns();
}

void TClipListRows::LayFixedColumns() {
    std::vector<TColumn> columns;
    for (const TClipColumnInfo& fixed : kFixedClipColumns) {
        if ((!fixed.media || m_showMedia) && (!fixed.team || m_showTeam)) {
            columns.push_back({fixed.column, kNoText, ClipColumnText(fixed.column)});
        }
    }
    m_fixedCount = static_cast<int>(columns.size());
    for (const TColumn& column : m_columns) {
        if (column.kind == TClipColumn::Question) {
            columns.push_back(column);
        }
    }
    m_columns = std::move(columns);
}

void TClipListRows::Clear() {
    m_table.reset();
    m_ordinals.clear();
    m_columns.clear();
    LayFixedColumns();
}

void TClipListRows::Fill(const TSituationSet& set) {
    Clear();
    const int count = set.SortedCount();
    if (count == 0 || !set.Table()) {
        return;
    }
    m_table = set.Table()->shared_from_this();
    m_ordinals.reserve(static_cast<std::size_t>(count));
    // Question texts are interned, so "seen" is a flag per text of the pool.
    std::vector<bool> seen(static_cast<std::size_t>(m_table->Texts().Count()), false);
    for (int row = 0; row < count; ++row) {
        const int ordinal = set.SortedOrdinal(row);
        m_ordinals.push_back(ordinal);
        AddQuestionColumns(ordinal, seen);
    }
}

void TClipListRows::AddQuestionColumns(int ordinal, std::vector<bool>& seen) {
    for (const TQuestionRecord& question : m_table->Questions(m_table->Record(ordinal))) {
        const auto text = static_cast<std::size_t>(question.text);
        if (question.answerCount > 0 && !seen[text]) {
            seen[text] = true;
            m_columns.push_back({TClipColumn::Question, question.text});
        }
    }
}

bool TClipListRows::InsertRow(int row, TSituation* situation) {
    const int ordinal = m_table ? m_table->Find(situation) : -1;
    if (ordinal < 0) {
        return false;
    }
    std::vector<bool> seen(static_cast<std::size_t>(m_table->Texts().Count()), false);
    for (const TColumn& column : m_columns) {
        if (column.kind == TClipColumn::Question) {
            seen[static_cast<std::size_t>(column.question)] = true;
        }
    }
    AddQuestionColumns(ordinal, seen);
    row = std::clamp(row, 0, RowCount());
    m_ordinals.insert(m_ordinals.begin() + row, ordinal);
    return true;
}

void TClipListRows::RemoveRow(int row) {
    m_ordinals.erase(m_ordinals.begin() + CheckedRow(row));
}

void TClipListRows::MoveRow(int from, int to) {
    const int ordinal = m_ordinals[static_cast<std::size_t>(CheckedRow(from))];
    RemoveRow(from);
    m_ordinals.insert(m_ordinals.begin() + std::clamp(to, 0, RowCount()), ordinal);
}

int TClipListRows::CheckedRow(int row) const {
    if (row < 0 || row >= RowCount()) {
        throw std::out_of_range("No clip list row " + std::to_string(row) + ".");
    }
    return row;
}

TClipColumn TClipListRows::Column(int column) const {
    return m_columns.at(static_cast<std::size_t>(column)).kind;
}

QString TClipListRows::Caption(int column) const {
    const TColumn& c = m_columns.at(static_cast<std::size_t>(column));
    if (c.kind == TClipColumn::Question) {
        return QString::fromStdString(m_table->Texts().Text(c.question));
    }
    return QString::fromLatin1(ClipColumnInfo(c.kind).caption);
}

int TClipListRows::InitialWidth(int column) const {
    return ClipColumnInfo(Column(column)).width;
}

int TClipListRows::MinimumWidth(int column) const {
    return ClipColumnInfo(Column(column)).minimumWidth;
}

const TSituationRecord& TClipListRows::Record(int row) const {
    return m_table->Record(m_ordinals.at(static_cast<std::size_t>(row)));
}

TSituation* TClipListRows::Situation(int row) const {
    return Record(row).situation;
}

std::int64_t TClipListRows::TimeKey(const TSituationRecord& record, TClipColumn kind) const {
    const bool blank = kind == TClipColumn::From ? record.startBlank : record.endBlank;
    const std::int64_t ms = kind == TClipColumn::From ? record.startMs : record.endMs;
    return blank ? kBlankTime : ms - ms % m_table->Format().TimeResolutionMs();
}

std::string TClipListRows::TimeText(std::int64_t key) const {
    return key == kBlankTime ? std::string() : m_table->Format().FormatTimeOfDayMs(key);
}

const TQuestionRecord* TClipListRows::ShownQuestion(const TSituationRecord& record,
                                                    TTextId question) const {
    const std::span<const TQuestionRecord> questions = m_table->Questions(record);
    for (auto q = questions.begin(); q != questions.end(); ++q) {
        if (q->text == question && Shows(q, questions.end())) {
            return &*q;
        }
    }
    return nullptr;
}

std::string TClipListRows::QuestionText(const TSituationRecord& record, TTextId question) const {
    const TQuestionRecord* shown = ShownQuestion(record, question);
    return shown ? m_table->AnswersText(*shown) : std::string();
}

QString TClipListRows::Text(int row, int column) const {
    const TColumn& c = m_columns.at(static_cast<std::size_t>(column));
    switch (c.kind) {
    case TClipColumn::From:
    case TClipColumn::To:
        return QString::fromStdString(TimeText(TimeKey(Record(row), c.kind)));
    case TClipColumn::Question:
        return QString::fromStdString(QuestionText(Record(row), c.question));
    default:
        return QString::fromStdString(m_table->Texts().Text(Record(row).*c.text));
    }
}

// One pass over the rows for all columns: formatting is the costly part, so each time, text
// and list of answers is made into a text once, not once a row.
std::vector<std::vector<QString>> TClipListRows::DistinctTexts() const {
    std::vector<std::vector<QString>> texts(m_columns.size());
    if (RowCount() == 0) {
        return texts;
    }
    const auto textCount = static_cast<std::size_t>(m_table->Texts().Count());
    // A time's slot is its step of the time format, after the blank time's.
    const std::int64_t step = m_table->Format().TimeResolutionMs();
    const auto timeSlot = [step](std::int64_t key) {
        return key == kBlankTime ? 0 : static_cast<std::size_t>(key / step) + 1;
    };
    struct TMet {
        // A fixed column's texts by id or its times by slot; a question column's single
        // answers by id, most questions having one answer.
        std::vector<bool> seen;
        // Answers are interned, so equal lists of answers give equal texts.
        std::unordered_set<std::span<const TTextId>, TAnswersHash, TAnswersEqual> answers;
        int answeredRows = 0;
    };
    std::vector<TMet> met(m_columns.size());
    std::vector<int> questionColumns(textCount, -1); // by question text
    for (std::size_t c = 0; c < m_columns.size(); ++c) {
        switch (m_columns[c].kind) {
        case TClipColumn::From:
        case TClipColumn::To:
            met[c].seen.assign(timeSlot(kivdatetime::kMsPerDay - 1) + 1, false);
            break;
        case TClipColumn::Question:
            questionColumns[static_cast<std::size_t>(m_columns[c].question)] = static_cast<int>(c);
            [[fallthrough]];
        default:
            met[c].seen.assign(textCount, false);
        }
    }
    const auto fixed = static_cast<std::size_t>(m_fixedCount);
    for (int row = 0; row < RowCount(); ++row) {
        const TSituationRecord& record = Record(row);
        for (std::size_t c = 0; c < fixed; ++c) {
            const TClipColumn kind = m_columns[c].kind;
            std::vector<bool>& seen = met[c].seen;
            if (kind == TClipColumn::From || kind == TClipColumn::To) {
                const std::int64_t key = TimeKey(record, kind);
                if (!seen[timeSlot(key)]) {
                    seen[timeSlot(key)] = true;
                    texts[c].push_back(QString::fromStdString(TimeText(key)));
                }
                continue;
            }
            const TTextId id = record.*m_columns[c].text;
            if (!seen[static_cast<std::size_t>(id)]) {
                seen[static_cast<std::size_t>(id)] = true;
                texts[c].push_back(QString::fromStdString(m_table->Texts().Text(id)));
            }
        }
        const std::span<const TQuestionRecord> questions = m_table->Questions(record);
        for (auto q = questions.begin(); q != questions.end(); ++q) {
            const int c = questionColumns[static_cast<std::size_t>(q->text)];
            if (c >= 0 && Shows(q, questions.end())) {
                TMet& column = met[static_cast<std::size_t>(c)];
                const std::span<const TTextId> answers = m_table->Answers(*q);
                if (answers.size() > 1) {
                    column.answers.insert(answers);
                } else if (!column.seen[static_cast<std::size_t>(answers[0])]) {
                    column.seen[static_cast<std::size_t>(answers[0])] = true;
                    column.answers.insert(answers);
                }
                ++column.answeredRows;
            }
        }
    }
    for (std::size_t c = fixed; c < m_columns.size(); ++c) {
        // Two lists may still join to one text ("a & b" as one answer or as two).
        std::unordered_set<std::string> distinct;
        if (met[c].answeredRows < RowCount()) {
            distinct.insert(std::string());
        }
        for (std::span<const TTextId> answers : met[c].answers) {
            distinct.insert(m_table->AnswersText(answers));
        }
        for (const std::string& text : distinct) {
            texts[c].push_back(QString::fromStdString(text));
        }
    }
    return texts;
}
