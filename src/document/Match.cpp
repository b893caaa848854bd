#include "Match.h"

void TMatch::AssignNode(pugi::xml_node node) {
    CheckDateTimesOnLoad(node, {"DateTime"});
    m_situations.Clear();
    BindChildren(node, [this](const TLoadedChild& child) {
        m_situations.LoadChild(child);
        LoadSingleChild(m_homeTeam, "HomeTeam", child);
        LoadSingleChild(m_guestTeam, "GuestTeam", child);
    });
}

void TMatch::CreateFixedChildren() {
    m_homeTeam = CreateNew<TTeam>(this, "HomeTeam");
    m_guestTeam = CreateNew<TTeam>(this, "GuestTeam");
}
