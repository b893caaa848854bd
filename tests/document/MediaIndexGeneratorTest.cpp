#include "MediaIndexGenerator.h"
#include "MatchStatFile.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using testsupport::ReadFile;
using testsupport::TTempDir;

TEST(MediaIndexGenerator, SameSeedSameFileAndItLoadsBack) {
    TTempDir dir;
    auto save = [&](std::uint64_t seed, const char* name) {
        auto document = GenerateMediaIndex({3, 40, seed});
        document->SaveToFile(dir.File(name));
        return ReadFile(dir.File(name));
    };
    const std::string a = save(7, "a.vmi");
    EXPECT_EQ(save(7, "b.vmi"), a);
    EXPECT_NE(save(8, "c.vmi"), a);

    TMatchStatFile loaded;
    loaded.LoadFromFile(dir.File("a.vmi"));
    ASSERT_EQ(loaded.Matches().Count(), 3);
    int situations = 0;
    int withTwoAnswers = 0;
    int withNote = 0;
    for (const TMatch* match : loaded.Matches()) {
        EXPECT_NE(match->HomeTeam()->Text(), match->GuestTeam()->Text());
        for (const TSituation* situation : match->Situations()) {
            ++situations;
            EXPECT_NE(situation->Team(), nullptr);
            EXPECT_LT(situation->StartingTime(), situation->EndingTime());
            withNote += situation->Note().empty() ? 0 : 1;
            for (const TQuestion* question : situation->Questions()) {
                withTwoAnswers += question->Answers().Count() == 2 ? 1 : 0;
            }
        }
    }
    EXPECT_EQ(situations, 120);
    EXPECT_GT(withTwoAnswers, 0);
    EXPECT_GT(withNote, 0);
    EXPECT_GT(loaded.ActorFile()->Teams().Count(), 0);
    EXPECT_GT(loaded.SituationFile()->Situations().Count(), 0);
    ASSERT_EQ(loaded.Presentations().Count(), 2);
    EXPECT_NE(loaded.Presentations().Items(0)->Scenes().Items(0)->Situation(), nullptr);
}
