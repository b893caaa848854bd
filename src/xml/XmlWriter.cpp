#include "XmlWriter.h"

#include "XmlEncoding.h"
#include "XmlReader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

namespace xml {
namespace {

// Bytes that stop the plain copy loop: markup, quotes, line breaks and non-ASCII.
constexpr std::array<bool, 256> MakeSpecial(bool attribute, bool lineBreaks) {
    std::array<bool, 256> t{};
    t['<'] = t['&'] = true;
    if (attribute) {
        t['"'] = t['\t'] = true;
    } else {
        t['>'] = true; // only the one that would close "]]>" is escaped
    }
    if (attribute || lineBreaks) {
        t['\n'] = t['\r'] = true;
    }
    for (int c = 127; c < 256; ++c) {
        t[c] = true;
    }
    return t;
}
constexpr auto kTextSpecial = MakeSpecial(false, false);
constexpr auto kFileTextSpecial = MakeSpecial(false, true);
constexpr auto kAttributeSpecial = MakeSpecial(true, false);

// Appends data with every line break written as CR LF.
void AppendCrLf(std::string& out, std::string_view data) {
    std::size_t pos = 0;
    for (std::size_t end; (end = data.find_first_of("\r\n", pos)) != std::string_view::npos;) {
        out.append(data.substr(pos, end - pos)).append("\r\n");
        pos = end + (data[end] == '\r' && end + 1 < data.size() && data[end + 1] == '\n' ? 2 : 1);
    }
    out.append(data.substr(pos));
}

void AppendData(std::string& out, std::string_view data, TLineBreaks lineBreaks) {
    if (lineBreaks == TLineBreaks::CrLf) {
        AppendCrLf(out, data);
    } else {
        out.append(data);
    }
}

void AppendReference(std::string& out, unsigned long code) {
    char buffer[16];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, code);
    out.append("&#");
    out.append(buffer, end);
    out.push_back(';');
}

void AppendIndent(std::string& out, int depth) {
    out.append("\r\n");
    out.append(static_cast<std::size_t>(2 * depth), ' ');
}

void AppendCData(std::string& out, std::string_view data, TLineBreaks lineBreaks) {
    // "]]>" cannot stand inside one section: split it over two.
    out.append("<![CDATA[");
    std::size_t pos = 0;
    for (std::size_t end; (end = data.find("]]>", pos)) != std::string_view::npos; pos = end + 2) {
        AppendData(out, data.substr(pos, end + 2 - pos), lineBreaks);
        out.append("]]><![CDATA[");
    }
    AppendData(out, data.substr(pos), lineBreaks);
    out.append("]]>");
}

void AppendStartTag(std::string& out, pugi::xml_node element) {
    out.push_back('<');
    out.append(element.name());
    for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute()) {
        out.push_back(' ');
        out.append(a.name());
        out.append("=\"");
        AppendEscaped(out, a.value(), TEscapeContext::Attribute);
        out.push_back('"');
    }
}

bool IsCharacterData(pugi::xml_node node) {
    return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

// One open element on the writer's own stack; deep documents cannot overflow the call stack.
struct TOpenElement {
    pugi::xml_node element;
    pugi::xml_node next; // next child to write
    int depth;
    bool characterDataSeen;
};

} // namespace

void AppendEscaped(std::string& out, std::string_view text, TEscapeContext context,
                   TLineBreaks lineBreaks) {
    const auto& special = context == TEscapeContext::Attribute ? kAttributeSpecial
                          : lineBreaks == TLineBreaks::CrLf    ? kFileTextSpecial
                                                               : kTextSpecial;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t start = pos;
        while (pos < text.size() && !special[static_cast<unsigned char>(text[pos])]) {
            ++pos;
        }
        out.append(text.substr(start, pos - start));
        if (pos == text.size()) {
            break;
        }
        switch (text[pos]) {
        case '<':
            out.append("&lt;");
            ++pos;
            break;
        case '&':
            out.append("&amp;");
            ++pos;
            break;
        case '>':
            // "]]>" may not stand in character data. What came before, also from a text
            // just written beside this one, is already in out.
            out.append(out.size() >= 2 && out[out.size() - 1] == ']' && out[out.size() - 2] == ']'
                           ? "&gt;"
                           : ">");
            ++pos;
            break;
        case '\n':
        case '\r':
            if (context == TEscapeContext::Text) {
                // Only reached when line breaks are written as CR LF.
                const bool pair =
                    text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n';
                out.append("\r\n");
                pos += pair ? 2 : 1;
                break;
            }
            [[fallthrough]];
        case '"':
        case '\t':
            AppendReference(out, static_cast<unsigned char>(text[pos]));
            ++pos;
            break;
        default:
            AppendReference(out, NextCodePoint(text, pos));
            break;
        }
    }
}

void AppendNode(std::string& out, pugi::xml_node root, bool formatted, TLineBreaks lineBreaks) {
    AppendNode(out, root, formatted, lineBreaks, 0, {});
}

void AppendNode(std::string& out, pugi::xml_node root, bool formatted, TLineBreaks lineBreaks,
                std::size_t piece, const std::function<void(std::string_view)>& flush) {
    // The last two bytes stay behind: the escaping of "]]>" looks back at them.
    auto flushPiece = [&] {
        if (flush && out.size() >= std::max<std::size_t>(piece, 2)) {
            flush(std::string_view(out).substr(0, out.size() - 2));
            out.erase(0, out.size() - 2);
        }
    };
    auto writeLeaf = [&](pugi::xml_node node) {
        switch (node.type()) {
        case pugi::node_pcdata:
            AppendEscaped(out, node.value(), TEscapeContext::Text, lineBreaks);
            break;
        case pugi::node_cdata:
            AppendCData(out, node.value(), lineBreaks);
            break;
        case pugi::node_comment:
            out.append("<!--");
            AppendData(out, node.value(), lineBreaks);
            out.append("-->");
            break;
        case pugi::node_pi:
            out.append("<?").append(node.name()).append(" ");
            AppendData(out, node.value(), lineBreaks);
            out.append("?>");
            break;
        default:
            break;
        }
    };
    if (root.type() != pugi::node_element) {
        writeLeaf(root);
        return;
    }

    if (formatted) {
        out.append("\r\n");
    }
    std::vector<TOpenElement> stack;
    // Writes the start tag and the text held as the element's value, and opens the element;
    // false for an element written as an empty-element tag.
    auto open = [&](pugi::xml_node element, int depth) {
        AppendStartTag(out, element);
        if (!HasContent(element)) {
            out.append("/>");
            return false;
        }
        out.push_back('>');
        const char* text = ElementText(element);
        AppendEscaped(out, text, TEscapeContext::Text, lineBreaks);
        stack.push_back({element, element.first_child(), depth, *text != '\0'});
        return true;
    };
    if (!open(root, 0)) {
        return;
    }
    while (!stack.empty()) {
        flushPiece();
        TOpenElement& top = stack.back();
        if (!top.next) {
            if (formatted && !top.characterDataSeen) {
                AppendIndent(out, top.depth);
            }
            out.append("</").append(top.element.name()).push_back('>');
            stack.pop_back();
            continue;
        }
        pugi::xml_node child = top.next;
        top.next = child.next_sibling();
        if (IsCharacterData(child)) {
            top.characterDataSeen = true;
        } else if (formatted && !top.characterDataSeen) {
            AppendIndent(out, top.depth + 1);
        }
        if (child.type() != pugi::node_element) {
            writeLeaf(child);
            continue;
        }
        open(child, top.depth + 1); // invalidates top
    }
}

} // namespace xml
