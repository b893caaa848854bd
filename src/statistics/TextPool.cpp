#include "TextPool.h"

TTextId TTextPool::Intern(std::string_view text) {
    if (auto it = m_ids.find(text); it != m_ids.end()) {
        return it->second;
    }
    const auto id = static_cast<TTextId>(m_texts.size());
    auto [it, inserted] = m_ids.emplace(std::string(text), id);
    m_texts.push_back(&it->first);
    ++m_version;
    return id;
}

TTextId TTextPool::Find(std::string_view text) const {
    auto it = m_ids.find(text);
    return it == m_ids.end() ? kNoText : it->second;
}

int TTextPool::Rank(TTextId id) const {
    if (m_ranks.size() != m_texts.size()) {
        RankAll();
    }
    return m_ranks[static_cast<std::size_t>(id)];
}

void TTextPool::RankAll() const {
    std::vector<QString> texts;
    texts.reserve(m_texts.size());
    for (const std::string* text : m_texts) {
        texts.push_back(QString::fromStdString(*text));
    }
    m_ranks = m_order->Ranks(texts);
}
