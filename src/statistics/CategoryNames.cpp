#include "CategoryNames.h"

std::optional<TFixedCategory> FindFixedCategory(std::string_view name) {
    for (const TFixedCategoryName& fixed : kFixedCategories) {
        if (name == fixed.name) {
            return fixed.category;
        }
    }
    return std::nullopt;
}

std::optional<TClipColumn> FindFixedClipColumn(std::string_view caption) {
    for (const TClipColumnInfo& fixed : kFixedClipColumns) {
        if (caption == fixed.caption) {
            return fixed.column;
        }
    }
    return std::nullopt;
}
