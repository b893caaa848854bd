#pragma once
// Date-time values: a double counting days, day 0 being 30 December 1899, the time of day
// being the fraction. Times of day are compared and bucketed in whole milliseconds.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kivdatetime {

constexpr std::int64_t kMsPerDay = 86'400'000;
constexpr double kSecondsPerDay = 86'400;
// One second as a day fraction.
constexpr double kSecond = 1 / kSecondsPerDay;

struct TDateTimeParts {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// Nothing if a part is out of range.
std::optional<double> Encode(const TDateTimeParts& parts);
TDateTimeParts Decode(double value);

// Reads up to six runs of digits as day, month, year (a year below 100 is in 2000 and
// later), hour, minute and second; anything between the runs separates them. Nothing if
// day, month or year is missing, a time is incomplete, or a part is out of range.
std::optional<double> Parse(std::string_view text);

// "dd-MM-yyyy hh:mm:ss".
std::string Format(double value);

// The whole value in milliseconds, rounded: the unit in which times are compared.
std::int64_t TotalMs(double value);

// The day of the value: the floor of the day count in whole milliseconds, so that the
// evening before day 0 is day -1.
std::int64_t DayNumber(double value);

// The time of day in whole milliseconds, rounded, in [0, kMsPerDay).
std::int64_t TimeOfDayMs(double value);

// A time of day in whole milliseconds as a day fraction.
inline double FromMs(std::int64_t ms) {
    return static_cast<double>(ms) / kMsPerDay;
}

} // namespace kivdatetime
