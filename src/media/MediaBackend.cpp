#include "MediaBackend.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>

TMediaBackendCheck CheckMediaBackend() {
    const QString wanted = qEnvironmentVariable("QT_MEDIA_BACKEND");
    for (const QString& path : QCoreApplication::libraryPaths()) {
        const QDir folder(path + QStringLiteral("/multimedia"));
        for (const QString& file : folder.entryList(QDir::Files)) {
            QPluginLoader loader(folder.filePath(file));
            const QJsonArray keys = loader.metaData()
                                        .value(QStringLiteral("MetaData"))
                                        .toObject()
                                        .value("Keys")
                                        .toArray();
            if (keys.isEmpty() || (!wanted.isEmpty() && !keys.contains(wanted))) {
                continue;
            }
            if (loader.load()) {
                return {true, QString()};
            }
        }
    }
    return {false,
            QStringLiteral("Qt Multimedia has no usable media backend on this platform.\n"
                           "Install the packages libqt6multimedia6, gstreamer1.0-plugins-base, "
                           "gstreamer1.0-plugins-good and gstreamer1.0-libav, then start the "
                           "program again.")};
}
