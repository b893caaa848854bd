#include "MediaStatusBar.h"

#include "VelUtils.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>
#include <cmath>

namespace {

constexpr int InitialPanelWidth = 50;
// Room for the panel's frame beside its text.
constexpr int PanelMargin = 10;

const char* const PanelNames[] = {"CurrentTimePanel", "TotalTimePanel", "CurrentClipPanel",
                                  "ClipCountPanel",   "WindSpeedPanel", "FilterPanel"};
const char* const PanelAccessibleNames[] = {"Current time",    "Total time", "Current clip",
                                            "Number of clips", "Wind speed", "Filter"};

} // namespace

QString FilterText(IQueryDefinitionModel& definition) {
    const int propertyCount = definition.GetSelectedPropertyCount();
    if (propertyCount <= 0) {
        return {};
    }
    QString text = QStringLiteral("Filter: ");
    for (int i = 0; i < propertyCount; ++i) {
        const auto property = definition.GetSelectedProperty(i);
        if (i > 0) {
            text += QStringLiteral(" AND ");
        }
        text += property->GetName() + QStringLiteral(" = ");
        const int valueCount = property->GetSelectedValueCount();
        for (int j = 0; j < valueCount; ++j) {
            if (j > 0) {
                text += QStringLiteral(" OR ");
            }
            text += property->GetSelectedValue(j)->GetText();
        }
    }
    return text;
}

QString FormatDuration(double days) {
    // Whole milliseconds first, so that 102 s stored as 101.99999 s still reads 0:01:42.
    // A million days is beyond any video and keeps the milliseconds far inside their type.
    long long ms = 0;
    if (std::isfinite(days) && days > 0) {
        ms = std::llround(std::min(days, 1e6) * 86'400'000.0);
    }
    const long long seconds = ms / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

TMediaStatusBar::TMediaStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("MediaStatusBar"));
    setAccessibleName(QStringLiteral("Status bar"));
    setSizeGripEnabled(false);
    for (int i = 0; i < PanelCount; ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QLatin1String(PanelNames[i]));
        panel->setAccessibleName(QLatin1String(PanelAccessibleNames[i]));
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFixedWidth(InitialPanelWidth);
        addWidget(panel);
        m_panels[i] = panel;
    }
}

TMediaStatusBar::~TMediaStatusBar() {
    if (m_definition) {
        m_definition->RemoveObserver(this);
    }
}

QString TMediaStatusBar::PanelText(int panel) const {
    return m_panels.at(panel)->text();
}

QLabel* TMediaStatusBar::Panel(int panel) const {
    return m_panels.at(panel);
}

void TMediaStatusBar::ShowHint(const QString& hint) {
    // QStatusBar hides its normal widgets while a message shows.
    if (hint.isEmpty()) {
        clearMessage();
    } else {
        showMessage(hint);
    }
}

void TMediaStatusBar::SetPanel(int panel, const QString& text) {
    QLabel* label = m_panels.at(panel);
    const QString padded = QLatin1Char(' ') + text + QLatin1Char(' ');
    label->setText(padded);
    label->setFixedWidth(label->fontMetrics().horizontalAdvance(padded) + PanelMargin);
}

void TMediaStatusBar::ClipChanged(int index, int count) {
    SetPanel(CurrentClip, index < 0 ? QStringLiteral("Current clip:")
                                    : QStringLiteral("Current clip: %1").arg(index + 1));
    SetPanel(ClipCount, QStringLiteral("No of clips: %1").arg(count));
}

void TMediaStatusBar::TimeChanged(double position, double length) {
    SetPanel(CurrentTime, QStringLiteral("Current time: ") + FormatDuration(position));
    SetPanel(TotalTime, QStringLiteral("Total time: ") + FormatDuration(length));
}

void TMediaStatusBar::WindSpeedChanged(double step) {
    SetPanel(WindSpeed, QStringLiteral("Wind speed: ") + FormatMediaTime(step));
}

void TMediaStatusBar::AudioChanged(bool, int) {}

void TMediaStatusBar::SetDefinitionModel(std::shared_ptr<IQueryDefinitionModel> definition) {
    if (definition == m_definition) {
        ShowFilter(m_definition.get());
        return;
    }
    if (m_definition) {
        m_definition->RemoveObserver(this);
    }
    m_definition = std::move(definition);
    if (m_definition) {
        m_definition->AddObserver(this);
    }
    ShowFilter(m_definition.get());
}

void TMediaStatusBar::SetDefinitionController(IQueryDefinitionController*) {}

void TMediaStatusBar::DefinitionRebuilt(IQueryDefinitionModel& definition) {
    ShowFilter(&definition);
}

void TMediaStatusBar::SelectionChanged(IQueryDefinitionModel& definition) {
    ShowFilter(&definition);
}

void TMediaStatusBar::CategoriesChanged(IQueryDefinitionModel&) {}

void TMediaStatusBar::ShowFilter(IQueryDefinitionModel* definition) {
    SetPanel(Filter, definition ? FilterText(*definition) : QString());
}
