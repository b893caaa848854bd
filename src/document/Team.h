#pragma once

#include "KivXmlDocument.h"
#include "Player.h"

using TTeam_Players = TKivXmlCollection<TPlayer>;

// The home or guest team of a match; its text is the team's name.
class TTeam final : public TKivXmlParent<TPlayer> {
public:
    static constexpr const char* kElementName = "Team";
    const char* ElementName() const override { return kElementName; }

    TTeam_Players& Players() { return m_members; }
    const TTeam_Players& Players() const { return m_members; }

private:
    friend class TKivXmlElement;
    explicit TTeam(TKivXmlElement* owner) : TKivXmlParent(owner, "Players") {}
};
