#include "MatchStatFile.h"

TMatchStatFile::TMatchStatFile() : TKivXmlDocument(kElementName) {
    m_actorFile = CreateNew<TActorFile>(this, "ActorFile");
    m_situationFile = CreateNew<TSituationFile>(this, "SituationFile");
    SetModified(false);
}

void TMatchStatFile::AssignNode(pugi::xml_node node) {
    m_matches.Clear();
    m_queries.Clear();
    m_presentations.Clear();
    BindChildren(node, [this](const TLoadedChild& child) {
        LoadSingleChild(m_actorFile, "ActorFile", child);
        LoadSingleChild(m_situationFile, "SituationFile", child);
        m_matches.LoadChild(child) || m_queries.LoadChild(child) ||
            m_presentations.LoadChild(child);
    });
}

void TMatchStatFile::AfterLoad() {
    // A file without a catalogue gets an empty one, so that the catalogue objects are always
    // bound to elements of the loaded tree.
    if (m_actorFile->Node().parent() != Node()) {
        m_actorFile = CreateNew<TActorFile>(this, "ActorFile");
    }
    if (m_situationFile->Node().parent() != Node()) {
        m_situationFile = CreateNew<TSituationFile>(this, "SituationFile");
    }
}
