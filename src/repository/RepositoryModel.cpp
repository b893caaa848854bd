#include "RepositoryModel.h"

#include "MatchStatFile.h"
#include "MediaFiles.h"
#include "UntMergeManager.h"

#include <QFileInfo>

#include <stdexcept>
#include <utility>

namespace {

const char* const kNoDocument = "No media index is open.";

QString Quoted(const QString& text) {
    return u'"' + text + u'"';
}

std::string Utf8(const QString& text) {
    return text.toStdString();
}

void TruncateTo(TKivXmlElements& collection, int count) {
    while (collection.Count() > count) {
        collection.Remove(collection.Items(collection.Count() - 1));
    }
}

} // namespace

TRepositoryModel::TRepositoryModel(std::shared_ptr<IUserQuestions> questions)
    : m_questions(std::move(questions)) {}

TRepositoryModel::~TRepositoryModel() = default;

void TRepositoryModel::NewDocument(const QString& name) {
    Close();
    m_document = std::make_unique<TMatchStatFile>();
    m_fileName = name;
    m_state = kStateNew;
}

void TRepositoryModel::Open(const QString& path) {
    const QString previousFileName = m_fileName;
    const int previousState = m_state;
    m_document.reset();
    try {
        m_document = std::make_unique<TMatchStatFile>();
        m_document->LoadFromFile(Utf8(path));
        m_fileName = path;
        CheckScenes();
        m_state = kStateStored;
        LocateMediaFiles();
    } catch (...) {
        // Nothing half-loaded stays behind for a later save to write.
        m_document.reset();
        m_fileName = previousFileName;
        m_state = previousState;
        throw;
    }
}

void TRepositoryModel::Save() {
    WriteToFile();
    m_state = kStateStored;
}

void TRepositoryModel::SaveAs(const QString& path) {
    OpenDocument();
    const QString previousFileName = std::exchange(m_fileName, path);
    try {
        Save();
    } catch (...) {
        // The document was not written there, so it still belongs to its old file.
        m_fileName = previousFileName;
        throw;
    }
}

void TRepositoryModel::Close() {
    m_document.reset();
    m_fileName.clear();
}

void TRepositoryModel::Import(const QString& path) {
    TMatchStatFile& document = OpenDocument();
    const bool wasModified = document.Modified();
    document.SaveToFile(Utf8(BackupName(m_fileName)));
    auto imported = std::make_unique<TMatchStatFile>();
    try {
        imported->LoadFromFile(Utf8(path));
    } catch (...) {
        // Untouched, but its unsaved changes are still not in its own file.
        document.SetModified(wasModified);
        throw;
    }
    // A merge only appends to these four collections, so taking off what it appended undoes
    // it. The document object itself stays, because the query window still shows it.
    const int situationDscrs = document.SituationFile()->Situations().Count();
    const int teamDscrs = document.ActorFile()->Teams().Count();
    const int matches = document.Matches().Count();
    const int presentations = document.Presentations().Count();
    try {
        TMergeManager merger(document);
        merger.SelectAll(*imported);
        merger.Merge(*imported);
        WriteToFile();
    } catch (...) {
        // Never leave a half-merged document behind for a later save to write.
        TruncateTo(document.SituationFile()->Situations(), situationDscrs);
        TruncateTo(document.ActorFile()->Teams(), teamDscrs);
        TruncateTo(document.Matches(), matches);
        TruncateTo(document.Presentations(), presentations);
        document.SetModified(wasModified);
        throw;
    }
    imported.reset();
    LocateMediaFiles();
}

TMatchStatFile* TRepositoryModel::GetDocument() {
    return m_document.get();
}

bool TRepositoryModel::IsModified() {
    return m_document && m_document->Modified();
}

QString TRepositoryModel::GetFileName() {
    return m_fileName;
}

int TRepositoryModel::GetState() {
    return m_state;
}

void TRepositoryModel::SetController(IRepositoryController* controller) {
    m_controller = controller;
}

QString TRepositoryModel::BackupName(const QString& fileName) {
    for (int n = 1;; ++n) {
        const QString name =
            fileName + QStringLiteral("_backup_") + QString::number(n) + QStringLiteral(".vmi");
        // A dangling link counts as taken too: nothing that exists is overwritten.
        const QFileInfo info(name);
        if (!info.exists() && !info.isSymLink()) {
            return name;
        }
    }
}

TMatchStatFile& TRepositoryModel::OpenDocument() const {
    if (!m_document) {
        throw std::runtime_error(kNoDocument);
    }
    return *m_document;
}

void TRepositoryModel::WriteToFile() {
    OpenDocument().SaveToFile(Utf8(m_fileName));
}

void TRepositoryModel::CheckScenes() {
    int count = 0;
    for (TPresentation* presentation : m_document->Presentations()) {
        TPresentation_Scenes& scenes = presentation->Scenes();
        for (int i = 0; i < scenes.Count();) {
            TScene* scene = scenes.Items(i);
            if (scene->Situation()) {
                ++i;
            } else {
                scenes.Remove(scene);
                ++count;
            }
        }
    }
    if (count == 0) {
        return;
    }
    const QString text = QStringLiteral("The media index ") + Quoted(m_fileName) +
                         QStringLiteral(" that You just opened contained ") +
                         QStringLiteral("errors that have been corrected (") +
                         QString::number(count) + QStringLiteral(" scenes showing missing ") +
                         QStringLiteral("situations have been deleted). Would You like to save "
                                        "the corrected media index?");
    if (m_questions->Ask(TQuestionKind::Confirmation, text, TQuestionButtons::YesNo) ==
            TQuestionAnswer::Yes &&
        m_controller) {
        m_controller->SaveAs();
    }
}

void TRepositoryModel::LocateMediaFiles() {
    TMatchStatFile_Matches& matches = m_document->Matches();
    // Relocations are written together, once before the user is asked about another video and
    // once at the end of the pass: the file on disk is up to date whenever the user sees it,
    // and an archive of a thousand moved videos is not written a thousand times.
    QString unsavedVideo;
    bool saveFailed = false;
    const auto saveRelocations = [&] {
        if (!unsavedVideo.isEmpty() && !saveFailed) {
            // One notice is enough: the next save would fail for the same reason.
            saveFailed = !SaveRelocation(unsavedVideo);
        }
        unsavedVideo.clear();
    };
    for (int i = 0; i < matches.Count();) {
        TMatch* match = matches.Items(i);
        const QString original = QString::fromStdString(match->VideoFilename());
        QString path = original;
        if (LocateMediaFile(path, saveRelocations)) {
            if (path != original) {
                match->SetVideoFilename(Utf8(path));
                if (unsavedVideo.isEmpty()) {
                    unsavedVideo = path;
                }
            }
            ++i;
        } else {
            // Out of this session, but not out of the file: every later write keeps the match
            // as it was. The match that moves up into position i is looked at next.
            matches.SetAside(match);
        }
    }
    saveRelocations();
}

bool TRepositoryModel::SaveRelocation(const QString& video) {
    try {
        WriteToFile();
        return true;
    } catch (const std::exception& e) {
        // The document stays open with the new location unsaved; the user may save it elsewhere.
        m_questions->Ask(TQuestionKind::Warning,
                         QStringLiteral("The new location of the media file ") + Quoted(video) +
                             QStringLiteral(" could not be saved. ") +
                             QString::fromStdString(e.what()),
                         TQuestionButtons::Ok);
        return false;
    }
}

bool TRepositoryModel::LocateMediaFile(QString& path, const std::function<void()>& beforeAsking) {
    const QString folder = MediaFolder();
    if (const std::optional<QString> found = FindMediaFile(path, folder)) {
        path = *found;
        return true;
    }
    // The question names the file where it should have been.
    path = folder + FileNamePart(path);
    beforeAsking();
    const std::optional<QString> located =
        AskUntilFileExists(m_questions.get(), path, [this](const QString& candidate) {
            return QStringLiteral("The Media Index indexes the media file ") + Quoted(candidate) +
                   QStringLiteral(" ") +
                   QStringLiteral("that could not be found. Would You like to "
                                  "specify a new location? If you do not ") +
                   QStringLiteral(
                       "specify a location, the media file will not be available from this "
                       "media index.") +
                   QStringLiteral("\n\r\n\r") +
                   QStringLiteral(
                       "To ensure that media files are always available, please move them ") +
                   QStringLiteral("to the media folder (") + MediaFolder() + QStringLiteral(")");
        });
    if (!located) {
        return false;
    }
    path = *located;
    return true;
}

QString TRepositoryModel::MediaFolder() const {
    // Read afresh each time: the user may change the option while a question is open.
    if (!m_controller) {
        return QString();
    }
    std::shared_ptr<IOptionsModel> options = m_controller->GetOptionsModel();
    return options ? options->GetMediaFolder() : QString();
}
