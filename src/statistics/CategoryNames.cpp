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
    for (const TClipColumnSpec& spec : kFixedClipColumns) {
        if (caption == spec.caption) {
            return spec.column;
        }
    }
    return std::nullopt;
}
