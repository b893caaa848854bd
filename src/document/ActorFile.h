#pragma once

#include "KivXmlDocument.h"
#include "TeamDscr.h"

using TActorFile_Teams = TKivXmlCollection<TTeamDscr>;

// The catalogue of teams.
class TActorFile final : public TKivXmlParent<TTeamDscr> {
public:
    static constexpr const char* kElementName = "ActorFile";
    const char* ElementName() const override { return kElementName; }

    TActorFile_Teams& Teams() { return m_members; }
    const TActorFile_Teams& Teams() const { return m_members; }

private:
    friend class TKivXmlElement;
    explicit TActorFile(TKivXmlElement* owner) : TKivXmlParent(owner, "Teams") {}
};
