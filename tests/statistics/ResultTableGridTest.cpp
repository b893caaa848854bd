// The statistics table's cells over a real definition and result model, for a document whose
// clip types A, B, C, D and zones P, Q, R, S are met 1, 2, 1, 2 times, each clip type with
// one zone: the diagonal shows where every value went.

#include "ResultTableGrid.h"
#include "MatchStatFile.h"
#include "QueryDefinitionModel.h"
#include "QueryModel.h"
#include "QueryResultModel.h"
#include "TestSupport.h"

#include <QLocale>
#include <QStringList>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

// Readable failure messages.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

std::string Document() {
    const std::pair<const char*, const char*> situations[] = {{"A", "P"}, {"B", "Q"}, {"B", "Q"},
                                                              {"C", "R"}, {"D", "S"}, {"D", "S"}};
    std::string xml = "<MatchStatFile NextId=\"100\"><ActorFile Id=\"1\" Rel=\"ActorFile\"/>"
                      "<SituationFile Id=\"2\" Rel=\"SituationFile\"/><Match Id=\"3\" "
                      "Rel=\"Matches\" DateTime=\"01-02-2003 10:00:00\" Name=\"M\" Result=\"\">"
                      "<Team Id=\"4\" Rel=\"HomeTeam\">H</Team>"
                      "<Team Id=\"5\" Rel=\"GuestTeam\">G</Team>";
    int id = 10;
    for (const auto& [clipType, zone] : situations) {
        const std::string n = std::to_string(id);
        xml += "<Situation Id=\"" + n +
               "\" Rel=\"Situations\" TeamId=\"4\" StartingTime=\"01-02-"
               "2003 00:01:00\" EndingTime=\"01-02-2003 00:01:05\">" +
               clipType + "<Question Id=\"" + n + "1\" Rel=\"Questions\">Zone<Answer Id=\"" + n +
               "2\" Rel=\"Answer\">" + zone + "</Answer></Question></Situation>";
        id += 10;
    }
    return xml + "</Match></MatchStatFile>";
}

class ResultTableGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        testsupport::WriteFile(m_dir.File("grid.vmi"), Document());
        m_document.LoadFromFile(m_dir.File("grid.vmi"));
        m_queryModel.SetDocument(&m_document);
        m_definition.AddObserver(&m_result);
        m_result.SetQueryModel(m_queryModel);
        m_definition.Rebuild(m_queryModel);
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    std::vector<QStringList> Grid() {
        TResultTableGrid grid(m_definition);
        grid.FillCounts(m_result);
        std::vector<QStringList> rows;
        for (int r = 0; r < grid.RowCount(); ++r) {
            QStringList row;
            for (int c = 0; c < grid.ColumnCount(); ++c) {
                row << grid.Cell(c, r);
            }
            rows.push_back(row);
        }
        return rows;
    }

    testsupport::TTempDir m_dir;
    TMatchStatFile m_document;
    TQueryModel m_queryModel{TLabelFormat::Fixed()};
    TQueryDefinitionModel m_definition;
    TQueryResultModel m_result;
};

TEST_F(ResultTableGridTest, OrdersByDescendingTotalAndNeverExchangesEqualTotals) {
    m_definition.SetPrimaryCategory("Zone");
    m_definition.SetSecondaryCategory("Clip Type");
    // Totals 1, 2, 1, 2 in property order. Exchanging: B takes A's place, then D takes A's
    // place after it, leaving C before A; a stable sort would give B, D, A, C, and exchanging
    // equal totals as well C, D, B, A.
    const std::vector<QStringList> expected = {
        {"Zone", "Clip Type", "", "", "", ""}, {"", "B", "D", "C", "A", "Total"},
        {"Q", "2", "0", "0", "0", "2"},        {"S", "0", "2", "0", "0", "2"},
        {"R", "0", "0", "1", "0", "1"},        {"P", "0", "0", "0", "1", "1"},
        {"Total", "2", "2", "1", "1", "6"},
    };
    EXPECT_EQ(Grid(), expected);
}

TEST_F(ResultTableGridTest, KeepsValuesWithoutCountsAfterTheCountedOnes) {
    m_definition.SetSecondaryCategory("Zone");
    m_definition.ToggleValue("Clip Type", "B");
    m_definition.ToggleValue("Clip Type", "C");
    // Only Q (2) and R (1) counted; P and S stay with zeros, in property order.
    const std::vector<QStringList> expected = {
        {"", "Zone", "", "", "", ""},
        {"", "Q", "R", "P", "S", "Total"},
        {"Total", "2", "1", "0", "0", "3"},
    };
    EXPECT_EQ(Grid(), expected);
}

} // namespace
