#pragma once
// The element layer: typed objects bound to the elements of one retained XML tree. The tree
// stays the only store of the data, so whatever a loaded file holds is written back.

#include "XmlReader.h"

#include <pugixml.hpp>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <memory_resource>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TKivXmlDocument;
class TKivXmlElements;

// How strictly a load checks the date-times a document needs (see CheckDateTimesOnLoad).
enum class TDateTimeCheck {
    // Every date-time the document needs must be readable, or the load fails.
    Strict,
    // Date-times are read only when asked for, for tools that report such faults.
    Lenient,
};

// A child element met while binding a loaded element, with the attributes that binding
// reads, found in one pass over the child's attributes.
struct TLoadedChild {
    pugi::xml_node node;
    const char* rel; // "Rel"
    const char* id;  // "Id"; "" where absent
};

class EKivXmlError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TKivXmlElement {
public:
    TKivXmlElement(const TKivXmlElement&) = delete;
    TKivXmlElement& operator=(const TKivXmlElement&) = delete;
    virtual ~TKivXmlElement();

    // Not virtual: it is asked for every member while millions are loaded.
    TKivXmlDocument* GetDocument() const { return m_document; }
    // Parses a complete XML text into a tree of the element's own and binds to its root.
    virtual void LoadFromXml(std::string_view text);
    std::string GetXml() const;
    // Binds to node and builds the child objects below it.
    virtual void AssignNode(pugi::xml_node node);
    // The tag of the class: its name without the leading "T".
    virtual const char* ElementName() const = 0;

    // Creates an object of class T bound to node or, with no node, to a new element appended
    // to the owner's element with a freshly allocated "Id".
    template <class T> static T* Create(TKivXmlElement* owner, pugi::xml_node node = {});
    // The same for a loaded child, whose identifier is already known.
    template <class T> static T* Create(TKivXmlElement* owner, const TLoadedChild& child);
    // As Create without a node, then sets "Rel" to relation unless it is empty.
    template <class T> static T* CreateNew(TKivXmlElement* owner, std::string_view relation);

    TKivXmlElement* Owner() const { return m_owner; }
    pugi::xml_node Node() const { return m_node; }
    std::string Id() const;
    // The text content: valid until the element's text is set again.
    std::string_view Text() const { return m_text; }

    // An absent attribute reads as the empty text.
    std::string GetAttribute(const char* name) const;
    // Moves the attribute behind all others; the empty value removes it.
    void SetAttribute(const char* name, std::string_view value);
    // Throws EKivXmlError when the attribute is absent or not a date-time.
    double GetDateTimeAttribute(const char* name) const;
    void SetDateTimeAttribute(const char* name, double value);
    void SetText(std::string_view value);

protected:
    explicit TKivXmlElement(TKivXmlElement* owner);
    // Creates the fixed single children of an element made without a node.
    virtual void CreateFixedChildren() {}

    // The text held as node's value and its text and CDATA children, joined with one blank.
    static std::string TextContent(pugi::xml_node node);
    // Binds to node and caches its text content while calling visit(child) with a
    // TLoadedChild for every child element that has a "Rel" attribute: one walk over the
    // children for both.
    template <class F> void BindChildren(pugi::xml_node node, F&& visit);
    // During a strict LoadFromFile, throws xml::EXmlParseError at node when one of its
    // date-time attributes names is absent or unreadable (the first in that order); the load
    // reports it with the file, line and column. Checked while the objects are built, not in
    // a walk of its own, and in one pass over the attributes.
    void CheckDateTimesOnLoad(pugi::xml_node node, std::initializer_list<const char*> names) const;
    // Binds the single child of relation to child when its "Rel" names it; creates it if
    // needed.
    template <class T>
    void LoadSingleChild(T*& field, const char* relation, const TLoadedChild& child);

private:
    friend class TKivXmlDocument;
    // Binds to node, or to a new element where there is none, and registers its identifier:
    // id, or the node's own where id is null.
    void Bind(pugi::xml_node node, const char* id = nullptr);
    void MarkModified();

    TKivXmlElement* m_owner;
    TKivXmlDocument* m_document;
    pugi::xml_node m_node;
    // A string of the tree where the text is one piece, as nearly always; pieces joined
    // are kept in the document's storage. Not a string of its own: a large index has
    // millions of elements.
    const char* m_text = "";
};

class TKivXmlDocument : public TKivXmlElement {
public:
    ~TKivXmlDocument() override;

    void LoadFromXml(std::string_view text) override;

    std::string AllocateId();
    TKivXmlElement* FindById(std::string_view id) const;
    // Reads a file in any of the encodings a media index comes in. Errors name the file and,
    // where known, the line and column. Each load decides its own date-time check.
    void LoadFromFile(const std::string& path, TDateTimeCheck check = TDateTimeCheck::Strict);
    // Writes atomically: a failed save leaves the old file as it was.
    void SaveToFile(const std::string& path);
    bool Modified() const { return m_modified; }
    void SetModified(bool flag);

    std::function<void(TKivXmlDocument&)> OnModifiedChanged;

    // Layer internals used by elements and collections.
    void RegisterId(std::string_view id, TKivXmlElement* element);
    // Storage for an element object that lives as long as the document, which releases all
    // together: they are not allocated one by one. The object made there is then adopted.
    void* ElementStorage(std::size_t size, std::size_t alignment);
    // A copy of text, NUL-terminated, that lives as long as the document.
    const char* KeepText(std::string_view text);
    void Adopt(TKivXmlElement* element) noexcept;
    std::pmr::memory_resource* Storage() { return &m_storage; }
    // The members a collection has set aside, in that order; few collections have any.
    void KeepSetAside(const TKivXmlElements* collection, TKivXmlElement* element) {
        m_setAside[collection].push_back(element);
    }
    const std::vector<TKivXmlElement*>& SetAsideOf(const TKivXmlElements* collection) const {
        static const std::vector<TKivXmlElement*> kNone;
        auto it = m_setAside.find(collection);
        return it == m_setAside.end() ? kNone : it->second;
    }
    void ForgetSetAside(const TKivXmlElements* collection) {
        if (!m_setAside.empty()) {
            m_setAside.erase(collection);
        }
    }
    bool ChecksDateTimesOnLoad() const { return m_checkDateTimes; }
    // Keeps a tree alive for as long as the document: the tree of a load that replaced it,
    // or one that an element loaded on its own.
    void KeepTree(std::unique_ptr<xml::TXmlTree> tree);
    // Takes a node out of the written tree while keeping it readable for the objects that
    // still refer to it.
    void Detach(pugi::xml_node node);

protected:
    // Starts with the tree of "<rootName />".
    explicit TKivXmlDocument(const char* rootName);
    // Runs after a successful parse, before Modified is cleared.
    virtual void AfterLoad() {}

private:
    void LoadText(xml::TTextBuffer text);
    TKivXmlElement* FindNumericId(std::uint64_t id) const;

    std::unique_ptr<xml::TXmlTree> m_tree;
    std::vector<std::unique_ptr<xml::TXmlTree>> m_keptTrees;
    pugi::xml_node m_detached;
    // Declared before the objects it holds, so that it is released after them.
    std::pmr::monotonic_buffer_resource m_storage;
    std::vector<TKivXmlElement*> m_elements;
    std::unordered_map<const TKivXmlElements*, std::vector<TKivXmlElement*>> m_setAside;
    // Identifiers are nearly always small decimal numbers handed out in order: they index a
    // vector. Large numbers and other texts (lower-cased) go to the maps.
    std::vector<TKivXmlElement*> m_denseIds;
    std::unordered_map<std::uint64_t, TKivXmlElement*> m_sparseIds;
    std::unordered_map<std::string, TKivXmlElement*> m_textIds;
    bool m_modified = false;
    bool m_checkDateTimes = false; // only while a strict LoadFromFile binds the objects
};

// Base of every typed child collection.
class TKivXmlElements {
public:
    // The member list lives in the document's storage, like the members.
    TKivXmlElements(TKivXmlElement* owner, const char* relation)
        : m_owner(owner), m_relation(relation), m_items(owner->GetDocument()->Storage()) {}
    TKivXmlElements(const TKivXmlElements&) = delete;
    TKivXmlElements& operator=(const TKivXmlElements&) = delete;

    int Count() const { return static_cast<int>(m_items.size()); }
    TKivXmlElement* Items(int i) const { return m_items.at(static_cast<std::size_t>(i)); }
    void Add(TKivXmlElement* element);
    void Remove(TKivXmlElement* element);
    // Takes the element out of the collection only: its XML element stays in place and is
    // written as it was, and the document is not modified. For members that the program
    // cannot use in this session but that the file must keep.
    void SetAside(TKivXmlElement* element);
    // Forgets the members without touching their elements, before a reload.
    void Clear() {
        m_items.clear();
        m_owner->GetDocument()->ForgetSetAside(this);
    }
    const char* Relation() const { return m_relation; }

protected:
    using TList = std::pmr::vector<TKivXmlElement*>;
    // The iterator of the members; throws the "not found" error of Remove.
    TList::iterator Find(TKivXmlElement* element);

    TKivXmlElement* m_owner;
    const char* m_relation;
    TList m_items;
};

template <class TMember> class TKivXmlCollection : public TKivXmlElements {
public:
    using TKivXmlElements::Add;
    using TKivXmlElements::TKivXmlElements;

    TMember* Items(int i) const { return static_cast<TMember*>(TKivXmlElements::Items(i)); }
    std::vector<TMember*> SetAsideMembers() const {
        std::vector<TMember*> members;
        for (TKivXmlElement* element : m_owner->GetDocument()->SetAsideOf(this)) {
            members.push_back(static_cast<TMember*>(element));
        }
        return members;
    }

    // A new member element with "Id" and "Rel", appended to the owner's element.
    TMember* Add() {
        TMember* member = TKivXmlElement::CreateNew<TMember>(m_owner, m_relation);
        Add(member);
        return member;
    }

    // Loads child as a member when its relation and tag are this collection's.
    bool LoadChild(const TLoadedChild& child) {
        if (!xml::NameIs(child.rel, m_relation) ||
            !xml::NameIs(child.node.name(), TMember::kElementName)) {
            return false;
        }
        TMember* member = TKivXmlElement::Create<TMember>(m_owner, child);
        Add(member);
        member->AssignNode(child.node);
        return true;
    }

    class iterator {
    public:
        explicit iterator(TList::const_iterator it) : m_it(it) {}
        TMember* operator*() const { return static_cast<TMember*>(*m_it); }
        iterator& operator++() {
            ++m_it;
            return *this;
        }
        bool operator==(const iterator&) const = default;

    private:
        TList::const_iterator m_it;
    };
    iterator begin() const { return iterator(m_items.begin()); }
    iterator end() const { return iterator(m_items.end()); }
};

// An element whose loaded children form one collection.
template <class TMember> class TKivXmlParent : public TKivXmlElement {
public:
    void AssignNode(pugi::xml_node node) override {
        m_members.Clear(); // a catalogue object is re-bound when its document is reloaded
        BindChildren(node, [this](const TLoadedChild& child) { m_members.LoadChild(child); });
    }

protected:
    TKivXmlParent(TKivXmlElement* owner, const char* relation)
        : TKivXmlElement(owner), m_members(this, relation) {}

    TKivXmlCollection<TMember> m_members;
};

template <class T> T* TKivXmlElement::Create(TKivXmlElement* owner, pugi::xml_node node) {
    TKivXmlDocument* document = owner->GetDocument();
    T* raw = new (document->ElementStorage(sizeof(T), alignof(T))) T(owner);
    document->Adopt(raw);
    raw->Bind(node);
    if (!node) {
        raw->CreateFixedChildren();
    }
    return raw;
}

template <class T> T* TKivXmlElement::Create(TKivXmlElement* owner, const TLoadedChild& child) {
    TKivXmlDocument* document = owner->GetDocument();
    T* raw = new (document->ElementStorage(sizeof(T), alignof(T))) T(owner);
    document->Adopt(raw);
    raw->Bind(child.node, child.id);
    return raw;
}

template <class T> T* TKivXmlElement::CreateNew(TKivXmlElement* owner, std::string_view relation) {
    T* raw = Create<T>(owner);
    if (!relation.empty()) {
        raw->SetAttribute("Rel", relation);
    }
    return raw;
}

template <class F> void TKivXmlElement::BindChildren(pugi::xml_node node, F&& visit) {
    m_node = node;
    // Nearly always the text is one piece, the tree's own string; only two or more pieces
    // need a joined copy.
    m_text = xml::ElementText(node);
    int pieces = *m_text ? 1 : 0;
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        switch (child.type()) {
        case pugi::node_element: {
            TLoadedChild loaded{child, nullptr, ""};
            for (pugi::xml_attribute a = child.first_attribute(); a; a = a.next_attribute()) {
                const char* name = a.name();
                if (xml::NameIs(name, "Rel")) {
                    loaded.rel = a.value();
                } else if (xml::NameIs(name, "Id")) {
                    loaded.id = a.value();
                }
            }
            if (loaded.rel) {
                visit(loaded);
            }
            break;
        }
        case pugi::node_pcdata:
        case pugi::node_cdata:
            if (pieces++ == 0) {
                m_text = child.value();
            }
            break;
        default:
            break;
        }
    }
    if (pieces > 1) {
        m_text = m_document->KeepText(TextContent(node));
    }
}

template <class T>
void TKivXmlElement::LoadSingleChild(T*& field, const char* relation, const TLoadedChild& child) {
    if (!xml::NameIs(child.rel, relation)) {
        return;
    }
    if (!field) {
        field = Create<T>(this, child);
    } else {
        // A fixed child made by the constructor takes the loaded element and its identifier.
        m_document->RegisterId(child.id, field);
    }
    field->AssignNode(child.node);
}
