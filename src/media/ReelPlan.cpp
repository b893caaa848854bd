#include "ReelPlan.h"

#include "KivDateTime.h"
#include "LabelFormat.h"
#include "Match.h"
#include "MediaFiles.h"
#include "UntStatistics.h"

#include <QStringList>

#include <map>

namespace {

QString Caption(const TSituation& situation, std::int64_t startMs, std::int64_t endMs) {
    const TLabelFormat format = TLabelFormat::Fixed();
    QStringList parts;
    auto add = [&parts](std::string_view text) {
        if (!text.empty()) {
            parts << QString::fromUtf8(text);
        }
    };
    add(situation.Text());
    if (const TTeam* team = situation.Team()) {
        add(team->Text());
    }
    if (const auto* match = dynamic_cast<const TMatch*>(situation.Owner())) {
        add(match->Name());
    }
    parts << QString::fromStdString(format.FormatTimeOfDayMs(startMs)) + u'\u2013' +
                 QString::fromStdString(format.FormatTimeOfDayMs(endMs));
    return parts.join(QStringLiteral(" \u00b7 "));
}

std::optional<QString> FindVideo(const TSituation& situation, const QString& mediaFolder) {
    const auto* match = dynamic_cast<const TMatch*>(situation.Owner());
    if (!match) {
        return std::nullopt;
    }
    return FindMediaFile(QString::fromStdString(match->VideoFilename()), mediaFolder);
}

QString VideoNameOf(const TSituation& situation) {
    const auto* match = dynamic_cast<const TMatch*>(situation.Owner());
    return match ? QString::fromStdString(match->VideoFilename()) : QString();
}

} // namespace

TReelSelection PlanReel(const TSituationSet& set, const QString& mediaFolder,
                        const TVideoLength& videoLength) {
    TReelSelection selection;
    std::map<QString, std::optional<std::int64_t>> lengths; // each video is read once
    for (int i = 0; i < set.SortedCount(); ++i) {
        const TSituation& situation = *set.SortedItem(i);
        const std::int64_t startMs = kivdatetime::TimeOfDayMs(situation.StartingTime());
        const std::int64_t endMs = kivdatetime::TimeOfDayMs(situation.EndingTime());
        const QString caption = Caption(situation, startMs, endMs);
        const QString name = QStringLiteral("situation %1 (%2)")
                                 .arg(QString::fromStdString(situation.Id()), caption);
        auto skip = [&](const QString& why) {
            selection.skipped.push_back({QStringLiteral("Skipped %1: %2.").arg(name, why)});
        };
        if (endMs <= startMs) {
            skip(QStringLiteral("its end is not after its start"));
            continue;
        }
        const std::optional<QString> video = FindVideo(situation, mediaFolder);
        if (!video) {
            skip(QStringLiteral("its video \"%1\" was not found").arg(VideoNameOf(situation)));
            continue;
        }
        auto known = lengths.find(*video);
        if (known == lengths.end()) {
            known = lengths.emplace(*video, videoLength(*video)).first;
        }
        if (!known->second) {
            skip(QStringLiteral("its video \"%1\" cannot be read").arg(*video));
            continue;
        }
        if (startMs >= *known->second) {
            skip(QStringLiteral("it starts after the end of its video \"%1\"").arg(*video));
            continue;
        }
        selection.plan.clips.push_back(
            {*video, startMs, std::min(endMs, *known->second) - startMs, caption});
    }
    return selection;
}

namespace {

QString CueTime(std::int64_t ms) {
    return QStringLiteral("%1:%2:%3.%4")
        .arg(ms / 3'600'000, 2, 10, QChar(u'0'))
        .arg(ms / 60'000 % 60, 2, 10, QChar(u'0'))
        .arg(ms / 1000 % 60, 2, 10, QChar(u'0'))
        .arg(ms % 1000, 3, 10, QChar(u'0'));
}

} // namespace

QString ReelChapters(const TReelPlan& plan) {
    QString text = QStringLiteral("WEBVTT\n");
    std::int64_t at = 0;
    int number = 0;
    for (const TReelClip& clip : plan.clips) {
        // A cue's text ends at the first empty line and may not hold "-->".
        QString caption = clip.caption;
        caption.replace(QStringLiteral("-->"), QStringLiteral("->"));
        caption.replace(u'\n', u' ').replace(u'\r', u' ');
        text += QStringLiteral("\n%1\n%2 --> %3\n%4\n")
                    .arg(++number)
                    .arg(CueTime(at), CueTime(at + clip.durationMs), caption);
        at += clip.durationMs;
    }
    return text;
}
