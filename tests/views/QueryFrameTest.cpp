#include "QueryFrame.h"

#include "CategorySelectionComboBox.h"
#include "IncrementalQueryView.h"
#include "MediaDisplay.h"
#include "QueryResultGraphView.h"
#include "QueryResultIndex.h"
#include "QueryResultTable.h"
#include "QueryWindowFixture.h"
#include "SettingsFile.h"
#include "VideoZoom.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QSplitter>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

const QString kQueryKey = QStringLiteral("Software\\Velmora\\Clipwise\\Repository\\Query");

QStringList Headers(const TIncrementalQueryView& grid) {
    QStringList headers;
    for (int column = 0; column < grid.ColumnCount(); ++column) {
        headers << grid.Cell(column, 0);
    }
    return headers;
}

// The administrator's value for the frame, for one test.
class TAdminHiddenColumns {
public:
    explicit TAdminHiddenColumns(const QString& value) {
        EXPECT_TRUE(TSettingsFile(TSettingsFile::AdminFileName(), kQueryKey)
                        .Write("HiddenColumnsDefault", value));
    }
    ~TAdminHiddenColumns() { QFile::remove(TSettingsFile::AdminFileName()); }
};

TEST(QueryFrameTest, EveryComponentCarriesItsNameAndEveryControlAnAccessibleName) {
    TQueryFrame frame;
    for (const char* name : {"PageClips",
                             "VideoTopPanel",
                             "VideoPanel",
                             "MediaDisplay",
                             "VerticalVideoSplitter",
                             "Panel4",
                             "HeaderControl1",
                             "Note",
                             "HorizontalVideoSplitter",
                             "QueryResultIndex",
                             "PageList",
                             "GeneralProperties",
                             "Splitter10",
                             "QuestionProperties",
                             "PageTable",
                             "Panel1",
                             "ListView2",
                             "TablePrimaryCategory",
                             "TableSecondarySelection",
                             "QueryResultTable",
                             "PageGraph",
                             "GraphTopPanel",
                             "ListView1",
                             "PrimaryCategory",
                             "SecondaryCategory",
                             "QueryResultGraph"}) {
        EXPECT_NE(frame.findChild<QWidget*>(name), nullptr) << name;
    }
    const auto insideComboBox = [](QWidget* widget) {
        for (QWidget* up = widget->parentWidget(); up; up = up->parentWidget()) {
            if (qobject_cast<QComboBox*>(up)) {
                return true;
            }
        }
        return false;
    };
    for (QWidget* control : frame.findChildren<QWidget*>()) {
        if (insideComboBox(control)) {
            continue; // the box's own drop-down list
        }
        if (qobject_cast<QComboBox*>(control) || qobject_cast<QTextEdit*>(control) ||
            (qobject_cast<QAbstractItemView*>(control) && !qobject_cast<QHeaderView*>(control))) {
            EXPECT_FALSE(control->accessibleName().isEmpty())
                << control->objectName().toStdString();
        }
    }
    EXPECT_EQ(frame.findChild<QComboBox*>("TablePrimaryCategory")->accessibleName(), "Rows");
    EXPECT_EQ(frame.PrimaryCategory()->DefaultText, "<No Categorization>");
    EXPECT_EQ(frame.PrimaryCategory()->maxVisibleItems(), 25);
}

TEST(QueryFrameTest, ShowPageShowsOnePageAndRepeatsNothing) {
    TQueryFrame frame;
    frame.show();
    EXPECT_EQ(frame.GetPage(), 0);
    QWidget* clips = frame.findChild<QWidget*>("PageClips");
    QWidget* table = frame.findChild<QWidget*>("PageTable");
    EXPECT_TRUE(clips->isVisible());
    frame.ShowPage(3);
    EXPECT_EQ(frame.GetPage(), 3);
    EXPECT_TRUE(table->isVisible());
    EXPECT_FALSE(clips->isVisible());
    table->hide(); // a second call would show it again if it did anything
    frame.ShowPage(3);
    EXPECT_FALSE(table->isVisible());
    frame.ShowPage(9);
    for (const char* page : {"PageClips", "PageList", "PageTable", "PageGraph"}) {
        EXPECT_FALSE(frame.findChild<QWidget*>(page)->isVisible()) << page;
    }
}

TEST(QueryFrameTest, HandsOutItsViewsByIndex) {
    TQueryFrame frame;
    const std::vector<IQueryDefinitionView*> definition = {frame.PrimaryCategory(),
                                                           frame.SecondaryCategory(),
                                                           frame.GeneralProperties(),
                                                           frame.QuestionProperties(),
                                                           nullptr,
                                                           frame.TablePrimaryCategory(),
                                                           frame.TableSecondarySelection(),
                                                           frame.QueryResultTable(),
                                                           frame.QueryResultGraph()};
    ASSERT_EQ(frame.GetDefinitionViewCount(), 9);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(frame.GetDefinitionView(i), definition[static_cast<std::size_t>(i)]) << i;
    }
    const std::vector<IQueryResultView*> result = {
        frame.GeneralProperties(), frame.QuestionProperties(), frame.QueryResultGraph(),
        frame.QueryResultTable(), frame.QueryResultIndex()};
    ASSERT_EQ(frame.GetResultViewCount(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(frame.GetResultView(i), result[static_cast<std::size_t>(i)]) << i;
    }
    EXPECT_EQ(frame.GetDefinitionView(9), nullptr);
    EXPECT_EQ(frame.GetResultView(5), nullptr);
    EXPECT_EQ(frame.GetMediaView(), static_cast<IMediaView*>(frame.MediaDisplay()));
    EXPECT_EQ(frame.GetHelpView(), nullptr);
}

struct THiddenCase {
    const char* value;
    QStringList general;
    QStringList clipColumns;
};

TEST(QueryFrameTest, HiddenColumnsDefaultRemovesGeneralColumnsAndTheClipListsTeams) {
    const std::vector<THiddenCase> cases = {
        {"Presentation,Team",
         {"Medium", "Team 1", "Team 2", "Clip Type", "Time Interval"},
         {"Date", "Name", "From", "To", "Clip Type"}},
        {"team 1, \"Clip Type\" ,Nothing",
         {"Presentation", "Medium", "Team", "Team 2", "Time Interval"},
         {"Date", "Name", "Team 1", "Team 2", "From", "To", "Clip Team", "Clip Type"}},
        {"",
         {"Presentation", "Medium", "Team", "Team 1", "Team 2", "Clip Type", "Time Interval"},
         {"Date", "Name", "Team 1", "Team 2", "From", "To", "Clip Team", "Clip Type"}},
    };
    for (const THiddenCase& c : cases) {
        SCOPED_TRACE(c.value);
        TAdminHiddenColumns hidden(c.value);
        TQueryWindowFixture window;
        window.Open();
        EXPECT_EQ(Headers(*window.frame->GeneralProperties()), c.general);
        EXPECT_EQ(window.frame->QueryResultIndex()->Captions().mid(0, c.clipColumns.size()),
                  c.clipColumns);
        EXPECT_EQ(window.frame->GetController(), window.controller.get());
    }
}

TEST(QueryFrameTest, TheClipListPlaysThroughTheMediaDisplaysController) {
    TQueryWindowFixture window;
    std::shared_ptr<IMediaController> media = window.frame->MediaDisplay()->GetController();
    ASSERT_NE(media, nullptr);
    window.Open();
    // The controller reports its clips to the list, which it has as a listener.
    EXPECT_EQ(media->GetSituationSet()->SortedCount(), 5);
    window.frame->QueryResultIndex()->ClipChanged(2, 5);
    EXPECT_EQ(window.frame->QueryResultIndex()->SelectedSituation(),
              window.frame->QueryResultIndex()->Situation(2));
}

struct TZoomCase {
    double width;
    QSize picture;
    std::optional<TVideoZoom> zoom;
};

TEST(QueryFrameTest, TheVideoZoomIsEvenAndThePanelsFitThePicture) {
    const std::vector<TZoomCase> cases = {
        {401, {320, 240}, TVideoZoom{124, 302, 401}},
        {320, {320, 240}, TVideoZoom{100, 244, 324}},
        {643, {640, 480}, TVideoZoom{100, 484, 644}}, // 100.47 rounds to 100
        {401, {0, 240}, std::nullopt},
        {401, {320, 0}, std::nullopt},
    };
    for (const TZoomCase& c : cases) {
        const std::optional<TVideoZoom> zoom = ZoomToWidth(c.width, c.picture);
        ASSERT_EQ(zoom.has_value(), c.zoom.has_value()) << c.width;
        if (zoom) {
            EXPECT_EQ(zoom->zoom, c.zoom->zoom) << c.width;
            EXPECT_EQ(zoom->topHeight, c.zoom->topHeight) << c.width;
            EXPECT_EQ(zoom->panelWidth, c.zoom->panelWidth) << c.width;
        }
    }
    // A height of 297 for 320 x 240 asks for the width 396: zoom 124 again.
    EXPECT_EQ(ZoomToHeight(297, {320, 240})->zoom, 124);
}

TEST(QueryFrameTest, WithoutAVideoTheSplittersLeaveThePanelsAlone) {
    TQueryFrame frame;
    frame.resize(1000, 700);
    frame.show();
    auto* top = frame.findChild<QSplitter*>("VideoTopPanel");
    const QList<int> sizes = top->sizes();
    frame.VerticalVideoSplitterMoved();
    frame.HorizontalVideoSplitterMoved();
    frame.MediaDisplayOpenComplete();
    EXPECT_EQ(top->sizes(), sizes);
    EXPECT_EQ(frame.MediaDisplay()->ZoomSize(), 100);
}

TEST(QueryFrameTest, TheNotePaneShowsRichTextPlainTextOrNothing) {
    TQueryWindowFixture window;
    window.Open();
    TQueryResultIndex* list = window.frame->QueryResultIndex();
    QTextEdit* note = window.frame->Note();
    // Row 0 is reported by the fill: its note is RTF.
    EXPECT_EQ(note->toPlainText(), QString::fromUtf8("Keeper off his line\nagain\tcaf\u00e9"));
    QTextCursor cursor(note->document());
    cursor.setPosition(8); // inside "off"
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
    cursor.setPosition(note->document()->findBlockByNumber(1).position() + 2);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(255, 0, 0));
    list->ClipChanged(1, 5);
    EXPECT_EQ(note->toPlainText(), "Plain note <ok>");
    list->ClipChanged(2, 5);
    EXPECT_EQ(note->toPlainText(), "");
    list->ClipChanged(1, 5);
    list->ClipChanged(-1, 5);
    EXPECT_EQ(note->toPlainText(), "");
}

TEST(QueryFrameTest, SelectorsOfOnePriorityShowOneChoice) {
    TQueryWindowFixture window;
    window.Open();
    TQueryFrame& frame = *window.frame;
    for (TCategorySelectionComboBox* box :
         {frame.PrimaryCategory(), frame.SecondaryCategory(), frame.TablePrimaryCategory(),
          frame.TableSecondarySelection()}) {
        EXPECT_EQ(box->currentText(), "<No Categorization>");
    }
    std::shared_ptr<IQueryDefinitionModel> definition =
        frame.PrimaryCategory()->GetDefinitionModel();
    EXPECT_EQ(definition->GetPrimaryCategory(), "");
    EXPECT_EQ(definition->GetSecondaryCategory(), "");

    // Picking an entry in the table's rows selector.
    TCategorySelectionComboBox* rows = frame.TablePrimaryCategory();
    const int team = rows->findText("Team");
    rows->setCurrentIndex(team);
    emit rows->activated(team);
    EXPECT_EQ(definition->GetPrimaryCategory(), "Team");
    EXPECT_EQ(frame.PrimaryCategory()->currentText(), "Team");
    EXPECT_EQ(frame.QueryResultTable()->Cell(0, 2), "Tigers");
    EXPECT_EQ(frame.QueryResultGraph()->Chart().Series(0).BarCount(), 3);

    // Typing counts once confirmed, not at every keystroke.
    frame.show();
    frame.ShowPage(4);
    TCategorySelectionComboBox* zAxis = frame.SecondaryCategory();
    zAxis->setFocus();
    zAxis->lineEdit()->selectAll();
    QTest::keyClicks(zAxis->lineEdit(), "Clip");
    EXPECT_EQ(definition->GetSecondaryCategory(), "");
    QTest::keyClicks(zAxis->lineEdit(), " Type");
    QTest::keyClick(zAxis->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(definition->GetSecondaryCategory(), "Clip Type");
    EXPECT_EQ(frame.TableSecondarySelection()->currentText(), "Clip Type");

    // A name that is no entry is passed on as typed; the other selector then shows none.
    zAxis->lineEdit()->selectAll();
    QTest::keyClicks(zAxis->lineEdit(), "Nothing");
    QTest::keyClick(zAxis->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(definition->GetSecondaryCategory(), "Nothing");
    EXPECT_EQ(frame.TableSecondarySelection()->currentIndex(), -1);

    // While the user types in a box, a change made elsewhere keeps the typed text.
    zAxis->lineEdit()->selectAll();
    QTest::keyClicks(zAxis->lineEdit(), "Zo");
    definition->SetSecondaryCategory("Outcome");
    EXPECT_EQ(zAxis->lineEdit()->text(), "Zo");
    QTest::keyClicks(zAxis->lineEdit(), "ne");
    QTest::keyClick(zAxis->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(definition->GetSecondaryCategory(), "Zone");

    // A new document brings every selector back to the default entry.
    window.Open();
    EXPECT_EQ(frame.TablePrimaryCategory()->currentText(), "<No Categorization>");
    EXPECT_EQ(definition->GetPrimaryCategory(), "");
}

// The whole path: a document through the real query controller, two clicks in a grid.
TEST(QueryFrameTest, ClicksInAGridNarrowTheClipListTheTableAndTheNote) {
    TQueryWindowFixture window;
    window.Open();
    TQueryFrame& frame = *window.frame;
    frame.show();
    frame.ShowPage(TQueryFrame::kPageList);
    TIncrementalQueryView* grid = frame.GeneralProperties();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    const auto click = [&](const QString& property, const QString& value) {
        const int column = static_cast<int>(Headers(*grid).indexOf(property));
        for (int row = 1; row < grid->RowCount(); ++row) {
            if (grid->Cell(column, row) == value) {
                const QRect rect = grid->visualRect(grid->model()->index(row - 1, column));
                QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
                return;
            }
        }
        ADD_FAILURE() << "no cell " << value.toStdString();
    };
    click("Clip Type", "Attack");
    click("Team", "Tigers");
    TQueryResultIndex* list = frame.QueryResultIndex();
    ASSERT_EQ(list->RowCount(), 2);
    EXPECT_EQ(list->Text(0, 2), "Lions");    // Team 1 of the cup
    EXPECT_EQ(list->Text(0, 4), "00:09:00"); // the Tigers' attack in the cup
    EXPECT_EQ(list->Text(1, 1), "League");
    EXPECT_EQ(frame.Note()->toPlainText(), "");

    frame.ShowPage(TQueryFrame::kPageTable);
    TCategorySelectionComboBox* rows = frame.TablePrimaryCategory();
    const int zone = rows->findText("Zone");
    rows->setCurrentIndex(zone);
    emit rows->activated(zone);
    TQueryResultTable* table = frame.QueryResultTable();
    EXPECT_EQ(table->Cell(0, 2), "Left");
    EXPECT_EQ(table->Cell(1, 2), "1");
    EXPECT_EQ(table->Cell(0, 3), "Right");
    EXPECT_EQ(table->Cell(1, 4), "2");
    EXPECT_EQ(frame.PrimaryCategory()->currentText(), "Zone");
    EXPECT_EQ(frame.SecondaryCategory()->currentText(), "<No Categorization>");
    // The grid's own selection: both values highlighted, counts of the narrowed result.
    EXPECT_EQ(grid->Count(static_cast<int>(Headers(*grid).indexOf("Team")), 1), 2);
}

} // namespace
