#include "RepositoryController.h"

#include "MatchStatFile.h"
#include "MediaFiles.h"

#include <QFileInfo>

#include <stdexcept>
#include <utility>

const QString TRepositoryController::kFileFilter =
    QStringLiteral("Velmora Media Index files (*.vmi)|*.vmi|Velmora Match files (*mch)|*.mch");
const QString TRepositoryController::kDefaultExtension = QStringLiteral("vmi");
const QString TRepositoryController::kNewDocumentName = QStringLiteral("New Document");

namespace {

const int kMaxCommandLinePath = 1000;

// The hourglass for one command; restored also when an error ends it.
class TBusy {
public:
    explicit TBusy(IBusyCursor& cursor) : m_cursor(cursor) { m_cursor.Begin(); }
    ~TBusy() { m_cursor.End(); }
    TBusy(const TBusy&) = delete;
    TBusy& operator=(const TBusy&) = delete;

private:
    IBusyCursor& m_cursor;
};

// The model keeps the name it is given; an absolute one still names the same file when the
// working folder changes, in the title and in the history.
QString Absolute(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

TRepositoryController::TRepositoryController(
    std::shared_ptr<IRepositoryModel> model, const std::shared_ptr<IAboutFactory>& aboutFactory,
    const std::shared_ptr<IHistoryFactory>& historyFactory,
    const std::shared_ptr<IOptionsFactory>& optionsFactory,
    const std::shared_ptr<IQueryFactory>& queryFactory,
    std::shared_ptr<IPresentationFactory> presentationFactory,
    std::shared_ptr<IAddClipToPresentationFactory> /*addClipFactory*/,
    std::shared_ptr<IMatchFactory> matchFactory, std::shared_ptr<IUserQuestions> questions,
    std::shared_ptr<IBusyCursor> busyCursor, QStringList arguments)
    : m_emptyDocument(std::make_unique<TMatchStatFile>()), m_questions(std::move(questions)),
      m_busyCursor(std::move(busyCursor)), m_arguments(std::move(arguments)) {
    m_aboutController = aboutFactory->CreateController();
    m_model = std::move(model);
    m_model->SetController(this);
    m_optionsController = optionsFactory->CreateController();
    m_queryController = queryFactory->CreateQueryController(this);
    m_presentationFactory = std::move(presentationFactory);
    m_historyController = historyFactory->CreateController(
        this, m_queryController->GetHistoryView(), m_queryController->GetSecondaryHistoryView());
    // The add-clip, presentation and match agents would come here; their factories have no
    // implementation in this system, so the agents stay absent.
    m_matchFactory = std::move(matchFactory);
}

TRepositoryController::~TRepositoryController() = default;

void TRepositoryController::Import() {
    const QString path = m_questions->OpenFileDialog(QStringLiteral("Import Velmora Media Index"),
                                                     kFileFilter, kDefaultExtension, QString());
    if (path.isEmpty()) {
        return;
    }
    // The import writes a backup beside the document and the document to its file, so a
    // document that has never been saved needs a real file first.
    if (m_model->GetState() == 1) {
        SaveAs();
        if (m_model->GetState() == 1) {
            return;
        }
    }
    TBusy busy(*m_busyCursor);
    m_model->Import(path);
    m_queryController->SetDocument(m_model->GetDocument());
}

int TRepositoryController::ShowOptions() {
    return m_optionsController->Execute();
}

void TRepositoryController::ShowAbout() {
    m_aboutController->Show();
}

void TRepositoryController::NewDocument() {
    if (!CloseDocument()) {
        return;
    }
    m_model->NewDocument(kNewDocumentName);
    ShowDocument();
}

void TRepositoryController::Open() {
    if (!QuerySaveChanges()) {
        return;
    }
    const QString path = m_questions->OpenFileDialog(QStringLiteral("Open Velmora Media Index"),
                                                     kFileFilter, kDefaultExtension, QString());
    if (path.isEmpty()) {
        return;
    }
    Load(path);
}

void TRepositoryController::OpenFile(const QString& path) {
    Load(path);
}

void TRepositoryController::Save() {
    TBusy busy(*m_busyCursor);
    if (m_model->GetState() == 1) {
        SaveAs();
    } else {
        m_model->Save();
    }
}

void TRepositoryController::SaveAs() {
    for (;;) {
        const QString path = m_questions->SaveFileDialog(QStringLiteral("Save Velmora Media Index"),
                                                         kFileFilter, kDefaultExtension, QString());
        if (path.isEmpty()) {
            return;
        }
        if (FileExists(path)) {
            const TQuestionAnswer answer = m_questions->Ask(
                TQuestionKind::Warning,
                QStringLiteral("A file with the name entered already exists. Overwrite?"),
                TQuestionButtons::YesNoCancel);
            if (answer == TQuestionAnswer::No) {
                continue;
            }
            if (answer != TQuestionAnswer::Yes) {
                return;
            }
        }
        {
            TBusy busy(*m_busyCursor);
            m_model->SaveAs(Absolute(path));
        }
        m_queryController->SetTitle(m_model->GetFileName());
        m_historyController->Add(m_model->GetFileName());
        return;
    }
}

bool TRepositoryController::CloseDocument() {
    if (!QuerySaveChanges()) {
        return false;
    }
    ShowEmptyDocument();
    m_model->Close();
    m_queryController->SetTitle(m_model->GetFileName());
    return true;
}

void TRepositoryController::OpenLastOrNew() {
    // A most recent file that no longer exists is reported and opens nothing; the user then
    // starts with a new document rather than with none at all.
    if (!m_historyController->OpenMostRecent() || !m_model->GetDocument()) {
        NewDocument();
    }
}

bool TRepositoryController::OpenFromCommandLine() {
    if (m_arguments.size() < 2) {
        return false;
    }
    const QString& argument = m_arguments[1];
    if (argument.left(2).toUpper() != QStringLiteral("-O")) {
        return false;
    }
    const QString path = argument.mid(2, kMaxCommandLinePath);
    if (!FileExists(path)) {
        return false;
    }
    Load(path);
    return true;
}

TMatchStatFile* TRepositoryController::GetDocument() {
    return m_model->GetDocument();
}

std::shared_ptr<IOptionsModel> TRepositoryController::GetOptionsModel() {
    return m_optionsController->GetModel();
}

QString TRepositoryController::GetProductName() {
    return m_aboutController->GetProductName();
}

std::shared_ptr<IAboutController> TRepositoryController::GetAboutController() {
    return m_aboutController;
}

int TRepositoryController::AddClipToPresentation(TSituation*) {
    throw std::runtime_error("No AddClipToPresentationAgent available.");
}

std::shared_ptr<IPresentationAgent> TRepositoryController::GetPresentationAgent() {
    return nullptr;
}

std::shared_ptr<IMatchAgent> TRepositoryController::GetMatchAgent() {
    return nullptr;
}

bool TRepositoryController::QuerySaveChanges() {
    if (!m_model->IsModified()) {
        return true;
    }
    switch (m_questions->Ask(TQuestionKind::Confirmation,
                             QStringLiteral("Save changes to the open document?"),
                             TQuestionButtons::YesNoCancel)) {
    case TQuestionAnswer::Yes:
        Save();
        // A cancelled Save As leaves the changes unsaved: the caller must not discard them.
        return !m_model->IsModified();
    case TQuestionAnswer::No:
        return true;
    default:
        return false;
    }
}

void TRepositoryController::Load(const QString& path) {
    TBusy busy(*m_busyCursor);
    // The model releases the old document before it asks its questions, and the window
    // repaints and plays on while they are open.
    ShowEmptyDocument();
    m_model->Open(Absolute(path));
    ShowDocument();
    m_historyController->Add(m_model->GetFileName());
}

void TRepositoryController::ShowEmptyDocument() {
    // A new result stops playback, so nothing plays from the old document either.
    m_queryController->SetDocument(m_emptyDocument.get());
}

void TRepositoryController::ShowDocument() {
    m_queryController->SetDocument(m_model->GetDocument());
    m_queryController->SetTitle(m_model->GetFileName());
}
