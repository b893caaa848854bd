#pragma once
// The texts of the About box, built from the controller's facts, and the release date that the
// composition root hands to the model factory.

#include "Agents.h"

#include <QLocale>
#include <QString>

// 1 August 2007 in the locale's short date format.
QString AboutReleaseDate(const QLocale& locale = QLocale());

// "About Velmora Clipwise"
QString AboutCaption(IAboutController& controller);
// "Version 2.5.1 <qualifier> (<release date>)"; an empty qualifier leaves two blanks.
QString AboutVersionLine(IAboutController& controller);
// The one-line notice with the years text and the maker.
QString AboutNotice(IAboutController& controller);
