#pragma once
// Draws a TBarChart in three dimensions with Q3DBars of Qt DataVisualization: the chart's
// series are the rows of one bar series (titles as row labels, in depth), the bar labels the
// columns. Each bar's value is written above it; with more bars than can be read, only the
// selected bar's. A click selects a bar; the chart hears the bar and then the release.
// Without OpenGL the widget says that the 3D graph needs it.

#include <QWidget>

class QLabel;
class TBarChart;

class Q3DBars;
class QBar3DSeries;

class TBarChartWidget final : public QWidget {
    Q_OBJECT
public:
    // Above this many bars the values are shown on the selected bar alone.
    static constexpr int kMaxValueMarks = 200;

    TBarChartWidget(TBarChart& chart, QWidget* parent = nullptr);
    ~TBarChartWidget() override;

    // False where no OpenGL context could be made; the widget then shows a notice.
    bool HasGraph() const { return m_graph != nullptr; }
    // The 3D graph, for rendering to an image; none without OpenGL.
    Q3DBars* Graph() const { return m_graph; }
    // The row and column labels drawn, and the values as drawn (rows of columns).
    QStringList RowLabels() const { return m_rowLabels; }
    QStringList ColumnLabels() const { return m_columnLabels; }
    int ValueMarkCount() const { return m_valueMarks; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Redraw();
    void BarSelected(const QPoint& position);
    void FinishClick();

    TBarChart* m_chart;
    Q3DBars* m_graph = nullptr;
    QBar3DSeries* m_series = nullptr;
    QLabel* m_notice = nullptr;
    QStringList m_rowLabels;
    QStringList m_columnLabels;
    int m_valueMarks = 0;
    bool m_pressed = false;
    bool m_selectedSincePress = false;
    bool m_releasePending = false;
};
