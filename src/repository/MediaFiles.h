#pragma once
// Paths of match videos. Documents written on Windows name them as "D:\Video\final.avi", so
// the file-name part of a path is what follows the last "\", "/" or ":" on every platform.

#include <QString>

QString FileNamePart(const QString& path);

// Whether path names an existing file; a folder is not one, and the empty path names nothing.
bool FileExists(const QString& path);
