#include "UntMergeManager.h"

#include "MatchStatFile.h"

#include <algorithm>
#include <cmath>

namespace {

std::string FoldCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    });
    return text;
}

// A match loaded from a file may lack a team element; it then counts as a nameless team.
std::string TeamName(const TTeam* team) {
    return team ? std::string(team->Text()) : std::string();
}

std::unordered_set<std::string> FoldedSet(const std::vector<std::string>& ids) {
    std::unordered_set<std::string> set;
    for (const std::string& id : ids) {
        set.insert(FoldCase(id));
    }
    return set;
}

template <class TCollection>
void AppendIds(std::vector<std::string>& ids, const TCollection& items) {
    for (const auto* item : items) {
        ids.push_back(item->Id());
    }
}

} // namespace

TMergeManager::TMergeManager(TMatchStatFile& target) : m_target(target) {}

void TMergeManager::SelectAll(const TMatchStatFile& imported) {
    AppendIds(m_situationDscrSelection, imported.SituationFile()->Situations());
    AppendIds(m_teamDscrSelection, imported.ActorFile()->Teams());
    AppendIds(m_matchSelection, imported.Matches());
    AppendIds(m_presentationSelection, imported.Presentations());
}

TMergeManager::TMatchKey TMergeManager::KeyOf(const TMatch& match) {
    // Matches on the same day are the same match whatever their time of day.
    return {match.Name(), TeamName(match.HomeTeam()), TeamName(match.GuestTeam()),
            std::trunc(match.DateTime()), match.Result()};
}

void TMergeManager::Merge(const TMatchStatFile& imported) {
    m_imported = &imported;
    for (const TSituationDscr* descriptor : m_target.SituationFile()->Situations()) {
        m_targetSituationDscrs.insert(std::string(descriptor->Text()));
    }
    for (const TTeamDscr* descriptor : m_target.ActorFile()->Teams()) {
        m_targetTeamDscrs.insert(std::string(descriptor->Text()));
    }
    for (TMatch* match : m_target.Matches()) {
        m_targetMatches.try_emplace(KeyOf(*match), match);
    }
    // A match set aside because its video was not found is still the target's.
    for (TMatch* match : m_target.Matches().SetAsideMembers()) {
        m_targetMatches.try_emplace(KeyOf(*match), match);
    }
    for (const TSituationDscr* descriptor : imported.SituationFile()->Situations()) {
        m_importedSituationDscrs.try_emplace(std::string(descriptor->Text()), descriptor);
    }
    for (const TTeamDscr* descriptor : imported.ActorFile()->Teams()) {
        m_importedTeamDscrs.try_emplace(std::string(descriptor->Text()), descriptor);
    }

    const auto situationDscrs = FoldedSet(m_situationDscrSelection);
    for (const TSituationDscr* descriptor : imported.SituationFile()->Situations()) {
        if (situationDscrs.count(FoldCase(descriptor->Id())) > 0) {
            MergeSituationDescriptor(*descriptor);
        }
    }
    const auto teamDscrs = FoldedSet(m_teamDscrSelection);
    for (const TTeamDscr* descriptor : imported.ActorFile()->Teams()) {
        if (teamDscrs.count(FoldCase(descriptor->Id())) > 0) {
            MergeTeamDescriptor(*descriptor);
        }
    }
    const auto matches = FoldedSet(m_matchSelection);
    for (const TMatch* match : imported.Matches()) {
        if (matches.count(FoldCase(match->Id())) > 0) {
            MergeMatch(*match);
        }
    }
    const auto presentations = FoldedSet(m_presentationSelection);
    for (const TPresentation* presentation : imported.Presentations()) {
        if (presentations.count(FoldCase(presentation->Id())) > 0) {
            MergePresentation(*presentation);
        }
    }
}

void TMergeManager::MergeSituationDescriptor(const TSituationDscr& descriptor) {
    // A type the target knows keeps its own questions, even if the import has more.
    if (!m_targetSituationDscrs.insert(std::string(descriptor.Text())).second) {
        return;
    }
    TSituationDscr* added = m_target.SituationFile()->Situations().Add();
    added->SetText(descriptor.Text());
    for (const TQuestionDscr* question : descriptor.Questions()) {
        TQuestionDscr* addedQuestion = added->Questions().Add();
        addedQuestion->SetText(question->Text());
        for (const TAnswerDscr* answer : question->Answers()) {
            addedQuestion->Answers().Add()->SetText(answer->Text());
        }
    }
}

void TMergeManager::MergeTeamDescriptor(const TTeamDscr& descriptor) {
    if (!m_targetTeamDscrs.insert(std::string(descriptor.Text())).second) {
        return;
    }
    TTeamDscr* added = m_target.ActorFile()->Teams().Add();
    added->SetText(descriptor.Text());
    for (const TPlayerDscr* player : descriptor.Players()) {
        added->Players().Add()->SetText(player->Text());
    }
}

void TMergeManager::MergeMatch(const TMatch& match) {
    // A match the target holds is left alone, even if the import has more situations of it.
    const TMatchKey key = KeyOf(match);
    if (m_targetMatches.count(key) > 0) {
        return;
    }
    TMatch* added = m_target.Matches().Add();
    added->SetName(match.Name());
    added->SetDateTime(match.DateTime());
    added->SetResult(match.Result());
    added->SetVideoFilename(match.VideoFilename());
    MergeTeam(*added->HomeTeam(), match.HomeTeam());
    MergeTeam(*added->GuestTeam(), match.GuestTeam());
    for (const TSituation* situation : match.Situations()) {
        TSituation* copy = added->Situations().Add();
        copy->SetText(situation->Text());
        auto descriptor = m_importedSituationDscrs.find(std::string(situation->Text()));
        if (descriptor != m_importedSituationDscrs.end()) {
            MergeSituationDescriptor(*descriptor->second);
        }
        copy->SetStartingTime(situation->StartingTime());
        copy->SetEndingTime(situation->EndingTime());
        copy->SetNote(situation->Note());
        // Without a team, or with one that is not the home team, the guest team it is.
        const TTeam* team = situation->Team();
        copy->SetTeam(team && team == match.HomeTeam() ? added->HomeTeam() : added->GuestTeam());
        for (const TQuestion* question : situation->Questions()) {
            TQuestion* addedQuestion = copy->Questions().Add();
            addedQuestion->SetText(question->Text());
            for (const TAnswer* answer : question->Answers()) {
                addedQuestion->Answers().Add()->SetText(answer->Text());
            }
        }
    }
    m_targetMatches.emplace(key, added);
}

void TMergeManager::MergeTeam(TTeam& team, const TTeam* imported) {
    if (!imported) {
        return;
    }
    team.SetText(imported->Text());
    for (const TPlayer* player : imported->Players()) {
        team.Players().Add()->SetText(player->Text());
    }
    auto descriptor = m_importedTeamDscrs.find(std::string(imported->Text()));
    if (descriptor != m_importedTeamDscrs.end()) {
        MergeTeamDescriptor(*descriptor->second);
    }
}

void TMergeManager::MergePresentation(const TPresentation& presentation) {
    // Presentations are never matched: each one merged is added, also under a known name.
    TPresentation* added = m_target.Presentations().Add();
    added->SetText(presentation.Text());
    added->SetDescription(presentation.Description());
    for (const TScene* scene : presentation.Scenes()) {
        const TSituation* situation = scene->Situation();
        const auto* match = situation ? dynamic_cast<const TMatch*>(situation->Owner()) : nullptr;
        if (!match) {
            // A scene of a situation that does not exist has no match to follow.
            continue;
        }
        MergeMatch(*match);
        TScene* copy = added->Scenes().Add();
        copy->SetText(scene->Text());
        TMatch* targetMatch = m_targetMatches.at(KeyOf(*match));
        copy->SetSituation(CorrespondingSituation(*targetMatch, *situation));
    }
}

TSituation* TMergeManager::CorrespondingSituation(TMatch& match, const TSituation& imported) {
    auto [entry, built] = m_situationsByTimes.try_emplace(&match);
    if (built) {
        for (TSituation* situation : match.Situations()) {
            entry->second.try_emplace({situation->StartingTime(), situation->EndingTime()},
                                      situation);
        }
    }
    auto found = entry->second.find({imported.StartingTime(), imported.EndingTime()});
    return found == entry->second.end() ? nullptr : found->second;
}
