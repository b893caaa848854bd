#include "QueryController.h"

TQueryController::TQueryController(
    IRepositoryController* repositoryController, const std::shared_ptr<IHelpFactory>& helpFactory,
    const std::shared_ptr<IQueryResultCoordinatorFactory>& resultFactory,
    const std::shared_ptr<IQueryDefinitionCoordinatorFactory>& definitionFactory,
    const std::shared_ptr<IQueryViewFactory>& viewFactory, std::shared_ptr<IQueryModel> queryModel)
    : m_repositoryController(repositoryController), m_queryModel(std::move(queryModel)) {
    m_view = viewFactory->CreateQueryView();
    // The definition views register as definition observers first, the result model after
    // them, so that it is told last.
    m_definitionCoordinator = definitionFactory->CreateCoordinator(this, m_view);
    m_resultCoordinator = resultFactory->CreateCoordinator(this, m_view);
    if (helpFactory) {
        m_helpAgent = helpFactory->CreateHelp(m_view->GetHelpView());
    }
    // Last: the window registers its media and help listeners from here.
    m_view->SetController(this);
}

TQueryController::~TQueryController() {
    m_helpAgent.reset();
    // The result model leaves the definition model through this controller and the
    // definition coordinator, so the result side goes first.
    m_resultCoordinator.reset();
    m_definitionCoordinator.reset();
}

void TQueryController::ShowHelp() {
    if (m_helpAgent) {
        m_helpAgent->Open();
    }
}

void TQueryController::HideHelp() {
    if (m_helpAgent) {
        m_helpAgent->Close();
    }
}

bool TQueryController::IsHelpVisible() {
    return m_helpAgent && m_helpAgent->IsVisible();
}

void TQueryController::SetHelpContext(const QString& context) {
    if (m_helpAgent) {
        m_helpAgent->SetContext(context);
    }
}

void TQueryController::SetDocument(TMatchStatFile* document) {
    try {
        m_queryModel->SetDocument(document);
    } catch (...) {
        // The old statistics are gone; the coordinators must not keep showing them. They take
        // the empty query model before the error goes on to the caller.
        m_resultCoordinator->SetQueryModel(*m_queryModel);
        m_definitionCoordinator->SetQueryModel(*m_queryModel);
        throw;
    }
    // The result model takes the new statistics before the rebuilt definition reaches it.
    m_resultCoordinator->SetQueryModel(*m_queryModel);
    m_definitionCoordinator->SetQueryModel(*m_queryModel);
}

void TQueryController::RecountCategories(IQueryDefinitionModel& definition) {
    m_resultCoordinator->RecountCategories(definition);
}

void TQueryController::AddDefinitionObserver(IQueryDefinitionObserver* observer) {
    m_definitionCoordinator->AddObserver(observer);
}

void TQueryController::RemoveDefinitionObserver(IQueryDefinitionObserver* observer) {
    if (m_definitionCoordinator) {
        m_definitionCoordinator->RemoveObserver(observer);
    }
}

void TQueryController::AddHelpListener(IHelpListener* listener) {
    if (m_helpAgent) {
        m_helpAgent->AddListener(listener);
    }
}

void TQueryController::RemoveHelpListener(IHelpListener* listener) {
    if (m_helpAgent) {
        m_helpAgent->RemoveListener(listener);
    }
}

std::shared_ptr<IOptionsModel> TQueryController::GetOptionsModel() {
    return m_repositoryController->GetOptionsModel();
}

int TQueryController::AddClipToPresentation(TSituation* situation) {
    return m_repositoryController->AddClipToPresentation(situation);
}

void TQueryController::AddMediaListener(IMediaListener* listener) {
    if (std::shared_ptr<IMediaController> media = m_resultCoordinator->GetMediaController()) {
        media->AddListener(listener);
    }
}
