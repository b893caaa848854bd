#include "BarChartWidget.h"

#include "BarChart.h"

#include <Q3DBars>
#include <Q3DCamera>
#include <Q3DInputHandler>
#include <Q3DScene>
#include <Q3DTheme>
#include <QBar3DSeries>
#include <QBarDataProxy>
#include <QCategory3DAxis>
#include <QCustom3DLabel>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QValue3DAxis>

#include <cmath>

namespace {

// The graph sizes its labels in the scene by the font's point size: at the theme's 12 points
// they are unreadable at the window's first size.
constexpr double kLabelPointSize = 56;

} // namespace

TBarChartWidget::TBarChartWidget(TBarChart& chart, QWidget* parent)
    : QWidget(parent), m_chart(&chart) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto graph = std::make_unique<Q3DBars>();
    if (!graph->hasContext()) {
        m_notice = new QLabel(tr("The 3D graph needs OpenGL, which is not available here."), this);
        m_notice->setObjectName(QStringLiteral("GraphNotice"));
        m_notice->setAlignment(Qt::AlignCenter);
        m_notice->setWordWrap(true);
        layout->addWidget(m_notice);
        return;
    }
    m_graph = graph.release();
    const TBarChartLook& look = chart.Look();
    Q3DTheme* theme = m_graph->activeTheme();
    theme->setType(Q3DTheme::ThemeQt);
    theme->setWindowColor(look.background);
    theme->setBackgroundColor(look.sideWalls);
    theme->setLabelBackgroundColor(look.valueMarks);
    theme->setLabelBorderEnabled(false);
    theme->setGridEnabled(true);
    QFont font = theme->font();
    font.setPointSizeF(kLabelPointSize);
    theme->setFont(font);
    m_graph->setShadowQuality(QAbstract3DGraph::ShadowQualityNone);
    m_graph->setSelectionMode(QAbstract3DGraph::SelectionItem);
    m_graph->setMargin(look.marginPercent / 100.0);
    m_graph->setMultiSeriesUniform(false);
    // Depth of the rows relative to the width of the columns.
    m_graph->setBarSpacing(QSizeF(0.2, 1.0 - look.depthPercent / 100.0));
    if (auto* input = qobject_cast<Q3DInputHandler*>(m_graph->activeInputHandler())) {
        input->setZoomEnabled(false);
    }
    m_graph->scene()->activeCamera()->setCameraPosition(-25, 20, 100);
    m_graph->columnAxis()->setLabelAutoRotation(90);
    m_graph->rowAxis()->setLabelAutoRotation(30);
    m_graph->valueAxis()->setLabelFormat(QStringLiteral("%d"));
    m_graph->valueAxis()->setMin(0);

    m_series = new QBar3DSeries;
    m_series->setItemLabelFormat(QStringLiteral("@rowLabel, @colLabel: @valueLabel"));
    m_series->setMesh(QAbstract3DSeries::MeshBar);
    m_graph->addSeries(m_series);
    connect(m_series, &QBar3DSeries::selectedBarChanged, this, &TBarChartWidget::BarSelected);
    m_graph->installEventFilter(this);

    QWidget* container = QWidget::createWindowContainer(m_graph, this);
    container->setObjectName(QStringLiteral("GraphContainer"));
    container->setFocusPolicy(Qt::StrongFocus);
    container->setMinimumSize(100, 100);
    layout->addWidget(container);
    connect(m_chart, &TBarChart::ContentChanged, this, &TBarChartWidget::Redraw);
}

// The container owns the window and with it the graph.
TBarChartWidget::~TBarChartWidget() = default;

void TBarChartWidget::Redraw() {
    m_rowLabels.clear();
    m_columnLabels.clear();
    for (int s = 0; s < m_chart->SeriesCount(); ++s) {
        TBarSeries& series = m_chart->Series(s);
        m_rowLabels << series.Title();
        for (int b = 0; b < series.BarCount(); ++b) {
            if (!m_columnLabels.contains(series.Label(b))) {
                m_columnLabels << series.Label(b);
            }
        }
    }
    auto* rows = new QBarDataArray;
    rows->reserve(m_rowLabels.size());
    double maximum = 0;
    for (int s = 0; s < m_chart->SeriesCount(); ++s) {
        TBarSeries& series = m_chart->Series(s);
        auto* row = new QBarDataRow(m_columnLabels.size());
        for (int b = 0; b < series.BarCount(); ++b) {
            const int column = static_cast<int>(m_columnLabels.indexOf(series.Label(b)));
            (*row)[column].setValue(static_cast<float>(series.Value(b)));
            maximum = std::max(maximum, series.Value(b));
        }
        rows->append(row);
    }
    m_graph->clearSelection();
    m_series->dataProxy()->resetArray(rows, m_rowLabels, m_columnLabels);
    // Whole numbers on the value axis, with room above the highest bar for its mark.
    int top = static_cast<int>(std::ceil(std::max(1.0, maximum * 1.15)));
    if (top > 10) {
        top = (top + 4) / 5 * 5;
    }
    m_graph->valueAxis()->setSegmentCount(top > 10 ? 5 : top);
    m_graph->valueAxis()->setSubSegmentCount(1);
    m_graph->valueAxis()->setRange(0, static_cast<float>(top));

    for (QCustom3DItem* item : m_graph->customItems()) {
        m_graph->releaseCustomItem(item);
        delete item;
    }
    int bars = 0;
    for (int s = 0; s < m_chart->SeriesCount(); ++s) {
        bars += m_chart->Series(s).BarCount();
    }
    m_valueMarks = 0;
    if (bars > kMaxValueMarks) {
        return; // the selected bar's item label shows its value
    }
    QFont font = m_graph->activeTheme()->font();
    font.setBold(true);
    const float lift = static_cast<float>(std::max(1.0, maximum) * 0.06);
    for (int s = 0; s < m_chart->SeriesCount(); ++s) {
        TBarSeries& series = m_chart->Series(s);
        for (int b = 0; b < series.BarCount(); ++b) {
            const float column = static_cast<float>(m_columnLabels.indexOf(series.Label(b)));
            auto* mark =
                new QCustom3DLabel(QString::number(series.Value(b)), font,
                                   QVector3D(column, static_cast<float>(series.Value(b)) + lift,
                                             static_cast<float>(s)),
                                   QVector3D(1, 1, 1), QQuaternion());
            mark->setFacingCamera(true);
            mark->setBorderEnabled(false);
            m_graph->addCustomItem(mark);
            ++m_valueMarks;
        }
    }
}

bool TBarChartWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_graph) {
        if (event->type() == QEvent::MouseButtonPress) {
            m_pressed = true;
            m_selectedSincePress = false;
            m_releasePending = false;
        } else if (event->type() == QEvent::MouseButtonRelease && m_pressed) {
            m_pressed = false;
            // The graph finds the bar under the pointer when it next renders, which may come
            // after the release; the click then ends once the bar is known.
            if (m_selectedSincePress) {
                QTimer::singleShot(0, this, &TBarChartWidget::FinishClick);
            } else {
                m_releasePending = true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TBarChartWidget::BarSelected(const QPoint& position) {
    if (position == QBar3DSeries::invalidSelectionPosition()) {
        return;
    }
    const int row = position.x();
    const int column = position.y();
    if (row < 0 || row >= m_chart->SeriesCount() || column < 0 || column >= m_columnLabels.size()) {
        return;
    }
    TBarSeries& series = m_chart->Series(row);
    for (int b = 0; b < series.BarCount(); ++b) {
        if (series.Label(b) == m_columnLabels[column]) {
            m_chart->ClickBar(row, b);
            break;
        }
    }
    m_selectedSincePress = true;
    // The selection is reported while the graph renders; the toggles that follow rebuild its
    // data, which must wait until the frame is done.
    if (m_releasePending) {
        m_releasePending = false;
        QTimer::singleShot(0, this, &TBarChartWidget::FinishClick);
    }
}

void TBarChartWidget::FinishClick() {
    m_releasePending = false;
    m_selectedSincePress = false;
    m_chart->ReleaseMouse();
    // So that a second click on the same bar selects it, and toggles, again.
    if (m_graph) {
        m_graph->clearSelection();
    }
}
