// Merging an imported media index into the open one: what is taken over, what is matched and
// skipped, and the exact document that results.

#include "UntMergeManager.h"
#include "MatchStatFile.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

using testsupport::DataPath;
using testsupport::ReadFile;
using testsupport::TTempDir;
using testsupport::WriteFile;

namespace {

std::unique_ptr<TMatchStatFile> Load(const std::string& path) {
    auto document = std::make_unique<TMatchStatFile>();
    document->LoadFromFile(path);
    return document;
}

std::string Saved(TMatchStatFile& document) {
    TTempDir dir;
    document.SaveToFile(dir.File("out.vmi"));
    return ReadFile(dir.File("out.vmi"));
}

void MergeAll(TMatchStatFile& target, const TMatchStatFile& imported) {
    TMergeManager merger(target);
    merger.SelectAll(imported);
    merger.Merge(imported);
}

// A document of one match with the given situations, written as XML elements.
std::string OneMatch(const std::string& dateTime, const std::string& situations,
                     const std::string& scenes = {}) {
    return "<MatchStatFile NextId=\"50\"><ActorFile Id=\"1\" Rel=\"ActorFile\"/>"
           "<SituationFile Id=\"2\" Rel=\"SituationFile\"/>"
           "<Match Id=\"3\" Rel=\"Matches\" DateTime=\"" +
           dateTime +
           "\" Name=\"Lions - Tigers\" Result=\"2:1\">"
           "<Team Id=\"4\" Rel=\"HomeTeam\">Lions</Team><Team Id=\"5\" "
           "Rel=\"GuestTeam\">Tigers</Team>" +
           situations + "</Match>" + scenes + "</MatchStatFile>";
}

std::string Situation(const std::string& id, const std::string& from, const std::string& to) {
    return "<Situation Id=\"" + id +
           "\" Rel=\"Situations\" TeamId=\"4\" StartingTime=\"05-08-2006 " + from +
           "\" EndingTime=\"05-08-2006 " + to + "\">Attack</Situation>";
}

class MergeManagerTest : public ::testing::Test {
protected:
    std::unique_ptr<TMatchStatFile> FromText(const std::string& text) {
        const std::string path = m_dir.File("doc" + std::to_string(++m_count) + ".vmi");
        WriteFile(path, text);
        return Load(path);
    }

    TTempDir m_dir;
    int m_count = 0;
};

TEST_F(MergeManagerTest, ImportWritesTheExpectedDocument) {
    // The fixture pair covers: a catalogue team and a situation type that the target has (the
    // imported players and the extra question stay out), a match that differs only in the time
    // of day (skipped with its extra situations), a new match with a situation without a team
    // (guest team), two situations with identical times (a scene of the second refers to the
    // first), a situation type missing from the imported catalogue, a presentation named like
    // one of the target's, and a scene of a situation that does not exist (left out).
    auto target = Load(DataPath("merge-target.vmi"));
    auto imported = Load(DataPath("merge-import.vmi"));
    MergeAll(*target, *imported);
    EXPECT_EQ(Saved(*target), ReadFile(DataPath("merge-expected.vmi")));
}

TEST_F(MergeManagerTest, NewElementsGetFreshIdentifiers) {
    auto target = Load(DataPath("merge-target.vmi"));
    const int previousNextId = std::stoi(target->GetAttribute("NextId"));
    std::vector<std::string> before;
    for (const pugi::xpath_node& found : target->Node().select_nodes("//*[@Id]")) {
        before.push_back(found.node().attribute("Id").value());
    }
    auto imported = Load(DataPath("merge-import.vmi"));
    MergeAll(*target, *imported);

    int added = 0;
    for (const pugi::xpath_node& found : target->Node().select_nodes("//*[@Id]")) {
        const std::string id = found.node().attribute("Id").value();
        if (std::find(before.begin(), before.end(), id) == before.end()) {
            EXPECT_GT(std::stoi(id), previousNextId) << id;
            ++added;
        }
    }
    EXPECT_EQ(added, 19);
    EXPECT_EQ(target->GetAttribute("NextId"), "37");
}

TEST_F(MergeManagerTest, ImportIntoItselfOnlyCopiesThePresentations) {
    auto target = Load(DataPath("merge-target.vmi"));
    auto imported = Load(DataPath("merge-target.vmi"));
    MergeAll(*target, *imported);

    EXPECT_EQ(target->Matches().Count(), 1);
    EXPECT_EQ(target->Matches().Items(0)->Situations().Count(), 2);
    EXPECT_EQ(target->ActorFile()->Teams().Count(), 1);
    EXPECT_EQ(target->SituationFile()->Situations().Count(), 1);
    ASSERT_EQ(target->Presentations().Count(), 2);
    const TPresentation* copy = target->Presentations().Items(1);
    EXPECT_EQ(copy->Text(), "Best");
    EXPECT_EQ(copy->Description(), "Goals");
    ASSERT_EQ(copy->Scenes().Count(), 1);
    EXPECT_EQ(copy->Scenes().Items(0)->Text(), "First goal");
    EXPECT_EQ(copy->Scenes().Items(0)->Situation(),
              target->Matches().Items(0)->Situations().Items(0));
}

TEST_F(MergeManagerTest, MatchIdentityIgnoresOnlyTheTimeOfDay) {
    struct TCase {
        const char* dateTime;
        int matches;
    };
    const TCase cases[] = {
        {"05-08-2006 15:30:00", 1},
        {"05-08-2006 23:59:59", 1},
        {"05-08-2006 00:00:00", 1},
        {"06-08-2006 15:30:00", 2},
    };
    for (const TCase& c : cases) {
        auto target =
            FromText(OneMatch("05-08-2006 15:30:00", Situation("6", "00:01:00", "00:01:10")));
        auto imported = FromText(OneMatch(c.dateTime, Situation("6", "00:01:00", "00:01:10") +
                                                          Situation("7", "00:09:00", "00:09:10")));
        MergeAll(*target, *imported);
        ASSERT_EQ(target->Matches().Count(), c.matches) << c.dateTime;
        // A newer version of a known match brings no situations along.
        EXPECT_EQ(target->Matches().Items(0)->Situations().Count(), 1) << c.dateTime;
    }
}

TEST_F(MergeManagerTest, ScenesFindTheirSituationByStartAndEnd) {
    // Two situations start together and end apart: each scene keeps its own.
    const std::string situations = Situation("6", "00:01:00", "00:01:10") +
                                   Situation("7", "00:01:00", "00:01:20") +
                                   Situation("8", "00:02:00", "00:02:10");
    auto target = FromText(OneMatch("05-08-2006 15:30:00", situations));
    auto imported = FromText(
        OneMatch("05-08-2006 15:30:00", situations,
                 "<Presentation Id=\"9\" Rel=\"Presentations\">P"
                 "<Scene Id=\"10\" Rel=\"Scenes\" SituationId=\"7\">long</Scene>"
                 "<Scene Id=\"11\" Rel=\"Scenes\" SituationId=\"6\">short</Scene></Presentation>"));
    MergeAll(*target, *imported);
    const TMatch_Situations& own = target->Matches().Items(0)->Situations();
    const TPresentation_Scenes& scenes = target->Presentations().Items(0)->Scenes();
    ASSERT_EQ(scenes.Count(), 2);
    EXPECT_EQ(scenes.Items(0)->Situation(), own.Items(1));
    EXPECT_EQ(scenes.Items(1)->Situation(), own.Items(0));
}

TEST_F(MergeManagerTest, AMatchSetAsideIsStillTheTargetsOwn) {
    auto target = FromText(OneMatch("05-08-2006 15:30:00", Situation("6", "00:01:00", "00:01:10")));
    target->Matches().SetAside(target->Matches().Items(0));
    auto imported = FromText(OneMatch("05-08-2006 15:30:00", Situation("6", "00:01:00", "00:01:10"),
                                      "<Presentation Id=\"9\" Rel=\"Presentations\">P"
                                      "<Scene Id=\"10\" Rel=\"Scenes\" SituationId=\"6\">S"
                                      "</Scene></Presentation>"));
    MergeAll(*target, *imported);
    EXPECT_EQ(target->Matches().Count(), 0);
    const std::string saved = Saved(*target);
    EXPECT_EQ(saved.find("<Match "), saved.rfind("<Match ")) << saved;
    // The scene refers to the situation of the match set aside.
    EXPECT_EQ(target->Presentations().Items(0)->Scenes().Items(0)->Situation(),
              target->Matches().SetAsideMembers().at(0)->Situations().Items(0));
}

TEST_F(MergeManagerTest, SelectionDecidesWhatIsMergedAsSuch) {
    auto target = FromText("<MatchStatFile/>");
    auto imported = Load(DataPath("merge-import.vmi"));
    TMergeManager merger(*target);
    // Only the "Set pieces" presentation, with a different letter case: its scene pulls in
    // the Bears match and, through it, the Corner type and the Bears and Lions teams.
    merger.PresentationSelection().push_back(imported->Presentations().Items(1)->Id());
    merger.MatchSelection().push_back("NO-SUCH-ID");
    merger.Merge(*imported);

    ASSERT_EQ(target->Presentations().Count(), 1);
    EXPECT_EQ(target->Presentations().Items(0)->Text(), "Set pieces");
    ASSERT_EQ(target->Matches().Count(), 1);
    EXPECT_EQ(target->Matches().Items(0)->Name(), "Bears - Lions");
    ASSERT_EQ(target->SituationFile()->Situations().Count(), 1);
    EXPECT_EQ(target->SituationFile()->Situations().Items(0)->Text(), "Corner");
    ASSERT_EQ(target->ActorFile()->Teams().Count(), 2);
    EXPECT_EQ(target->ActorFile()->Teams().Items(0)->Text(), "Bears");
    EXPECT_EQ(target->ActorFile()->Teams().Items(1)->Text(), "Lions");
}

TEST_F(MergeManagerTest, SelectionIgnoresLetterCase) {
    auto target = FromText("<MatchStatFile/>");
    auto imported = FromText("<MatchStatFile><ActorFile Id=\"1\" Rel=\"ActorFile\">"
                             "<TeamDscr Id=\"t1\" Rel=\"Teams\">Bears</TeamDscr></ActorFile>"
                             "</MatchStatFile>");
    TMergeManager merger(*target);
    merger.TeamDscrSelection().push_back("T1");
    merger.Merge(*imported);
    ASSERT_EQ(target->ActorFile()->Teams().Count(), 1);
    EXPECT_EQ(target->ActorFile()->Teams().Items(0)->Text(), "Bears");
}

TEST_F(MergeManagerTest, ElementErrorsEndTheMerge) {
    auto target = Load(DataPath("merge-target.vmi"));
    // The scene names a team, not a situation.
    auto imported = FromText(OneMatch("07-08-2006 10:00:00", Situation("6", "00:01:00", "00:01:10"),
                                      "<Presentation Id=\"8\" Rel=\"Presentations\">P"
                                      "<Scene Id=\"9\" Rel=\"Scenes\" SituationId=\"4\">S</Scene>"
                                      "</Presentation>"));
    EXPECT_THROW(MergeAll(*target, *imported), std::runtime_error);
}

} // namespace
