#pragma once
// The lexical form of every file the system writes.

#include <pugixml.hpp>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace xml {

enum class TEscapeContext { Text, Attribute };

// How line breaks inside texts, CDATA sections, comments and processing instructions are
// written: as they are, or each (CR LF, CR or LF) as CR LF, as files are saved.
enum class TLineBreaks { AsIs, CrLf };

// "<" becomes "&lt;" and "&" becomes "&amp;"; every character above "~" becomes a decimal
// character reference with its code point. In attribute values a quotation mark becomes
// "&#34;", and TAB, LF and CR become references so that they survive reading back. In texts
// the ">" of "]]>" becomes "&gt;", which XML requires. Everything else is written as it is.
void AppendEscaped(std::string& out, std::string_view text, TEscapeContext context,
                   TLineBreaks lineBreaks = TLineBreaks::AsIs);

// Writes node and everything below it. Formatted output puts CR LF and two blanks per
// depth before child elements, comments and processing instructions, until a text or CDATA
// child has been written among the siblings; the root is preceded by CR LF.
void AppendNode(std::string& out, pugi::xml_node node, bool formatted,
                TLineBreaks lineBreaks = TLineBreaks::AsIs);
// The same, handing what is written to flush in pieces whenever out holds about piece bytes,
// so that a large tree is never held as one text. out keeps the rest, to be written last.
void AppendNode(std::string& out, pugi::xml_node node, bool formatted, TLineBreaks lineBreaks,
                std::size_t piece, const std::function<void(std::string_view)>& flush);

} // namespace xml
