// clipwise-cli clips, counts and table over tests/data/query-basic.vmi, compared with outputs
// worked out by hand:
//   Cup 05/08/2006 (Lions-Tigers, 2:1): 20 Attack 00:09:59-00:10:10 Lions (Outcome Goal, Zone
//     Left & Right), 30 Corner 00:10:00-00:10:30 Tigers (Outcome with an empty answer, a
//     question without text answered "Unasked"), 100 Attack 00:55:00-00:55:20 Tigers (Outcome
//     Saved, Zone without answers), 40 attack 01:00:00-01:00:05 with an unknown team (a
//     question "Team" answered "Referee");
//   League 12/08/2006 (Tigers-Bears, 0:0): 70 Corner 00:59:59-01:00:10 Tigers (Outcome Goal),
//     80 Attack at time 0 to 00:00:08 Bears (Outcome Goal, Zone Left).
//   Presentations: Best (20, 70), Review (20, 100).

#include "CliRunner.h"
#include "TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

using testsupport::DataPath;
using testsupport::TTempDir;
using testsupport::WriteFile;

namespace {

std::string Query(std::vector<std::string> args) {
    args.insert(args.begin() + 1, DataPath("query-basic.vmi"));
    TCliRun run = RunCli(args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return run.out;
}

TEST(QueryCommands, ClipsListsTheSelectedSituationsInDisplayOrder) {
    // Outcome Goal or Saved gives 100, 20, 70, 80 (identifier order); the last sort, a new
    // caption, is ascending by From; an empty From (time 0) sorts first.
    EXPECT_EQ(Query({"clips", "--select", "Outcome=Goal", "--select=Outcome=Saved", "--sort",
                     "Clip Type", "--sort", "From"}),
              "Date\tName\tTeam 1\tTeam 2\tFrom\tTo\tClip Team\tClip Type\tOutcome\tZone\n"
              "2006/08/12\tLeague\tTigers\tBears\t\t00:00:08\tBears\tAttack\tGoal\tLeft\n"
              "2006/08/05\tCup\tLions\tTigers\t00:09:59\t00:10:10\tLions\tAttack\tGoal\tLeft & "
              "Right\n"
              "2006/08/05\tCup\tLions\tTigers\t00:55:00\t00:55:20\tTigers\tAttack\tSaved\t\n"
              "2006/08/12\tLeague\tTigers\tBears\t00:59:59\t01:00:10\tTigers\tCorner\tGoal\t\n");
    // The result starts sorted by date, so "Date" again is descending. Question columns come
    // in the order they are first met, a question without text included; a question without
    // answers adds none.
    EXPECT_EQ(Query({"clips", "--select", "Team 1=Lions", "--sort", "Date"}),
              "Date\tName\tTeam 1\tTeam 2\tFrom\tTo\tClip Team\tClip Type\tTeam\tOutcome\t\tZone\n"
              "2006/08/05\tCup\tLions\tTigers\t01:00:00\t01:00:05\t\tattack\tReferee\t\t\t\n"
              "2006/08/05\tCup\tLions\tTigers\t00:55:00\t00:55:20\tTigers\tAttack\t\tSaved\t\t\n"
              "2006/08/05\tCup\tLions\tTigers\t00:10:00\t00:10:30\tTigers\tCorner\t\t\tUnasked\t\n"
              "2006/08/05\tCup\tLions\tTigers\t00:09:59\t00:10:10\tLions\tAttack\t\tGoal\t\tLeft "
              "& Right\n");
}

TEST(QueryCommands, CountsEveryPropertyValueOfTheResultInNameOrder) {
    // The match's guest team selects the whole Cup: 20, 30, 100, 40. The counts split the
    // teams by the side of the situation's own team; the unknown team counts on neither
    // listed value of "Team 2".
    EXPECT_EQ(Query({"counts", "--select", "Team 2=Tigers"}),
              "Clip Type\tAttack\t2\n"
              "Clip Type\tCorner\t1\n"
              "Clip Type\tattack\t1\n"
              "Medium\t2006/08/05  Cup  Lions-Tigers  2:1\t4\n"
              "Medium\t2006/08/12  League  Tigers-Bears  0:0\t0\n"
              "Outcome\t<None>\t1\n"
              "Outcome\tGoal\t1\n"
              "Outcome\tSaved\t1\n"
              "Presentation\tBest\t1\n"
              "Presentation\tReview\t1\n"
              "Team\t\t1\n"
              "Team\tBears\t0\n"
              "Team\tLions\t1\n"
              "Team\tReferee\t1\n"
              "Team\tTigers\t2\n"
              "Team 1\tLions\t1\n"
              "Team 1\tTigers\t0\n"
              "Team 2\tBears\t0\n"
              "Team 2\tTigers\t2\n"
              "Time Interval\t00:00:00 - 00:09:59\t1\n"
              "Time Interval\t00:10:00 - 00:19:59\t1\n"
              "Time Interval\t00:50:00 - 00:59:59\t1\n"
              "Time Interval\t01:00:00 -\t1\n"
              "Zone\t<None>\t1\n"
              "Zone\tLeft\t1\n"
              "Zone\tRight\t1\n");
}

TEST(QueryCommands, TableOrdersColumnsAndRowsByTheirTotals) {
    // Attack or Corner: 100, 20, 30, 70, 80. Guest teams: Tigers 3, Bears 2, so Tigers moves
    // first; rows with totals 2, 1, 2, 0 become 2, 2, 1, 0.
    EXPECT_EQ(Query({"table", "--primary", "Time Interval", "--secondary", "Team 2", "--select",
                     "Clip Type=Attack", "--select", "Clip Type=Corner"}),
              "Time Interval\tTeam 2\t\t\n"
              "\tTigers\tBears\tTotal\n"
              "00:00:00 - 00:09:59\t1\t1\t2\n"
              "00:50:00 - 00:59:59\t1\t1\t2\n"
              "00:10:00 - 00:19:59\t1\t0\t1\n"
              "01:00:00 -\t0\t0\t0\n"
              "Total\t3\t2\t5\n");
    EXPECT_EQ(Query({"table"}), "\t\n\tTotal\nTotal\t6\n");
    EXPECT_EQ(Query({"table", "--secondary", "Zone", "--format", "json"}),
              "[[\"\",\"Zone\",\"\",\"\",\"\"],[\"\",\"Left\",\"<None>\",\"Right\",\"Total\"],"
              "[\"Total\",\"2\",\"1\",\"1\",\"6\"]]\n");
}

TEST(QueryCommands, CsvAndJsonQuoteWhatTheyMust) {
    TTempDir dir;
    WriteFile(dir.File("q.vmi"),
              "<MatchStatFile NextId=\"9\"><ActorFile Id=\"1\" Rel=\"ActorFile\"/><SituationFile "
              "Id=\"2\" Rel=\"SituationFile\"/><Match Id=\"3\" Rel=\"Matches\" "
              "DateTime=\"01-02-2003 10:00:00\" Name=\"A, &quot;B&quot;\" "
              "Result=\"1:0&#9;\\&#10;&#233;\">"
              "<Team Id=\"4\" Rel=\"HomeTeam\">Home</Team><Team Id=\"5\" "
              "Rel=\"GuestTeam\">Guest</Team><Situation Id=\"6\" Rel=\"Situations\" TeamId=\"4\" "
              "StartingTime=\"01-02-2003 00:01:00\" EndingTime=\"01-02-2003 "
              "00:01:05\">Shot</Situation></Match></MatchStatFile>");
    TCliRun csv = RunCli({"clips", dir.File("q.vmi"), "--format", "csv"});
    ASSERT_EQ(csv.exitCode, 0) << csv.err;
    EXPECT_EQ(csv.out, "Date,Name,Team 1,Team 2,From,To,Clip Team,Clip Type\n"
                       "2003/02/01,\"A, \"\"B\"\"\",Home,Guest,00:01:00,00:01:05,Home,Shot\n");
    // A result with a tab, a backslash, a line break and a letter beyond ASCII.
    const std::string medium = "2003/02/01  A, \"B\"  Home-Guest  1:0\t\\\n\u00e9";
    TCliRun tsv = RunCli({"counts", dir.File("q.vmi")});
    ASSERT_EQ(tsv.exitCode, 0) << tsv.err;
    EXPECT_NE(tsv.out.find("Medium\t2003/02/01  A, \"B\"  Home-Guest  1:0\\t\\\\\\n\u00e9\t1\n"),
              std::string::npos)
        << tsv.out;
    TCliRun json = RunCli({"counts", dir.File("q.vmi"), "--format", "json"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    QJsonParseError error;
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.out), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json.out;
    bool found = false;
    for (const QJsonValue row : document.array()) {
        if (row[0] == QStringLiteral("Medium")) {
            found = true;
            EXPECT_EQ(row[1].toString().toStdString(), medium);
            EXPECT_EQ(row[2], QJsonValue(1));
        }
    }
    EXPECT_TRUE(found) << json.out;
}

TEST(QueryCommands, BadSelectionsAndOptionsAreReportedAndChangeNothing) {
    struct TCase {
        std::vector<std::string> args;
        int exitCode;
        std::string err;
    };
    const std::string in = DataPath("query-basic.vmi");
    const std::vector<TCase> cases = {
        {{"clips", in, "--select", "Clip Type=Penalty"},
         1,
         "clipwise-cli: No value \"Penalty\" of property \"Clip Type\".\n"},
        {{"counts", in, "--select", "Weather=Rain"}, 1, "clipwise-cli: No property \"Weather\".\n"},
        {{"table", in, "--primary", "Weather"}, 1, "clipwise-cli: No property \"Weather\".\n"},
        {{"clips", in, "--select", "Outcome"}, 2, "--select needs PROPERTY=VALUE"},
        {{"table", in, "--format", "xml"}, 2, "--format needs tsv, csv or json"},
        {{"counts"}, 2, "usage: clipwise-cli counts IN"},
        {{"clips", in + ".absent"}, 1, "clipwise-cli: Cannot read"},
    };
    for (const TCase& c : cases) {
        TCliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args[0];
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    }
}

} // namespace
