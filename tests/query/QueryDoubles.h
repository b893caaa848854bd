#pragma once
// Recording doubles of the interfaces around the query controller: the window with its
// definition and result views, the media factory and controller, the help factory and agent,
// and the repository controller. Each writes what it is told into one shared log.

#include "Agents.h"
#include "IdleMediaController.h"
#include "UntStatistics.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

using TLog = std::vector<std::string>;

class TDefinitionViewDouble final : public IQueryDefinitionView, public IQueryDefinitionObserver {
public:
    // A view that does not observe only keeps the model, as the graph does.
    TDefinitionViewDouble(TLog& log, std::string name, bool observes = true)
        : m_log(&log), m_name(std::move(name)), m_observes(observes) {}
    // Leaves the model, as every view does when it is destroyed.
    ~TDefinitionViewDouble() override { Release(); }
    void Release() {
        if (m_definition && m_observes) {
            m_definition->RemoveObserver(this);
        }
        m_definition.reset();
    }
    void SetDefinitionModel(std::shared_ptr<IQueryDefinitionModel> definition) override {
        Log("SetDefinitionModel");
        m_definition = std::move(definition);
        if (m_observes) {
            m_definition->AddObserver(this);
        }
    }
    std::shared_ptr<IQueryDefinitionModel> GetDefinitionModel() override { return m_definition; }
    void SetDefinitionController(IQueryDefinitionController* controller) override {
        Log("SetDefinitionController");
        m_controller = controller;
    }
    void DefinitionRebuilt(IQueryDefinitionModel&) override { Log("DefinitionRebuilt"); }
    void SelectionChanged(IQueryDefinitionModel&) override {
        Log("SelectionChanged");
        if (onSelectionChanged) {
            onSelectionChanged();
        }
    }
    void CategoriesChanged(IQueryDefinitionModel&) override { Log("CategoriesChanged"); }
    IQueryDefinitionController* Controller() const { return m_controller; }
    std::function<void()> onSelectionChanged;

private:
    void Log(const std::string& what) { m_log->push_back(m_name + ":" + what); }
    TLog* m_log;
    std::string m_name;
    bool m_observes;
    std::shared_ptr<IQueryDefinitionModel> m_definition;
    IQueryDefinitionController* m_controller = nullptr;
};

class TResultViewDouble final : public IQueryResultView, public IQueryResultObserver {
public:
    TResultViewDouble(TLog& log, std::string name) : m_log(&log), m_name(std::move(name)) {}
    ~TResultViewDouble() override {
        if (m_model) {
            m_model->RemoveObserver(this);
        }
    }
    void SetResultModel(std::shared_ptr<IQueryResultModel> model) override {
        Log("SetResultModel");
        m_model = std::move(model);
        m_model->AddObserver(this);
    }
    std::shared_ptr<IQueryResultModel> GetResultModel() override { return m_model; }
    void QueryModelChanged(IQueryModel&) override { Log("QueryModelChanged"); }
    void SetMediaController(std::shared_ptr<IMediaController>) override {}
    void ClipInserted(TSituation*, int) override {}
    void ClipDeleted(TSituation*, int) override {}
    void ClipUpdated(TSituation*, int) override {}
    void ResultChanged(IQueryResultModel& model) override {
        Log("ResultChanged " + std::to_string(model.GetSituationSet().Count()));
        if (onResultChanged) {
            onResultChanged();
        }
    }
    std::function<void()> onResultChanged;
    void SortChanged(IQueryResultModel&) override { Log("SortChanged"); }
    void ClipMovedDown(int) override {}
    void ClipMovedUp(int) override {}

private:
    void Log(const std::string& what) { m_log->push_back(m_name + ":" + what); }
    TLog* m_log;
    std::string m_name;
    std::shared_ptr<IQueryResultModel> m_model;
};

class TMediaViewDouble final : public IMediaView {
public:
    void SetFileName(const QString&) override {}
    QString GetFileName() override { return {}; }
    void SetPosition(double) override {}
    double GetPosition() override { return 0; }
    double GetDuration() override { return 0; }
    void Play() override {}
    void Pause() override {}
    void Stop() override {}
    int GetVolume() override { return 0; }
    void SetVolume(int) override {}
    bool GetMute() override { return false; }
    void SetMute(bool) override {}
    std::shared_ptr<IMediaController> GetController() override { return nullptr; }
    void SetController(std::shared_ptr<IMediaController>) override {}
    void SetFullScreen(bool) override {}
    bool GetFullScreen() override { return false; }
};

// Logs what the query side tells it: the result (with the set's size) and the query model.
class TMediaControllerDouble final : public TIdleMediaController, public IQueryResultController {
public:
    TMediaControllerDouble(TLog& log, IMediaView* view) : m_log(&log), m_view(view) {}
    IMediaView* View() const { return m_view; }

    void ResultChanged(IQueryResultModel& model) override {
        m_log->push_back("media:ResultChanged " + std::to_string(model.GetSituationSet().Count()));
    }
    void Refresh() override {}
    void QueryModelChanged(IQueryModel&) override { m_log->push_back("media:QueryModelChanged"); }

    void AddListener(IMediaListener*) override { m_log->push_back("media:AddListener"); }

private:
    TLog* m_log;
    IMediaView* m_view;
};

class TMediaFactoryDouble final : public IMediaFactory {
public:
    explicit TMediaFactoryDouble(TLog& log) : m_log(&log) {}
    std::shared_ptr<IMediaController> CreateController(IQueryResultCoordinator* coordinator,
                                                       IMediaView* view) override {
        m_log->push_back("media factory:CreateController");
        created = std::make_shared<TMediaControllerDouble>(*m_log, view);
        coordinatorSeen = coordinator;
        return created;
    }
    std::shared_ptr<IMediaController> CreateControllerForView(IMediaView*) override {
        return nullptr;
    }
    std::shared_ptr<TMediaControllerDouble> created;
    IQueryResultCoordinator* coordinatorSeen = nullptr;

private:
    TLog* m_log;
};

class THelpAgentDouble final : public IHelpAgent {
public:
    explicit THelpAgentDouble(TLog& log) : m_log(&log) {}
    void Open() override {
        m_log->push_back("help:Open");
        visible = true;
    }
    void Close() override {
        m_log->push_back("help:Close");
        visible = false;
    }
    void ShowTopic(const QString& topic) override {
        m_log->push_back("help:ShowTopic " + topic.toStdString());
    }
    void SetContext(const QString& name) override {
        m_log->push_back("help:SetContext " + name.toStdString());
    }
    void SetFollowContext(bool) override { m_log->push_back("help:SetFollowContext"); }
    bool GetFollowContext() override { return false; }
    void GoBack() override { m_log->push_back("help:GoBack"); }
    void GoForward() override { m_log->push_back("help:GoForward"); }
    bool CanGoBack() override { return true; }
    bool CanGoForward() override { return true; }
    bool IsVisible() override { return visible; }
    void AddListener(IHelpListener*) override { m_log->push_back("help:AddListener"); }
    void RemoveListener(IHelpListener*) override { m_log->push_back("help:RemoveListener"); }
    bool visible = false;

private:
    TLog* m_log;
};

class THelpFactoryDouble final : public IHelpFactory {
public:
    explicit THelpFactoryDouble(TLog& log) : m_log(&log) {}
    std::shared_ptr<IHelpAgent> CreateHelp(IHelpView* view) override {
        m_log->push_back("help factory:CreateHelp");
        viewSeen = view;
        agent = std::make_shared<THelpAgentDouble>(*m_log);
        return agent;
    }
    IHelpView* viewSeen = nullptr;
    std::shared_ptr<THelpAgentDouble> agent;

private:
    TLog* m_log;
};

// The main window: ten definition views, the fifth missing and the ninth (the graph) not
// observing, five result views, a media view, and listeners it registers from SetController.
class TQueryViewDouble final : public IQueryView {
public:
    explicit TQueryViewDouble(TLog& log) : m_log(&log) {
        for (int i = 0; i < 10; ++i) {
            definitionViews.push_back(i == 4 ? nullptr
                                             : std::make_unique<TDefinitionViewDouble>(
                                                   log, "def" + std::to_string(i), i != 8));
        }
        for (int i = 0; i < 5; ++i) {
            resultViews.push_back(
                std::make_unique<TResultViewDouble>(log, "res" + std::to_string(i)));
        }
    }
    void Show() override { m_log->push_back("window:Show"); }
    int GetDefinitionViewCount() override { return static_cast<int>(definitionViews.size()); }
    IQueryDefinitionView* GetDefinitionView(int index) override {
        return definitionViews.at(static_cast<std::size_t>(index)).get();
    }
    int GetResultViewCount() override { return static_cast<int>(resultViews.size()); }
    IQueryResultView* GetResultView(int index) override {
        return resultViews.at(static_cast<std::size_t>(index)).get();
    }
    void SetTitle(const QString& title) override { m_title = title; }
    QString GetTitle() override { return m_title; }
    IQueryController* GetController() override { return m_controller; }
    void SetController(IQueryController* controller) override {
        m_log->push_back("window:SetController");
        m_controller = controller;
        controller->AddMediaListener(mediaListener);
        controller->AddHelpListener(helpListener);
    }
    IMediaView* GetMediaView() override { return &mediaView; }
    IHistoryView* GetHistoryView() override { return historyView; }
    IHistoryView* GetSecondaryHistoryView() override { return historyView; }
    IHelpView* GetHelpView() override { return helpView; }

    std::vector<std::unique_ptr<TDefinitionViewDouble>> definitionViews;
    std::vector<std::unique_ptr<TResultViewDouble>> resultViews;
    TMediaViewDouble mediaView;
    // Only passed on, never called, so any distinct address serves.
    IHistoryView* historyView = reinterpret_cast<IHistoryView*>(&m_marker[0]);
    IHelpView* helpView = reinterpret_cast<IHelpView*>(&m_marker[1]);
    IHelpListener* helpListener = reinterpret_cast<IHelpListener*>(&m_marker[2]);
    IMediaListener* mediaListener = reinterpret_cast<IMediaListener*>(&m_marker[3]);

private:
    TLog* m_log;
    QString m_title;
    IQueryController* m_controller = nullptr;
    int m_marker[4] = {};
};

class TQueryViewFactoryDouble final : public IQueryViewFactory {
public:
    explicit TQueryViewFactoryDouble(TLog& log) : view(log), m_log(&log) {}
    IQueryView* CreateQueryView() override {
        m_log->push_back("view factory:CreateQueryView");
        return &view;
    }
    TQueryViewDouble view;

private:
    TLog* m_log;
};

class TRepositoryControllerDouble final : public IRepositoryController {
public:
    explicit TRepositoryControllerDouble(TLog& log) : m_log(&log) {}
    void Import() override { Log("Import"); }
    int ShowOptions() override {
        Log("ShowOptions");
        return 1;
    }
    void ShowAbout() override { Log("ShowAbout"); }
    void NewDocument() override { Log("NewDocument"); }
    void Open() override { Log("Open"); }
    void OpenFile(const QString&) override { Log("OpenFile"); }
    void Save() override { Log("Save"); }
    void SaveAs() override { Log("SaveAs"); }
    bool CloseDocument() override {
        Log("CloseDocument");
        return true;
    }
    void OpenLastOrNew() override { Log("OpenLastOrNew"); }
    bool OpenFromCommandLine() override { return false; }
    TMatchStatFile* GetDocument() override { return document; }
    std::shared_ptr<IOptionsModel> GetOptionsModel() override {
        Log("GetOptionsModel");
        return nullptr;
    }
    QString GetProductName() override { return "Clipwise"; }
    std::shared_ptr<IAboutController> GetAboutController() override { return nullptr; }
    int AddClipToPresentation(TSituation*) override {
        Log("AddClipToPresentation");
        return 7;
    }
    std::shared_ptr<IPresentationAgent> GetPresentationAgent() override { return nullptr; }
    std::shared_ptr<IMatchAgent> GetMatchAgent() override { return nullptr; }
    TMatchStatFile* document = nullptr;

private:
    void Log(const std::string& what) { m_log->push_back("repository:" + what); }
    TLog* m_log;
};
