#include "Match.h"

void TMatch::AssignNode(pugi::xml_node node) {
    CheckDateTimeOnLoad(node, "DateTime");
    m_situations.Clear();
    BindChildren(node, [this](pugi::xml_node child, const char* rel) {
        m_situations.LoadChild(child, rel);
        LoadSingleChild(m_homeTeam, "HomeTeam", child, rel);
        LoadSingleChild(m_guestTeam, "GuestTeam", child, rel);
    });
}

void TMatch::CreateFixedChildren() {
    m_homeTeam = CreateNew<TTeam>(this, "HomeTeam");
    m_guestTeam = CreateNew<TTeam>(this, "GuestTeam");
}
