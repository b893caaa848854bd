#include "ClipListRows.h"

#include "Situation.h"
#include "SituationTable.h"
#include "UntStatistics.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <unordered_set>

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
    for (const TClipColumnSpec& spec : kFixedClipColumns) {
        if ((!spec.media || m_showMedia) && (!spec.team || m_showTeam)) {
            columns.push_back({spec.column});
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
    return QString::fromLatin1(ClipColumnSpec(c.kind).caption);
}

int TClipListRows::InitialWidth(int column) const {
    return ClipColumnSpec(Column(column)).width;
}

int TClipListRows::MinimumWidth(int column) const {
    return ClipColumnSpec(Column(column)).minimumWidth;
}

const TSituationRecord& TClipListRows::Record(int row) const {
    return m_table->Record(m_ordinals.at(static_cast<std::size_t>(row)));
}

TSituation* TClipListRows::Situation(int row) const {
    return Record(row).situation;
}

TTextId TClipListRows::FixedText(const TSituationRecord& record, TClipColumn kind) const {
    switch (kind) {
    case TClipColumn::Date:
        return record.matchDate;
    case TClipColumn::Name:
        return record.matchName;
    case TClipColumn::Team1:
        return record.home;
    case TClipColumn::Team2:
        return record.guest;
    case TClipColumn::ClipTeam:
        return record.team;
    case TClipColumn::ClipType:
        return record.clipType;
    default:
        return kNoText;
    }
}

std::int64_t TClipListRows::TimeKey(int row, TClipColumn kind) const {
    const TSituationRecord& record = Record(row);
    if (kind == TClipColumn::From) {
        return record.startBlank ? kBlankTime : record.startMs;
    }
    return record.endBlank ? kBlankTime : record.endMs;
}

std::string TClipListRows::TimeText(std::int64_t key) const {
    return key == kBlankTime ? std::string() : m_table->Format().FormatTimeOfDayMs(key);
}

// When a situation asks one question twice, the later answers show, as they overwrite the
// earlier ones in the list.
std::string TClipListRows::QuestionText(const TSituationRecord& record, TTextId question) const {
    const TQuestionRecord* shown = nullptr;
    for (const TQuestionRecord& q : m_table->Questions(record)) {
        if (q.text == question && q.answerCount > 0) {
            shown = &q;
        }
    }
    return shown ? m_table->AnswersText(*shown) : std::string();
}

QString TClipListRows::Text(int row, int column) const {
    const TColumn& c = m_columns.at(static_cast<std::size_t>(column));
    switch (c.kind) {
    case TClipColumn::From:
    case TClipColumn::To:
        return QString::fromStdString(TimeText(TimeKey(row, c.kind)));
    case TClipColumn::Question:
        return QString::fromStdString(QuestionText(Record(row), c.question));
    default:
        return QString::fromStdString(m_table->Texts().Text(FixedText(Record(row), c.kind)));
    }
}

std::vector<QString> TClipListRows::DistinctTexts(int column) const {
    const TColumn& c = m_columns.at(static_cast<std::size_t>(column));
    std::vector<QString> texts;
    if (c.kind == TClipColumn::From || c.kind == TClipColumn::To) {
        // Formatting is the costly part, so each time is formatted once, not once a row.
        std::unordered_set<std::int64_t> distinct;
        for (int row = 0; row < RowCount(); ++row) {
            const std::int64_t key = TimeKey(row, c.kind);
            if (distinct.insert(key).second) {
                texts.push_back(QString::fromStdString(TimeText(key)));
            }
        }
        return texts;
    }
    if (c.kind == TClipColumn::Question) {
        std::unordered_set<std::string> distinct;
        for (int row = 0; row < RowCount(); ++row) {
            std::string text = QuestionText(Record(row), c.question);
            if (distinct.insert(text).second) {
                texts.push_back(QString::fromStdString(text));
            }
        }
        return texts;
    }
    std::vector<bool> seen(m_table ? static_cast<std::size_t>(m_table->Texts().Count()) : 0);
    for (int row = 0; row < RowCount(); ++row) {
        const TTextId id = FixedText(Record(row), c.kind);
        if (!seen[static_cast<std::size_t>(id)]) {
            seen[static_cast<std::size_t>(id)] = true;
            texts.push_back(QString::fromStdString(m_table->Texts().Text(id)));
        }
    }
    return texts;
}
