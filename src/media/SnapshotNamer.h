#pragma once
// Names of snapshot files: a time stamp, or a running number per extension that continues
// after the highest number already in the folder.

#include <QDateTime>
#include <QString>

#include <map>

enum class TAutoFileName { fnSequential, fnDateTime };

class TSnapshotNamer {
public:
    // The counters every player component shares.
    static TSnapshotNamer& Shared();

    // folder/prefix + stamp + "." + extension. A sequential name never names a file that
    // already exists.
    QString NextFileName(TAutoFileName scheme, const QString& folder, const QString& prefix,
                         const QString& extension, const QDateTime& now);

private:
    int HighestExisting(const QString& folder, const QString& prefix,
                        const QString& extension) const;

    std::map<QString, int> m_counters; // by extension
};
