#include "MatchStatFile.h"

#include "XmlError.h"

TMatchStatFile::TMatchStatFile() : TKivXmlDocument(kElementName) {
    m_actorFile = CreateNew<TActorFile>(this, "ActorFile");
    m_situationFile = CreateNew<TSituationFile>(this, "SituationFile");
    SetModified(false);
}

void TMatchStatFile::AssignNode(pugi::xml_node node) {
    TKivXmlElement::AssignNode(node);
    m_matches.Clear();
    m_queries.Clear();
    m_presentations.Clear();
    ForEachRelatedChild(node, [this](pugi::xml_node child, const char* rel) {
        LoadSingleChild(m_actorFile, "ActorFile", child, rel);
        LoadSingleChild(m_situationFile, "SituationFile", child, rel);
        m_matches.LoadChild(child, rel) || m_queries.LoadChild(child, rel) ||
            m_presentations.LoadChild(child, rel);
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

void TMatchStatFile::CheckLoaded() const {
    // Every match and situation date-time: the statistics read them all right after opening.
    auto check = [](const TKivXmlElement& element, const char* name) {
        try {
            element.GetDateTimeAttribute(name);
        } catch (const EKivXmlError& e) {
            // pugixml places an element at its name; report the "<" before it.
            const std::ptrdiff_t offset = element.Node().offset_debug();
            throw xml::EXmlParseError(e.what(), offset > 0 ? offset - 1 : offset);
        }
    };
    for (const TMatch* match : m_matches) {
        check(*match, "DateTime");
        for (const TSituation* situation : match->Situations()) {
            check(*situation, "StartingTime");
            check(*situation, "EndingTime");
        }
    }
}
