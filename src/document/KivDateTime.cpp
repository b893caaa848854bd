#include "KivDateTime.h"

#include <cmath>
#include <cstdio>

namespace kivdatetime {
namespace {

// Days since 1 January 1970 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2));
}

const std::int64_t kEpoch = DaysFromCivil(1899, 12, 30);

bool IsLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

} // namespace

std::optional<double> Encode(const TDateTimeParts& p) {
    if (p.year < 1 || p.year > 9999 || p.month < 1 || p.month > 12 || p.day < 1 ||
        p.day > DaysInMonth(p.year, p.month) || p.hour < 0 || p.hour > 23 || p.minute < 0 ||
        p.minute > 59 || p.second < 0 || p.second > 59 || p.millisecond < 0 ||
        p.millisecond > 999) {
        return std::nullopt;
    }
    const auto days = static_cast<double>(DaysFromCivil(p.year, p.month, p.day) - kEpoch);
    const std::int64_t ms = ((p.hour * 60LL + p.minute) * 60 + p.second) * 1000 + p.millisecond;
    return days + static_cast<double>(ms) / kMsPerDay;
}

TDateTimeParts Decode(double value) {
    const std::int64_t days = DayNumber(value);
    std::int64_t ms = TimeOfDayMs(value);
    TDateTimeParts p;
    CivilFromDays(days + kEpoch, p.year, p.month, p.day);
    p.millisecond = static_cast<int>(ms % 1000);
    ms /= 1000;
    p.second = static_cast<int>(ms % 60);
    ms /= 60;
    p.minute = static_cast<int>(ms % 60);
    p.hour = static_cast<int>(ms / 60);
    return p;
}

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Up to six runs of digits, separated by anything else; -1 for a number that is not there.
void ScanNumbers(std::string_view text, int (&numbers)[6]) {
    std::size_t pos = 0;
    for (int& n : numbers) {
        while (pos < text.size() && !IsDigit(text[pos])) {
            ++pos;
        }
        if (pos == text.size()) {
            break;
        }
        long long v = 0;
        while (pos < text.size() && IsDigit(text[pos])) {
            v = v < 100000 ? v * 10 + (text[pos] - '0') : v; // stays out of range, no overflow
            ++pos;
        }
        n = static_cast<int>(v);
    }
}

// The six numbers of the form every written file has, "dd-mm-yyyy hh:mm:ss" with any
// separators, read from their places: what ScanNumbers reads from such a text, for less, as
// a load reads the times of every situation. False for any other form.
bool ReadWrittenForm(std::string_view text, int (&numbers)[6]) {
    static constexpr std::size_t kStart[6] = {0, 3, 6, 11, 14, 17};
    static constexpr std::size_t kLength[6] = {2, 2, 4, 2, 2, 2};
    if (text.size() != 19) {
        return false;
    }
    for (std::size_t separator : {2, 5, 10, 13, 16}) {
        if (IsDigit(text[separator])) {
            return false;
        }
    }
    for (int i = 0; i < 6; ++i) {
        int v = 0;
        for (std::size_t k = kStart[i]; k < kStart[i] + kLength[i]; ++k) {
            if (!IsDigit(text[k])) {
                return false;
            }
            v = v * 10 + (text[k] - '0');
        }
        numbers[i] = v;
    }
    return true;
}

} // namespace

std::optional<double> Parse(std::string_view text) {
    int numbers[6] = {-1, -1, -1, -1, -1, -1};
    if (!ReadWrittenForm(text, numbers)) {
        ScanNumbers(text, numbers);
    }
    TDateTimeParts p;
    p.day = numbers[0];
    p.month = numbers[1];
    p.year = numbers[2] >= 0 && numbers[2] < 100 ? numbers[2] + 2000 : numbers[2];
    if (numbers[3] >= 0) {
        p.hour = numbers[3];
        p.minute = numbers[4];
        p.second = numbers[5];
    }
    return Encode(p);
}

std::string Format(double value) {
    const TDateTimeParts p = Decode(value);
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%02d-%02d-%04d %02d:%02d:%02d", p.day, p.month, p.year,
                  p.hour, p.minute, p.second);
    return buffer;
}

std::int64_t TotalMs(double value) {
    return std::llround(value * kMsPerDay);
}

std::int64_t DayNumber(double value) {
    return FloorDiv(TotalMs(value), kMsPerDay);
}

std::int64_t TimeOfDayMs(double value) {
    const std::int64_t total = TotalMs(value);
    return total - DayNumber(value) * kMsPerDay;
}

} // namespace kivdatetime
