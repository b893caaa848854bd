#pragma once
// The media folder, kept per user in the settings store.

#include "Agents.h"

#include <QString>

class TOptionsModel final : public IOptionsModel {
public:
    // Reads the stored folder; without one, the Media folder beside the program.
    explicit TOptionsModel(const QString& programFolder);

    // Adds the closing separator and stores the folder; throws when it cannot be stored, in
    // which case the model keeps the new folder all the same.
    void SetMediaFolder(const QString& folder) override;
    QString GetMediaFolder() override;

private:
    QString m_mediaFolder;
};
