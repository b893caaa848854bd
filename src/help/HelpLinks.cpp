#include "HelpLinks.h"

#include <QDir>
#include <QFileInfo>

bool IsHelpPage(const QUrl& url, const QString& helpFolder) {
    if (!url.isLocalFile() || helpFolder.isEmpty()) {
        return false;
    }
    const QString path = QDir::cleanPath(QFileInfo(url.toLocalFile()).absoluteFilePath());
    const QString folder = QDir::cleanPath(QFileInfo(helpFolder).absoluteFilePath()) + u'/';
    const QString suffix = QFileInfo(path).suffix().toLower();
    return path.startsWith(folder) && (suffix == u"htm" || suffix == u"html");
}

QUrl HelpAddress(const QString& pathOrUrl) {
    const QUrl url(pathOrUrl, QUrl::StrictMode);
    // A one-letter scheme is a drive letter, not a scheme.
    if (url.isValid() && url.scheme().size() > 1) {
        return url;
    }
    return QUrl::fromLocalFile(QFileInfo(pathOrUrl).absoluteFilePath());
}
