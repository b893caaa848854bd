#include "CommaText.h"

namespace {

// Blanks and every control character below it.
bool IsBlank(QChar c) {
    return c.unicode() <= u' ';
}

bool NeedsQuotes(const QString& item) {
    for (QChar c : item) {
        if (IsBlank(c) || c == u'"' || c == u',') {
            return true;
        }
    }
    return false;
}

} // namespace

QString WriteCommaText(const QStringList& items) {
    if (items.size() == 1 && items.front().isEmpty()) {
        return QStringLiteral("\"\"");
    }
    QString text;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i > 0) {
            text += u',';
        }
        const QString& item = items[i];
        if (NeedsQuotes(item)) {
            text += u'"' + QString(item).replace(u'"', QStringLiteral("\"\"")) + u'"';
        } else {
            text += item;
        }
    }
    return text;
}

QStringList ReadCommaText(const QString& text) {
    // Nothing after a NUL counts, as in the stores this text comes from.
    const QString input = text.left(text.indexOf(QChar(u'\0')));
    const qsizetype end = input.size();
    QStringList items;
    qsizetype pos = 0;
    auto skipBlanks = [&] {
        while (pos < end && IsBlank(input[pos])) {
            ++pos;
        }
    };
    skipBlanks();
    while (pos < end) {
        QString item;
        if (input[pos] == u'"') {
            ++pos;
            while (pos < end) {
                if (input[pos] == u'"') {
                    if (pos + 1 < end && input[pos + 1] == u'"') {
                        item += u'"';
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                item += input[pos++];
            }
        } else {
            const qsizetype start = pos;
            while (pos < end && !IsBlank(input[pos]) && input[pos] != u',') {
                ++pos;
            }
            item = input.mid(start, pos - start);
        }
        items.append(item);
        skipBlanks();
        if (pos < end && input[pos] == u',') {
            ++pos;
            skipBlanks();
            // A separator always has an item behind it, so that a list ending in an empty
            // path reads back as written.
            if (pos == end) {
                items.append(QString());
            }
        }
    }
    return items;
}
