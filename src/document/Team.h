#pragma once

#include "KivXmlDocument.h"
#include "Player.h"

using TTeam_Players = TKivXmlCollection<TPlayer>;

// The home or guest team of a match; its text is the team's name.
class TTeam final : public TKivXmlElement {
public:
    static constexpr const char* kElementName = "Team";
    const char* ElementName() const override { return kElementName; }

    void AssignNode(pugi::xml_node node) override {
        TKivXmlElement::AssignNode(node);
        ForEachRelatedChild(node, [this](pugi::xml_node child, const char* rel) {
            m_players.LoadChild(child, rel);
        });
    }

    TTeam_Players& Players() { return m_players; }
    const TTeam_Players& Players() const { return m_players; }

private:
    friend class TKivXmlElement;
    explicit TTeam(TKivXmlElement* owner) : TKivXmlElement(owner) {}

    TTeam_Players m_players{this, "Players"};
};
