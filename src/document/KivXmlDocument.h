#pragma once
// The element layer: typed objects bound to the elements of one retained XML tree. The tree
// stays the only store of the data, so whatever a loaded file holds is written back.

#include <pugixml.hpp>

namespace xml {
struct TXmlTree;
}

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TKivXmlDocument;

// How strictly a load checks the date-times a document needs (see CheckLoaded).
enum class TDateTimeCheck {
    // Every date-time the document needs must be readable, or the load fails.
    Strict,
    // Date-times are read only when asked for, for tools that report such faults.
    Lenient,
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

    virtual TKivXmlDocument* GetDocument() const;
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
    // As Create without a node, then sets "Rel" to relation unless it is empty.
    template <class T> static T* CreateNew(TKivXmlElement* owner, std::string_view relation);

    TKivXmlElement* Owner() const { return m_owner; }
    pugi::xml_node Node() const { return m_node; }
    std::string Id() const;
    const std::string& Text() const { return m_text; }

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

    // Text and CDATA children of node, joined with one blank.
    static std::string TextContent(pugi::xml_node node);
    // Calls visit(child, rel) for every child element that has a "Rel" attribute.
    template <class F> static void ForEachRelatedChild(pugi::xml_node node, F&& visit);
    // Binds the single child of relation to child when rel names it; creates it if needed.
    template <class T>
    void LoadSingleChild(T*& field, const char* relation, pugi::xml_node child, const char* rel);

private:
    friend class TKivXmlDocument;
    void Bind(pugi::xml_node node);
    void MarkModified();

    TKivXmlElement* m_owner;
    TKivXmlDocument* m_document;
    pugi::xml_node m_node;
    std::string m_text;
};

class TKivXmlDocument : public TKivXmlElement {
public:
    ~TKivXmlDocument() override;

    TKivXmlDocument* GetDocument() const override;
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
    void Adopt(std::unique_ptr<TKivXmlElement> element);
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
    // Runs at the end of a strict LoadFromFile; may throw xml::EXmlParseError with the offset
    // of the offending element, which is reported with the file's name, line and column.
    virtual void CheckLoaded() const {}

private:
    void LoadText(std::string text);
    TKivXmlElement* FindNumericId(std::uint64_t id) const;

    std::unique_ptr<xml::TXmlTree> m_tree;
    std::vector<std::unique_ptr<xml::TXmlTree>> m_keptTrees;
    pugi::xml_node m_detached;
    std::vector<std::unique_ptr<TKivXmlElement>> m_elements;
    // Identifiers are nearly always small decimal numbers handed out in order: they index a
    // vector. Large numbers and other texts (lower-cased) go to the maps.
    std::vector<TKivXmlElement*> m_denseIds;
    std::unordered_map<std::uint64_t, TKivXmlElement*> m_sparseIds;
    std::unordered_map<std::string, TKivXmlElement*> m_textIds;
    std::size_t m_sizeHint = 0; // size of the last file read or written
    bool m_modified = false;
};

// Base of every typed child collection.
class TKivXmlElements {
public:
    TKivXmlElements(TKivXmlElement* owner, const char* relation)
        : m_owner(owner), m_relation(relation) {}
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
        m_setAside.clear();
    }
    const char* Relation() const { return m_relation; }

protected:
    // The iterator of the members; throws the "not found" error of Remove.
    std::vector<TKivXmlElement*>::iterator Find(TKivXmlElement* element);

    TKivXmlElement* m_owner;
    const char* m_relation;
    std::vector<TKivXmlElement*> m_items;
    std::vector<TKivXmlElement*> m_setAside; // in the order they were set aside
};

template <class TMember> class TKivXmlCollection : public TKivXmlElements {
public:
    using TKivXmlElements::Add;
    using TKivXmlElements::TKivXmlElements;

    TMember* Items(int i) const { return static_cast<TMember*>(TKivXmlElements::Items(i)); }
    std::vector<TMember*> SetAsideMembers() const {
        std::vector<TMember*> members;
        for (TKivXmlElement* element : m_setAside) {
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
    bool LoadChild(pugi::xml_node child, const char* rel) {
        if (std::string_view(rel) != m_relation ||
            std::string_view(child.name()) != TMember::kElementName) {
            return false;
        }
        TMember* member = TKivXmlElement::Create<TMember>(m_owner, child);
        Add(member);
        member->AssignNode(child);
        return true;
    }

    class iterator {
    public:
        explicit iterator(std::vector<TKivXmlElement*>::const_iterator it) : m_it(it) {}
        TMember* operator*() const { return static_cast<TMember*>(*m_it); }
        iterator& operator++() {
            ++m_it;
            return *this;
        }
        bool operator==(const iterator&) const = default;

    private:
        std::vector<TKivXmlElement*>::const_iterator m_it;
    };
    iterator begin() const { return iterator(m_items.begin()); }
    iterator end() const { return iterator(m_items.end()); }
};

// An element whose loaded children form one collection.
template <class TMember> class TKivXmlParent : public TKivXmlElement {
public:
    void AssignNode(pugi::xml_node node) override {
        TKivXmlElement::AssignNode(node);
        m_members.Clear(); // a catalogue object is re-bound when its document is reloaded
        ForEachRelatedChild(node, [this](pugi::xml_node child, const char* rel) {
            m_members.LoadChild(child, rel);
        });
    }

protected:
    TKivXmlParent(TKivXmlElement* owner, const char* relation)
        : TKivXmlElement(owner), m_members(this, relation) {}

    TKivXmlCollection<TMember> m_members;
};

template <class T> T* TKivXmlElement::Create(TKivXmlElement* owner, pugi::xml_node node) {
    auto object = std::unique_ptr<T>(new T(owner));
    T* raw = object.get();
    owner->GetDocument()->Adopt(std::move(object));
    raw->Bind(node);
    if (!node) {
        raw->CreateFixedChildren();
    }
    return raw;
}

template <class T> T* TKivXmlElement::CreateNew(TKivXmlElement* owner, std::string_view relation) {
    T* raw = Create<T>(owner);
    if (!relation.empty()) {
        raw->SetAttribute("Rel", relation);
    }
    return raw;
}

template <class F> void TKivXmlElement::ForEachRelatedChild(pugi::xml_node node, F&& visit) {
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element) {
            continue;
        }
        pugi::xml_attribute rel = child.attribute("Rel");
        if (rel) {
            visit(child, rel.value());
        }
    }
}

template <class T>
void TKivXmlElement::LoadSingleChild(T*& field, const char* relation, pugi::xml_node child,
                                     const char* rel) {
    if (std::string_view(rel) != relation) {
        return;
    }
    if (!field) {
        field = Create<T>(this, child);
    } else {
        // A fixed child made by the constructor takes the loaded element and its identifier.
        m_document->RegisterId(child.attribute("Id").value(), field);
    }
    field->AssignNode(child);
}
