#pragma once

#include "ActorFile.h"
#include "KivXmlDocument.h"
#include "Match.h"
#include "Presentation.h"
#include "Query.h"
#include "SituationFile.h"

using TMatchStatFile_Matches = TKivXmlCollection<TMatch>;
using TMatchStatFile_Queries = TKivXmlCollection<TQuery>;
using TMatchStatFile_Presentations = TKivXmlCollection<TPresentation>;

// A media index: the root of the document, with the catalogues of teams and situation
// types, the matches, the stored queries and the presentations.
class TMatchStatFile final : public TKivXmlDocument {
public:
    static constexpr const char* kElementName = "MatchStatFile";
    // A new, empty media index.
    TMatchStatFile();

    const char* ElementName() const override { return kElementName; }
    void AssignNode(pugi::xml_node node) override;

    TActorFile* ActorFile() const { return m_actorFile; }
    TSituationFile* SituationFile() const { return m_situationFile; }
    TMatchStatFile_Matches& Matches() { return m_matches; }
    const TMatchStatFile_Matches& Matches() const { return m_matches; }
    TMatchStatFile_Queries& Queries() { return m_queries; }
    const TMatchStatFile_Queries& Queries() const { return m_queries; }
    TMatchStatFile_Presentations& Presentations() { return m_presentations; }
    const TMatchStatFile_Presentations& Presentations() const { return m_presentations; }

protected:
    void AfterLoad() override;

private:
    TActorFile* m_actorFile = nullptr;
    TSituationFile* m_situationFile = nullptr;
    TMatchStatFile_Matches m_matches{this, "Matches"};
    TMatchStatFile_Queries m_queries{this, "Queries"};
    TMatchStatFile_Presentations m_presentations{this, "Presentations"};
};
