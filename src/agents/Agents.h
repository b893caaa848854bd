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

// The video pane as the media controller drives it. The view never calls the controller; it
// keeps it alive (a counted reference) for as long as the view exists.
class IMediaView {
public:
    virtual ~IMediaView() = default;
    // A new non-empty name opens the file and starts playing it; the empty name only forgets.
    virtual void SetFileName(const QString& fileName) = 0;
    virtual QString GetFileName() = 0;
    // Moves to the time-of-day part of position; throws std::runtime_error past the end.
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
