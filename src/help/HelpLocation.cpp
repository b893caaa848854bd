#include "HelpLocation.h"

#include <QDir>
#include <QFileInfo>

QString FindHelpIndex(const QString& programFolder) {
    const QDir folder(programFolder);
    const QString beside = QDir::cleanPath(folder.filePath(QStringLiteral("Help/index.txt")));
    const QString installed =
        QDir::cleanPath(folder.filePath(QStringLiteral("../share/clipwise/Help/index.txt")));
    if (!QFileInfo(beside).isFile() && QFileInfo(installed).isFile()) {
        return installed;
    }
    return beside;
}
