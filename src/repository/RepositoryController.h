#pragma once
// The document commands with their questions, and the hub that creates and hands out the
// About, options, query and history controllers.

#include "Agents.h"

#include <QString>
#include <QStringList>

#include <memory>

class TMatchStatFile;

class TRepositoryController final : public IRepositoryController {
public:
    static const QString kFileFilter;
    static const QString kDefaultExtension;
    static const QString kNewDocumentName;

    // Builds, in this order: the About controller, the registration with the model, the
    // options controller, the query controller (which creates the window) and the history
    // controller over the window's history views. The optional agent factories may be none;
    // no part of this system implements them, so no agent is ever created. arguments is the
    // program's command line, the program itself first.
    TRepositoryController(std::shared_ptr<IRepositoryModel> model,
                          const std::shared_ptr<IAboutFactory>& aboutFactory,
                          const std::shared_ptr<IHistoryFactory>& historyFactory,
                          const std::shared_ptr<IOptionsFactory>& optionsFactory,
                          const std::shared_ptr<IQueryFactory>& queryFactory,
                          std::shared_ptr<IPresentationFactory> presentationFactory,
                          std::shared_ptr<IAddClipToPresentationFactory> addClipFactory,
                          std::shared_ptr<IMatchFactory> matchFactory,
                          std::shared_ptr<IUserQuestions> questions,
                          std::shared_ptr<IBusyCursor> busyCursor, QStringList arguments);
    ~TRepositoryController() override;
    TRepositoryController(const TRepositoryController&) = delete;
    TRepositoryController& operator=(const TRepositoryController&) = delete;

    // The title and the history stay. A document that was never saved is saved under a name
    // first; without one, nothing is imported.
    void Import() override;
    int ShowOptions() override;
    void ShowAbout() override;
    void NewDocument() override;
    void Open() override;
    void OpenFile(const QString& path) override;
    void Save() override;
    void SaveAs() override;
    bool CloseDocument() override;
    // Also creates a new document when the most recent file could not be opened.
    void OpenLastOrNew() override;
    bool OpenFromCommandLine() override;
    TMatchStatFile* GetDocument() override;
    std::shared_ptr<IOptionsModel> GetOptionsModel() override;
    QString GetProductName() override;
    std::shared_ptr<IAboutController> GetAboutController() override;
    int AddClipToPresentation(TSituation* situation) override;
    std::shared_ptr<IPresentationAgent> GetPresentationAgent() override;
    std::shared_ptr<IMatchAgent> GetMatchAgent() override;

private:
    // Answers whether the caller may go on: nothing unsaved, saved, or the user said No.
    bool QuerySaveChanges();
    void Load(const QString& path);
    // The window lets go of the open document before the model releases or replaces it.
    void ShowEmptyDocument();
    void ShowDocument();

    // Declared first, destroyed last: the query window's statistics point into these.
    std::shared_ptr<IRepositoryModel> m_model;
    std::unique_ptr<TMatchStatFile> m_emptyDocument;

    std::shared_ptr<IUserQuestions> m_questions;
    std::shared_ptr<IBusyCursor> m_busyCursor;
    QStringList m_arguments;
    std::shared_ptr<IAboutController> m_aboutController;
    std::shared_ptr<IOptionsController> m_optionsController;
    std::shared_ptr<IQueryController> m_queryController;
    std::shared_ptr<IPresentationFactory> m_presentationFactory;
    std::shared_ptr<IMatchFactory> m_matchFactory;
    std::shared_ptr<IHistoryController> m_historyController;
};
