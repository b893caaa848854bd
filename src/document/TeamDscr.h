#pragma once

#include "KivXmlDocument.h"
#include "PlayerDscr.h"

using TTeamDscr_Players = TKivXmlCollection<TPlayerDscr>;

// A team in the catalogue; its text is the team's name.
class TTeamDscr final : public TKivXmlElement {
public:
    static constexpr const char* kElementName = "TeamDscr";
    const char* ElementName() const override { return kElementName; }

    void AssignNode(pugi::xml_node node) override {
        TKivXmlElement::AssignNode(node);
        ForEachRelatedChild(node, [this](pugi::xml_node child, const char* rel) {
            m_players.LoadChild(child, rel);
        });
    }

    TTeamDscr_Players& Players() { return m_players; }
    const TTeamDscr_Players& Players() const { return m_players; }

private:
    friend class TKivXmlElement;
    explicit TTeamDscr(TKivXmlElement* owner) : TKivXmlElement(owner) {}

    TTeamDscr_Players m_players{this, "Players"};
};
