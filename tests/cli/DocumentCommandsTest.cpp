// clipwise-cli save, new, generate and info, run as a user would run them.

#include "CliRunner.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>

using testsupport::DataPath;
using testsupport::ReadFile;
using testsupport::TTempDir;
using testsupport::WriteFile;

TEST(DocumentCommands, SaveRewritesInTheCanonicalForm) {
    TTempDir dir;
    // A file written by hand: LF line ends, no indentation, an XML declaration.
    WriteFile(dir.File("in.vmi"), "<?xml version=\"1.0\"?>\n<MatchStatFile NextId=\"2\"><ActorFile "
                                  "Id=\"1\" Rel=\"ActorFile\"/>\n<SituationFile Id=\"2\" "
                                  "Rel=\"SituationFile\"/></MatchStatFile>\n");
    TCliRun run = RunCli({"save", dir.File("in.vmi"), dir.File("out.vmi")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadFile(dir.File("out.vmi")),
              "\r\n<MatchStatFile NextId=\"2\">\r\n  <ActorFile Id=\"1\" Rel=\"ActorFile\"/>\r\n"
              "  <SituationFile Id=\"2\" Rel=\"SituationFile\"/>\r\n</MatchStatFile>\r\n");

    ASSERT_EQ(RunCli({"new", dir.File("new.vmi")}).exitCode, 0);
    EXPECT_EQ(ReadFile(dir.File("new.vmi")), ReadFile(dir.File("out.vmi")));

    ASSERT_EQ(RunCli({"save", DataPath("roundtrip.vmi"), dir.File("copy.vmi")}).exitCode, 0);
    EXPECT_EQ(ReadFile(dir.File("copy.vmi")), ReadFile(DataPath("roundtrip.vmi")));
}

TEST(DocumentCommands, GenerateIsReproducibleAndInfoSummarises) {
    TTempDir dir;
    const std::vector<std::string> args = {"--matches", "2",      "--situations-per-match",
                                           "25",        "--seed", "42"};
    std::vector<std::string> first = {"generate", dir.File("a.vmi")};
    std::vector<std::string> second = {"generate", dir.File("b.vmi")};
    first.insert(first.end(), args.begin(), args.end());
    second.insert(second.end(), args.begin(), args.end());
    ASSERT_EQ(RunCli(first).exitCode, 0);
    ASSERT_EQ(RunCli(second).exitCode, 0);
    EXPECT_EQ(ReadFile(dir.File("a.vmi")), ReadFile(dir.File("b.vmi")));

    TCliRun info = RunCli({"info", dir.File("a.vmi")});
    ASSERT_EQ(info.exitCode, 0) << info.err;
    EXPECT_NE(info.out.find("Matches\t2\nSituations\t50\n"), std::string::npos) << info.out;
}

TEST(DocumentCommands, ExitCodesTellUsageFromUnreadableFiles) {
    TTempDir dir;
    WriteFile(dir.File("bad.vmi"), "<MatchStatFile><Match>");
    struct TCase {
        std::vector<std::string> args;
        int exitCode;
        std::string err;
    };
    const std::vector<TCase> cases = {
        {{"save", dir.File("bad.vmi"), dir.File("out.vmi")}, 1, "clipwise-cli: Cannot load"},
        {{"save", dir.File("absent.vmi"), dir.File("out.vmi")}, 1, "clipwise-cli: Cannot read"},
        {{"new", dir.File("no/such/folder/x.vmi")}, 1, "clipwise-cli: Cannot save"},
        {{"save", dir.File("bad.vmi")}, 2, "usage: clipwise-cli save IN OUT"},
        {{"generate", dir.File("g.vmi"), "--matches", "x", "--situations-per-match", "1"},
         2,
         "--matches needs a whole number"},
        {{"generate", dir.File("g.vmi"), "--matches", "1"},
         2,
         "--situations-per-match is required"},
        {{"frobnicate"}, 2, "unknown command"},
        {{}, 2, "usage:"},
    };
    for (const TCase& c : cases) {
        TCliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    }
    EXPECT_FALSE(std::ifstream(dir.File("out.vmi")).good());
    TCliRun help = RunCli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("generate OUT --matches N"), std::string::npos);
}
