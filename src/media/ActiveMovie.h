#pragma once
// The video player component: a panel that hosts Qt Multimedia's player, lays its picture
// out (sizes, zoom, scroll bars, full screen), captures the frame on screen and relays the
// player's events. Open, play and end-of-stream events are queued and delivered from a 50 ms
// timer, never from inside the player's callbacks.

#include "JpegWriter.h"
#include "MovieLayout.h"
#include "SnapshotNamer.h"

#include <Agents.h>

#include <QMediaPlayer>
#include <QVideoFrame>
#include <QWidget>

#include <functional>
#include <memory>

class QAudioOutput;
class QLabel;
class QScrollBar;
class QSlider;
class QTimer;
class QToolButton;
class QVideoSink;
class TVideoSurface;

enum class TDisplayMode { mpTime, mpFrames };

class TActiveMovie : public QWidget {
    Q_OBJECT
public:
    // Player open states and play states.
    static constexpr int kClosed = 0;
    static constexpr int kOpening = 5;
    static constexpr int kOpen = 6;
    static constexpr int kStopped = 0;
    static constexpr int kPaused = 1;
    static constexpr int kPlaying = 2;

    // Throws std::runtime_error with the message of CheckMediaBackend when Qt Multimedia has
    // no backend to load.
    explicit TActiveMovie(QWidget* parent = nullptr);
    ~TActiveMovie() override;

    // Where the notices about conflicting settings go; without questions they are not shown
    // (the setting is refused all the same).
    void SetQuestions(std::shared_ptr<IUserQuestions> questions) {
        m_questions = std::move(questions);
    }

    // Opens FileName; an empty name leaves the player as it is.
    void Open();
    void Play();
    // False unless the player was playing.
    bool Pause();
    // Stops and returns to position 0.
    void Stop();

    // Capture of the frame on screen, scaled by CaptureSize. False while nothing is open or
    // no frame has been shown. Without a file name, the snapshot is named by AutoFileName.
    // Throws std::runtime_error when a file cannot be written.
    bool CaptureFrame(QImage& target);
    bool CaptureFrame(QLabel* target);
    bool CaptureFrameToBmp(const QString& fileName = {});
    bool CaptureFrameToJpeg(const QString& fileName = {});

    // One tick of the 50 ms timer: deferred actions, then the queued events.
    void TimerTick();

    // Properties the component handles itself.
    QString FileName() const { return m_fileName; }
    void SetFileName(const QString& fileName) { m_fileName = fileName; }
    bool AutoStart() const { return m_autoStart; }
    void SetAutoStart(bool on) { m_autoStart = on; }
    bool ShowControls() const { return m_showControls; }
    void SetShowControls(bool on);
    TDisplaySize DisplaySize() const { return m_displaySize; }
    void SetDisplaySize(TDisplaySize size);
    bool FullScreenMode() const { return m_fullScreenMode; }
    void SetFullScreenMode(bool on);
    int ZoomSize() const { return m_zoomSize; }
    void SetZoomSize(int percent);
    bool ShowScrollBars() const { return m_showScrollBars; }
    void SetShowScrollBars(bool on);
    int ScrollBarsThickness() const { return m_scrollBarsThickness; }
    void SetScrollBarsThickness(int pixels);
    double Rate() const { return m_rate; }
    void SetRate(double rate);
    double SelectionStart() const { return m_selectionStart; }
    void SetSelectionStart(double seconds) { m_selectionStart = seconds; }
    double SelectionEnd() const { return m_selectionEnd; }
    void SetSelectionEnd(double seconds) { m_selectionEnd = seconds; }
    bool Loop() const { return m_loop; }
    void SetLoop(bool on) { m_loop = on; }
    TDisplayMode DisplayMode() const { return m_displayMode; }
    void SetDisplayMode(TDisplayMode mode);
    bool DisplayLogo() const { return m_displayLogo; }
    void SetDisplayLogo(bool on);
    int CaptureSize() const { return m_captureSize; }
    void SetCaptureSize(int percent);
    TAutoFileName AutoFileName() const { return m_autoFileName; }
    void SetAutoFileName(TAutoFileName scheme) { m_autoFileName = scheme; }
    QString AutoFilePrefix() const { return m_autoFilePrefix; }
    void SetAutoFilePrefix(const QString& prefix) { m_autoFilePrefix = prefix; }
    QString StoragePath() const { return m_storagePath; }
    void SetStoragePath(const QString& path) { m_storagePath = path; }
    int JPEGQuality() const { return m_jpeg.quality; }
    void SetJPEGQuality(int quality);
    TJpegPerformance JPEGPerformance() const { return m_jpeg.performance; }
    void SetJPEGPerformance(TJpegPerformance performance) { m_jpeg.performance = performance; }
    bool JPEGProgressiveDisplay() const { return m_jpeg.progressive; }
    void SetJPEGProgressiveDisplay(bool on) { m_jpeg.progressive = on; }

    // How long a file may take to open; a player that reports neither success nor failure by
    // then is given up, and the open fails with an error. 10 s at creation.
    int OpenTimeout() const { return m_openTimeoutMs; }
    void SetOpenTimeout(int ms);

    // The player's own state, read and written through.
    int OpenState() const { return m_openState; }
    int PlayState() const;
    double CurrentPosition() const;
    void SetCurrentPosition(double seconds);
    double Duration() const;
    // The duration in seconds read when the present file finished opening; the last file's
    // until the next one has opened.
    double CachedDuration() const { return m_cachedDurationMs / 1000.0; }
    // Frames of the open file, when the file tells its frame rate; else 0.
    qint64 FrameCount() const { return m_frameCount; }
    int Volume() const;
    void SetVolume(int volume);
    bool Mute() const;
    void SetMute(bool mute);
    int ImageSourceWidth() const { return m_pictureSize.width(); }
    int ImageSourceHeight() const { return m_pictureSize.height(); }

    // Events. Open state, play state and end of stream arrive through TimerTick.
    std::function<void(int oldState, int newState)> OnOpenStateChange;
    std::function<void(int oldState, int newState)> OnPlayStateChange;
    std::function<void()> OnEndOfStream;
    std::function<void(int code, const QString& description)> OnError;
    std::function<void()> OnOpenComplete;
    std::function<void()> OnClick;
    std::function<void(double oldPosition, double newPosition)> OnPositionChange;
    // Keys pressed in full screen other than Esc, as Qt::Key values.
    std::function<void(int key)> OnFullScreenKeyPress;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

    // Waits, handling events, while a file is being opened, so that a position given right
    // after opening is measured against the new file. Ends at the latest when the open times
    // out.
    void WaitWhileOpening();
    qint64 CachedDurationMs() const { return m_cachedDurationMs; }
    // Why the present file could not be opened; empty while nothing went wrong.
    const QString& OpenError() const { return m_openError; }
    void SeekMs(qint64 ms);

private:
    struct TStateChange {
        bool pending = false;
        int oldState = 0;
        int newState = 0;
    };

    void MediaStatusChanged(QMediaPlayer::MediaStatus status);
    void CreatePlayer();
    // Takes the player's play state on; a closed file counts as stopped.
    void SyncPlayState();
    void ErrorOccurred(QMediaPlayer::Error error, const QString& description);
    void FrameChanged(const QVideoFrame& frame);
    void OpenCompleted();
    void EndOpening();
    void OpenTimedOut();
    void Queue(TStateChange& change, int oldState, int newState);
    void ShowFullScreen();
    void LeaveFullScreen();
    void FullScreenKey(int key);
    void ApplySurfaceSizing();
    void UpdatePictureSize();
    void UpdateControlBar();
    // Lays the picture out again.
    void Relayout();
    void Scrolled();
    QString SnapshotName(const QString& fileName, const QString& extension,
                         const QString& defaultExtension) const;
    // Pauses a playing player, hands the frame to write, and plays again.
    bool Capture(const std::function<void(const QImage&)>& write);
    void Notice(const QString& text);

    std::shared_ptr<IUserQuestions> m_questions;
    QMediaPlayer* m_player = nullptr;
    QVideoSink* m_sink = nullptr;
    QAudioOutput* m_audio = nullptr;
    QWidget* m_inner = nullptr;
    TVideoSurface* m_surface = nullptr;
    QWidget* m_controlBar = nullptr;
    QToolButton* m_playButton = nullptr;
    QToolButton* m_stopButton = nullptr;
    QSlider* m_positionSlider = nullptr;
    QScrollBar* m_horizontal = nullptr;
    QScrollBar* m_vertical = nullptr;
    QWidget* m_corner = nullptr;
    TVideoSurface* m_fullScreen = nullptr;
    QTimer* m_timer = nullptr;
    QTimer* m_openDeadline = nullptr;
    QVideoFrame m_frame;

    QString m_fileName;
    bool m_autoStart = true;
    bool m_showControls = false;
    TDisplaySize m_displaySize = TDisplaySize::mpDefaultSize;
    bool m_fullScreenMode = false;
    int m_zoomSize = 100;
    bool m_showScrollBars = true;
    int m_scrollBarsThickness = 16;
    double m_rate = 1;
    double m_selectionStart = -1;
    double m_selectionEnd = -1;
    bool m_loop = false;
    TDisplayMode m_displayMode = TDisplayMode::mpTime;
    bool m_displayLogo = true;
    int m_captureSize = 100;
    TAutoFileName m_autoFileName = TAutoFileName::fnSequential;
    QString m_autoFilePrefix = QStringLiteral("am");
    QString m_storagePath;
    TJpegSettings m_jpeg;

    int m_openState = kClosed;
    int m_playState = kStopped;
    bool m_opening = false;
    int m_openTimeoutMs = 10000;
    // The player did not finish opening in time; the next file gets a new one.
    bool m_playerGaveUp = false;
    bool m_switching = false;
    QString m_openError;
    bool m_pictureHidden = false;
    QSize m_pictureSize;
    qint64 m_cachedDurationMs = 0;
    qint64 m_frameCount = 0;
    double m_scrollX = 0.5;
    double m_scrollY = 0.5;
    bool m_laying = false;

    // Deferred actions and queued events for the timer.
    bool m_inTick = false;
    bool m_fullScreenDue = false;
    QList<int> m_keys;
    double m_lastPosition = -1;
    bool m_endOfStream = false;
    TStateChange m_openChange;
    TStateChange m_playChange;
};
