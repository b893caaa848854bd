#include "HelpModel.h"

#include "VelRegistry.h"
#include "VelUtils.h"
#include "XmlEncoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString HelpKey = QStringLiteral("Software\\Velmora\\Clipwise\\Repository\\Help");
const QString IsOpenValue = QStringLiteral("IsOpen");
const QString IsOpenDefaultValue = QStringLiteral("IsOpenDefault");

} // namespace

QStringList HelpIndexLines(std::string bytes) {
    const QString text = QString::fromStdString(xml::DecodeToUtf8(std::move(bytes)));
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' || text[i] == u'\r') {
            lines.append(text.mid(start, i - start));
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < text.size()) {
        lines.append(text.mid(start));
    }
    return lines;
}

THelpModel::THelpModel(const QString& indexPath) {
    const int openDefault =
        TVelRegistry(TVelRegistry::AdminRoot, HelpKey).ReadInteger(IsOpenDefaultValue, 1);
    m_open = RegistryGet(HelpKey, IsOpenValue, openDefault) != 0;
    ReadIndex(indexPath);
}

void THelpModel::ReadIndex(const QString& indexPath) {
    QFile file(indexPath);
    if (QFileInfo(indexPath).isFile() && file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        if (file.error() == QFileDevice::NoError) {
            try {
                m_topics = HelpIndexLines(bytes.toStdString());
                m_folder = QFileInfo(indexPath).absolutePath();
                if (!m_folder.endsWith(u'/')) {
                    m_folder += u'/';
                }
                return;
            } catch (const std::exception&) {
                // An encoding the index cannot be read in: as if it were missing.
            }
        }
    }
    m_topics.clear();
    m_loadError = QStringLiteral("Error loading help index: \"%1\".").arg(indexPath);
}

QString THelpModel::GetTopicFile(const QString& topic) {
    // Topics address subfolders with "\" as the index was written on Windows.
    return m_folder + QString(topic).replace(u'\\', u'/') + QStringLiteral(".htm");
}

int THelpModel::GetTopicCount() {
    return static_cast<int>(m_topics.size());
}

QString THelpModel::GetTopicFileAt(int index) {
    return GetTopicFile(GetTopicAt(index));
}

QString THelpModel::GetTopicAt(int index) {
    return m_topics.value(index);
}

QString THelpModel::GetFirstTopic() {
    return m_topics.value(0);
}

void THelpModel::SetFollowContext(bool follow) {
    m_followContext = follow;
}

bool THelpModel::GetFollowContext() {
    return m_followContext;
}

void THelpModel::SetContext(const QString& name) {
    m_context = name;
}

QString THelpModel::GetContext() {
    return m_context;
}

void THelpModel::SetIsOpen(bool open) {
    if (open == m_open) {
        return;
    }
    m_open = open;
    RegistryPut(HelpKey, IsOpenValue, open ? 1 : 0);
}

bool THelpModel::GetIsOpen() {
    return m_open;
}

QString THelpModel::GetFolder() {
    return m_folder;
}

QString THelpModel::GetLoadError() {
    return m_loadError;
}
