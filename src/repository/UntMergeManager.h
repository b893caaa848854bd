#pragma once
// Copies the content of an imported media index into the open one. Catalogue entries are
// matched by name, matches by their describing values and situations by their times; what the
// target already holds is neither duplicated nor changed.

#include <map>
#include <string>
#include <tuple>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class TMatch;
class TMatchStatFile;
class TPresentation;
class TSituation;
class TSituationDscr;
class TTeam;
class TTeamDscr;

class TMergeManager final {
public:
    // The target is not owned; it must outlive the manager.
    explicit TMergeManager(TMatchStatFile& target);
    TMergeManager(const TMergeManager&) = delete;
    TMergeManager& operator=(const TMergeManager&) = delete;

    // Identifiers of imported objects to merge as such, compared without regard to letter
    // case. Empty at creation.
    std::vector<std::string>& SituationDscrSelection() { return m_situationDscrSelection; }
    std::vector<std::string>& TeamDscrSelection() { return m_teamDscrSelection; }
    std::vector<std::string>& MatchSelection() { return m_matchSelection; }
    std::vector<std::string>& PresentationSelection() { return m_presentationSelection; }

    // Fills the four selections with every identifier of their kind in imported, so that a
    // merge takes over everything.
    void SelectAll(const TMatchStatFile& imported);

    // Throws the element layer's errors (an unreadable date-time, a reference to an element
    // of the wrong class); what was merged until then stays in the target.
    void Merge(const TMatchStatFile& imported);

private:
    // Name, home team, guest team, whole day, result.
    using TMatchKey = std::tuple<std::string, std::string, std::string, double, std::string>;
    using TTimes = std::pair<double, double>;

    static TMatchKey KeyOf(const TMatch& match);

    void MergeSituationDescriptor(const TSituationDscr& descriptor);
    void MergeTeamDescriptor(const TTeamDscr& descriptor);
    void MergeMatch(const TMatch& match);
    void MergeTeam(TTeam& team, const TTeam* imported);
    void MergePresentation(const TPresentation& presentation);
    TSituation* CorrespondingSituation(TMatch& match, const TSituation& imported);

    TMatchStatFile& m_target;
    const TMatchStatFile* m_imported = nullptr;
    std::vector<std::string> m_situationDscrSelection;
    std::vector<std::string> m_teamDscrSelection;
    std::vector<std::string> m_matchSelection;
    std::vector<std::string> m_presentationSelection;

    // Lookups over the target, kept up to date as the merge adds to it. They answer what a
    // walk in document order would: the first entry wins.
    std::unordered_set<std::string> m_targetSituationDscrs;
    std::unordered_set<std::string> m_targetTeamDscrs;
    std::map<TMatchKey, TMatch*> m_targetMatches;
    // Built per target match on first use, once the match is complete.
    std::unordered_map<const TMatch*, std::map<TTimes, TSituation*>> m_situationsByTimes;
    // The first descriptor of each name in the imported catalogues.
    std::unordered_map<std::string, const TSituationDscr*> m_importedSituationDscrs;
    std::unordered_map<std::string, const TTeamDscr*> m_importedTeamDscrs;
};
