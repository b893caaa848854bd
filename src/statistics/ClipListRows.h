#pragma once
// The rows of the clip list: one per situation of a query result in display order, under the
// fixed columns ("Date", "Name", "Team 1", "Team 2", "From", "To", "Clip Team", "Clip Type")
// and one column per question text that the listed situations answer, in the order in which
// such questions are first met. The clip-list view and clipwise-cli both read them.
//
// Cell texts are made when asked for, so that a view over a large result formats only the
// rows it shows. A fill keeps the situation numbers of the sorted view it was given; the rows
// stay valid after the set changes again, until the document is released.

#include "CategoryNames.h"
#include "SituationTable.h"
#include "TextPool.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class TSituation;
class TSituationSet;

class TClipListRows {
public:
    TClipListRows();

    // Which fixed columns are in use; "Team 1" and "Team 2" need both. Takes effect at once;
    // the question columns stay.
    void SetShowMediaColumns(bool show);
    void SetShowTeamColumns(bool show);
    bool ShowMediaColumns() const { return m_showMedia; }
    bool ShowTeamColumns() const { return m_showTeam; }

    // Takes the set's sorted view as it is now; call again after every ResultChanged and
    // SortChanged. Finds the question columns in one pass over the situations' records.
    void Fill(const TSituationSet& set);
    // No rows, and no question columns.
    void Clear();

    // The clip list's own edits between fills. Columns only grow: an inserted row may add
    // question columns at the end; a removed row leaves its columns. InsertRow is false, and
    // changes nothing, for a situation that the statistics of the last fill do not hold (or
    // with no fill since the last Clear); row is clamped to 0 .. RowCount(). RemoveRow and
    // MoveRow throw std::out_of_range for a row outside the list.
    bool InsertRow(int row, TSituation* situation);
    void RemoveRow(int row);
    // Takes the row out and puts it back at position to (counted after the removal, clamped).
    void MoveRow(int from, int to);

    int RowCount() const { return static_cast<int>(m_ordinals.size()); }
    int ColumnCount() const { return static_cast<int>(m_columns.size()); }
    // The fixed columns in use come first; then the question columns.
    int FixedColumnCount() const { return m_fixedCount; }

    TClipColumn Column(int column) const;
    // The caption, which is also what a header click hands to SortBy.
    QString Caption(int column) const;
    // The starting and the minimum width in pixels: the frame layout's for a fixed column,
    // 10 and 10 for a question column.
    int InitialWidth(int column) const;
    int MinimumWidth(int column) const;

    TSituation* Situation(int row) const;
    // "From" and "To" are empty at day 0, midnight; "Clip Team" is empty without a team; a
    // question column holds the answers joined by " & ", empty where the situation does not
    // answer that question.
    QString Text(int row, int column) const;
    // Every different text of each column, each once, in no particular order: what a view
    // needs to widen the columns to their widest texts without formatting every row.
    std::vector<std::vector<QString>> DistinctTexts() const;

private:
    struct TColumn {
        TClipColumn kind;
        TTextId question = kNoText; // the caption of a question column
        TRecordText text = nullptr; // what a fixed column other than "From" and "To" shows
    };
    void LayFixedColumns();
    void AddQuestionColumns(int ordinal, std::vector<bool>& seen);
    // Throws std::out_of_range for a row outside the list.
    int CheckedRow(int row) const;
    const TSituationRecord& Record(int row) const;
    // The time of day of a "From" or "To" cell in milliseconds, down to the step the time
    // format shows, kBlankTime for an empty cell: equal keys give equal texts.
    static constexpr std::int64_t kBlankTime = -1;
    std::int64_t TimeKey(const TSituationRecord& record, TClipColumn kind) const;
    std::string TimeText(std::int64_t key) const;
    // The question record whose answers the column shows; none where the situation does not
    // answer the question.
    const TQuestionRecord* ShownQuestion(const TSituationRecord& record, TTextId question) const;
    std::string QuestionText(const TSituationRecord& record, TTextId question) const;

    bool m_showMedia = true;
    bool m_showTeam = true;
    std::shared_ptr<const TSituationTable> m_table;
    std::vector<int> m_ordinals; // situation numbers by row
    std::vector<TColumn> m_columns;
    int m_fixedCount = 0;
};
