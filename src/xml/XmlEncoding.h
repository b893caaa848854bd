#pragma once
// Turning the bytes of a file into UTF-8, and UTF-8 into code points.

#include <cstdint>
#include <string>
#include <string_view>

namespace xml {

// Follows a byte-order mark or the encoding named by the XML declaration. Without either,
// the bytes are UTF-8 when they are valid UTF-8 and Windows-1252 otherwise (files edited
// by older tools). Throws EXmlParseError for an encoding it does not know.
// Valid UTF-8 is returned as it came, without a copy.
std::string DecodeToUtf8(std::string bytes);

bool IsValidUtf8(std::string_view text);

void AppendUtf8(std::string& out, char32_t codePoint);

// Reads one code point at pos and advances pos. A byte that does not start a valid
// sequence is taken on its own as its Latin-1 character.
char32_t NextCodePoint(std::string_view text, std::size_t& pos);

} // namespace xml
