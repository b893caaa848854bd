#include "SnapshotNamer.h"

#include <QDir>
#include <QFileInfo>

TSnapshotNamer& TSnapshotNamer::Shared() {
    static TSnapshotNamer namer;
    return namer;
}

QString TSnapshotNamer::NextFileName(TAutoFileName scheme, const QString& folder,
                                     const QString& prefix, const QString& extension,
                                     const QDateTime& now) {
    const QString base = QDir(folder).filePath(prefix);
    if (scheme == TAutoFileName::fnDateTime) {
        return base + now.toString(QStringLiteral("yyMMdd_hhmmss_zzz")) + '.' + extension;
    }
    int& counter = m_counters[extension];
    if (counter == 0) {
        counter = HighestExisting(folder, prefix, extension);
    }
    QString name;
    do {
        ++counter;
        name = base + QStringLiteral("%1").arg(counter, 6, 10, QLatin1Char('0')) + '.' + extension;
        // The counter is shared across folders; never overwrite an earlier snapshot.
    } while (QFileInfo::exists(name));
    return name;
}

int TSnapshotNamer::HighestExisting(const QString& folder, const QString& prefix,
                                    const QString& extension) const {
    int highest = 0;
    const QStringList names =
        QDir(folder).entryList({prefix + QStringLiteral("*.") + extension}, QDir::Files);
    for (const QString& name : names) {
        // The number runs from after the prefix up to the first ".".
        const qsizetype dot = name.indexOf('.', prefix.size());
        bool ok = false;
        const int number = name.mid(prefix.size(), dot - prefix.size()).toInt(&ok);
        if (ok && number > highest) {
            highest = number;
        }
    }
    return highest;
}
