#pragma once
// The help index and the state of the help pane. The open state is kept per user, with the
// administrator's "IsOpenDefault" as its default.

#include "Agents.h"

#include <QString>
#include <QStringList>

class THelpModel final : public IHelpModel {
public:
    // Reads the index; one that cannot be read leaves no topics and an empty folder.
    explicit THelpModel(const QString& indexPath);

    QString GetTopicFile(const QString& topic) override;
    int GetTopicCount() override;
    QString GetTopicFileAt(int index) override;
    QString GetTopicAt(int index) override;
    QString GetFirstTopic() override;
    void SetFollowContext(bool follow) override;
    bool GetFollowContext() override;
    void SetContext(const QString& name) override;
    QString GetContext() override;
    void SetIsOpen(bool open) override;
    bool GetIsOpen() override;
    QString GetFolder() override;
    QString GetLoadError() override;

private:
    void ReadIndex(const QString& indexPath);

    QStringList m_topics;
    QString m_folder;
    QString m_loadError;
    QString m_context;
    bool m_followContext = false;
    bool m_open = true;
};

// The lines of an index file: split at LF, CR LF or CR, nothing trimmed, an empty line kept;
// a last line break ends the last line rather than starting an empty one. UTF-8, or
// Windows-1252 where the bytes are not valid UTF-8.
QStringList HelpIndexLines(std::string bytes);
