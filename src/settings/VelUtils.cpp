#include "VelUtils.h"

#include "SettingsFile.h"

#include <cmath>
#include <stdexcept>

namespace {

const char* const PutError = "RegistryPut: write error";

void Put(const QString& keyPath, const QString& name, const QVariant& value) {
    if (!TSettingsFile(TSettingsFile::UserFileName(), keyPath).Write(name, value)) {
        throw std::runtime_error(PutError);
    }
}

constexpr long long MillisecondsPerDay = 86'400'000;

} // namespace

void RegistryPut(const QString& keyPath, const QString& name, const QString& value) {
    Put(keyPath, name, value);
}

void RegistryPut(const QString& keyPath, const QString& name, int value) {
    Put(keyPath, name, value);
}

QString RegistryGet(const QString& keyPath, const QString& name, const QString& defaultValue) {
    return TSettingsFile(TSettingsFile::UserFileName(), keyPath)
        .ReadText(name)
        .value_or(defaultValue);
}

int RegistryGet(const QString& keyPath, const QString& name, int defaultValue) {
    return TSettingsFile(TSettingsFile::UserFileName(), keyPath)
        .ReadInteger(name)
        .value_or(defaultValue);
}

QString FormatMediaTime(double dayFraction) {
    // Whole milliseconds, so that 10 minutes is exactly 600 s and never 599.999 s. The time of
    // day of a negative day count is that of its absolute value, as for dates before day 0;
    // infinities and NaN show as midnight rather than as garbage.
    long long ms = 0;
    if (std::isfinite(dayFraction)) {
        const double timeOfDay = std::fmod(std::fabs(dayFraction), 1.0);
        ms = std::llround(timeOfDay * MillisecondsPerDay) % MillisecondsPerDay;
    }
    QString text = QStringLiteral("%1:%2:%3:%4")
                       .arg(ms / 3'600'000, 2, 10, QLatin1Char('0'))
                       .arg(ms / 60'000 % 60, 2, 10, QLatin1Char('0'))
                       .arg(ms / 1000 % 60, 2, 10, QLatin1Char('0'))
                       .arg(ms % 1000, 3, 10, QLatin1Char('0'));
    if (text.startsWith(QLatin1String("00:"))) {
        text.remove(0, 3);
    }
    if (text.startsWith(QLatin1Char('0'))) {
        text.remove(0, 1);
    }
    return text;
}
