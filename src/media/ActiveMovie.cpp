#include "ActiveMovie.h"

#include "MediaBackend.h"
#include "VideoSurface.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMediaMetaData>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSlider>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QVideoSink>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

constexpr int kTimerInterval = 50;
constexpr int kSilence = -10000;

int OpenStateOf(QMediaPlayer::MediaStatus status) {
    switch (status) {
    case QMediaPlayer::LoadingMedia:
        return TActiveMovie::kOpening;
    case QMediaPlayer::LoadedMedia:
    case QMediaPlayer::StalledMedia:
    case QMediaPlayer::BufferingMedia:
    case QMediaPlayer::BufferedMedia:
    case QMediaPlayer::EndOfMedia:
        return TActiveMovie::kOpen;
    case QMediaPlayer::NoMedia:
    case QMediaPlayer::InvalidMedia:
        break;
    }
    return TActiveMovie::kClosed;
}

int PlayStateOf(QMediaPlayer::PlaybackState state) {
    switch (state) {
    case QMediaPlayer::PlayingState:
        return TActiveMovie::kPlaying;
    case QMediaPlayer::PausedState:
        return TActiveMovie::kPaused;
    case QMediaPlayer::StoppedState:
        break;
    }
    return TActiveMovie::kStopped;
}

int TimerNumber() {
    static int number = 0;
    return ++number;
}

} // namespace

TActiveMovie::TActiveMovie(QWidget* parent) : QWidget(parent) {
    // Qt Multimedia aborts on the first player it cannot back; an error says what to install.
    if (const TMediaBackendCheck backend = CheckMediaBackend(); !backend.usable) {
        throw std::runtime_error(backend.message.toStdString());
    }
    resize(240, 200);
    m_storagePath = QDir::currentPath();

    m_inner = new QWidget(this);
    auto* innerLayout = new QVBoxLayout(m_inner);
    innerLayout->setContentsMargins(0, 0, 0, 0);
    innerLayout->setSpacing(0);
    m_surface = new TVideoSurface(m_inner);
    m_surface->OnClick = [this] {
        if (OnClick) {
            OnClick();
        }
    };
    innerLayout->addWidget(m_surface, 1);

    m_controlBar = new QWidget(m_inner);
    auto* barLayout = new QHBoxLayout(m_controlBar);
    barLayout->setContentsMargins(2, 2, 2, 2);
    m_playButton = new QToolButton(m_controlBar);
    m_stopButton = new QToolButton(m_controlBar);
    m_stopButton->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
    m_positionSlider = new QSlider(Qt::Horizontal, m_controlBar);
    barLayout->addWidget(m_playButton);
    barLayout->addWidget(m_stopButton);
    barLayout->addWidget(m_positionSlider, 1);
    m_controlBar->hide();
    innerLayout->addWidget(m_controlBar);
    connect(m_playButton, &QToolButton::clicked, this, [this] {
        if (!Pause()) {
            Play();
        }
    });
    connect(m_stopButton, &QToolButton::clicked, this, [this] { Stop(); });
    connect(m_positionSlider, &QSlider::sliderMoved, this,
            [this](int ms) { m_player->setPosition(ms); });

    m_horizontal = new QScrollBar(Qt::Horizontal, this);
    m_vertical = new QScrollBar(Qt::Vertical, this);
    m_corner = new QWidget(this);
    m_corner->setAutoFillBackground(true);
    m_horizontal->hide();
    m_vertical->hide();
    m_corner->hide();
    connect(m_horizontal, &QScrollBar::valueChanged, this, [this] { Scrolled(); });
    connect(m_vertical, &QScrollBar::valueChanged, this, [this] { Scrolled(); });

    m_sink = new QVideoSink(this);
    m_audio = new QAudioOutput(this);
    connect(m_sink, &QVideoSink::videoFrameChanged, this, &TActiveMovie::FrameChanged);
    CreatePlayer();

    m_openDeadline = new QTimer(this);
    m_openDeadline->setSingleShot(true);
    connect(m_openDeadline, &QTimer::timeout, this, &TActiveMovie::OpenTimedOut);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("AMComponent%1").arg(TimerNumber()));
    m_timer->setInterval(kTimerInterval);
    connect(m_timer, &QTimer::timeout, this, &TActiveMovie::TimerTick);
    m_timer->start();

    UpdateControlBar();
    Relayout();
}

void TActiveMovie::CreatePlayer() {
    m_playerGaveUp = false;
    if (m_player) {
        // A player that failed may still report that failure later; it must not reach the
        // next file.
        disconnect(m_player, nullptr, this, nullptr);
        m_player->setVideoSink(nullptr);
        m_player->setAudioOutput(nullptr);
        m_player->deleteLater();
    }
    m_player = new QMediaPlayer(this);
    m_player->setVideoSink(m_sink);
    m_player->setAudioOutput(m_audio);
    m_player->setPlaybackRate(m_rate);
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, &TActiveMovie::MediaStatusChanged);
    connect(m_player, &QMediaPlayer::playbackStateChanged, this, [this] { SyncPlayState(); });
    connect(m_player, &QMediaPlayer::errorOccurred, this, &TActiveMovie::ErrorOccurred);
    connect(m_player, &QMediaPlayer::durationChanged, this, [this](qint64 ms) {
        // Some files tell their length only after opening; later news of the same file counts.
        if (m_openState == kOpen && !m_opening) {
            m_cachedDurationMs = ms;
            m_positionSlider->setRange(0, static_cast<int>(ms));
        }
    });
    connect(m_player, &QMediaPlayer::positionChanged, this, [this](qint64 ms) {
        if (!m_positionSlider->isSliderDown()) {
            m_positionSlider->setValue(static_cast<int>(ms));
        }
    });
}

TActiveMovie::~TActiveMovie() {
    m_timer->stop();
    m_openDeadline->stop();
    // The player outlives this body as a child; nothing it reports may reach us any more.
    disconnect(m_player, nullptr, this, nullptr);
    disconnect(m_sink, nullptr, this, nullptr);
}

void TActiveMovie::Open() {
    if (m_fileName.isEmpty()) {
        return;
    }
    if (PlayState() == kPlaying) {
        m_player->stop();
    }
    m_fullScreenDue = false;
    m_keys.clear();
    m_pictureSize = QSize();
    m_frame = QVideoFrame();
    m_surface->SetFrame(m_frame);
    m_openError.clear();
    if (m_player->error() != QMediaPlayer::NoError || m_playerGaveUp) {
        CreatePlayer();
    }
    const QUrl url = QUrl::fromLocalFile(QFileInfo(m_fileName).absoluteFilePath());
    {
        // While the source changes the player reports the old file as loaded for a moment.
        const QScopedValueRollback<bool> switching(m_switching, true);
        if (m_player->source() == url) {
            // The player ignores the same source; opening again must start afresh.
            m_player->setSource(QUrl());
        }
        m_player->setSource(url);
    }
    m_opening = true;
    m_openDeadline->start(m_openTimeoutMs);
    MediaStatusChanged(m_player->mediaStatus());
    if (m_autoStart) {
        m_player->play();
    }
}

void TActiveMovie::Play() {
    if (m_openState != kOpen) {
        return;
    }
    m_player->play();
    if (m_fullScreenMode) {
        ShowFullScreen();
    }
}

bool TActiveMovie::Pause() {
    if (m_openState != kOpen || PlayState() != kPlaying) {
        return false;
    }
    m_player->pause();
    return true;
}

void TActiveMovie::Stop() {
    if (m_openState != kOpen) {
        return;
    }
    m_player->stop();
    m_player->setPosition(0);
}

void TActiveMovie::TimerTick() {
    if (m_inTick) {
        return;
    }
    m_inTick = true;
    struct TLeave {
        bool& flag;
        ~TLeave() { flag = false; }
    } leave{m_inTick};

    if (m_fullScreenDue) {
        m_fullScreenDue = false;
        if (m_fullScreenMode) {
            ShowFullScreen();
        }
    }
    if (m_openState == kOpen && (OnPositionChange || m_selectionEnd >= 0)) {
        const double position = CurrentPosition();
        if (position != m_lastPosition) {
            const double old = m_lastPosition;
            m_lastPosition = position;
            if (OnPositionChange) {
                OnPositionChange(old, position);
            }
        }
        if (m_selectionEnd >= 0 && position >= m_selectionEnd && PlayState() == kPlaying) {
            Stop();
        }
    }
    const QList<int> keys = std::exchange(m_keys, {});
    for (int key : keys) {
        if (key == Qt::Key_Escape) {
            SetFullScreenMode(false);
        } else if (OnFullScreenKeyPress) {
            OnFullScreenKeyPress(key);
        }
    }
    if (std::exchange(m_endOfStream, false)) {
        if (OnEndOfStream) {
            OnEndOfStream();
        }
        if (m_loop) {
            Play();
        }
    }
    if (std::exchange(m_openChange.pending, false) && OnOpenStateChange) {
        OnOpenStateChange(m_openChange.oldState, m_openChange.newState);
    }
    if (std::exchange(m_playChange.pending, false) && OnPlayStateChange) {
        OnPlayStateChange(m_playChange.oldState, m_playChange.newState);
    }
}

void TActiveMovie::Queue(TStateChange& change, int oldState, int newState) {
    // Changes between two ticks arrive as one: from the first old state to the last new one.
    if (!change.pending) {
        change.oldState = oldState;
    }
    change.newState = newState;
    change.pending = true;
}

void TActiveMovie::MediaStatusChanged(QMediaPlayer::MediaStatus status) {
    if (m_switching) {
        return;
    }
    const int state = OpenStateOf(status);
    if (status == QMediaPlayer::EndOfMedia) {
        m_endOfStream = true;
    }
    if (status == QMediaPlayer::InvalidMedia) {
        EndOpening();
    }
    const int old = m_openState;
    m_openState = state;
    if (state == kOpen && (old != kOpen || m_opening)) {
        OpenCompleted();
    }
    if (state != old) {
        Queue(m_openChange, old, state);
    }
    // A file that failed to open counts as stopped, whatever the player says.
    SyncPlayState();
}

void TActiveMovie::OpenCompleted() {
    EndOpening();
    m_cachedDurationMs = m_player->duration();
    const double rate = m_player->metaData().value(QMediaMetaData::VideoFrameRate).toDouble();
    m_frameCount = rate > 0 ? qRound64(m_cachedDurationMs / 1000.0 * rate) : 0;
    m_positionSlider->setRange(0, static_cast<int>(m_cachedDurationMs));
    UpdatePictureSize();
    m_pictureHidden = m_pictureSize.width() == 0 && !m_displayLogo;
    if (!m_autoStart) {
        m_player->setPosition(0);
    }
    m_lastPosition = -1;
    if (OnOpenComplete) {
        OnOpenComplete();
    }
    Relayout();
}

void TActiveMovie::SyncPlayState() {
    const int state = PlayState();
    if (state == m_playState || m_switching) {
        return;
    }
    const int old = m_playState;
    m_playState = state;
    if (m_player->playbackRate() != m_rate) {
        m_player->setPlaybackRate(m_rate);
    }
    if (state == kPlaying) {
        if (old != kPaused && m_selectionStart >= 0) {
            m_player->setPosition(qRound64(m_selectionStart * 1000));
        }
        if (m_fullScreenMode) {
            m_fullScreenDue = true;
        }
    }
    UpdateControlBar();
    Relayout();
    Queue(m_playChange, old, state);
}

void TActiveMovie::ErrorOccurred(QMediaPlayer::Error error, const QString& description) {
    if (error == QMediaPlayer::NoError) {
        return;
    }
    if (m_openState != kOpen && m_openError.isEmpty()) {
        m_openError = description.isEmpty() ? QStringLiteral("unknown error") : description;
    }
    EndOpening();
    if (OnError) {
        OnError(static_cast<int>(error), description);
    }
}

void TActiveMovie::EndOpening() {
    m_opening = false;
    m_openDeadline->stop();
}

void TActiveMovie::OpenTimedOut() {
    if (!m_opening) {
        return;
    }
    // GStreamer's decodebin can drop the error of a demuxer that fails while it is being
    // plugged in (a file cut in its header, on a busy machine); the player then reports
    // nothing, ever. The component gives up on such a player and says so.
    EndOpening();
    disconnect(m_player, nullptr, this, nullptr);
    m_playerGaveUp = true;
    m_openError = QStringLiteral("the player did not finish opening the file within %1 s")
                      .arg(m_openTimeoutMs / 1000.0);
    const int old = m_openState;
    m_openState = kClosed;
    if (old != kClosed) {
        Queue(m_openChange, old, kClosed);
    }
    SyncPlayState();
    if (OnError) {
        OnError(static_cast<int>(QMediaPlayer::ResourceError), m_openError);
    }
}

void TActiveMovie::FrameChanged(const QVideoFrame& frame) {
    m_frame = frame;
    m_surface->SetFrame(frame);
    if (m_fullScreen && m_fullScreen->isVisible()) {
        m_fullScreen->SetFrame(frame);
    }
    if (frame.isValid() && frame.size() != m_pictureSize) {
        m_pictureSize = frame.size();
        m_pictureHidden = false;
        Relayout();
    }
}

void TActiveMovie::UpdatePictureSize() {
    if (m_frame.isValid()) {
        m_pictureSize = m_frame.size();
        return;
    }
    const QSize resolution = m_player->metaData().value(QMediaMetaData::Resolution).toSize();
    m_pictureSize = m_player->hasVideo() && resolution.isValid() ? resolution : QSize(0, 0);
}

int TActiveMovie::PlayState() const {
    if (m_openState == kClosed) {
        return kStopped;
    }
    return PlayStateOf(m_player->playbackState());
}

double TActiveMovie::CurrentPosition() const {
    return m_player->position() / 1000.0;
}

void TActiveMovie::SetCurrentPosition(double seconds) {
    SeekMs(qRound64(seconds * 1000));
}

void TActiveMovie::SeekMs(qint64 ms) {
    m_player->setPosition(ms);
}

double TActiveMovie::Duration() const {
    return m_player->duration() / 1000.0;
}

int TActiveMovie::Volume() const {
    const double linear = m_audio->volume();
    if (linear <= 0) {
        return kSilence;
    }
    return std::clamp(static_cast<int>(std::lround(2000 * std::log10(linear))), kSilence, 0);
}

void TActiveMovie::SetVolume(int volume) {
    volume = std::clamp(volume, kSilence, 0);
    m_audio->setVolume(volume == kSilence ? 0.0f
                                          : static_cast<float>(std::pow(10.0, volume / 2000.0)));
}

bool TActiveMovie::Mute() const {
    return m_audio->isMuted();
}

void TActiveMovie::SetMute(bool mute) {
    m_audio->setMuted(mute);
}

void TActiveMovie::Notice(const QString& text) {
    if (m_questions) {
        m_questions->Ask(TQuestionKind::Warning, text, TQuestionButtons::Ok);
    }
}

void TActiveMovie::SetShowControls(bool on) {
    if (on && m_displaySize == TDisplaySize::mpCustomSize) {
        Notice(QStringLiteral("this setting is not allowed when DisplaySize = mpCustomSize. Set "
                              "DisplaySize to another value first."));
        return;
    }
    m_showControls = on;
    m_controlBar->setVisible(on);
    ApplySurfaceSizing();
    Relayout();
}

void TActiveMovie::SetDisplaySize(TDisplaySize size) {
    if (size == TDisplaySize::mpCustomSize && m_showControls) {
        Notice(QStringLiteral("this setting is not allowed when ShowControls is enabled. Disable "
                              "ShowControls first."));
        return;
    }
    m_displaySize = size;
    ApplySurfaceSizing();
    Relayout();
}

void TActiveMovie::ApplySurfaceSizing() {
    // With its own controls the player sizes the picture; otherwise the panel does.
    TVideoSurface::TSizing sizing = TVideoSurface::TSizing::Fit;
    if (m_showControls) {
        switch (m_displaySize) {
        case TDisplaySize::mpDefaultSize:
            sizing = TVideoSurface::TSizing::Default;
            break;
        case TDisplaySize::mpHalfSize:
            sizing = TVideoSurface::TSizing::Half;
            break;
        case TDisplaySize::mpDoubleSize:
            sizing = TVideoSurface::TSizing::Double;
            break;
        case TDisplaySize::mpFitToSize:
        case TDisplaySize::mpCustomSize:
            break;
        }
    }
    m_surface->SetSizing(sizing);
}

void TActiveMovie::SetFullScreenMode(bool on) {
    m_fullScreenMode = on;
    if (on) {
        ShowFullScreen();
    } else {
        LeaveFullScreen();
    }
}

void TActiveMovie::ShowFullScreen() {
    if (!m_fullScreen) {
        m_fullScreen = new TVideoSurface(this);
        m_fullScreen->setWindowFlag(Qt::Window);
        m_fullScreen->OnKey = [this](int key) { FullScreenKey(key); };
        m_fullScreen->OnClick = m_surface->OnClick;
    }
    m_fullScreen->SetLogo(m_displayLogo);
    m_fullScreen->SetFrame(m_frame);
    m_fullScreen->showFullScreen();
    m_fullScreen->activateWindow();
    m_fullScreen->setFocus();
}

void TActiveMovie::LeaveFullScreen() {
    if (m_fullScreen) {
        m_fullScreen->hide();
    }
    Relayout();
}

void TActiveMovie::FullScreenKey(int key) {
    if (key == Qt::Key_Escape || OnFullScreenKeyPress) {
        m_keys.append(key);
    }
}

void TActiveMovie::SetZoomSize(int percent) {
    if (percent <= 0 || percent == m_zoomSize) {
        return;
    }
    m_zoomSize = percent;
    if (m_displaySize == TDisplaySize::mpCustomSize) {
        Relayout();
    }
}

void TActiveMovie::SetShowScrollBars(bool on) {
    m_showScrollBars = on;
    Relayout();
}

void TActiveMovie::SetScrollBarsThickness(int pixels) {
    if (pixels > 0) {
        m_scrollBarsThickness = pixels;
        Relayout();
    }
}

void TActiveMovie::SetRate(double rate) {
    if (rate <= 0) {
        return;
    }
    m_rate = rate;
    m_player->setPlaybackRate(rate);
}

void TActiveMovie::SetDisplayMode(TDisplayMode mode) {
    m_displayMode = mode;
    UpdateControlBar();
}

void TActiveMovie::SetDisplayLogo(bool on) {
    m_displayLogo = on;
    m_surface->SetLogo(on);
    if (on) {
        m_pictureHidden = false;
    }
    Relayout();
}

void TActiveMovie::SetCaptureSize(int percent) {
    if (percent > 0) {
        m_captureSize = percent;
    }
}

void TActiveMovie::SetJPEGQuality(int quality) {
    m_jpeg.quality = std::clamp(quality, 1, 100);
}

void TActiveMovie::UpdateControlBar() {
    const bool playing = PlayState() == kPlaying;
    m_playButton->setIcon(
        style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
    m_positionSlider->setToolTip(m_displayMode == TDisplayMode::mpFrames
                                     ? QStringLiteral("%1 frames").arg(m_frameCount)
                                     : QStringLiteral("%1 s").arg(CachedDuration()));
}

void TActiveMovie::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Relayout();
}

void TActiveMovie::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Relayout();
}

void TActiveMovie::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    Relayout();
}

void TActiveMovie::Relayout() {
    if (m_laying) {
        return;
    }
    m_laying = true;
    TMovieLayoutInput in;
    in.panel = size();
    in.picture = m_pictureSize;
    in.componentVisible = !isHidden();
    in.pictureShown = !m_pictureHidden;
    in.open = m_openState == kOpen;
    in.controlsShown = m_showControls;
    in.displaySize = m_displaySize;
    in.zoomSize = m_zoomSize;
    in.showScrollBars = m_showScrollBars;
    in.scrollBarsThickness = m_scrollBarsThickness;
    in.scrollX = m_scrollX;
    in.scrollY = m_scrollY;
    const TMovieLayout out = LayoutMovie(in);
    m_inner->setGeometry(out.picture);
    const auto place = [](QScrollBar* bar, const TScrollBarLayout& layout) {
        bar->setVisible(layout.visible);
        if (!layout.visible) {
            return;
        }
        const QSignalBlocker block(bar);
        bar->setGeometry(layout.bounds);
        bar->setRange(0, layout.maximum);
        bar->setSingleStep(layout.singleStep);
        bar->setPageStep(layout.pageStep);
        bar->setValue(layout.value);
    };
    place(m_horizontal, out.horizontal);
    place(m_vertical, out.vertical);
    m_corner->setVisible(out.cornerVisible);
    m_corner->setGeometry(out.corner);
    m_laying = false;
}

void TActiveMovie::Scrolled() {
    if (m_horizontal->isVisible() && m_horizontal->maximum() > 0) {
        m_scrollX = static_cast<double>(m_horizontal->value()) / m_horizontal->maximum();
    }
    if (m_vertical->isVisible() && m_vertical->maximum() > 0) {
        m_scrollY = static_cast<double>(m_vertical->value()) / m_vertical->maximum();
    }
    Relayout();
}

void TActiveMovie::WaitWhileOpening() {
    if (!m_opening) {
        return;
    }
    // The open deadline bounds the wait: by then the file has opened, failed, or been given up.
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, &loop, [this, &loop] {
        if (!m_opening) {
            loop.quit();
        }
    });
    poll.start();
    loop.exec();
}

void TActiveMovie::SetOpenTimeout(int ms) {
    if (ms > 0) {
        m_openTimeoutMs = ms;
    }
}

QString TActiveMovie::SnapshotName(const QString& fileName, const QString& extension,
                                   const QString& defaultExtension) const {
    if (fileName.isEmpty()) {
        return TSnapshotNamer::Shared().NextFileName(m_autoFileName, m_storagePath,
                                                     m_autoFilePrefix, extension,
                                                     QDateTime::currentDateTime());
    }
    if (!QFileInfo(fileName).fileName().contains('.')) {
        return fileName + defaultExtension;
    }
    return fileName;
}

bool TActiveMovie::Capture(const std::function<void(const QImage&)>& write) {
    if (m_openState != kOpen) {
        return false;
    }
    const bool wasPlaying = PlayState() == kPlaying;
    if (wasPlaying) {
        m_player->pause();
    }
    struct TResume {
        QMediaPlayer* player;
        bool play;
        ~TResume() {
            if (play) {
                player->play();
            }
        }
    } resume{m_player, wasPlaying};
    QVideoFrame frame = m_sink->videoFrame();
    if (!frame.isValid()) {
        frame = m_frame;
    }
    QImage image = frame.isValid() ? frame.toImage() : QImage();
    if (image.isNull()) {
        return false;
    }
    if (m_captureSize != 100) {
        image = image.scaled(qRound(image.width() * m_captureSize / 100.0),
                             qRound(image.height() * m_captureSize / 100.0), Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    }
    write(image);
    return true;
}

bool TActiveMovie::CaptureFrame(QImage& target) {
    return Capture(
        [&target](const QImage& image) { target = image.convertToFormat(QImage::Format_RGB32); });
}

bool TActiveMovie::CaptureFrame(QLabel* target) {
    return Capture([target](const QImage& image) {
        target->setPixmap(QPixmap::fromImage(image));
        target->resize(image.size());
    });
}

bool TActiveMovie::CaptureFrameToBmp(const QString& fileName) {
    return Capture([this, &fileName](const QImage& image) {
        const QString name = SnapshotName(fileName, QStringLiteral("bmp"), QStringLiteral(".bmp"));
        if (!image.convertToFormat(QImage::Format_RGB888).save(name, "BMP")) {
            throw std::runtime_error("Could not write the snapshot file \"" + name.toStdString() +
                                     "\".");
        }
    });
}

bool TActiveMovie::CaptureFrameToJpeg(const QString& fileName) {
    return Capture([this, &fileName](const QImage& image) {
        WriteJpegFile(image, SnapshotName(fileName, QStringLiteral("jpg"), QStringLiteral(".jpeg")),
                      m_jpeg);
    });
}
