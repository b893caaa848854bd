#include "NameOrder.h"

#include <QCollatorSortKey>

#include <algorithm>
#include <numeric>

TNameOrder::TNameOrder() : TNameOrder(QLocale()) {}

TNameOrder::TNameOrder(const QLocale& locale)
    : m_collator(locale), m_codeUnitOrder(locale.language() == QLocale::C) {
    m_collator.setCaseSensitivity(Qt::CaseSensitive);
}

int TNameOrder::Compare(QStringView a, QStringView b) const {
    if (!m_codeUnitOrder) {
        if (const int result = m_collator.compare(a, b); result != 0) {
            return result;
        }
    }
    return a.compare(b, Qt::CaseSensitive);
}

std::vector<int> TNameOrder::Ranks(const std::vector<QString>& texts) const {
    std::vector<int> order(texts.size());
    std::iota(order.begin(), order.end(), 0);
    if (m_codeUnitOrder) {
        std::sort(order.begin(), order.end(),
                  [&](int a, int b) { return texts[a].compare(texts[b], Qt::CaseSensitive) < 0; });
    } else {
        std::vector<QCollatorSortKey> keys;
        keys.reserve(texts.size());
        for (const QString& text : texts) {
            keys.push_back(m_collator.sortKey(text));
        }
        std::sort(order.begin(), order.end(), [&](int a, int b) {
            if (const int result = keys[a].compare(keys[b]); result != 0) {
                return result < 0;
            }
            return texts[a].compare(texts[b], Qt::CaseSensitive) < 0;
        });
    }
    std::vector<int> ranks(texts.size());
    for (std::size_t position = 0; position < order.size(); ++position) {
        ranks[order[position]] = static_cast<int>(position);
    }
    return ranks;
}
