#pragma once
// The one open media index with its file name and state. It repairs what it loads (scenes of
// missing situations, match videos that moved) and imports other media indexes into it.

#include "Agents.h"

#include <QString>

#include <functional>
#include <memory>

class TMatchStatFile;

class TRepositoryModel final : public IRepositoryModel {
public:
    static constexpr int kStateNone = 0;
    static constexpr int kStateNew = 1;
    static constexpr int kStateStored = 2;

    explicit TRepositoryModel(std::shared_ptr<IUserQuestions> questions);
    ~TRepositoryModel() override;

    void NewDocument(const QString& name) override;
    // A failed open leaves no document; file name and state stay as they were. A relocated
    // video that cannot be saved does not fail the open: the user is told, and the document
    // stays modified.
    void Open(const QString& path) override;
    // Save, SaveAs and Import throw "No media index is open." without a document.
    void Save() override;
    void SaveAs(const QString& path) override;
    void Close() override;
    // Backs up, merges and saves. If the merge or the save fails, everything the merge added is
    // taken out again (identifiers it used are not handed out again); if the file cannot be
    // loaded, the document is left as it was. Either way the Modified flag is restored.
    void Import(const QString& path) override;
    TMatchStatFile* GetDocument() override;
    bool IsModified() override;
    QString GetFileName() override;
    int GetState() override;
    void SetController(IRepositoryController* controller) override;

    // The first free "<file>_backup_<n>.vmi", n counting from 1.
    static QString BackupName(const QString& fileName);

private:
    TMatchStatFile& OpenDocument() const;
    void WriteToFile();
    void CheckScenes();
    void LocateMediaFiles();
    // Saves relocated videos; tells the user, naming the first of them, and answers false
    // when that fails.
    bool SaveRelocation(const QString& video);
    // Calls beforeAsking before the first question to the user.
    bool LocateMediaFile(QString& path, const std::function<void()>& beforeAsking);
    QString MediaFolder() const;

    std::shared_ptr<IUserQuestions> m_questions;
    IRepositoryController* m_controller = nullptr; // owns the model
    std::unique_ptr<TMatchStatFile> m_document;
    QString m_fileName;
    int m_state = kStateNone;
};
