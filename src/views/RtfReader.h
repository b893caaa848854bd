#pragma once
// A small reader for the rich text that situation notes hold: paragraphs and line breaks,
// tabs, bold, italic, underline, font size, the colour table, \'hh (Windows-1252) and \uN
// characters. Groups it does not know are skipped; plain text passes through as it is.

#include <string_view>

class QTextDocument;

// True when the text starts (after blanks) with "{\rtf".
bool IsRtf(std::string_view text);
// Replaces the document's content with the note: rich text when it is RTF, else plain text.
void LoadNote(QTextDocument& document, std::string_view note);
