#include "MediaFiles.h"

#include <QFileInfo>

QString FileNamePart(const QString& path) {
    qsizetype last = -1;
    for (QChar delimiter : {u'\\', u'/', u':'}) {
        last = std::max(last, path.lastIndexOf(delimiter));
    }
    return path.mid(last + 1);
}

bool FileExists(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}
