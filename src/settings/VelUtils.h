#pragma once
// Per-user settings by key path, and the time formatter of the status bar.

#include <QString>

// Throw std::runtime_error("RegistryPut: write error") when the value cannot be stored.
void RegistryPut(const QString& keyPath, const QString& name, const QString& value);
void RegistryPut(const QString& keyPath, const QString& name, int value);

// An absent key or value gives the default; a read creates nothing.
QString RegistryGet(const QString& keyPath, const QString& name, const QString& defaultValue);
int RegistryGet(const QString& keyPath, const QString& name, int defaultValue);

// The time of day of a day count as "h:mm:ss:zzz" with leading zero hours and a leading zero
// digit dropped: 3.2 s gives "0:03:200", 25 min "25:00:000", 12 h "12:00:00:000".
QString FormatMediaTime(double dayFraction);
