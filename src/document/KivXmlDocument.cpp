#include "KivXmlDocument.h"

#include "AtomicFile.h"
#include "KivDateTime.h"
#include "XmlEncoding.h"
#include "XmlError.h"
#include "XmlReader.h"
#include "XmlWriter.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// Identifiers are compared without regard to letter case.
std::string FoldCase(std::string_view id) {
    std::string key(id);
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    });
    return key;
}

xml::TTextBuffer ReadWholeFile(const std::string& path) {
    auto fail = [&] {
        return EKivXmlError("Cannot read " + Quoted(path) + ": " + std::strerror(errno) + ".");
    };
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        throw EKivXmlError("Cannot read " + Quoted(path) + ": it is a folder.");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw fail();
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) {
        throw fail();
    }
    in.seekg(0, std::ios::beg);
    xml::TTextBuffer bytes = xml::TTextBuffer::Uninitialised(static_cast<std::size_t>(size));
    in.read(bytes.Data(), size);
    if (in.gcount() != size) {
        throw fail();
    }
    return bytes;
}

std::string NotADateTime(const char* name, std::string_view id) {
    return "Attribute named " + Quoted(name) + " in element with id " + Quoted(id) +
           " is not a datetime.";
}

} // namespace

std::string TKivXmlElement::TextContent(pugi::xml_node node) {
    std::string text = xml::ElementText(node);
    bool first = text.empty();
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
            if (!first) {
                text.push_back(' ');
            }
            text.append(child.value());
            first = false;
        }
    }
    return text;
}

// ---- TKivXmlElement ----

TKivXmlElement::TKivXmlElement(TKivXmlElement* owner)
    : m_owner(owner), m_document(owner ? owner->GetDocument() : nullptr) {}

TKivXmlElement::~TKivXmlElement() = default;

void TKivXmlElement::Bind(pugi::xml_node node, const char* id) {
    // A loaded node's text is read by AssignNode, which follows.
    if (!node) {
        node = m_owner->Node().append_child(ElementName());
        node.append_attribute("Id").set_value(m_document->AllocateId().c_str());
    }
    m_node = node;
    m_document->RegisterId(id ? id : xml::FindAttribute(node, "Id").value(), this);
}

void TKivXmlElement::AssignNode(pugi::xml_node node) {
    BindChildren(node, [](const TLoadedChild&) {});
}

void TKivXmlElement::LoadFromXml(std::string_view text) {
    xml::TParseResult parsed = xml::Parse(text);
    pugi::xml_node root = parsed.tree->document.document_element();
    m_document->KeepTree(std::move(parsed.tree));
    AssignNode(root);
    MarkModified();
}

std::string TKivXmlElement::GetXml() const {
    std::string out;
    xml::AppendNode(out, m_node, m_owner == nullptr);
    return out;
}

std::string TKivXmlElement::Id() const {
    return xml::FindAttribute(m_node, "Id").value();
}

std::string TKivXmlElement::GetAttribute(const char* name) const {
    return xml::FindAttribute(m_node, name).value();
}

void TKivXmlElement::SetAttribute(const char* name, std::string_view value) {
    m_node.remove_attribute(name);
    if (!value.empty()) {
        m_node.append_attribute(name).set_value(std::string(value).c_str());
    }
    MarkModified();
}

double TKivXmlElement::GetDateTimeAttribute(const char* name) const {
    if (std::optional<double> value =
            kivdatetime::Parse(xml::FindAttribute(m_node, name).value())) {
        return *value;
    }
    throw EKivXmlError(NotADateTime(name, Id()));
}

void TKivXmlElement::CheckDateTimesOnLoad(pugi::xml_node node,
                                          std::initializer_list<const char*> names) const {
    if (!m_document->ChecksDateTimesOnLoad()) {
        return;
    }
    constexpr std::size_t kMost = 4;
    const char* values[kMost] = {"", "", "", ""};
    const std::size_t count = std::min(names.size(), kMost);
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
        const char* attribute = a.name();
        for (std::size_t i = 0; i < count; ++i) {
            if (xml::NameIs(attribute, names.begin()[i])) {
                values[i] = a.value();
            }
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (kivdatetime::Parse(values[i])) {
            continue;
        }
        // pugixml places an element at its name; report the "<" before it.
        const std::ptrdiff_t offset = node.offset_debug();
        throw xml::EXmlParseError(NotADateTime(names.begin()[i], node.attribute("Id").value()),
                                  offset > 0 ? offset - 1 : offset);
    }
}

void TKivXmlElement::SetDateTimeAttribute(const char* name, double value) {
    SetAttribute(name, kivdatetime::Format(value));
}

void TKivXmlElement::SetText(std::string_view value) {
    // Copied first: value may be this element's own text, which the edits below can release.
    const std::string text(value);
    // The element's own first text node; CDATA sections do not count. A text inside a child
    // element belongs to the child and is never overwritten.
    xml::UnembedText(m_node);
    pugi::xml_node target =
        m_node.find_child([](pugi::xml_node n) { return n.type() == pugi::node_pcdata; });
    if (!target) {
        target = m_node.append_child(pugi::node_pcdata);
    }
    target.set_value(text.c_str());
    m_text = target.value();
    MarkModified();
}

void TKivXmlElement::MarkModified() {
    m_document->SetModified(true);
}

// ---- TKivXmlDocument ----

TKivXmlDocument::TKivXmlDocument(const char* rootName) : TKivXmlElement(nullptr) {
    m_document = this;
    m_tree = std::make_unique<xml::TXmlTree>();
    m_tree->document.append_child(rootName);
    TKivXmlElement::AssignNode(m_tree->document.document_element());
}

TKivXmlDocument::~TKivXmlDocument() {
    for (TKivXmlElement* element : m_elements) {
        element->~TKivXmlElement();
    }
}

void TKivXmlDocument::LoadFromXml(std::string_view text) {
    LoadText(xml::TTextBuffer::Copy(text));
}

void TKivXmlDocument::LoadText(xml::TTextBuffer text) {
    xml::TParseResult parsed = xml::Parse(std::move(text));
    pugi::xml_node root = parsed.tree->document.document_element();
    if (std::string_view(root.name()) != ElementName()) {
        throw EKivXmlError("The root element is " + Quoted(root.name()) + ", not " +
                           Quoted(ElementName()) + ".");
    }
    KeepTree(std::move(m_tree));
    m_tree = std::move(parsed.tree);
    m_detached = {};
    // Identifiers of the previous content must not shadow those of the loaded one.
    m_denseIds.clear();
    m_sparseIds.clear();
    m_textIds.clear();
    // Nearly every element of a file has an identifier, and they run up to the highest: room
    // for all at once instead of growing by doubling, which touches twice the memory. An
    // element with an identifier takes at least a dozen bytes of text, which bounds it.
    const std::uint64_t expected =
        std::min<std::uint64_t>(parsed.maxId, m_tree->buffer.Size() / 12);
    m_elements.reserve(m_elements.size() + expected);
    m_denseIds.reserve(expected + 1);
    AssignNode(root);

    // Identifiers handed out later must not collide with those already in the file.
    pugi::xml_attribute nextId = root.attribute("NextId");
    std::uint64_t next = 0;
    if (parsed.maxId > 0 &&
        (!xml::ParseCanonicalNumber(nextId.value(), next) || next < parsed.maxId)) {
        if (!nextId) {
            nextId = root.append_attribute("NextId");
        }
        nextId.set_value(std::to_string(parsed.maxId).c_str());
    }
    AfterLoad();
    SetModified(true);
}

std::string TKivXmlDocument::AllocateId() {
    std::uint64_t last = 0;
    xml::ParseCanonicalNumber(GetAttribute("NextId"), last);
    std::string id = std::to_string(last + 1);
    SetAttribute("NextId", id);
    return id;
}

TKivXmlElement* TKivXmlDocument::FindNumericId(std::uint64_t id) const {
    if (id < m_denseIds.size() && m_denseIds[id]) {
        return m_denseIds[id];
    }
    auto it = m_sparseIds.find(id);
    return it == m_sparseIds.end() ? nullptr : it->second;
}

TKivXmlElement* TKivXmlDocument::FindById(std::string_view id) const {
    std::uint64_t number = 0;
    if (xml::ParseCanonicalNumber(id, number)) {
        return FindNumericId(number);
    }
    auto it = m_textIds.find(FoldCase(id));
    return it == m_textIds.end() ? nullptr : it->second;
}

void TKivXmlDocument::RegisterId(std::string_view id, TKivXmlElement* element) {
    std::uint64_t number = 0;
    if (id.empty()) {
        return;
    }
    if (!xml::ParseCanonicalNumber(id, number)) {
        m_textIds.try_emplace(FoldCase(id), element);
        return;
    }
    if (FindNumericId(number)) {
        return; // the first element registered under an identifier keeps it
    }
    // Dense while the vector stays within a small multiple of the elements it indexes.
    const std::uint64_t denseLimit = std::max<std::uint64_t>(65536, 8 * m_elements.size());
    if (number < denseLimit) {
        if (number >= m_denseIds.size()) {
            m_denseIds.resize(number + 1); // the vector's own growth is geometric
        }
        m_denseIds[number] = element;
    } else {
        m_sparseIds.emplace(number, element);
    }
}

void* TKivXmlDocument::ElementStorage(std::size_t size, std::size_t alignment) {
    // Room for the object's entry first, so that Adopt cannot fail.
    if (m_elements.size() == m_elements.capacity()) {
        m_elements.reserve(2 * m_elements.size() + 64);
    }
    return m_storage.allocate(size, alignment);
}

const char* TKivXmlDocument::KeepText(std::string_view text) {
    auto* copy = static_cast<char*>(m_storage.allocate(text.size() + 1, 1));
    std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    return copy;
}

void TKivXmlDocument::Adopt(TKivXmlElement* element) noexcept {
    m_elements.push_back(element);
}

void TKivXmlDocument::KeepTree(std::unique_ptr<xml::TXmlTree> tree) {
    m_keptTrees.push_back(std::move(tree));
}

void TKivXmlDocument::Detach(pugi::xml_node node) {
    if (!m_detached) {
        // A second top-level element: never written, since only the root is.
        m_detached = m_tree->document.append_child("detached");
    }
    m_detached.append_move(node);
}

void TKivXmlDocument::LoadFromFile(const std::string& path, TDateTimeCheck check) {
    try {
        xml::TTextBuffer text = xml::DecodeToUtf8(ReadWholeFile(path));
        struct TCheckForThisLoad {
            bool& flag;
            ~TCheckForThisLoad() { flag = false; }
        } checking{m_checkDateTimes};
        m_checkDateTimes = check == TDateTimeCheck::Strict;
        LoadText(std::move(text));
    } catch (const xml::EXmlParseError& e) {
        std::string message = e.what();
        if (!message.empty() && message.back() == '.') {
            message.pop_back();
        }
        if (e.Offset() >= 0) {
            // The parser worked in place on its copy; the position is read from a fresh one.
            try {
                auto [line, column] =
                    xml::LineAndColumn(xml::DecodeToUtf8(ReadWholeFile(path)).View(), e.Offset());
                message +=
                    " (line " + std::to_string(line) + ", column " + std::to_string(column) + ")";
            } catch (const std::exception&) {
            }
        }
        throw EKivXmlError("Cannot load " + Quoted(path) + ": " + message + ".");
    } catch (const EKivXmlError& e) {
        const std::string message = e.what();
        if (message.rfind("Cannot read ", 0) == 0) {
            throw;
        }
        throw EKivXmlError("Cannot load " + Quoted(path) + ": " + message);
    }
    SetModified(false);
}

void TKivXmlDocument::SaveToFile(const std::string& path) {
    // Written in pieces as the tree is walked: the whole text is never held at once.
    constexpr std::size_t kPiece = 256 * 1024;
    std::string text;
    text.reserve(kPiece + kPiece / 4);
    try {
        TAtomicFile file(path);
        xml::AppendNode(text, Node(), true, xml::TLineBreaks::CrLf, kPiece,
                        [&file](std::string_view piece) { file.Write(piece); });
        text.append("\r\n");
        file.Write(text);
        file.Commit();
    } catch (const std::runtime_error& e) {
        throw EKivXmlError(e.what());
    }
    SetModified(false);
}

void TKivXmlDocument::SetModified(bool flag) {
    if (flag != m_modified) {
        m_modified = flag;
        if (OnModifiedChanged) {
            OnModifiedChanged(*this);
        }
    }
}

// ---- TKivXmlElements ----

void TKivXmlElements::Add(TKivXmlElement* element) {
    m_items.push_back(element);
    m_owner->GetDocument()->SetModified(true);
}

TKivXmlElements::TList::iterator TKivXmlElements::Find(TKivXmlElement* element) {
    // Members are kept in one list; an element that is not in it is in neither index.
    auto it = std::find(m_items.begin(), m_items.end(), element);
    if (it == m_items.end()) {
        throw std::runtime_error("TKivXmlElements.Remove: Element with ID " +
                                 Quoted(element ? element->Id() : std::string()) +
                                 " not found in ID index.");
    }
    return it;
}

void TKivXmlElements::Remove(TKivXmlElement* element) {
    m_items.erase(Find(element));
    TKivXmlDocument* document = m_owner->GetDocument();
    document->Detach(element->Node());
    document->SetModified(true);
}

void TKivXmlElements::SetAside(TKivXmlElement* element) {
    m_items.erase(Find(element));
    m_owner->GetDocument()->KeepSetAside(this, element);
}
