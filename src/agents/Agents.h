#pragma once
// Every interface of the system, and nothing else. Interfaces are abstract classes with
// pure virtual operations only; implementations live in the subsystem libraries.

#include <QString>

#include <memory>

// ---------------------------------------------------------------------------------------------
// Settings store, options and About
// ---------------------------------------------------------------------------------------------

// Named values of one settings key. Absent keys and values read as the given default.
class IVelRegistry {
public:
    virtual ~IVelRegistry() = default;
    virtual void WriteString(const QString& name, const QString& value) = 0;
    virtual void WriteInteger(const QString& name, int value) = 0;
    virtual QString ReadString(const QString& name, const QString& defaultValue) = 0;
    virtual int ReadInteger(const QString& name, int defaultValue) = 0;
};

// The media folder: empty, or a path that ends with a separator.
class IOptionsModel {
public:
    virtual ~IOptionsModel() = default;
    virtual void SetMediaFolder(const QString& folder) = 0;
    virtual QString GetMediaFolder() = 0;
};

class IOptionsController {
public:
    virtual ~IOptionsController() = default;
    // Runs the options dialog; answers its modal result (QDialog::Accepted or Rejected).
    virtual int Execute() = 0;
    virtual std::shared_ptr<IOptionsModel> GetModel() = 0;
};

class IOptionsView {
public:
    virtual ~IOptionsView() = default;
    virtual int ShowModal() = 0;
    virtual void SetModel(std::shared_ptr<IOptionsModel> model) = 0;
};

class IOptionsFactory {
public:
    virtual ~IOptionsFactory() = default;
    virtual std::shared_ptr<IOptionsController> CreateController() = 0;
};

// The facts of the About box; also the single source of the product name.
class IAboutModel {
public:
    virtual ~IAboutModel() = default;
    virtual QString GetProductName() = 0;
    virtual QString GetVersion() = 0;
    virtual QString GetVersionQualifier() = 0;
    virtual QString GetReleaseDate() = 0;
    virtual QString GetNoticeYears() = 0;
};

class IAboutController {
public:
    virtual ~IAboutController() = default;
    virtual void Show() = 0;
    virtual QString GetProductName() = 0;
    virtual QString GetVersion() = 0;
    virtual QString GetVersionQualifier() = 0;
    virtual QString GetReleaseDate() = 0;
    virtual QString GetNoticeYears() = 0;
};

class IAboutView {
public:
    virtual ~IAboutView() = default;
    virtual int ShowModal() = 0;
    // The dialog fills itself from the controller once; it does not own the controller.
    virtual void SetController(IAboutController* controller) = 0;
};

class IAboutModelFactory {
public:
    virtual ~IAboutModelFactory() = default;
    virtual std::shared_ptr<IAboutModel> CreateModel() = 0;
};

class IAboutViewFactory {
public:
    virtual ~IAboutViewFactory() = default;
    virtual IAboutView* CreateView() = 0;
};

class IAboutFactory {
public:
    virtual ~IAboutFactory() = default;
    virtual std::shared_ptr<IAboutController> CreateController() = 0;
};

// ---------------------------------------------------------------------------------------------
// Media playback: the media controller, its listeners, the media view and the media factory
// ---------------------------------------------------------------------------------------------
// Time values (positions, lengths, the wind step) are day counts: one second is 1/86400.
// Volume is in hundredths of a decibel, 0 full and -10000 silence.

class TSituationSet;
class IQueryResultCoordinator;
class IMediaListener;
class IMediaView;
class IUserQuestions;

// Plays a clip sequence (mode 1, one clip per situation of the set in display order) or a
// single media file (mode 0) through a media view.
class IMediaController {
public:
    virtual ~IMediaController() = default;
    // Adds the listener once, then tells it the present wind speed, time, audio and clip.
    virtual void AddListener(IMediaListener* listener) = 0;
    virtual void RemoveListener(IMediaListener* listener) = 0;
    virtual void SetMode(int mode) = 0;
    virtual int GetMode() = 0;
    virtual void SetMediaFile(const QString& fileName) = 0;
    virtual QString GetMediaFile() = 0;
    // The set is not owned; none is allowed.
    virtual void SetSituationSet(TSituationSet* set) = 0;
    virtual TSituationSet* GetSituationSet() = 0;
    virtual void SetWindSpeed(double step) = 0;
    virtual double GetWindSpeed() = 0;
    virtual double GetPosition() = 0;
    virtual void SetPosition(double position) = 0;
    virtual double GetLength() = 0;
    virtual double GetMediaPosition() = 0;
    virtual void SetMediaPosition(double position) = 0;
    virtual int GetVolume() = 0;
    virtual void SetVolume(int volume) = 0;
    virtual bool GetMute() = 0;
    virtual void SetMute(bool mute) = 0;
    virtual int GetClipIndex() = 0;
    virtual int GetClipCount() = 0;
    virtual void SetFullScreen(bool fullScreen) = 0;
    virtual bool GetFullScreen() = 0;
    virtual void Play() = 0;
    virtual void PlayClip(int index) = 0;
    virtual void Pause() = 0;
    virtual void Stop() = 0;
    virtual void Next() = 0;
    virtual void Previous() = 0;
    virtual void FastForward() = 0;
    virtual void Rewind() = 0;
    virtual bool IsPlaying() = 0;
    virtual bool IsPaused() = 0;
    virtual bool IsStopped() = 0;
    virtual bool CanPlay() = 0;
    virtual bool CanPause() = 0;
    virtual bool CanStop() = 0;
    virtual bool CanNext() = 0;
    virtual bool CanPrevious() = 0;
    virtual bool CanFastForward() = 0;
    virtual bool CanRewind() = 0;
};

// Told of clip, time, wind-speed and audio changes, in the order of registration.
class IMediaListener {
public:
    virtual ~IMediaListener() = default;
    // index is -1 when there is no current clip.
    virtual void ClipChanged(int index, int count) = 0;
    virtual void TimeChanged(double position, double length) = 0;
    virtual void WindSpeedChanged(double step) = 0;
    // Sent once, when the listener registers.
    virtual void AudioChanged(bool mute, int volume) = 0;
};

// What the playback modes and their sub-states need of the controller that owns them: its
// view, the questions that locate a missing video, the wind step and the notifications.
class IMediaControllerServices {
public:
    virtual ~IMediaControllerServices() = default;
    virtual IMediaView& View() = 0;
    // None when nobody can be asked.
    virtual IUserQuestions* Questions() = 0;
    virtual double GetWindSpeed() = 0;
    virtual void NotifyClipChanged(int index) = 0;
    virtual void NotifyTimeChanged(double position, double length) = 0;
};

// The video pane as the media controller drives it. The view never calls the controller; it
// keeps it alive (a counted reference) for as long as the view exists.
class IMediaView {
public:
    virtual ~IMediaView() = default;
    // A new non-empty name opens the file and starts playing it; the empty name only forgets.
    virtual void SetFileName(const QString& fileName) = 0;
    virtual QString GetFileName() = 0;
    // Moves to the time-of-day part of position; throws std::runtime_error past the end.
    // Pending events run first; a new file or position given by them supersedes this one.
    virtual void SetPosition(double position) = 0;
    virtual double GetPosition() = 0;
    virtual double GetDuration() = 0;
    virtual void Play() = 0;
    virtual void Pause() = 0;
    // Stops and returns to position 0.
    virtual void Stop() = 0;
    virtual int GetVolume() = 0;
    virtual void SetVolume(int volume) = 0;
    virtual bool GetMute() = 0;
    virtual void SetMute(bool mute) = 0;
    virtual std::shared_ptr<IMediaController> GetController() = 0;
    virtual void SetController(std::shared_ptr<IMediaController> controller) = 0;
    virtual void SetFullScreen(bool fullScreen) = 0;
    virtual bool GetFullScreen() = 0;
};

// Creates media controllers; stateless. The coordinator owns the controller it asks for, so
// the controller refers back to it without counting.
class IMediaFactory {
public:
    virtual ~IMediaFactory() = default;
    virtual std::shared_ptr<IMediaController> CreateController(IQueryResultCoordinator* coordinator,
                                                               IMediaView* view) = 0;
    virtual std::shared_ptr<IMediaController> CreateControllerForView(IMediaView* view) = 0;
};

// ---------------------------------------------------------------------------------------------
// Questions to the user and file dialogs
// ---------------------------------------------------------------------------------------------

// The kind of a question: it decides the icon and the caption.
enum class TQuestionKind { Confirmation, Warning, Information };
// The buttons a question offers.
enum class TQuestionButtons { Ok, YesNo, YesNoCancel };
// The button chosen. Closing a question answers Cancel, or No where there is no Cancel, or Ok
// where Ok is the only button.
enum class TQuestionAnswer { Ok, Yes, No, Cancel };

// Modal questions with a fixed text and modal file dialogs. Injected wherever the user is
// asked something, so that tests can answer from a script.
class IUserQuestions {
public:
    virtual ~IUserQuestions() = default;
    virtual TQuestionAnswer Ask(TQuestionKind kind, const QString& text,
                                TQuestionButtons buttons) = 0;
    // Both answer the chosen file's full path, or the empty text when cancelled. The filter
    // has the form "description|pattern|description|pattern" and may be empty; the default
    // extension, without a dot, is added to a name typed without one.
    virtual QString OpenFileDialog(const QString& title, const QString& filter,
                                   const QString& defaultExtension, const QString& fileName) = 0;
    virtual QString SaveFileDialog(const QString& title, const QString& filter,
                                   const QString& defaultExtension, const QString& fileName) = 0;
    // Offers folders only; answers the chosen folder's full path, or the empty text when
    // cancelled. An empty start folder preselects none.
    virtual QString FolderDialog(const QString& title, const QString& startFolder) = 0;
};

// The hourglass over commands that work on files. Calls nest: each End restores the cursor
// that was shown before its Begin.
class IBusyCursor {
public:
    virtual ~IBusyCursor() = default;
    virtual void Begin() = 0;
    virtual void End() = 0;
};

// ---------------------------------------------------------------------------------------------
// Repository and history
// ---------------------------------------------------------------------------------------------

class TMatchStatFile;
class TSituation;
class IRepositoryController;
class IHistoryController;

// Optional agents of the repository controller and their factories. Nothing in this system
// implements them, so they stay declared only; the controller holds none of them.
class IPresentationAgent;
class IAddClipToPresentationAgent;
class IMatchAgent;
class IPresentationFactory;
class IAddClipToPresentationFactory;
class IMatchFactory;

// The one open media index with its file name and state: 0 nothing created or loaded yet,
// 1 new and never saved, 2 loaded from or saved to its file name.
class IRepositoryModel {
public:
    virtual ~IRepositoryModel() = default;
    virtual void NewDocument(const QString& name) = 0;
    virtual void Open(const QString& path) = 0;
    virtual void Save() = 0;
    virtual void SaveAs(const QString& path) = 0;
    virtual void Close() = 0;
    virtual void Import(const QString& path) = 0;
    // The open document, owned by the model; none when nothing is open.
    virtual TMatchStatFile* GetDocument() = 0;
    virtual bool IsModified() = 0;
    virtual QString GetFileName() = 0;
    virtual int GetState() = 0;
    // The controller owns the model; the model keeps a plain back reference.
    virtual void SetController(IRepositoryController* controller) = 0;
};

// The document commands with their questions, and the hub through which every other object
// reaches the options, the About facts and the open document.
class IRepositoryController {
public:
    virtual ~IRepositoryController() = default;
    virtual void Import() = 0;
    virtual int ShowOptions() = 0;
    virtual void ShowAbout() = 0;
    virtual void NewDocument() = 0;
    virtual void Open() = 0;
    // Opens without a dialog and without asking about unsaved changes.
    virtual void OpenFile(const QString& path) = 0;
    virtual void Save() = 0;
    virtual void SaveAs() = 0;
    virtual bool CloseDocument() = 0;
    virtual void OpenLastOrNew() = 0;
    virtual bool OpenFromCommandLine() = 0;
    virtual TMatchStatFile* GetDocument() = 0;
    virtual std::shared_ptr<IOptionsModel> GetOptionsModel() = 0;
    virtual QString GetProductName() = 0;
    virtual std::shared_ptr<IAboutController> GetAboutController() = 0;
    // Throws "No AddClipToPresentationAgent available." without an add-clip agent.
    virtual int AddClipToPresentation(TSituation* situation) = 0;
    virtual std::shared_ptr<IPresentationAgent> GetPresentationAgent() = 0;
    virtual std::shared_ptr<IMatchAgent> GetMatchAgent() = 0;
};

class IRepositoryFactory {
public:
    virtual ~IRepositoryFactory() = default;
    virtual std::shared_ptr<IRepositoryController> CreateController() = 0;
};

// The recently used files, most recent first.
class IHistoryModel {
public:
    virtual ~IHistoryModel() = default;
    virtual void Add(const QString& path) = 0;
    virtual int Count() = 0;
    virtual QString Get(int index) = 0;
};

class IHistoryController {
public:
    virtual ~IHistoryController() = default;
    virtual void Add(const QString& path) = 0;
    virtual void Open(const QString& path) = 0;
    // Opens the most recent file; false when the list is empty.
    virtual bool OpenMostRecent() = 0;
};

// A menu of the recently used files; a widget, so it takes part through a plain pointer.
class IHistoryView {
public:
    virtual ~IHistoryView() = default;
    virtual void Refresh(IHistoryModel& model) = 0;
    // The controller outlives its views' use of it; the view does not own it.
    virtual void SetController(IHistoryController* controller) = 0;
};

class IHistoryFactory {
public:
    virtual ~IHistoryFactory() = default;
    // The repository controller owns what this creates, hence the plain pointer; the second
    // view may be none.
    virtual std::shared_ptr<IHistoryController> CreateController(IRepositoryController* controller,
                                                                 IHistoryView* firstView,
                                                                 IHistoryView* secondView) = 0;
};

// ---------------------------------------------------------------------------------------------
// Queries: the query model, the query definition with its properties and values, and the
// objects that connect the definition to its views
// ---------------------------------------------------------------------------------------------
// Observers, views and back references are plain pointers: views are widgets owned by Qt,
// and the objects of one query window refer to one another in cycles.

class TSituationStatistics;
class IQueryController;
class IQueryDefinitionModel;
class IQueryProperty;
class IQueryView;

// The query window's holder of the statistics of the open document.
class IQueryModel {
public:
    virtual ~IQueryModel() = default;
    // Releases the current statistics and builds new ones over the document; none releases
    // only. The document is not owned.
    virtual void SetDocument(const TMatchStatFile* document) = 0;
    // None before the first document.
    virtual TSituationStatistics* GetStatistics() = 0;
};

class IQueryValue {
public:
    virtual ~IQueryValue() = default;
    virtual QString GetText() = 0;
    virtual void SetSelected(bool selected) = 0;
    virtual bool IsSelected() = 0;
};

// A category of the query; its values are listed in name order.
class IQueryProperty {
public:
    virtual ~IQueryProperty() = default;
    virtual QString GetName() = 0;
    virtual std::shared_ptr<IQueryValue> AddValue(const QString& text) = 0;
    virtual void RemoveValue(const QString& text) = 0;
    virtual std::shared_ptr<IQueryValue> FindValue(const QString& text) = 0;
    virtual std::shared_ptr<IQueryValue> GetValue(int index) = 0;
    virtual int GetValueCount() = 0;
    virtual int GetSelectedValueCount() = 0;
    virtual std::shared_ptr<IQueryValue> GetSelectedValue(int index) = 0;
};

// Told synchronously, in the order of registration.
class IQueryDefinitionObserver {
public:
    virtual ~IQueryDefinitionObserver() = default;
    // The catalogue was rebuilt; every selection and both categories are empty.
    virtual void DefinitionRebuilt(IQueryDefinitionModel& definition) = 0;
    virtual void SelectionChanged(IQueryDefinitionModel& definition) = 0;
    // The primary or the secondary category changed.
    virtual void CategoriesChanged(IQueryDefinitionModel& definition) = 0;
};

// The incremental query: properties with values, the selected values (OR within a property,
// AND across properties) and the primary and secondary categories of the cross table.
class IQueryDefinitionModel {
public:
    virtual ~IQueryDefinitionModel() = default;
    virtual void Rebuild(IQueryModel& queryModel) = 0;
    virtual void ToggleValue(const QString& propertyName, const QString& valueText) = 0;
    virtual bool IsValueSelected(const QString& propertyName, const QString& valueText) = 0;
    // Registers once; answers the observer's position.
    virtual int AddObserver(IQueryDefinitionObserver* observer) = 0;
    virtual void RemoveObserver(IQueryDefinitionObserver* observer) = 0;
    virtual std::shared_ptr<IQueryValue> AddValue(const QString& propertyName,
                                                  const QString& valueText) = 0;
    virtual std::shared_ptr<IQueryProperty> FindProperty(const QString& name) = 0;
    virtual std::shared_ptr<IQueryValue> FindValue(const QString& propertyName,
                                                   const QString& valueText) = 0;
    virtual bool IsPropertySelected(const QString& name) = 0;
    virtual int GetPropertyCount() = 0;
    virtual std::shared_ptr<IQueryProperty> GetProperty(int index) = 0;
    virtual int GetSelectedPropertyCount() = 0;
    virtual std::shared_ptr<IQueryProperty> GetSelectedProperty(int index) = 0;
    virtual QString GetPrimaryCategory() = 0;
    virtual void SetPrimaryCategory(const QString& category) = 0;
    virtual QString GetSecondaryCategory() = 0;
    virtual void SetSecondaryCategory(const QString& category) = 0;
};

class IQueryDefinitionController;

// Every view that shows the definition.
class IQueryDefinitionView {
public:
    virtual ~IQueryDefinitionView() = default;
    virtual void SetDefinitionModel(std::shared_ptr<IQueryDefinitionModel> definition) = 0;
    virtual std::shared_ptr<IQueryDefinitionModel> GetDefinitionModel() = 0;
    // The controller outlives the view's use of it; the view does not own it.
    virtual void SetDefinitionController(IQueryDefinitionController* controller) = 0;
};

class IQueryDefinitionController {
public:
    virtual ~IQueryDefinitionController() = default;
    virtual IQueryDefinitionView* GetView() = 0;
    virtual TMatchStatFile* GetDocument() = 0;
};

class IQueryDefinitionCoordinator {
public:
    virtual ~IQueryDefinitionCoordinator() = default;
    virtual void AddController(std::shared_ptr<IQueryDefinitionController> controller) = 0;
    // Rebuilds the definition from the query model's statistics.
    virtual void SetQueryModel(IQueryModel& queryModel) = 0;
    virtual std::shared_ptr<IQueryDefinitionModel> GetDefinitionModel() = 0;
    virtual void AddObserver(IQueryDefinitionObserver* observer) = 0;
    virtual void RemoveObserver(IQueryDefinitionObserver* observer) = 0;
    virtual TMatchStatFile* GetDocument() = 0;
};

class IQueryDefinitionFactory {
public:
    virtual ~IQueryDefinitionFactory() = default;
    // The coordinator owns what this creates, hence the plain pointer.
    virtual std::shared_ptr<IQueryDefinitionController>
    CreateController(IQueryDefinitionCoordinator* coordinator, IQueryDefinitionView* view) = 0;
};

class IQueryDefinitionCoordinatorFactory {
public:
    virtual ~IQueryDefinitionCoordinatorFactory() = default;
    // The query controller owns what this creates, hence the plain pointers.
    virtual std::shared_ptr<IQueryDefinitionCoordinator>
    CreateCoordinator(IQueryController* queryController, IQueryView* queryView) = 0;
};

// ---------------------------------------------------------------------------------------------
// Query result: the evaluated query with its counts and cross table, and its views
// ---------------------------------------------------------------------------------------------

class IQueryResultModel;
class IQueryResultObserver;

// Registration of the result model as a definition observer, through the coordinator.
class IQueryResultModelServices {
public:
    virtual ~IQueryResultModelServices() = default;
    virtual void AddDefinitionObserver(IQueryDefinitionObserver* observer) = 0;
    virtual void RemoveDefinitionObserver(IQueryDefinitionObserver* observer) = 0;
};

// The situation set of the current query in its sort order, counts per (category, value),
// and cross counts per (primary value, secondary value), "Total" standing for a total.
class IQueryResultModel {
public:
    virtual ~IQueryResultModel() = default;
    // Takes the query model's statistics; evaluates nothing.
    virtual void SetQueryModel(IQueryModel& queryModel) = 0;
    virtual void RecountCategories(IQueryDefinitionModel& definition) = 0;
    virtual int GetCount(const QString& category, const QString& value) = 0;
    virtual int GetCrossCount(const QString& primaryValue, const QString& secondaryValue) = 0;
    // The model's own set, not a copy.
    virtual TSituationSet& GetSituationSet() = 0;
    virtual void Resort() = 0;
    // A repeated category reverses the direction.
    virtual void SortBy(const QString& category) = 0;
    virtual void AddObserver(IQueryResultObserver* observer) = 0;
    virtual void RemoveObserver(IQueryResultObserver* observer) = 0;
    // The services outlive the model's use of them; the model does not own them.
    virtual void SetServices(IQueryResultModelServices* services) = 0;
};

// The model sends only ResultChanged and SortChanged; the others serve the clip list's own
// editing.
class IQueryResultObserver {
public:
    virtual ~IQueryResultObserver() = default;
    virtual void ClipInserted(TSituation* situation, int index) = 0;
    virtual void ClipDeleted(TSituation* item, int index) = 0;
    virtual void ClipUpdated(TSituation* situation, int index) = 0;
    virtual void ResultChanged(IQueryResultModel& model) = 0;
    virtual void SortChanged(IQueryResultModel& model) = 0;
    virtual void ClipMovedDown(int index) = 0;
    virtual void ClipMovedUp(int index) = 0;
};

// One per result view, and the media controller.
class IQueryResultController {
public:
    virtual ~IQueryResultController() = default;
    virtual void ResultChanged(IQueryResultModel& model) = 0;
    virtual void Refresh() = 0;
    virtual void QueryModelChanged(IQueryModel& queryModel) = 0;
};

class IQueryResultView {
public:
    virtual ~IQueryResultView() = default;
    // The view keeps the model and registers itself with AddObserver.
    virtual void SetResultModel(std::shared_ptr<IQueryResultModel> model) = 0;
    virtual std::shared_ptr<IQueryResultModel> GetResultModel() = 0;
    virtual void QueryModelChanged(IQueryModel& queryModel) = 0;
    virtual void SetMediaController(std::shared_ptr<IMediaController> mediaController) = 0;
};

class IQueryResultCoordinator {
public:
    virtual ~IQueryResultCoordinator() = default;
    virtual void AddController(std::shared_ptr<IQueryResultController> controller) = 0;
    virtual void SetQueryModel(IQueryModel& queryModel) = 0;
    virtual void RecountCategories(IQueryDefinitionModel& definition) = 0;
    virtual std::shared_ptr<IQueryResultModel> GetResultModel() = 0;
    virtual std::shared_ptr<IOptionsModel> GetOptionsModel() = 0;
    virtual std::shared_ptr<IMediaController> GetMediaController() = 0;
};

class IQueryResultFactory {
public:
    virtual ~IQueryResultFactory() = default;
    // The coordinator owns what this creates, hence the plain pointer.
    virtual std::shared_ptr<IQueryResultController>
    CreateController(IQueryResultCoordinator* coordinator, IQueryResultView* view) = 0;
};

class IQueryResultCoordinatorFactory {
public:
    virtual ~IQueryResultCoordinatorFactory() = default;
    // The query controller owns what this creates, hence the plain pointers.
    virtual std::shared_ptr<IQueryResultCoordinator>
    CreateCoordinator(IQueryController* queryController, IQueryView* queryView) = 0;
};

// ---------------------------------------------------------------------------------------------
// Help: the help index, the help agent and its controller, the help pane and its listeners
// ---------------------------------------------------------------------------------------------
// The pane is a widget: the controller drives it through a plain pointer, and the pane and the
// listeners reach the controller through plain pointers too.

class IHelpView;
class IHelpListener;

// The topics of the help index (one per line, the first shown at start), where their pages
// are, the context the user is in, whether the pane follows it, and whether the pane is open.
class IHelpModel {
public:
    virtual ~IHelpModel() = default;
    // The help folder + topic + ".htm"; not checked, the topic not altered.
    virtual QString GetTopicFile(const QString& topic) = 0;
    virtual int GetTopicCount() = 0;
    virtual QString GetTopicFileAt(int index) = 0;
    virtual QString GetTopicAt(int index) = 0;
    // The empty text for an empty index.
    virtual QString GetFirstTopic() = 0;
    virtual void SetFollowContext(bool follow) = 0;
    virtual bool GetFollowContext() = 0;
    virtual void SetContext(const QString& name) = 0;
    virtual QString GetContext() = 0;
    // Stores a changed state and writes it to the user's settings; the same state writes
    // nothing. Throws std::runtime_error("RegistryPut: write error"), the new state kept.
    virtual void SetIsOpen(bool open) = 0;
    virtual bool GetIsOpen() = 0;
    // The folder of the index with its closing separator; empty when it could not be read.
    virtual QString GetFolder() = 0;
    // Why the index could not be read; empty when it was read.
    virtual QString GetLoadError() = 0;
};

// The help as the rest of the window uses it.
class IHelpAgent {
public:
    virtual ~IHelpAgent() = default;
    virtual void Open() = 0;
    virtual void Close() = 0;
    virtual void ShowTopic(const QString& topic) = 0;
    // Shows the context's page at once when the pane follows the context.
    virtual void SetContext(const QString& name) = 0;
    virtual void SetFollowContext(bool follow) = 0;
    virtual bool GetFollowContext() = 0;
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;
    virtual bool CanGoBack() = 0;
    virtual bool CanGoForward() = 0;
    virtual bool IsVisible() = 0;
    // Listeners are told in the order of registration; adding twice adds twice.
    virtual void AddListener(IHelpListener* listener) = 0;
    // Removes the first occurrence, if any.
    virtual void RemoveListener(IHelpListener* listener) = 0;
};

// What the pane needs beyond the agent.
class IHelpController : public IHelpAgent {
public:
    // A local file path or a URL.
    virtual void Navigate(const QString& url) = 0;
    virtual int GetTopicCount() = 0;
    virtual QString GetTopicFileAt(int index) = 0;
    virtual QString GetTopicAt(int index) = 0;
    // Pages below this folder open in the pane, everything else in the desktop's browser.
    virtual QString GetHelpFolder() = 0;
    virtual QString GetIndexError() = 0;
    // The pane, as it is destroyed: the controller no longer drives it.
    virtual void DetachView(IHelpView* view) = 0;
};

// The help pane.
class IHelpView {
public:
    virtual ~IHelpView() = default;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual void Navigate(const QString& url) = 0;
    // Keeps the controller, registers as its listener and builds the topic menu; none lets
    // go of the controller.
    virtual void SetController(IHelpController* controller) = 0;
    // Back and Forward without a page to go to do nothing.
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;
    virtual bool IsVisible() = 0;
};

class IHelpListener {
public:
    virtual ~IHelpListener() = default;
    virtual void HelpShown() = 0;
    virtual void HelpHidden() = 0;
    // The topic shown, or "Context" when the pane shows the page of the context.
    virtual void HelpTopicChanged(const QString& topic) = 0;
};

class IHelpFactory {
public:
    virtual ~IHelpFactory() = default;
    // The caller keeps the agent; the view belongs to its window.
    virtual std::shared_ptr<IHelpAgent> CreateHelp(IHelpView* view) = 0;
};

// ---------------------------------------------------------------------------------------------
// The query controller and the query window
// ---------------------------------------------------------------------------------------------

// A query window: the main window, or the query frame inside it.
class IQueryView {
public:
    virtual ~IQueryView() = default;
    virtual void Show() = 0;
    virtual int GetDefinitionViewCount() = 0;
    // None for an index without a view.
    virtual IQueryDefinitionView* GetDefinitionView(int index) = 0;
    virtual int GetResultViewCount() = 0;
    virtual IQueryResultView* GetResultView(int index) = 0;
    virtual void SetTitle(const QString& title) = 0;
    virtual QString GetTitle() = 0;
    virtual IQueryController* GetController() = 0;
    // The window registers its media and help listeners through the controller.
    virtual void SetController(IQueryController* controller) = 0;
    virtual IMediaView* GetMediaView() = 0;
    virtual IHistoryView* GetHistoryView() = 0;
    virtual IHistoryView* GetSecondaryHistoryView() = 0;
    virtual IHelpView* GetHelpView() = 0;
};

// The hub of a query window: document commands go to the repository controller, help
// commands to the help agent, registrations to the definition model, the media controller
// and the help agent. Without a help agent the help operations do nothing.
class IQueryController {
public:
    virtual ~IQueryController() = default;
    virtual void Show() = 0;
    virtual void Open() = 0;
    virtual bool CloseDocument() = 0;
    virtual void Import() = 0;
    virtual int ShowOptions() = 0;
    virtual void ShowAbout() = 0;
    virtual void ShowHelp() = 0;
    virtual void HideHelp() = 0;
    virtual bool IsHelpVisible() = 0;
    virtual void SetHelpContext(const QString& context) = 0;
    // The query model, then the result coordinator, then the definition coordinator.
    virtual void SetDocument(TMatchStatFile* document) = 0;
    virtual void RecountCategories(IQueryDefinitionModel& definition) = 0;
    virtual void SetTitle(const QString& title) = 0;
    virtual QString GetTitle() = 0;
    virtual TMatchStatFile* GetDocument() = 0;
    virtual IHistoryView* GetHistoryView() = 0;
    virtual IHistoryView* GetSecondaryHistoryView() = 0;
    virtual void AddDefinitionObserver(IQueryDefinitionObserver* observer) = 0;
    virtual void RemoveDefinitionObserver(IQueryDefinitionObserver* observer) = 0;
    virtual void AddHelpListener(IHelpListener* listener) = 0;
    virtual void RemoveHelpListener(IHelpListener* listener) = 0;
    virtual std::shared_ptr<IOptionsModel> GetOptionsModel() = 0;
    virtual int AddClipToPresentation(TSituation* situation) = 0;
    virtual IRepositoryController* GetRepositoryController() = 0;
    virtual void AddMediaListener(IMediaListener* listener) = 0;
};

class IQueryViewFactory {
public:
    virtual ~IQueryViewFactory() = default;
    // The window belongs to Qt, not to the caller.
    virtual IQueryView* CreateQueryView() = 0;
};

class IQueryFactory {
public:
    virtual ~IQueryFactory() = default;
    // The repository controller owns the query controller, which refers back to it without
    // counting.
    virtual std::shared_ptr<IQueryController>
    CreateQueryController(IRepositoryController* repositoryController) = 0;
};
