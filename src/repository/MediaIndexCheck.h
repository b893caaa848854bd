#pragma once
// Finds what would make a media index misbehave in the viewer: scenes of missing situations,
// situations without a team of their match, unreadable date-times, duplicate identifiers, a
// "NextId" below the highest "Id", and match videos that cannot be found.

#include <QString>

#include <string>
#include <vector>

// One line per problem, in document order; none for a sound file. A video counts as found at
// its own path or, by its file-name part, in mediaFolder. Throws EKivXmlError when the file
// cannot be read or is not a well-formed media index.
std::vector<std::string> CheckMediaIndex(const std::string& path, const QString& mediaFolder);
