#include "Situation.h"

#include "Team.h"

namespace {

pugi::xml_node NoteElement(pugi::xml_node situation) {
    return situation.child("Note");
}

} // namespace

void TSituation::AssignNode(pugi::xml_node node) {
    CheckDateTimesOnLoad(node, {"StartingTime", "EndingTime"});
    TKivXmlParent::AssignNode(node);
}

TTeam* TSituation::Team() const {
    const std::string id = GetAttribute("TeamId");
    TKivXmlElement* element = id.empty() ? nullptr : GetDocument()->FindById(id);
    if (!element) {
        return nullptr;
    }
    auto* team = dynamic_cast<TTeam*>(element);
    if (!team) {
        throw std::runtime_error("Invalid type: \"TeamId\" of situation \"" + Id() + "\" names a " +
                                 element->ElementName() + ", not a Team.");
    }
    return team;
}

void TSituation::SetTeam(const TTeam* team) {
    if (team) {
        SetAttribute("TeamId", team->Id());
    }
}

std::string TSituation::Note() const {
    pugi::xml_node note = NoteElement(Node());
    if (!note || !xml::HasContent(note)) {
        return GetAttribute("Note");
    }
    // A plain text leads when the element holds it as its value.
    if (*xml::ElementText(note) || note.first_child().type() != pugi::node_cdata) {
        return TextContent(note);
    }
    // A note holding "]]>" is written over several sections.
    std::string text;
    for (pugi::xml_node part = note.first_child(); part && part.type() == pugi::node_cdata;
         part = part.next_sibling()) {
        text.append(part.value());
    }
    return text;
}

void TSituation::SetNote(std::string_view text) {
    pugi::xml_node note = NoteElement(Node());
    if (!note) {
        note = Node().append_child("Note");
    }
    // An element without a leading CDATA section gets one in place of its content, so that
    // the note set is the note read back.
    xml::UnembedText(note);
    pugi::xml_node section = note.first_child();
    if (!section || section.type() != pugi::node_cdata) {
        while (note.first_child()) {
            note.remove_child(note.first_child());
        }
        section = note.append_child(pugi::node_cdata);
    }
    while (section.next_sibling().type() == pugi::node_cdata) {
        note.remove_child(section.next_sibling());
    }
    section.set_value(std::string(text).c_str());
    GetDocument()->SetModified(true);
}
