#pragma once

#include "KivXmlDocument.h"
#include "PlayerDscr.h"

using TTeamDscr_Players = TKivXmlCollection<TPlayerDscr>;

// A team in the catalogue; its text is the team's name.
class TTeamDscr final : public TKivXmlParent<TPlayerDscr> {
public:
    static constexpr const char* kElementName = "TeamDscr";
    const char* ElementName() const override { return kElementName; }

    TTeamDscr_Players& Players() { return m_members; }
    const TTeamDscr_Players& Players() const { return m_members; }

private:
    friend class TKivXmlElement;
    explicit TTeamDscr(TKivXmlElement* owner) : TKivXmlParent(owner, "Players") {}
};
