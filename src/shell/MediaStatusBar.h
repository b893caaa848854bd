#pragma once
// The main window's status bar: playback time, total time, current clip, number of clips, wind
// speed and the filter as readable text, each in a panel as wide as its text.

#include "Agents.h"

#include <QStatusBar>

#include <array>
#include <memory>

class QLabel;

class TMediaStatusBar final : public QStatusBar,
                              public IMediaListener,
                              public IQueryDefinitionView,
                              public IQueryDefinitionObserver {
    Q_OBJECT
public:
    enum TPanel { CurrentTime, TotalTime, CurrentClip, ClipCount, WindSpeed, Filter, PanelCount };

    explicit TMediaStatusBar(QWidget* parent = nullptr);
    // Leaves the definition model, so that it never tells a destroyed status bar.
    ~TMediaStatusBar() override;

    // The text of a panel, with the blank before and after it.
    QString PanelText(int panel) const;
    QLabel* Panel(int panel) const;

    // A non-empty hint hides the panels and fills the bar; the empty hint brings them back.
    void ShowHint(const QString& hint);

    void ClipChanged(int index, int count) override;
    void TimeChanged(double position, double length) override;
    void WindSpeedChanged(double step) override;
    void AudioChanged(bool mute, int volume) override;

    void SetDefinitionModel(std::shared_ptr<IQueryDefinitionModel> definition) override;
    std::shared_ptr<IQueryDefinitionModel> GetDefinitionModel() override { return m_definition; }
    void SetDefinitionController(IQueryDefinitionController* controller) override;

    void DefinitionRebuilt(IQueryDefinitionModel& definition) override;
    void SelectionChanged(IQueryDefinitionModel& definition) override;
    void CategoriesChanged(IQueryDefinitionModel& definition) override;

private:
    void SetPanel(int panel, const QString& text);
    void ShowFilter(IQueryDefinitionModel* definition);

    std::array<QLabel*, PanelCount> m_panels{};
    std::shared_ptr<IQueryDefinitionModel> m_definition;
};

// "Filter: P = A OR B AND Q = C" for the selected values of the definition; the empty text
// when nothing is selected.
QString FilterText(IQueryDefinitionModel& definition);

// A playback duration as hours, minutes and seconds, "h:mm:ss": hours go on past 24 and no
// time of day or AM/PM is involved. Negative and non-finite values read as 0:00:00.
QString FormatDuration(double days);
