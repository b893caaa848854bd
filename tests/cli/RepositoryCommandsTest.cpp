// clipwise-cli merge and check, run as a user would run them.

#include "CliRunner.h"
#include "TestSupport.h"
#include "VelUtils.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using testsupport::DataPath;
using testsupport::ReadFile;
using testsupport::TTempDir;
using testsupport::WriteFile;

namespace {

TEST(RepositoryCommands, MergeWritesWhatTheImportWould) {
    TTempDir dir;
    TCliRun run = RunCli(
        {"merge", DataPath("merge-target.vmi"), DataPath("merge-import.vmi"), dir.File("out.vmi")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadFile(dir.File("out.vmi")), ReadFile(DataPath("merge-expected.vmi")));

    // Into itself: only a copy of the presentation, whose scene shows the existing situation.
    run = RunCli({"merge", DataPath("merge-target.vmi"), DataPath("merge-target.vmi"),
                  dir.File("self.vmi")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string target = ReadFile(DataPath("merge-target.vmi"));
    const std::string copy =
        "  <Presentation Id=\"19\" Rel=\"Presentations\" Description=\"Goals\">Best<Scene "
        "Id=\"20\" Rel=\"Scenes\" SituationId=\"13\">First goal</Scene></Presentation>\r\n";
    std::string expected = target;
    expected.replace(expected.find("NextId=\"18\""), 11, "NextId=\"20\"");
    expected.insert(expected.find("</MatchStatFile>"), copy);
    EXPECT_EQ(ReadFile(dir.File("self.vmi")), expected);
}

TEST(RepositoryCommands, MergeFailuresWriteNothing) {
    TTempDir dir;
    WriteFile(dir.File("bad.vmi"), "<MatchStatFile><Match");
    struct TCase {
        std::vector<std::string> args;
        int exitCode;
        std::string err;
    };
    const std::vector<TCase> cases = {
        {{"merge", DataPath("merge-target.vmi"), dir.File("bad.vmi"), dir.File("out.vmi")},
         1,
         "clipwise-cli: Cannot load"},
        {{"merge", dir.File("absent.vmi"), DataPath("merge-import.vmi"), dir.File("out.vmi")},
         1,
         "clipwise-cli: Cannot read"},
        {{"merge", DataPath("merge-target.vmi"), dir.File("out.vmi")},
         2,
         "usage: clipwise-cli merge TARGET IMPORT OUT"},
    };
    for (const TCase& c : cases) {
        TCliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    }
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(dir.File("out.vmi"))));
}

// Every kind of problem once, beside sound elements that must not be reported.
std::string Faulty(const std::string& videoAtItsPath) {
    return "<MatchStatFile NextId=\"12\"><ActorFile Id=\"1\" Rel=\"ActorFile\"/>"
           "<SituationFile Id=\"2\" Rel=\"SituationFile\"/>"
           "<Match Id=\"3\" Rel=\"Matches\" DateTime=\"05-08-2006 15:30:00\" Name=\"Sound\" "
           "VideoFilename=\"" +
           videoAtItsPath +
           "\"><Team Id=\"4\" Rel=\"HomeTeam\">A</Team><Team Id=\"5\" Rel=\"GuestTeam\">B</Team>"
           "<Situation Id=\"6\" Rel=\"Situations\" TeamId=\"4\" StartingTime=\"05-08-2006 "
           "00:01:00\" EndingTime=\"05-08-2006 00:01:10\">Attack</Situation></Match>"
           "<Match Id=\"20\" Rel=\"Matches\" DateTime=\"31-02-2006\" Name=\"Faulty\" "
           "VideoFilename=\"D:\\Video\\in-media.avi\"><Team Id=\"21\" Rel=\"HomeTeam\">C</Team>"
           "<Team Id=\"22\" Rel=\"GuestTeam\">D</Team>"
           "<Situation Id=\"23\" Rel=\"Situations\" TeamId=\"4\" StartingTime=\"soon\" "
           "EndingTime=\"05-08-2006 00:01:10\">Attack</Situation>"
           "<Situation Id=\"24\" Rel=\"Situations\" StartingTime=\"05-08-2006 00:01:00\" "
           "EndingTime=\"05-08-2006 00:01:10\">Attack</Situation>"
           "<Situation Id=\"6\" Rel=\"Situations\" TeamId=\"77\" StartingTime=\"05-08-2006 "
           "00:01:00\" EndingTime=\"05-08-2006 00:01:10\">Attack</Situation></Match>"
           "<Match Id=\"30\" Rel=\"Matches\" DateTime=\"05-08-2006 15:30:00\" Name=\"Lost\" "
           "VideoFilename=\"D:\\Video\\lost.avi\"><Team Id=\"31\" Rel=\"HomeTeam\">E</Team>"
           "<Team Id=\"32\" Rel=\"GuestTeam\">F</Team></Match>"
           "<Presentation Id=\"40\" Rel=\"Presentations\">P"
           "<Scene Id=\"41\" Rel=\"Scenes\" SituationId=\"6\">fine</Scene>"
           "<Scene Id=\"42\" Rel=\"Scenes\" SituationId=\"99\">gone</Scene>"
           "<Scene Id=\"43\" Rel=\"Scenes\" SituationId=\"21\">team</Scene>"
           "<Scene Id=\"44\" Rel=\"Scenes\">none</Scene></Presentation></MatchStatFile>";
}

TEST(RepositoryCommands, CheckListsEveryProblemOnce) {
    TTempDir dir;
    QDir().mkpath(QString::fromStdString(dir.File("media")));
    WriteFile(dir.File("media/in-media.avi"), "video");
    WriteFile(dir.File("here.avi"), "video");
    WriteFile(dir.File("faulty.vmi"), Faulty(dir.File("here.avi")));

    TCliRun run = RunCli({"check", dir.File("faulty.vmi"), "--media-folder", dir.File("media")});
    EXPECT_EQ(run.exitCode, 1) << run.err;
    const std::string media = dir.File("media/");
    EXPECT_EQ(run.out,
              "Id \"6\" is used by 2 elements\n"
              "NextId \"12\" is below the highest Id 44\n"
              "Match \"20\" \"Faulty\": DateTime \"31-02-2006\" is not a date-time\n"
              "Situation \"23\" of match \"20\": StartingTime \"soon\" is not a date-time\n"
              "Situation \"23\" of match \"20\": TeamId \"4\" is not a team of its match\n"
              "Situation \"24\" of match \"20\": no TeamId\n"
              "Situation \"6\" of match \"20\": TeamId \"77\" is not a team of its match\n"
              "Match \"30\" \"Lost\": video \"D:\\Video\\lost.avi\" is found neither at its path "
              "nor in the media folder \"" +
                  media +
                  "\"\n"
                  "Scene \"42\" of presentation \"P\": situation \"99\" does not exist\n"
                  "Scene \"43\" of presentation \"P\": SituationId \"21\" names a Team, not a "
                  "situation\n"
                  "Scene \"44\" of presentation \"P\": situation \"\" does not exist\n");
}

TEST(RepositoryCommands, CheckOfASoundFileSaysNothing) {
    TTempDir dir;
    WriteFile(dir.File("lions.avi"), "video");
    // Without --media-folder the viewer's own media folder setting counts.
    RegistryPut("Software\\Velmora\\Clipwise\\Repository\\Options\\", "Media Folder",
                QString::fromStdString(dir.Path() + "/"));
    TCliRun run = RunCli({"check", DataPath("merge-target.vmi")});
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_EQ(run.out, "");

    WriteFile(dir.File("bad.vmi"), "not xml");
    run = RunCli({"check", dir.File("bad.vmi")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("clipwise-cli: Cannot load"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
}

} // namespace
