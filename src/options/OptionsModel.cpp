#include "OptionsModel.h"

#include "VelUtils.h"

namespace {

const QString OptionsKey = QStringLiteral("Software\\Velmora\\Clipwise\\Repository\\Options\\");
const QString MediaFolderValue = QStringLiteral("Media Folder");

QString WithClosingSeparator(QString folder) {
    if (!folder.isEmpty() && !folder.endsWith(u'/')) {
        folder += u'/';
    }
    return folder;
}

} // namespace

TOptionsModel::TOptionsModel(const QString& programFolder)
    : m_mediaFolder(RegistryGet(OptionsKey, MediaFolderValue,
                                WithClosingSeparator(programFolder) + QStringLiteral("Media/"))) {}

void TOptionsModel::SetMediaFolder(const QString& folder) {
    m_mediaFolder = WithClosingSeparator(folder);
    RegistryPut(OptionsKey, MediaFolderValue, m_mediaFolder);
}

QString TOptionsModel::GetMediaFolder() {
    return m_mediaFolder;
}
