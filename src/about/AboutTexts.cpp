#include "AboutTexts.h"

#include <QDate>

QString AboutReleaseDate(const QLocale& locale) {
    return locale.toString(QDate(2007, 8, 1), QLocale::ShortFormat);
}

QString AboutCaption(IAboutController& controller) {
    return QStringLiteral("About Velmora %1").arg(controller.GetProductName());
}

QString AboutVersionLine(IAboutController& controller) {
    // One arg() call, so that a "%" inside a fact is not taken for a place marker.
    return QStringLiteral("Version %1 %2 (%3)")
        .arg(controller.GetVersion(), controller.GetVersionQualifier(),
             controller.GetReleaseDate());
}

QString AboutNotice(IAboutController& controller) {
    return QStringLiteral("Copyright \u00A9 %1 Velmora. All rights reserved.")
        .arg(controller.GetNoticeYears());
}
