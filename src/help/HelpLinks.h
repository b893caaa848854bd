#pragma once
// Which addresses the help pane shows itself and which go to the desktop's browser.

#include <QString>
#include <QUrl>

// A local .htm or .html file below the help folder; a missing page there counts as well, so
// that the pane says it is missing. Fragments and queries do not matter.
bool IsHelpPage(const QUrl& url, const QString& helpFolder);

// A path as the controller passes it, or a URL with a scheme, as an address.
QUrl HelpAddress(const QString& pathOrUrl);
