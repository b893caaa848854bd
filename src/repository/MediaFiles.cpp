#include "MediaFiles.h"

#include <Agents.h>

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

std::optional<QString> FindMediaFile(const QString& path, const QString& mediaFolder) {
    if (FileExists(path)) {
        return path;
    }
    const QString inFolder = mediaFolder + FileNamePart(path);
    if (FileExists(inFolder)) {
        return inFolder;
    }
    return std::nullopt;
}

std::optional<QString> AskUntilFileExists(IUserQuestions* questions, QString path,
                                          const std::function<QString(const QString&)>& question) {
    while (!FileExists(path)) {
        if (!questions || questions->Ask(TQuestionKind::Confirmation, question(path),
                                         TQuestionButtons::YesNo) != TQuestionAnswer::Yes) {
            return std::nullopt;
        }
        path = questions->OpenFileDialog(QString(), QString(), QString(), path);
    }
    return path;
}
