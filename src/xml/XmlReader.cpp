#include "XmlReader.h"

#include "XmlEncoding.h"
#include "XmlError.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>
#include <vector>

namespace xml {
namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IsAllowedChar(char32_t cp) {
    return cp == 0x9 || cp == 0xA || cp == 0xD || (cp >= 0x20 && cp < 0xD800) ||
           (cp >= 0xE000 && cp <= 0xFFFD) || (cp >= 0x10000 && cp <= 0x10FFFF);
}

// Decodes the references of one value; returns false if the value has none. An error is
// placed at the offset that offset() returns, asked for only then.
// pugixml is run without its own escape handling so that an undefined entity is an error
// here instead of being taken literally.
template <class FOffset> bool DecodeReferences(const char* text, std::string& out, FOffset offset) {
    // Values are short, too short for strchr to pay.
    const char* ampersand = text;
    while (*ampersand && *ampersand != '&') {
        ++ampersand;
    }
    if (!*ampersand) {
        return false;
    }
    const std::string_view value = text;
    const std::size_t amp = static_cast<std::size_t>(ampersand - text);
    out.assign(value.substr(0, amp));
    std::size_t pos = amp;
    while (pos < value.size()) {
        if (value[pos] != '&') {
            std::size_t next = value.find('&', pos);
            if (next == std::string_view::npos) {
                next = value.size();
            }
            out.append(value.substr(pos, next - pos));
            pos = next;
            continue;
        }
        std::size_t semi = value.find(';', pos);
        if (semi == std::string_view::npos || semi - pos > 12) {
            throw EXmlParseError("\"&\" does not start a reference (write it as \"&amp;\")",
                                 offset());
        }
        std::string_view name = value.substr(pos + 1, semi - pos - 1);
        if (name == "lt") {
            out.push_back('<');
        } else if (name == "gt") {
            out.push_back('>');
        } else if (name == "amp") {
            out.push_back('&');
        } else if (name == "quot") {
            out.push_back('"');
        } else if (name == "apos") {
            out.push_back('\'');
        } else if (name.size() >= 2 && name[0] == '#') {
            const bool hex = name[1] == 'x';
            std::string_view digits = name.substr(hex ? 2 : 1);
            char32_t cp = 0;
            bool ok = !digits.empty() && digits.size() <= 8;
            for (char c : digits) {
                int d = -1;
                if (c >= '0' && c <= '9') {
                    d = c - '0';
                } else if (hex && c >= 'a' && c <= 'f') {
                    d = c - 'a' + 10;
                } else if (hex && c >= 'A' && c <= 'F') {
                    d = c - 'A' + 10;
                }
                if (d < 0) {
                    ok = false;
                    break;
                }
                cp = cp * (hex ? 16 : 10) + static_cast<char32_t>(d);
            }
            if (!ok || !IsAllowedChar(cp)) {
                throw EXmlParseError("invalid character reference \"&" + std::string(name) + ";\"",
                                     offset());
            }
            AppendUtf8(out, cp);
        } else {
            throw EXmlParseError("undefined entity \"&" + std::string(name) + ";\"", offset());
        }
        pos = semi + 1;
    }
    return true;
}

// Collapses inner white space runs and trims; returns false if nothing changes.
bool NormalizeSpace(std::string_view value, std::string& out) {
    bool needed = !value.empty() && (IsSpace(value.front()) || IsSpace(value.back()));
    for (std::size_t i = 0; !needed && i < value.size(); ++i) {
        char c = value[i];
        needed =
            (c != ' ' && IsSpace(c)) || (c == ' ' && i + 1 < value.size() && value[i + 1] == ' ');
    }
    if (!needed) {
        return false;
    }
    out.clear();
    bool pendingBlank = false;
    for (char c : value) {
        if (IsSpace(c)) {
            pendingBlank = !out.empty();
        } else {
            if (pendingBlank) {
                out.push_back(' ');
                pendingBlank = false;
            }
            out.push_back(c);
        }
    }
    return true;
}

const char* ParseStatusText(pugi::xml_parse_status status) {
    switch (status) {
    case pugi::status_no_document_element:
        return "no root element";
    case pugi::status_unrecognized_tag:
        return "unrecognized tag";
    case pugi::status_bad_pi:
        return "malformed processing instruction";
    case pugi::status_bad_comment:
        return "malformed comment";
    case pugi::status_bad_cdata:
        return "malformed CDATA section";
    case pugi::status_bad_doctype:
        return "malformed document type declaration";
    case pugi::status_bad_pcdata:
        return "malformed character data";
    case pugi::status_bad_start_element:
        return "malformed start tag";
    case pugi::status_bad_attribute:
        return "malformed attribute";
    case pugi::status_bad_end_element:
        return "malformed end tag";
    case pugi::status_end_element_mismatch:
        return "end tag does not match its start tag, or the text ends inside an element";
    case pugi::status_append_invalid_root:
        return "invalid root";
    default:
        return "malformed XML";
    }
}

// pugixml accepts an attribute twice; XML does not. The names of one element are checked as
// they are read: against each other while they are few, as elements have, through a set
// beyond that.
class TUniqueNames {
public:
    void Start() { m_count = 0; }
    // Throws for a name that element already has.
    void Add(const char* name, pugi::xml_node element) {
        if (m_count < kFew) {
            for (int i = 0; i < m_count; ++i) {
                if (NameIs(m_names[i], name)) {
                    Fail(name, element);
                }
            }
            m_names[m_count++] = name;
            return;
        }
        if (m_count++ == kFew) {
            m_set.clear();
            m_set.insert(std::begin(m_names), std::end(m_names));
        }
        if (!m_set.insert(name).second) {
            Fail(name, element);
        }
    }

private:
    [[noreturn]] static void Fail(const char* name, pugi::xml_node element) {
        throw EXmlParseError("attribute \"" + std::string(name) + "\" appears twice",
                             element.offset_debug());
    }

    static constexpr int kFew = 16;
    const char* m_names[kFew] = {};
    int m_count = 0;
    std::unordered_set<std::string_view> m_set;
};

// Beside the root element only comments, processing instructions and white space may stand.
void CheckSingleRoot(const pugi::xml_document& parsed) {
    bool rootSeen = false;
    for (pugi::xml_node node = parsed.first_child(); node; node = node.next_sibling()) {
        if (node.type() == pugi::node_element) {
            if (rootSeen) {
                throw EXmlParseError("a second root element", node.offset_debug() - 1);
            }
            rootSeen = true;
        } else if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) {
            const std::string_view value = node.value();
            if (node.type() == pugi::node_cdata ||
                !std::all_of(value.begin(), value.end(), IsSpace)) {
                throw EXmlParseError(rootSeen ? "text after the root element"
                                              : "text before the root element",
                                     node.offset_debug());
            }
        }
    }
    if (!rootSeen) {
        throw EXmlParseError("no root element", 0);
    }
}

// An element whose children the walk is visiting.
struct TOpenElement {
    pugi::xml_node element;
    pugi::xml_node next; // the next child to visit
    bool preserve;       // xml:space="preserve" holds here
};

// Written files indent every level, so their size grows with the square of the depth; no
// media index comes near this.
constexpr std::size_t kMaxDepth = 1000;

} // namespace

void UnembedText(pugi::xml_node element) {
    if (const char* text = ElementText(element); *text) {
        element.prepend_child(pugi::node_pcdata).set_value(text);
        element.text().set(""); // the value comes first, ahead of the new child
    }
}

pugi::xml_attribute FindAttribute(pugi::xml_node node, const char* name) {
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
        if (NameIs(a.name(), name)) {
            return a;
        }
    }
    return {};
}

bool ParseCanonicalNumber(std::string_view text, std::uint64_t& value) {
    if (text.empty() || text.size() > 19 || (text.size() > 1 && text[0] == '0')) {
        return false;
    }
    std::uint64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        v = v * 10 + static_cast<std::uint64_t>(c - '0');
    }
    value = v;
    return true;
}

std::pair<int, int> LineAndColumn(std::string_view text, std::ptrdiff_t offset) {
    int line = 1;
    int column = 1;
    const auto end = static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, offset));
    for (std::size_t i = 0; i < end && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return {line, column};
}

TParseResult Parse(std::string_view text, const TParseOptions& options) {
    return Parse(TTextBuffer::Copy(text), options);
}

TParseResult Parse(TTextBuffer text, const TParseOptions& options) {
    // Fast path: pugixml trims character data and drops white-space-only data itself.
    // Only a document that may switch normalization off needs the white space kept.
    const bool mayPreserve = text.View().find("xml:space") != std::string_view::npos;
    // As a fragment, pugixml keeps what stands beside the root instead of dropping it, so
    // that it can be refused.
    // An element's leading text is held as its value, not as a node of its own: most
    // elements of a media index hold one text and nothing else.
    unsigned flags = pugi::parse_cdata | pugi::parse_eol | pugi::parse_wconv_attribute |
                     pugi::parse_comments | pugi::parse_pi | pugi::parse_fragment |
                     pugi::parse_embed_pcdata;
    flags |= mayPreserve ? pugi::parse_ws_pcdata : pugi::parse_trim_pcdata;

    TParseResult info;
    info.tree = std::make_unique<TXmlTree>();
    info.tree->buffer = std::move(text);
    pugi::xml_document& parsed = info.tree->document;
    TTextBuffer& buffer = info.tree->buffer;
    // With the terminating NUL counted, pugixml keeps the last character also where it ends
    // text outside the root.
    pugi::xml_parse_result result =
        parsed.load_buffer_inplace(buffer.Data(), buffer.Size() + 1, flags, pugi::encoding_utf8);
    if (!result) {
        throw EXmlParseError(ParseStatusText(result.status), result.offset);
    }
    CheckSingleRoot(parsed);

    std::string scratch;
    std::string decoded;
    // The text to store for one value of character data once it is normalized and decoded:
    // null where the value stays as it is, empty where it is dropped.
    auto readText = [&](const char* value, bool preserve, auto offset) -> const char* {
        const bool normalized = !preserve && NormalizeSpace(value, scratch);
        const char* text = normalized ? scratch.c_str() : value;
        if (*text && DecodeReferences(text, decoded, offset)) {
            return decoded.c_str();
        }
        return normalized ? text : nullptr;
    };
    // Walked in document order, the order in which pugixml laid the tree out in memory.
    std::vector<TOpenElement> open;
    TUniqueNames names;
    auto enter = [&](pugi::xml_node element, bool preserve) {
        names.Start();
        for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute()) {
            const char* name = a.name();
            const char* value = a.value();
            names.Add(name, element);
            if (DecodeReferences(value, decoded, [element] { return element.offset_debug(); })) {
                a.set_value(decoded.c_str());
                value = a.value();
            }
            if (NameIs(name, options.idName)) {
                std::uint64_t id = 0;
                if (ParseCanonicalNumber(value, id) && id > info.maxId) {
                    info.maxId = id;
                }
            } else if (mayPreserve && NameIs(name, "xml:space")) {
                preserve = std::strcmp(value, "preserve") == 0;
            }
        }
        // The leading text, which pugixml holds as the element's value.
        if (const char* value = element.value(); *value) {
            const std::ptrdiff_t offset = value - buffer.Data();
            if (const char* text = readText(value, preserve, [offset] { return offset; })) {
                element.text().set(text); // the empty text takes the value away
            }
        }
        // Filled in place: a pushed copy of a record built on the stack stalls on reading
        // back what was just stored.
        TOpenElement& entry = open.emplace_back();
        entry.element = element;
        entry.next = element.first_child();
        entry.preserve = preserve;
    };
    enter(parsed.document_element(), false);
    while (!open.empty()) {
        TOpenElement& top = open.back();
        pugi::xml_node child = top.next;
        if (!child) {
            open.pop_back();
            continue;
        }
        top.next = child.next_sibling();
        if (child.type() == pugi::node_element) {
            if (open.size() > kMaxDepth) {
                throw EXmlParseError("elements are nested more than " + std::to_string(kMaxDepth) +
                                         " levels deep",
                                     child.offset_debug());
            }
            enter(child, top.preserve); // invalidates top
        } else if (child.type() == pugi::node_pcdata) {
            // Found only on the way to an error: pugixml finds a node's offset by a walk up
            // the tree.
            const char* text =
                readText(child.value(), top.preserve, [child] { return child.offset_debug(); });
            if (text && !*text) {
                top.element.remove_child(child);
            } else if (text) {
                child.set_value(text);
            }
        }
    }
    return info;
}

} // namespace xml
