#pragma once
// Interned texts: each distinct text is stored and collated once, and everything else refers
// to it by a small number.

#include "NameOrder.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

using TTextId = std::int32_t;
constexpr TTextId kNoText = -1;

class TTextPool {
public:
    explicit TTextPool(const TNameOrder& order) : m_order(&order) {}
    TTextPool(const TTextPool&) = delete;
    TTextPool& operator=(const TTextPool&) = delete;

    TTextId Intern(std::string_view text);
    // kNoText when the text was never interned.
    TTextId Find(std::string_view text) const;
    const std::string& Text(TTextId id) const { return *m_texts[static_cast<std::size_t>(id)]; }
    int Count() const { return static_cast<int>(m_texts.size()); }

    // The position of the text in name order among all texts of the pool. A text interned
    // later does not change the relative order of the others.
    int Rank(TTextId id) const;
    // Bumped whenever a text is added, so that caches built on ranks can tell they are stale.
    std::uint64_t Version() const { return m_version; }

private:
    struct THash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };
    void RankAll() const;

    const TNameOrder* m_order;
    std::unordered_map<std::string, TTextId, THash, std::equal_to<>> m_ids;
    std::vector<const std::string*> m_texts; // keys of m_ids, which never move
    mutable std::vector<int> m_ranks;
    std::uint64_t m_version = 0;
};
