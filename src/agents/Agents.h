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
