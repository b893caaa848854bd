#pragma once
// How category labels write dates and times of day: the date separator of match dates and
// the time format of "Date", "From" and "To".

#include <QLocale>
#include <QString>

#include <cstdint>
#include <string>

class TLabelFormat {
public:
    // "/" and "HH:mm:ss": the fallback where a locale offers nothing, and what scripts get.
    TLabelFormat();
    // The separator of the locale's short date format and its long time format, without the
    // time zone: a time of day in a match video has none.
    static TLabelFormat FromLocale(const QLocale& locale = QLocale());
    static TLabelFormat Fixed() { return {}; }

    const std::string& DateSeparator() const { return m_dateSeparator; }
    const QString& TimeFormat() const { return m_timeFormat; }

    // The time-of-day part of a day count, in whole milliseconds, in the time format.
    std::string FormatTimeOfDay(double value) const;
    // The same for a time of day in milliseconds since midnight.
    std::string FormatTimeOfDayMs(std::int64_t ms) const;
    // The step of the times of day that the time format tells apart: a second, or a
    // millisecond where it shows fractions of a second.
    int TimeResolutionMs() const { return m_timeResolutionMs; }
    // Year, month and day of the date part of a day count, joined by the date separator.
    std::string FormatDate(double value) const;

private:
    QLocale m_locale;
    std::string m_dateSeparator;
    QString m_timeFormat;
    bool m_fixedTimeFormat = true;
    int m_timeResolutionMs = 1000;
};
