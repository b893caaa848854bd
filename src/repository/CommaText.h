#pragma once
// The comma text in which the recently used files are stored: items separated by commas, an
// item quoted when it holds a blank, a control character, a double quote or a comma.

#include <QString>
#include <QStringList>

// The empty list gives the empty text; a list whose only item is empty gives two quotes.
QString WriteCommaText(const QStringList& items);
// Blanks and control characters before an item are skipped. A quoted item runs to its closing
// quote, doubled quotes standing for one; any other item runs to the next comma, blank or
// control character.
QStringList ReadCommaText(const QString& text);
