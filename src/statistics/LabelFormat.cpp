#include "LabelFormat.h"

#include "KivDateTime.h"

#include <QTime>

#include <cstdio>

namespace {

const char* const kFixedTimeFormat = "HH:mm:ss";

bool IsFieldLetter(QChar c) {
    return c.isLetter();
}

// The characters between the first two fields of a date format, without blanks; empty when
// the format separates its fields by blanks only.
std::string SeparatorOf(const QString& dateFormat) {
    int i = 0;
    while (i < dateFormat.size() && !IsFieldLetter(dateFormat[i])) {
        ++i;
    }
    while (i < dateFormat.size() && IsFieldLetter(dateFormat[i])) {
        ++i;
    }
    QString separator;
    while (i < dateFormat.size() && !IsFieldLetter(dateFormat[i]) && dateFormat[i] != u'\'') {
        separator.append(dateFormat[i]);
        ++i;
    }
    return separator.trimmed().toStdString();
}

// The format without its unquoted fields of one letter (quoted text stays as written).
QString WithoutField(const QString& timeFormat, QChar letter) {
    QString result;
    bool quoted = false;
    for (QChar c : timeFormat) {
        if (c == u'\'') {
            quoted = !quoted;
        } else if (!quoted && c == letter) {
            continue;
        }
        result.append(c);
    }
    return result;
}

// Drops the time zone fields ("t" runs) and the blanks they leave.
QString WithoutTimeZone(const QString& timeFormat) {
    return WithoutField(timeFormat, u't').simplified();
}

bool ShowsMilliseconds(const QString& timeFormat) {
    return WithoutField(timeFormat, u'z') != timeFormat;
}

} // namespace

TLabelFormat::TLabelFormat()
    : m_locale(QLocale::c()), m_dateSeparator("/"), m_timeFormat(kFixedTimeFormat) {}

TLabelFormat TLabelFormat::FromLocale(const QLocale& locale) {
    TLabelFormat format;
    format.m_locale = locale;
    std::string separator = SeparatorOf(locale.dateFormat(QLocale::ShortFormat));
    if (!separator.empty()) {
        format.m_dateSeparator = std::move(separator);
    }
    QString timeFormat = WithoutTimeZone(locale.timeFormat(QLocale::LongFormat));
    if (!timeFormat.isEmpty()) {
        format.m_timeFormat = std::move(timeFormat);
    }
    format.m_fixedTimeFormat = format.m_timeFormat == QLatin1String(kFixedTimeFormat);
    format.m_timeResolutionMs = ShowsMilliseconds(format.m_timeFormat) ? 1 : 1000;
    return format;
}

std::string TLabelFormat::FormatTimeOfDay(double value) const {
    return FormatTimeOfDayMs(kivdatetime::TimeOfDayMs(value));
}

std::string TLabelFormat::FormatTimeOfDayMs(std::int64_t ms) const {
    if (m_fixedTimeFormat) {
        // The common format, written without a trip through QLocale.
        const auto seconds = static_cast<int>(ms / 1000);
        char text[16];
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60,
                      seconds % 60);
        return text;
    }
    return m_locale.toString(QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)), m_timeFormat)
        .toStdString();
}

std::string TLabelFormat::FormatDate(double value) const {
    const kivdatetime::TDateTimeParts parts = kivdatetime::Decode(value);
    char year[8];
    char month[4];
    char day[4];
    std::snprintf(year, sizeof year, "%04d", parts.year);
    std::snprintf(month, sizeof month, "%02d", parts.month);
    std::snprintf(day, sizeof day, "%02d", parts.day);
    return year + m_dateSeparator + month + m_dateSeparator + day;
}
