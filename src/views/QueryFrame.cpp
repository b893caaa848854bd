#include "QueryFrame.h"

#include "CategorySelectionComboBox.h"
#include "IncrementalQueryView.h"
#include "MediaDisplay.h"
#include "QueryResultGraphView.h"
#include "QueryResultIndex.h"
#include "QueryResultTable.h"
#include "RtfReader.h"
#include "VelRegistry.h"

#include "Situation.h"

#include <QFrame>
#include <QHeaderView>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

const QStringList kGeneralProperties = {"Presentation", "Medium",    "Team",         "Team 1",
                                        "Team 2",       "Clip Type", "Time Interval"};
const QString kNoCategorization = QStringLiteral("<No Categorization>");

// A read-only header strip with fixed captions, as the selectors' labels.
QHeaderView* HeaderStrip(const QStringList& captions, int sectionWidth, QWidget* parent) {
    auto* model = new QStandardItemModel(0, static_cast<int>(captions.size()), parent);
    model->setHorizontalHeaderLabels(captions);
    auto* strip = new QHeaderView(Qt::Horizontal, parent);
    strip->setModel(model);
    strip->setSectionsClickable(false);
    strip->setSectionResizeMode(QHeaderView::Fixed);
    strip->setDefaultSectionSize(sectionWidth);
    strip->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return strip;
}

// Items separated by commas, each may be double-quoted (a doubled quote inside standing for
// one); blanks around an item do not count. A blank inside an item does not split it, so
// that "Team 1,Clip Type" names those two columns and not "Team" as well.
QStringList ReadHiddenColumns(const QString& text) {
    QStringList items;
    QString item;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                item += c;
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                item += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            items << item.trimmed();
            item.clear();
        } else {
            item += c;
        }
    }
    if (!item.trimmed().isEmpty() || !items.isEmpty()) {
        items << item.trimmed();
    }
    return items;
}

void Name(QWidget* widget, const QString& name, const QString& accessibleName = {}) {
    widget->setObjectName(name);
    widget->setAccessibleName(accessibleName.isEmpty() ? name : accessibleName);
}

} // namespace

TQueryFrame::TQueryFrame(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FraQuery"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_pages[0] = BuildClipsPage();
    m_pages[1] = BuildListPage();
    m_pages[2] = BuildTablePage();
    m_pages[3] = BuildGraphPage();
    for (QWidget* page : m_pages) {
        layout->addWidget(page);
        page->setVisible(page == m_pages[0]);
    }
    m_mediaView = m_mediaDisplay;
}

TQueryFrame::~TQueryFrame() = default;

QWidget* TQueryFrame::BuildClipsPage() {
    auto* page = new QWidget(this);
    Name(page, QStringLiteral("PageClips"), tr("Clips"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);

    m_clipsSplitter = new QSplitter(Qt::Vertical, page);
    m_clipsSplitter->setHandleWidth(3);
    m_clipsSplitter->setChildrenCollapsible(false);
    layout->addWidget(m_clipsSplitter);

    m_videoTopPanel = new QSplitter(Qt::Horizontal, m_clipsSplitter);
    Name(m_videoTopPanel, QStringLiteral("VideoTopPanel"));
    m_videoTopPanel->setHandleWidth(3);
    m_videoTopPanel->setChildrenCollapsible(false);

    m_videoPanel = new QFrame(m_videoTopPanel);
    Name(m_videoPanel, QStringLiteral("VideoPanel"), tr("Video"));
    m_videoPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_videoPanel->setLineWidth(2);
    auto* videoLayout = new QVBoxLayout(m_videoPanel);
    videoLayout->setContentsMargins(0, 0, 0, 0);
    m_mediaDisplay = new TMediaDisplay(m_videoPanel);
    Name(m_mediaDisplay, QStringLiteral("MediaDisplay"), tr("Video display"));
    videoLayout->addWidget(m_mediaDisplay);
    m_mediaDisplay->OnOpenComplete = [this] { MediaDisplayOpenComplete(); };
    // The pane fits the picture to its panel through the zoom, which needs the custom size.
    m_mediaDisplay->SetDisplaySize(TDisplaySize::mpCustomSize);

    auto* notePanel = new QFrame(m_videoTopPanel);
    Name(notePanel, QStringLiteral("Panel4"), tr("Note"));
    notePanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    notePanel->setLineWidth(2);
    auto* noteLayout = new QVBoxLayout(notePanel);
    noteLayout->setContentsMargins(0, 0, 0, 0);
    noteLayout->setSpacing(0);
    QHeaderView* noteHeader = HeaderStrip({tr("Note")}, 100, notePanel);
    Name(noteHeader, QStringLiteral("HeaderControl1"), tr("Note"));
    noteHeader->setStretchLastSection(true);
    noteHeader->setFixedHeight(noteHeader->sizeHint().height());
    noteLayout->addWidget(noteHeader);
    m_note = new QTextEdit(notePanel);
    Name(m_note, QStringLiteral("Note"), tr("Note"));
    m_note->setReadOnly(true);
    m_note->setFrameShape(QFrame::NoFrame);
    m_note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    noteLayout->addWidget(m_note);

    m_videoTopPanel->addWidget(m_videoPanel);
    m_videoTopPanel->addWidget(notePanel);
    m_videoTopPanel->setStretchFactor(1, 1);
    m_videoTopPanel->setSizes({393, 400});
    m_videoTopPanel->handle(1)->setObjectName(QStringLiteral("VerticalVideoSplitter"));
    connect(m_videoTopPanel, &QSplitter::splitterMoved, this,
            [this] { VerticalVideoSplitterMoved(); });

    m_queryResultIndex = new TQueryResultIndex(m_clipsSplitter);
    Name(m_queryResultIndex, QStringLiteral("QueryResultIndex"), tr("Clips"));
    m_queryResultIndex->OnSelectSituation = [this](TSituation* situation) {
        QueryResultIndexSelectSituation(situation);
    };
    m_clipsSplitter->addWidget(m_videoTopPanel);
    m_clipsSplitter->addWidget(m_queryResultIndex);
    m_clipsSplitter->setStretchFactor(1, 1);
    m_clipsSplitter->setSizes({258, 300});
    m_clipsSplitter->handle(1)->setObjectName(QStringLiteral("HorizontalVideoSplitter"));
    connect(m_clipsSplitter, &QSplitter::splitterMoved, this,
            [this] { HorizontalVideoSplitterMoved(); });
    return page;
}

QWidget* TQueryFrame::BuildListPage() {
    auto* page = new QWidget(this);
    Name(page, QStringLiteral("PageList"), tr("List"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* splitter = new QSplitter(Qt::Vertical, page);
    splitter->setHandleWidth(3);
    splitter->setChildrenCollapsible(false);
    layout->addWidget(splitter);
    m_generalProperties = new TIncrementalQueryView(splitter);
    Name(m_generalProperties, QStringLiteral("GeneralProperties"), tr("General properties"));
    m_generalProperties->Properties = kGeneralProperties;
    m_generalProperties->PropertiesSelection = TPropertiesSelection::psInclude;
    m_questionProperties = new TIncrementalQueryView(splitter);
    Name(m_questionProperties, QStringLiteral("QuestionProperties"), tr("Question properties"));
    m_questionProperties->Properties = kGeneralProperties;
    m_questionProperties->PropertiesSelection = TPropertiesSelection::psExclude;
    splitter->addWidget(m_generalProperties);
    splitter->addWidget(m_questionProperties);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({213, 300});
    splitter->handle(1)->setObjectName(QStringLiteral("Splitter10"));
    return page;
}

QWidget* TQueryFrame::BuildSelectorPanel(const QString& name, int height, const QString& stripName,
                                         const QString& first, const QString& second,
                                         TCategorySelectionComboBox*& primary,
                                         TCategorySelectionComboBox*& secondary,
                                         const QString& primaryName, const QString& secondaryName) {
    auto* panel = new QWidget;
    Name(panel, name);
    QHeaderView* strip = HeaderStrip({first, second}, 200, panel);
    Name(strip, stripName, first + " / " + second);
    // Only labels: it takes no clicks, but reads as clearly as the rest.
    strip->setAttribute(Qt::WA_TransparentForMouseEvents);
    strip->setFocusPolicy(Qt::NoFocus);
    const int stripHeight = strip->sizeHint().height();
    strip->setGeometry(0, 0, 400, stripHeight);
    primary = new TCategorySelectionComboBox(panel);
    Name(primary, primaryName, first);
    primary->CategorizationPriority = TCategorizationPriority::cpPrimary;
    primary->DefaultText = kNoCategorization;
    secondary = new TCategorySelectionComboBox(panel);
    Name(secondary, secondaryName, second);
    secondary->CategorizationPriority = TCategorizationPriority::cpSecondary;
    secondary->DefaultText = kNoCategorization;
    const int comboHeight = primary->sizeHint().height();
    primary->setGeometry(0, stripHeight, 204, comboHeight);
    secondary->setGeometry(200, stripHeight, 204, comboHeight);
    panel->setFixedHeight(std::max(height, stripHeight + comboHeight + 2));
    return panel;
}

QWidget* TQueryFrame::BuildTablePage() {
    auto* page = new QWidget(this);
    Name(page, QStringLiteral("PageTable"), tr("Table"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QWidget* panel = BuildSelectorPanel(
        QStringLiteral("Panel1"), 41, QStringLiteral("ListView2"), tr("Rows"), tr("Columns"),
        m_tablePrimaryCategory, m_tableSecondarySelection, QStringLiteral("TablePrimaryCategory"),
        QStringLiteral("TableSecondarySelection"));
    panel->setParent(page);
    layout->addWidget(panel);
    m_queryResultTable = new TQueryResultTable(page);
    Name(m_queryResultTable, QStringLiteral("QueryResultTable"), tr("Statistics table"));
    layout->addWidget(m_queryResultTable, 1);
    return page;
}

QWidget* TQueryFrame::BuildGraphPage() {
    auto* page = new QWidget(this);
    Name(page, QStringLiteral("PageGraph"), tr("Graph"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QWidget* panel =
        BuildSelectorPanel(QStringLiteral("GraphTopPanel"), 43, QStringLiteral("ListView1"),
                           tr("X-Axis"), tr("Z-Axis"), m_primaryCategory, m_secondaryCategory,
                           QStringLiteral("PrimaryCategory"), QStringLiteral("SecondaryCategory"));
    panel->setParent(page);
    layout->addWidget(panel);
    m_queryResultGraph = new TQueryResultGraphView(page);
    Name(m_queryResultGraph, QStringLiteral("QueryResultGraph"), tr("Graph"));
    layout->addWidget(m_queryResultGraph, 1);
    return page;
}

IQueryDefinitionView* TQueryFrame::GetDefinitionView(int index) {
    switch (index) {
    case 0:
        return m_primaryCategory;
    case 1:
        return m_secondaryCategory;
    case 2:
        return m_generalProperties;
    case 3:
        return m_questionProperties;
    case 5:
        return m_tablePrimaryCategory;
    case 6:
        return m_tableSecondarySelection;
    case 7:
        return m_queryResultTable;
    case 8:
        return m_queryResultGraph;
    default:
        return nullptr;
    }
}

IQueryResultView* TQueryFrame::GetResultView(int index) {
    switch (index) {
    case 0:
        return m_generalProperties;
    case 1:
        return m_questionProperties;
    case 2:
        return m_queryResultGraph;
    case 3:
        return m_queryResultTable;
    case 4:
        return m_queryResultIndex;
    default:
        return nullptr;
    }
}

void TQueryFrame::SetController(IQueryController* controller) {
    const QString product = controller->GetRepositoryController()->GetProductName();
    TVelRegistry settings(TVelRegistry::AdminRoot,
                          "Software\\Velmora\\" + product + "\\Repository\\Query");
    m_controller = controller;
    controller->AddMediaListener(m_queryResultIndex);
    const QStringList hidden = ReadHiddenColumns(settings.ReadString("HiddenColumnsDefault", ""));
    if (hidden.contains(QStringLiteral("Team"), Qt::CaseInsensitive)) {
        m_queryResultIndex->SetShowTeamColumns(false);
    }
    QStringList& general = m_generalProperties->Properties;
    for (const QString& item : hidden) {
        const auto found = std::find_if(general.begin(), general.end(), [&](const QString& name) {
            return name.compare(item, Qt::CaseInsensitive) == 0;
        });
        if (found != general.end()) {
            general.erase(found);
        }
    }
    if (m_mediaView) {
        m_queryResultIndex->SetMediaController(m_mediaView->GetController());
    }
}

void TQueryFrame::ShowPage(int page) {
    if (page == m_page) {
        return;
    }
    for (QWidget* widget : m_pages) {
        widget->hide();
    }
    if (page >= kPageClips && page <= kPageGraph) {
        m_pages[page - 1]->show();
    }
    m_page = page;
}

void TQueryFrame::QueryResultIndexSelectSituation(TSituation* situation) {
    if (!situation) {
        m_note->clear();
        return;
    }
    LoadNote(*m_note->document(), situation->Note());
}

QSize TQueryFrame::PictureSize() const {
    return {m_mediaDisplay->ImageSourceWidth(), m_mediaDisplay->ImageSourceHeight()};
}

void TQueryFrame::FitVideo(std::optional<TVideoZoom> zoom) {
    if (!zoom) {
        return; // no picture size is known while no video is open
    }
    const int total = m_clipsSplitter->sizes().value(0) + m_clipsSplitter->sizes().value(1);
    m_clipsSplitter->setSizes({zoom->topHeight, std::max(0, total - zoom->topHeight)});
    const int width = m_videoTopPanel->sizes().value(0) + m_videoTopPanel->sizes().value(1);
    m_videoTopPanel->setSizes({zoom->panelWidth, std::max(0, width - zoom->panelWidth)});
    m_mediaDisplay->SetZoomSize(zoom->zoom);
}

void TQueryFrame::VerticalVideoSplitterMoved() {
    FitVideo(ZoomToWidth(m_videoPanel->contentsRect().width(), PictureSize()));
}

void TQueryFrame::MediaDisplayOpenComplete() {
    VerticalVideoSplitterMoved();
}

void TQueryFrame::HorizontalVideoSplitterMoved() {
    FitVideo(ZoomToHeight(m_videoPanel->contentsRect().height(), PictureSize()));
}
