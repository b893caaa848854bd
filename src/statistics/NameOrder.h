#pragma once
// The name order: one locale-aware, case-sensitive comparison for every sorted list of names
// and values. Texts that the collator finds equal but that differ are ordered by their code
// units, so that only identical texts are equal.

#include <QCollator>
#include <QLocale>
#include <QString>

#include <vector>

class TNameOrder {
public:
    // The default locale.
    TNameOrder();
    explicit TNameOrder(const QLocale& locale);

    int Compare(QStringView a, QStringView b) const;
    bool Less(QStringView a, QStringView b) const { return Compare(a, b) < 0; }

    // The position of each of the given distinct texts in name order. Each text is collated
    // once; comparing many texts pairwise through the collator costs far more.
    std::vector<int> Ranks(const std::vector<QString>& texts) const;

private:
    QCollator m_collator;
    // The collator of the C locale compares code units; the shortcut avoids its sort keys.
    bool m_codeUnitOrder = false;
};
