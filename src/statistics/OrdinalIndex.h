#pragma once
// Dense numbers for distinct 64-bit keys, handed out in the order the keys first come: one
// open-addressed table of numbers beside the keys themselves, so that a million keys cost two
// flat arrays instead of a node each.

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// How keys are laid over the table.
enum class TKeySpread {
    // Any keys: spread over the whole table.
    Mixed,
    // Addresses of objects made one after another, as a document's situations are. The keys
    // of one 4 KiB page keep their order in one run of slots, and pages are spread: a walk in
    // the order the objects were made then finds its slots side by side instead of missing
    // the cache once a key, which on a million keys costs more than the rest of the lookup.
    Addresses,
};

class TOrdinalIndex {
public:
    explicit TOrdinalIndex(TKeySpread spread = TKeySpread::Mixed) : m_spread(spread) {}
    // Room for count keys without a rehash.
    void Reserve(std::size_t count);
    // The key's number, and whether the key is new.
    std::pair<int, bool> Insert(std::uint64_t key);
    // -1 for a key never inserted.
    int Find(std::uint64_t key) const;
    int Count() const { return static_cast<int>(m_keys.size()); }
    std::uint64_t Key(int ordinal) const { return m_keys[static_cast<std::size_t>(ordinal)]; }

private:
    static constexpr int kEmpty = -1;
    // The slot that holds key's number, or the empty slot where it would go.
    std::size_t SlotOf(std::uint64_t key) const;
    void Rehash(std::size_t slotCount);

    TKeySpread m_spread;
    std::vector<std::uint64_t> m_keys; // by number
    std::vector<int> m_slots;          // numbers, kEmpty where free; a power of two long
};
