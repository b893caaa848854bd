#pragma once
// Parsing a complete XML text into a pugixml tree with the reading rules of media
// index files: character data normalized, CDATA verbatim, references decoded.

#include "XmlEncoding.h"

#include <pugixml.hpp>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace xml {

// A parsed tree together with the text buffer that pugixml parsed in place.
struct TXmlTree {
    TTextBuffer buffer;
    pugi::xml_document document;
};

struct TParseResult {
    std::unique_ptr<TXmlTree> tree;
    // The highest canonical decimal value of the attribute named by TParseOptions::idName
    // anywhere in the tree; 0 if there is none.
    std::uint64_t maxId = 0;
};

struct TParseOptions {
    const char* idName = "Id";
};

// Parses UTF-8 text into a new tree, in place: the tree keeps the text as its buffer.
// Outside CDATA sections, leading and trailing white space of character data is removed,
// inner runs of white space become one blank and character data that becomes empty is
// dropped, except below an element with xml:space="preserve". An element's leading text,
// the one before any child node, is held as the element's value instead of a text node of
// its own (see ElementText and UnembedText). Throws EXmlParseError,
// with the byte offset of the fault, for a text that is not well-formed, an undefined
// entity or a reference to a character that XML does not allow.
TParseResult Parse(TTextBuffer text, const TParseOptions& options = {});
// The same on a copy of text.
TParseResult Parse(std::string_view text, const TParseOptions& options = {});

// The text an element holds as its value, or "" for none: its leading text in a parsed tree.
inline const char* ElementText(pugi::xml_node element) {
    return element.type() == pugi::node_element ? element.value() : "";
}

// Whether an element has children or a text held as its value: whether it is written with
// an end tag.
inline bool HasContent(pugi::xml_node element) {
    return element.first_child() || *ElementText(element);
}

// Turns a text held as the element's value into a text node before its children, as it
// would stand in a tree built node by node, for the edits that work on text nodes.
void UnembedText(pugi::xml_node element);

// The attribute of node with that name, or none. Names are screened by their first letter,
// which is cheaper than pugixml's lookup on the nodes of a whole media index.
pugi::xml_attribute FindAttribute(pugi::xml_node node, const char* name);

// Whether an attribute or element name is name. Names are short: compared here, without a
// call to strcmp for each.
inline bool NameIs(const char* candidate, const char* name) {
    while (*candidate && *candidate == *name) {
        ++candidate;
        ++name;
    }
    return *candidate == *name;
}

// A decimal number without sign or leading zeros that fits 64 bits: the form of identifiers.
bool ParseCanonicalNumber(std::string_view text, std::uint64_t& value);

// Line and column (both from 1) of a byte offset in text.
std::pair<int, int> LineAndColumn(std::string_view text, std::ptrdiff_t offset);

} // namespace xml
