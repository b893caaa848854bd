#pragma once
// Paths of match videos. Documents written on Windows name them as "D:\Video\final.avi", so
// the file-name part of a path is what follows the last "\", "/" or ":" on every platform.

#include <QString>

#include <functional>
#include <optional>

class IUserQuestions;

QString FileNamePart(const QString& path);

// Whether path names an existing file; a folder is not one, and the empty path names nothing.
bool FileExists(const QString& path);

// Where a match video is looked for: at its path, else under its file name in the media
// folder. The existing file, or none.
std::optional<QString> FindMediaFile(const QString& path, const QString& mediaFolder);

// Asks the user until path names an existing file. Each round asks question(path) with Yes and
// No; Yes opens a file dialog preset to path whose choice (the empty path when cancelled) is
// the next candidate. The existing file, or none when the user answers No or there is nobody
// to ask (questions is none).
std::optional<QString> AskUntilFileExists(IUserQuestions* questions, QString path,
                                          const std::function<QString(const QString&)>& question);
