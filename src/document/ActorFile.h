#pragma once

#include "KivXmlDocument.h"
#include "TeamDscr.h"

using TActorFile_Teams = TKivXmlCollection<TTeamDscr>;

// The catalogue of teams.
class TActorFile final : public TKivXmlElement {
public:
    static constexpr const char* kElementName = "ActorFile";
    const char* ElementName() const override { return kElementName; }

    void AssignNode(pugi::xml_node node) override {
        TKivXmlElement::AssignNode(node);
        ForEachRelatedChild(
            node, [this](pugi::xml_node child, const char* rel) { m_teams.LoadChild(child, rel); });
    }

    TActorFile_Teams& Teams() { return m_teams; }
    const TActorFile_Teams& Teams() const { return m_teams; }

private:
    friend class TKivXmlElement;
    explicit TActorFile(TKivXmlElement* owner) : TKivXmlElement(owner) {}

    TActorFile_Teams m_teams{this, "Teams"};
};
