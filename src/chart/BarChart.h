#pragma once
// What the result graph needs of a bar chart: series of bars, each series with a title and
// drawn in its own depth row, each bar with a value and a label on the horizontal axis, and
// the click events. The content is plain data; TBarChartWidget draws it.

#include <QColor>
#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class TBarSeries {
public:
    explicit TBarSeries(QString title) : m_title(std::move(title)) {}

    const QString& Title() const { return m_title; }
    void AddBar(double value, const QString& label);
    int BarCount() const { return static_cast<int>(m_bars.size()); }
    double Value(int index) const { return m_bars.at(static_cast<std::size_t>(index)).value; }
    const QString& Label(int index) const {
        return m_bars.at(static_cast<std::size_t>(index)).label;
    }

private:
    struct TBar {
        double value;
        QString label;
    };
    QString m_title;
    std::vector<TBar> m_bars;
};

// The settings the chart is created with: no title, no legend, no zoom; light grey back wall,
// silver side and bottom walls, vertical labels on the horizontal axis.
struct TBarChartLook {
    QColor background{240, 240, 240};
    QColor backWall{240, 240, 240};
    QColor sideWalls{192, 192, 192};
    QColor valueMarks{192, 192, 192}; // the value marks' background
    int depthPercent = 30;
    int marginPercent = 1;
    int bottomLabelAngle = 270;
};

class TBarChart final : public QObject {
    Q_OBJECT
public:
    explicit TBarChart(QObject* parent = nullptr);
    ~TBarChart() override;

    void RemoveAllSeries();
    // The series is owned by the chart.
    TBarSeries& AddSeries(const QString& title);
    TBarSeries* FindSeries(const QString& title);
    int SeriesCount() const { return static_cast<int>(m_series.size()); }
    TBarSeries& Series(int index) { return *m_series.at(static_cast<std::size_t>(index)); }
    const TBarChartLook& Look() const { return m_look; }

    // Bars added since the last call are drawn; the view calls it when a rebuild is done.
    void Publish() { emit ContentChanged(); }

    // The two halves of a click: the bar under the pointer, then the release of the button
    // after the chart's own handling.
    void ClickBar(int seriesIndex, int barIndex);
    void ReleaseMouse();

signals:
    void ContentChanged();
    void BarClicked(int seriesIndex, int barIndex);
    void MouseReleased();

private:
    std::vector<std::unique_ptr<TBarSeries>> m_series;
    TBarChartLook m_look;
};
