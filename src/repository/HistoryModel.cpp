#include "HistoryModel.h"

#include "CommaText.h"
#include "VelUtils.h"

#include <stdexcept>
#include <string>

namespace {

const QString kFilesValue = QStringLiteral("Files");

} // namespace

THistoryModel::THistoryModel(const QString& productName, int maxCount)
    : m_keyPath(KeyPath(productName)), m_maxCount(maxCount) {
    try {
        m_paths = ReadCommaText(RegistryGet(m_keyPath, kFilesValue, QString()));
    } catch (const std::exception&) {
        // A value of another type, written by someone else, is no list.
        m_paths.clear();
    }
}

QString THistoryModel::KeyPath(const QString& productName) {
    return QStringLiteral("Software\\Velmora\\") + productName +
           QStringLiteral("\\Repository\\History\\");
}

void THistoryModel::Add(const QString& path) {
    // File names are case-sensitive here: two spellings are two files.
    m_paths.removeOne(path);
    m_paths.prepend(path);
    // One entry only, so that a longer list written by another program shrinks step by step.
    if (m_paths.size() > m_maxCount) {
        m_paths.removeLast();
    }
    RegistryPut(m_keyPath, kFilesValue, WriteCommaText(m_paths));
}

int THistoryModel::Count() {
    return static_cast<int>(m_paths.size());
}

QString THistoryModel::Get(int index) {
    if (index < 0 || index >= m_paths.size()) {
        throw std::out_of_range("No entry " + std::to_string(index) + " in the history.");
    }
    return m_paths[index];
}
