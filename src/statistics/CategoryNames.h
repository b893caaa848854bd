#pragma once
// The names that the statistics, the sort keys, the clip list and clipwise-cli share: the fixed
// categories, the values every table holds, and the fixed columns of the clip list. Spelled
// here once, so that a caption and the sort key it asks for cannot drift apart.

#include <optional>
#include <string_view>

// In the order in which the statistics create their indexes.
enum class TFixedCategory { Presentation, Medium, Team, Team1, Team2, ClipType, TimeInterval };

struct TFixedCategoryName {
    TFixedCategory category;
    const char* name;
};

inline constexpr TFixedCategoryName kFixedCategories[] = {
    {TFixedCategory::Presentation, "Presentation"},
    {TFixedCategory::Medium, "Medium"},
    {TFixedCategory::Team, "Team"},
    {TFixedCategory::Team1, "Team 1"},
    {TFixedCategory::Team2, "Team 2"},
    {TFixedCategory::ClipType, "Clip Type"},
    {TFixedCategory::TimeInterval, "Time Interval"},
};

constexpr const char* CategoryName(TFixedCategory category) {
    return kFixedCategories[static_cast<int>(category)].name;
}
// None for a question's text or any other name.
std::optional<TFixedCategory> FindFixedCategory(std::string_view name);

namespace category {
inline constexpr const char* kPresentation = CategoryName(TFixedCategory::Presentation);
inline constexpr const char* kMedium = CategoryName(TFixedCategory::Medium);
inline constexpr const char* kTeam = CategoryName(TFixedCategory::Team);
inline constexpr const char* kTeam1 = CategoryName(TFixedCategory::Team1);
inline constexpr const char* kTeam2 = CategoryName(TFixedCategory::Team2);
inline constexpr const char* kClipType = CategoryName(TFixedCategory::ClipType);
inline constexpr const char* kTimeInterval = CategoryName(TFixedCategory::TimeInterval);
// A question without answers, or an answer without text.
inline constexpr const char* kNone = "<None>";
// The row and column totals of the cross table.
inline constexpr const char* kTotal = "Total";
} // namespace category

// The fixed columns of the clip list in their order, then the question columns.
enum class TClipColumn { Date, Name, Team1, Team2, From, To, ClipTeam, ClipType, Question };

struct TClipColumnInfo {
    TClipColumn column;
    const char* caption;
    int width; // pixels, as the column starts
    int minimumWidth;
    bool media; // shown only with the media columns
    bool team;  // shown only with the team columns
};

inline constexpr TClipColumnInfo kFixedClipColumns[] = {
    {TClipColumn::Date, "Date", 80, 10, true, false},
    {TClipColumn::Name, "Name", 60, 10, true, false},
    {TClipColumn::Team1, CategoryName(TFixedCategory::Team1), 60, 10, true, true},
    {TClipColumn::Team2, CategoryName(TFixedCategory::Team2), 60, 10, true, true},
    {TClipColumn::From, "From", 60, 0, false, false},
    {TClipColumn::To, "To", 60, 10, false, false},
    {TClipColumn::ClipTeam, "Clip Team", 60, 10, false, true},
    {TClipColumn::ClipType, CategoryName(TFixedCategory::ClipType), 60, 0, false, false},
};
// A question column takes the question's text as its caption.
inline constexpr TClipColumnInfo kQuestionClipColumn = {
    TClipColumn::Question, "", 10, 10, false, false};

constexpr const TClipColumnInfo& ClipColumnInfo(TClipColumn column) {
    return column == TClipColumn::Question ? kQuestionClipColumn
                                           : kFixedClipColumns[static_cast<int>(column)];
}
// None for a caption that no fixed column has (a question's text).
std::optional<TClipColumn> FindFixedClipColumn(std::string_view caption);
