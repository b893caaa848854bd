#include "OrdinalIndex.h"

#include <algorithm>
#include <bit>

namespace {

// Spreads keys whose information sits in a few bits, such as aligned pointers or pairs of
// small numbers, over the whole word (the finalizer of splitmix64).
std::uint64_t Mix(std::uint64_t key) {
    key ^= key >> 30;
    key *= 0xBF58476D1CE4E5B9ULL;
    key ^= key >> 27;
    key *= 0x94D049BB133111EBULL;
    return key ^ (key >> 31);
}

} // namespace

void TOrdinalIndex::Reserve(std::size_t count) {
    m_keys.reserve(count);
    // At most half full.
    const std::size_t wanted = std::bit_ceil(2 * count);
    if (wanted > m_slots.size()) {
        Rehash(wanted);
    }
}

std::size_t TOrdinalIndex::SlotOf(std::uint64_t key) const {
    const std::size_t mask = m_slots.size() - 1;
    // The keys of a page take a run of slots, one a 16-byte step, from a place the page
    // number chooses; the same step in other pages lands elsewhere.
    const std::uint64_t home =
        m_spread == TKeySpread::Addresses ? Mix(key >> 12) + ((key >> 4) & 0xFF) : Mix(key);
    std::size_t slot = static_cast<std::size_t>(home) & mask;
    while (m_slots[slot] != kEmpty && m_keys[static_cast<std::size_t>(m_slots[slot])] != key) {
        slot = (slot + 1) & mask;
    }
    return slot;
}

void TOrdinalIndex::Rehash(std::size_t slotCount) {
    m_slots.assign(slotCount, kEmpty);
    for (std::size_t number = 0; number < m_keys.size(); ++number) {
        m_slots[SlotOf(m_keys[number])] = static_cast<int>(number);
    }
}

std::pair<int, bool> TOrdinalIndex::Insert(std::uint64_t key) {
    if (2 * (m_keys.size() + 1) > m_slots.size()) {
        Rehash(std::max<std::size_t>(16, 2 * m_slots.size()));
    }
    const std::size_t slot = SlotOf(key);
    if (m_slots[slot] != kEmpty) {
        return {m_slots[slot], false};
    }
    m_slots[slot] = Count();
    m_keys.push_back(key);
    return {m_slots[slot], true};
}

int TOrdinalIndex::Find(std::uint64_t key) const {
    return m_slots.empty() ? -1 : m_slots[SlotOf(key)];
}
