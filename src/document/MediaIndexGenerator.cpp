#include "MediaIndexGenerator.h"

#include "KivDateTime.h"
#include "MatchStatFile.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {

// splitmix64: small, fast and the same on every platform, unlike the standard distributions.
class TRandom {
public:
    explicit TRandom(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }

private:
    std::uint64_t m_state;
};

const std::array<const char*, 10> kTeams = {
    "FC Northbridge",   "Riverside United", "Atlético Sierra", "Eastfield Rovers",
    "Borussia Kälberg", "Harbour City",     "Olympique Lenne", "Westmoor Athletic",
    "Sporting Alvor",   "København Vest"};
const std::array<const char*, 16> kFirstNames = {
    "Jonas", "Mateo", "Lukas", "Ethan", "Søren", "Noah",  "Luca",  "Émile",
    "Milan", "Oscar", "Ravi",  "Tomás", "Felix", "Jamal", "Kenji", "Arne"};
const std::array<const char*, 16> kLastNames = {
    "Berg",  "Okafor", "Müller", "García", "Novak", "Lindqvist", "Silva", "Dubois",
    "Kowal", "Brandt", "Moreau", "Haas",   "Costa", "Ferreira",  "Ito",   "Nagy"};

struct TQuestionSpec {
    const char* text;
    std::vector<const char*> answers;
};
struct TSituationSpec {
    const char* name;
    std::vector<TQuestionSpec> questions;
};

const std::vector<TSituationSpec>& SituationTypes() {
    static const std::vector<TSituationSpec> types = {
        {"Attack",
         {{"Outcome", {"Goal", "Shot saved", "Shot wide", "Lost ball"}},
          {"Zone", {"Left", "Centre", "Right"}},
          {"Build-up", {"Short passing", "Long ball", "Dribbling"}}}},
        {"Counter attack",
         {{"Outcome", {"Goal", "Shot saved", "Shot wide", "Lost ball"}},
          {"Zone", {"Left", "Centre", "Right"}}}},
        {"Corner",
         {{"Outcome", {"Goal", "Cleared", "Shot wide"}},
          {"Delivery", {"Inswinger", "Outswinger", "Short"}}}},
        {"Free kick",
         {{"Outcome", {"Goal", "Shot saved", "Cleared"}},
          {"Distance", {"< 20 m", "20-30 m", "> 30 m"}}}},
        {"Penalty", {{"Outcome", {"Goal", "Shot saved", "Shot wide"}}}},
        {"Defence",
         {{"Pressing", {"High", "Mid block", "Low block"}}, {"Zone", {"Left", "Centre", "Right"}}}},
        {"Foul", {{"Card", {"None", "Yellow", "Red"}}}},
    };
    return types;
}

const std::array<const char*, 6> kNotes = {
    "",
    "Good movement off the ball.",
    "Check the positioning of the back four.\nCompare with the first half.",
    "Use in Monday's video session.",
    "Quick switch of play & a late run into the box.",
    "Keeper off his line <again>.",
};

std::string PlayerName(TRandom& random) {
    return std::string(kFirstNames[static_cast<std::size_t>(random.Below(kFirstNames.size()))]) +
           " " + kLastNames[static_cast<std::size_t>(random.Below(kLastNames.size()))];
}

} // namespace

std::unique_ptr<TMatchStatFile> GenerateMediaIndex(const TMediaIndexShape& shape) {
    TRandom random(shape.seed);
    auto document = std::make_unique<TMatchStatFile>();

    std::vector<std::vector<std::string>> squads;
    for (const char* teamName : kTeams) {
        TTeamDscr* team = document->ActorFile()->Teams().Add();
        team->SetText(teamName);
        std::vector<std::string> squad;
        for (int i = 0; i < 14; ++i) {
            squad.push_back(PlayerName(random));
            team->Players().Add()->SetText(squad.back());
        }
        squads.push_back(std::move(squad));
    }
    for (const TSituationSpec& type : SituationTypes()) {
        TSituationDscr* dscr = document->SituationFile()->Situations().Add();
        dscr->SetText(type.name);
        for (const TQuestionSpec& question : type.questions) {
            TQuestionDscr* q = dscr->Questions().Add();
            q->SetText(question.text);
            for (const char* answer : question.answers) {
                q->Answers().Add()->SetText(answer);
            }
        }
    }

    const double firstDay = *kivdatetime::Encode({2006, 8, 5, 0, 0, 0, 0});
    std::vector<TSituation*> situations;
    for (int m = 0; m < shape.matches; ++m) {
        TMatch* match = document->Matches().Add();
        const int home = random.Below(static_cast<int>(kTeams.size()));
        const int guest = (home + 1 + random.Below(static_cast<int>(kTeams.size()) - 1)) %
                          static_cast<int>(kTeams.size());
        const double day = firstDay + 7 * (m / 4) + (m % 4 == 3 ? 1 : 0);
        const double kickOff = (m % 2 == 0 ? 15.5 : 20.75) / 24.0;
        match->SetDateTime(day + kickOff);
        match->SetName(std::string(kTeams[static_cast<std::size_t>(home)]) + " - " +
                       kTeams[static_cast<std::size_t>(guest)]);
        match->SetResult(std::to_string(random.Below(4)) + ":" + std::to_string(random.Below(4)));
        char video[32];
        std::snprintf(video, sizeof video, "match_%04d.mp4", m + 1);
        match->SetVideoFilename(video);
        TTeam* teams[2] = {match->HomeTeam(), match->GuestTeam()};
        const int clubs[2] = {home, guest};
        for (int side = 0; side < 2; ++side) {
            teams[side]->SetText(kTeams[static_cast<std::size_t>(clubs[side])]);
            const auto& squad = squads[static_cast<std::size_t>(clubs[side])];
            for (int p = 0; p < 11; ++p) {
                teams[side]->Players().Add()->SetText(squad[static_cast<std::size_t>(p)]);
            }
        }

        // Situations spread over 95 minutes of video, in order of time.
        std::vector<int> starts;
        for (int s = 0; s < shape.situationsPerMatch; ++s) {
            starts.push_back(random.Below(95 * 60 * 1000));
        }
        std::sort(starts.begin(), starts.end());
        for (int startMs : starts) {
            const TSituationSpec& type = SituationTypes()[static_cast<std::size_t>(
                random.Below(static_cast<int>(SituationTypes().size())))];
            TSituation* situation = match->Situations().Add();
            situation->SetText(type.name);
            situation->SetTeam(teams[random.Below(2)]);
            const int lengthMs = 4000 + random.Below(20000);
            situation->SetStartingTime(day + kivdatetime::FromMs(startMs));
            situation->SetEndingTime(day + kivdatetime::FromMs(startMs + lengthMs));
            for (const TQuestionSpec& question : type.questions) {
                if (random.Chance(10)) {
                    continue; // unanswered
                }
                TQuestion* q = situation->Questions().Add();
                q->SetText(question.text);
                const int answers = random.Chance(8) ? 2 : 1;
                const int first = random.Below(static_cast<int>(question.answers.size()));
                for (int a = 0; a < answers; ++a) {
                    const auto index =
                        static_cast<std::size_t>(first + a) % question.answers.size();
                    q->Answers().Add()->SetText(question.answers[index]);
                }
            }
            if (random.Chance(25)) {
                const char* note =
                    kNotes[static_cast<std::size_t>(1 + random.Below(kNotes.size() - 1))];
                situation->SetNote(note);
            }
            situations.push_back(situation);
        }
    }

    const std::array<const char*, 2> presentations = {"Highlights", "Set pieces"};
    for (const char* name : presentations) {
        if (situations.empty()) {
            break;
        }
        TPresentation* presentation = document->Presentations().Add();
        presentation->SetText(name);
        presentation->SetDescription(std::string(name) + " for the team meeting");
        const int scenes = std::min<int>(20, static_cast<int>(situations.size()));
        for (int i = 0; i < scenes; ++i) {
            TSituation* situation = situations[static_cast<std::size_t>(
                random.Below(static_cast<int>(situations.size())))];
            TScene* scene = presentation->Scenes().Add();
            scene->SetText(std::string(situation->Text()) + " " + std::to_string(i + 1));
            scene->SetSituation(situation);
        }
    }
    document->SetModified(false);
    return document;
}
