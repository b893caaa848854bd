// What every command of clipwise-cli shares: its --help, --version, "--" ending the options,
// and how wrong usage is reported.

#include "CliRunner.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using testsupport::DataPath;
using testsupport::TTempDir;

namespace {

TEST(CliMain, EveryCommandDescribesItselfOnHelp) {
    const std::vector<std::pair<std::string, std::string>> commands = {
        {"save", "OUT"},     {"new", "OUT"},         {"generate", "--situations-per-match"},
        {"info", "IN"},      {"merge", "IMPORT"},    {"check", "--media-folder <DIR>"},
        {"clips", "--sort"}, {"counts", "--select"}, {"table", "--primary <CATEGORY>"}};
    for (const auto& [command, mentioned] : commands) {
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{command, "--help"}, {"help", command}, {command, "-h"}}) {
            TCliRun run = RunCli(args);
            EXPECT_EQ(run.exitCode, 0) << command << ": " << run.err;
            EXPECT_EQ(run.out.rfind("Usage: clipwise-cli " + command + " ", 0), 0) << run.out;
            EXPECT_NE(run.out.find(mentioned), std::string::npos) << run.out;
            EXPECT_EQ(run.err, "");
        }
    }
}

TEST(CliMain, VersionNamesTheProduct) {
    for (const char* option : {"--version", "-v"}) {
        TCliRun run = RunCli({option});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out, "Clipwise 2.5.1\n");
    }
}

TEST(CliMain, DoubleDashEndsTheOptions) {
    TTempDir dir;
    std::filesystem::copy_file(DataPath("query-basic.vmi"), dir.File("--format.vmi"));
    TCliRun info = RunCli({"info", "--", "--format.vmi"}, dir.Path());
    ASSERT_EQ(info.exitCode, 0) << info.err;
    EXPECT_EQ(info.out.rfind("Matches\t2\n", 0), 0) << info.out;
    TCliRun clips =
        RunCli({"clips", "--format", "csv", "--select", "Team 1=Tigers", "--", "--format.vmi"},
               dir.Path());
    ASSERT_EQ(clips.exitCode, 0) << clips.err;
    EXPECT_EQ(clips.out.rfind("Date,Name,Team 1,Team 2,From,To,Clip Team,Clip Type", 0), 0);
    ASSERT_EQ(RunCli({"save", "--", "--format.vmi", "--copy.vmi"}, dir.Path()).exitCode, 0);
    EXPECT_TRUE(std::filesystem::exists(dir.File("--copy.vmi")));
}

TEST(CliMain, WrongUsageExitsWithTwoAndSaysWhy) {
    const std::string in = DataPath("query-basic.vmi");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"clips", in, "--bogus"},
         "clipwise-cli: Unknown option 'bogus'.\nusage: clipwise-cli clips IN "},
        {{"table", in, "--primary"},
         "clipwise-cli: Missing value after '--primary'.\nusage: clipwise-cli table IN "},
        {{"info", in, in},
         "clipwise-cli: expected 1 file argument, got 2\nusage: clipwise-cli "
         "info IN\n"},
        {{"--bogus"}, "clipwise-cli: Unknown option 'bogus'.\nusage: clipwise-cli COMMAND"},
        {{}, "clipwise-cli: no command given\nusage: clipwise-cli COMMAND"},
    };
    for (const auto& [args, err] : cases) {
        TCliRun run = RunCli(args);
        EXPECT_EQ(run.exitCode, 2) << run.err;
        EXPECT_EQ(run.err.rfind(err, 0), 0) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

} // namespace
