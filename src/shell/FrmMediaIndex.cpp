#include "FrmMediaIndex.h"

#include "ClipwiseApplication.h"
#include "DrawnImages.h"
#include "FraHelp.h"
#include "HistoryMenu.h"
#include "MediaDisplay.h"
#include "MediaStatusBar.h"
#include "QueryFrame.h"
#include "QueryResultIndex.h"
#include "ReelExport.h"
#include "UntStatistics.h"
#include "VelRegistry.h"
#include "VelUtils.h"

#include <QAbstractEventDispatcher>
#include <QAbstractSpinBox>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSlider>
#include <QSplitter>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTextEdit>
#include <QToolBar>

#include <algorithm>
#include <cmath>

namespace {

const QString kQueryKey = QStringLiteral("Software\\Velmora\\Clipwise\\Repository\\Query");
constexpr int kDesignLeft = 88;
constexpr int kDesignTop = 230;
constexpr int kSecondsPerDay = 86400;

// An image of the desktop's icon theme, else one that Qt's own style carries, so that no
// button is ever blank.
QIcon Image(const char* themeName, QStyle::StandardPixmap fallback) {
    return QIcon::fromTheme(QLatin1String(themeName), qApp->style()->standardIcon(fallback));
}

QIcon Image(const char* themeName, TDrawnImage fallback) {
    return QIcon::fromTheme(QLatin1String(themeName), DrawnImage(fallback));
}

int Seconds(double days) {
    return static_cast<int>(std::lround(days * kSecondsPerDay));
}

// Widgets that take Enter and "." as typing rather than as playback commands.
bool TakesTyping(QObject* object) {
    if (qobject_cast<QLineEdit*>(object) || qobject_cast<QComboBox*>(object) ||
        qobject_cast<QAbstractSpinBox*>(object)) {
        return true;
    }
    if (auto* edit = qobject_cast<QTextEdit*>(object)) {
        return !edit->isReadOnly();
    }
    if (auto* edit = qobject_cast<QPlainTextEdit*>(object)) {
        return !edit->isReadOnly();
    }
    return false;
}

} // namespace

bool IsMediaIndexFile(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("vmi") || suffix == QLatin1String("mch");
}

struct TMediaIndexForm::TActionEntry {
    const char* name;
    const char* caption;
    QList<QKeySequence> shortcuts;
    const char* hint;
    const char* category;
    QIcon image;
    bool checkable = false;
};

TMediaIndexForm::TMediaIndexForm(QWidget* parent)
    : QMainWindow(parent), m_registry(std::make_unique<TVelRegistry>(1, kQueryKey)) {
    setObjectName(QStringLiteral("MediaIndexForm"));
    setMinimumSize(600, 450);
    setAcceptDrops(true);
    CreateClientArea();
    CreateActions();
    CreateMenus();
    CreateToolBars();
    SetTitle(QString());
    ReadWindowState();

    qApp->installEventFilter(this);
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                [this] { RunCommand([this] { UpdateActions(); }); });
    }
}

TMediaIndexForm::~TMediaIndexForm() {
    qApp->removeEventFilter(this);
    WriteWindowState();
}

// --- Layout ------------------------------------------------------------------------------

void TMediaIndexForm::CreateClientArea() {
    m_helpSplitter = new QSplitter(Qt::Horizontal, this);
    m_helpSplitter->setObjectName(QStringLiteral("HelpSplitter"));
    m_helpSplitter->setHandleWidth(3);
    m_helpSplitter->setChildrenCollapsible(false);
    m_frame = new TQueryFrame(m_helpSplitter);
    m_frame->setObjectName(QStringLiteral("QueryFrame"));
    m_helpFrame = new THelpFrame(m_helpSplitter);
    m_helpSplitter->addWidget(m_frame);
    m_helpSplitter->addWidget(m_helpFrame);
    m_helpSplitter->setStretchFactor(0, 1);
    m_helpSplitter->setStretchFactor(1, 0);
    m_helpSplitter->setSizes({DesignWidth - HelpWidth, HelpWidth});
    m_helpSplitter->handle(1)->setAccessibleName(QStringLiteral("Help pane divider"));
    setCentralWidget(m_helpSplitter);

    m_statusBar = new TMediaStatusBar(this);
    setStatusBar(m_statusBar);

    m_frame->MediaDisplay()->OnClick = [this] { RunCommand([this] { PlayPause(); }); };
}

QAction* TMediaIndexForm::AddAction(const TActionEntry& entry) {
    auto* action = new QAction(QString::fromUtf8(entry.caption), this);
    action->setObjectName(QLatin1String(entry.name));
    action->setShortcuts(entry.shortcuts);
    const QString hint = QString::fromUtf8(entry.hint);
    const int bar = hint.indexOf(QLatin1Char('|'));
    action->setToolTip(hint.left(bar));
    action->setStatusTip(hint.mid(bar + 1));
    action->setIcon(entry.image);
    action->setCheckable(entry.checkable);
    action->setProperty("Category", QString::fromUtf8(entry.category));
    addAction(action);
    return action;
}

void TMediaIndexForm::CreateActions() {
    using S = QStyle;
    using K = QKeySequence;
    const TActionEntry entries[] = {
        {"VideoPlayPause",
         "&Play/Pause",
         {K(Qt::Key_Return), K(Qt::Key_Enter)},
         "Play or Pause|Plays if stopped or paused, pauses if playing",
         "Medie",
         {}},
        {"VideoPlay",
         "&Play",
         {K(Qt::CTRL | Qt::Key_P)},
         "Play (Enter)|Plays media",
         "Medie",
         Image("media-playback-start", S::SP_MediaPlay),
         true},
        {"VideoPause",
         "P&ause",
         {},
         "Pause (Enter)|Pauses media",
         "Medie",
         Image("media-playback-pause", S::SP_MediaPause),
         true},
        {"VideoStop",
         "&Stop",
         {K(Qt::Key_Period)},
         "Stop|Stops media",
         "Medie",
         Image("media-playback-stop", S::SP_MediaStop),
         true},
        {"VideoBackward",
         "&Previous",
         {K(Qt::CTRL | Qt::Key_B)},
         "Previous|Moves to the previous clip",
         "Medie",
         Image("media-skip-backward", S::SP_MediaSkipBackward)},
        {"VideoNext",
         "&Next",
         {K(Qt::CTRL | Qt::Key_F)},
         "Next|Moves to the next clip",
         "Medie",
         Image("media-skip-forward", S::SP_MediaSkipForward)},
        {"VideoRewind",
         "&Rewind",
         {K(Qt::CTRL | Qt::Key_PageDown)},
         "Rewind|Winds backward with a given speed",
         "Medie",
         Image("media-seek-backward", S::SP_MediaSeekBackward)},
        {"VideoFastForward",
         "F&ast Forward",
         {K(Qt::CTRL | Qt::Key_PageUp)},
         "Fast forward|Winds forward with a given speed",
         "Medie",
         Image("media-seek-forward", S::SP_MediaSeekForward)},
        {"VideoStepDecrease",
         "&Slower",
         {K(Qt::SHIFT | Qt::Key_PageDown)},
         "Slower|Decreases the wind speed",
         "Medie",
         // The icon themes name no image for the wind speed.
         DrawnImage(TDrawnImage::Slower)},
        {"VideoStepIncrease",
         "F&aster",
         {K(Qt::SHIFT | Qt::Key_PageUp)},
         "Faster|Increases the wind speed",
         "Medie",
         DrawnImage(TDrawnImage::Faster)},
        {"FileOpen",
         "&Open...",
         {K(Qt::CTRL | Qt::Key_O)},
         "Open index|Opens another index",
         "File",
         Image("document-open", S::SP_DialogOpenButton)},
        {"FileReopen",
         "&Reopen",
         {K(Qt::CTRL | Qt::Key_R)},
         "Reopen index|Opens another index that was recently used",
         "File",
         {}},
        {"FileImport",
         "&Import...",
         {K(Qt::CTRL | Qt::Key_I)},
         "Import index|Imports another index into the index currently open - A backup is "
         "created first",
         "File",
         Image("insert-object", S::SP_FileDialogNewFolder)},
        {"FileExportClips",
         "&Export Clips...",
         {},
         "Export clips|Renders the clips of the list, in its order, into one video file",
         "File",
         Image("document-save-as", S::SP_DialogSaveButton)},
        {"FileExit", "E&xit", {}, "Exit Media Index|Exits the program", "File", {}},
        {"ViewClips",
         "&Clips",
         {},
         "View clips|Displays the clips page listing and showing all clips of the current index",
         "View",
         Image("video-display", S::SP_DesktopIcon),
         true},
        {"ViewFilter",
         "&List",
         {},
         "View filter|Opens the filter page where the clips to view can be selected",
         "View",
         Image("edit-find", S::SP_FileDialogListView),
         true},
        {"ViewStatistics",
         "&Table",
         {},
         "View statistics|Displays the table page showing statistics of the clips of the index",
         "View",
         Image("x-office-spreadsheet", S::SP_FileDialogDetailedView),
         true},
        {"ViewGraph",
         "&Graph",
         {},
         "View graph page|Displays the graph page showing clip statistics in a graphical manner",
         "View",
         Image("utilities-system-monitor", S::SP_ComputerIcon),
         true},
        {"ViewFullScreen",
         "&Full Screen",
         {K(Qt::Key_F11)},
         "View full page|Enlarges the video pane to the entire screen - use <Esc> to return",
         "View",
         Image("view-fullscreen", S::SP_TitleBarMaxButton)},
        {"VideoMute",
         "&Mute",
         {K(Qt::Key_F8)},
         "Mute|Toggles the sound (on/off)",
         "Medie",
         Image("audio-volume-high", S::SP_MediaVolume)},
        {"VolumeDownAction",
         "&Down",
         {K(Qt::Key_F9)},
         "Volume Down|Turns down the volume",
         "Medie",
         {}},
        {"VolumeUpAction", "&Up", {K(Qt::Key_F10)}, "Volume Up|Turns up the volume", "Medie", {}},
        {"ToolsOptions", "&Options...", {}, "Options|Opens the options dialog", "Tools", {}},
        {"HelpBrowser",
         "&Help Browser",
         {K(Qt::Key_F1)},
         "View help browser|Shows or hides the help browser",
         "Help",
         Image("help-browser", S::SP_DialogHelpButton),
         true},
        {"HelpAbout",
         "&About",
         {},
         "About the program|Shows information about the program",
         "Help",
         {}},
        // F8 belongs to Mute alone: Qt fires neither of two actions that share a key.
        {"EditCopyText",
         "Copy &Note",
         {K(Qt::SHIFT | Qt::CTRL | Qt::Key_N)},
         "Copy Text|Copy note text to the clipboard",
         "",
         Image("edit-copy", TDrawnImage::CopyNote)},
        {"EditCopyPicture",
         "Copy &Picture",
         {K(Qt::SHIFT | Qt::CTRL | Qt::Key_P), K(Qt::Key_F7)},
         "Copy Picture|Copy video still to the clipboard",
         "",
         Image("image-x-generic", TDrawnImage::CopyPicture)},
        {"AddClipToPresentation", "AddClipToPresentation", {}, "", "Clip", {}},
    };
    for (const TActionEntry& entry : entries) {
        AddAction(entry);
    }

    auto on = [this](const char* name, auto command) {
        connect(Action(QLatin1String(name)), &QAction::triggered, this, Guarded(command));
    };
    auto media = [this](void (IMediaController::*operation)()) {
        return [this, operation] {
            if (auto controller = Media()) {
                ((*controller).*operation)();
            }
        };
    };
    on("VideoPlayPause", [this] { PlayPause(); });
    on("VideoPlay", [this] {
        ShowPage(TQueryFrame::kPageClips, QStringLiteral("Reference\\Clips"));
        if (auto controller = Media()) {
            controller->Play();
        }
    });
    on("VideoPause", media(&IMediaController::Pause));
    on("VideoStop", media(&IMediaController::Stop));
    on("VideoBackward", media(&IMediaController::Previous));
    on("VideoNext", media(&IMediaController::Next));
    on("VideoRewind", media(&IMediaController::Rewind));
    on("VideoFastForward", media(&IMediaController::FastForward));
    on("VideoStepDecrease", [this] {
        if (auto controller = Media()) {
            controller->SetWindSpeed(controller->GetWindSpeed() / 2);
        }
    });
    on("VideoStepIncrease", [this] {
        if (auto controller = Media()) {
            controller->SetWindSpeed(controller->GetWindSpeed() * 2);
        }
    });
    on("FileOpen", [this] {
        if (auto* controller = GetController()) {
            controller->Open();
        }
    });
    on("FileImport", [this] {
        if (auto* controller = GetController()) {
            controller->Import();
        }
    });
    on("FileExportClips", [this] { ExportClips(); });
    // Closing stops playback; the window state is written when the window goes.
    on("FileExit", [this] {
        close();
        QCoreApplication::exit(0);
    });
    on("ViewClips",
       [this] { ShowPage(TQueryFrame::kPageClips, QStringLiteral("Reference\\Clips")); });
    on("ViewFilter",
       [this] { ShowPage(TQueryFrame::kPageList, QStringLiteral("Reference\\List")); });
    on("ViewStatistics",
       [this] { ShowPage(TQueryFrame::kPageTable, QStringLiteral("Reference\\Table")); });
    on("ViewGraph",
       [this] { ShowPage(TQueryFrame::kPageGraph, QStringLiteral("Reference\\Graph")); });
    on("ViewFullScreen", [this] { m_frame->MediaDisplay()->SetFullScreenMode(true); });
    on("VideoMute", [this] {
        if (auto controller = Media()) {
            controller->SetMute(!controller->GetMute());
        }
    });
    on("VolumeDownAction", [this] { StepVolume(-1); });
    on("VolumeUpAction", [this] { StepVolume(1); });
    on("ToolsOptions", [this] {
        if (auto* controller = GetController()) {
            controller->ShowOptions();
        }
    });
    on("HelpBrowser", [this] { ToggleHelp(); });
    on("HelpAbout", [this] {
        if (auto* controller = GetController()) {
            controller->ShowAbout();
        }
    });
    on("EditCopyText", [this] { CopyNote(); });
    on("EditCopyPicture", [this] { CopyPicture(); });
    on("AddClipToPresentation", [this] {
        TSituation* situation = m_frame->QueryResultIndex()->SelectedSituation();
        if (situation && GetController()) {
            GetController()->AddClipToPresentation(situation);
        }
    });

    m_pages = new QActionGroup(this);
    for (const char* name : {"ViewClips", "ViewFilter", "ViewStatistics", "ViewGraph"}) {
        m_pages->addAction(Action(QLatin1String(name)));
    }
    for (const char* name : {"FileOpen", "FileExportClips", "VideoPlay", "VideoPause", "VideoStop",
                             "VideoBackward", "VideoNext", "VideoRewind", "VideoFastForward",
                             "ViewFullScreen", "EditCopyText", "EditCopyPicture"}) {
        Action(QLatin1String(name))->setEnabled(false);
    }
    Action(QStringLiteral("ViewClips"))->setChecked(true);
    // No add-clip agent exists, so the item stays out of sight.
    Action(QStringLiteral("AddClipToPresentation"))->setVisible(false);
}

void TMediaIndexForm::CreateMenus() {
    auto add = [this](QMenu* menu, std::initializer_list<const char*> names) {
        for (const char* name : names) {
            if (*name == '-') {
                menu->addSeparator();
            } else {
                menu->addAction(Action(QLatin1String(name)));
            }
        }
    };
    auto named = [this](const char* title, const char* name) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(title));
        menu->setObjectName(QLatin1String(name));
        return menu;
    };

    m_fileMenu = new THistoryMenu(QStringLiteral("&File"), this);
    m_fileMenu->setObjectName(QStringLiteral("FileMenu"));
    m_fileMenu->SetHistoryItemIndex(1);
    add(m_fileMenu,
        {"FileOpen", "FileReopen", "FileImport", "-", "FileExportClips", "-", "FileExit"});
    menuBar()->addMenu(m_fileMenu);

    add(named("&Edit", "EditMenu"), {"EditCopyText", "EditCopyPicture"});
    add(named("&View", "ViewMenu"), {"ViewClips", "ViewFilter", "ViewStatistics", "ViewGraph", "-",
                                     "ViewFullScreen", "-", "HelpBrowser"});
    add(named("&Tools", "ToolsMenu"), {"ToolsOptions"});
    QMenu* play = named("&Play", "PlayMenu");
    add(play, {"VideoPlayPause", "VideoStop", "-", "VideoBackward", "VideoNext", "-", "VideoRewind",
               "VideoFastForward", "-", "VideoStepDecrease", "VideoStepIncrease", "-"});
    QMenu* volume = play->addMenu(QStringLiteral("&Volume"));
    volume->setObjectName(QStringLiteral("VolumeMenu"));
    add(volume, {"VolumeUpAction", "VolumeDownAction", "VideoMute"});
    add(named("&Help", "HelpMainMenu"), {"HelpBrowser", "-", "HelpAbout"});

    auto* clipMenu = new QMenu(this);
    clipMenu->setObjectName(QStringLiteral("ClipPopupMenu"));
    add(clipMenu, {"AddClipToPresentation"});
}

void TMediaIndexForm::CreateToolBars() {
    m_mediaToolBar = addToolBar(QStringLiteral("Media"));
    m_mediaToolBar->setObjectName(QStringLiteral("MediaToolBar"));
    m_mediaToolBar->setMovable(false);
    auto add = [](QToolBar* bar, std::initializer_list<const char*> names, QWidget* owner) {
        for (const char* name : names) {
            if (*name == '-') {
                bar->addSeparator();
            } else {
                bar->addAction(owner->findChild<QAction*>(QLatin1String(name)));
            }
        }
    };

    m_timeTrackBar = new QSlider(Qt::Horizontal, m_mediaToolBar);
    m_timeTrackBar->setObjectName(QStringLiteral("TimeTrackBar"));
    m_timeTrackBar->setAccessibleName(QStringLiteral("Playback position"));
    m_timeTrackBar->setFixedWidth(200);
    m_timeTrackBar->setRange(0, 0);
    m_timeTrackBar->setSingleStep(5);
    m_timeTrackBar->setPageStep(10);
    m_timeTrackBar->setEnabled(false);
    m_volumeTrackBar = new QSlider(Qt::Horizontal, m_mediaToolBar);
    m_volumeTrackBar->setObjectName(QStringLiteral("VolumeTrackBar"));
    m_volumeTrackBar->setAccessibleName(QStringLiteral("Volume"));
    m_volumeTrackBar->setFixedWidth(100);
    m_volumeTrackBar->setRange(-3000, 0);
    m_volumeTrackBar->setValue(-600);
    m_volumeTrackBar->setSingleStep(100);
    m_volumeTrackBar->setPageStep(200);
    for (QSlider* bar : {m_timeTrackBar, m_volumeTrackBar}) {
        bar->installEventFilter(this);
    }
    connect(m_timeTrackBar, &QSlider::valueChanged, this, [this](int seconds) {
        if (m_updating) {
            return;
        }
        RunCommand([this, seconds] {
            if (auto controller = Media()) {
                controller->SetPosition(static_cast<double>(seconds) / kSecondsPerDay);
            }
        });
    });
    connect(m_volumeTrackBar, &QSlider::valueChanged, this, [this](int volume) {
        RunCommand([this, volume] {
            if (auto controller = Media()) {
                controller->SetVolume(volume);
            }
        });
    });

    add(m_mediaToolBar,
        {"VideoPlay", "VideoPause", "VideoStop", "-", "VideoBackward", "VideoNext", "-",
         "VideoRewind"},
        this);
    m_mediaToolBar->addWidget(m_timeTrackBar);
    add(m_mediaToolBar,
        {"VideoFastForward", "-", "VideoStepDecrease", "VideoStepIncrease", "-", "ViewFullScreen",
         "-", "VideoMute"},
        this);
    m_mediaToolBar->addWidget(m_volumeTrackBar);
    add(m_mediaToolBar, {"-", "EditCopyPicture", "EditCopyText"}, this);

    addToolBarBreak();
    m_pageToolBar = addToolBar(QStringLiteral("Pages"));
    m_pageToolBar->setObjectName(QStringLiteral("PageToolBar"));
    m_pageToolBar->setMovable(false);
    m_pageToolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    add(m_pageToolBar, {"ViewClips", "-", "ViewFilter", "-", "ViewStatistics", "-", "ViewGraph"},
        this);

    for (QToolBar* bar : {m_mediaToolBar, m_pageToolBar}) {
        for (QAction* action : bar->actions()) {
            if (QWidget* button = bar->widgetForAction(action)) {
                if (button->accessibleName().isEmpty() && !action->text().isEmpty()) {
                    button->setAccessibleName(QString(action->text()).remove(QLatin1Char('&')));
                }
            }
        }
    }
}

void TMediaIndexForm::ApplyHiddenViews() {
    const bool hideTable = m_registry->ReadInteger(QStringLiteral("HideTableViewDefault"), 0) == 1;
    const bool hideGraph = m_registry->ReadInteger(QStringLiteral("HideGraphViewDefault"), 0) == 1;
    Action(QStringLiteral("ViewStatistics"))->setVisible(!hideTable);
    Action(QStringLiteral("ViewGraph"))->setVisible(!hideGraph);
    // A divider stays only between two visible buttons, so a hidden page takes its divider
    // with it.
    bool seenButton = false;
    QAction* pending = nullptr;
    for (QAction* action : m_pageToolBar->actions()) {
        if (action->isSeparator()) {
            action->setVisible(false);
            if (seenButton && !pending) {
                pending = action;
            }
        } else if (action->isVisible()) {
            if (pending) {
                pending->setVisible(true);
                pending = nullptr;
            }
            seenButton = true;
        }
    }
}

// --- Window state ------------------------------------------------------------------------

void TMediaIndexForm::ReadWindowState() {
    resize(DesignWidth, DesignHeight);
    const int state = RegistryGet(kQueryKey, QStringLiteral("WindowState"), -1);
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    if (state < 0) {
        move(available.center() - rect().center());
        return;
    }
    QRect bounds(RegistryGet(kQueryKey, QStringLiteral("Left"), kDesignLeft),
                 RegistryGet(kQueryKey, QStringLiteral("Top"), kDesignTop),
                 RegistryGet(kQueryKey, QStringLiteral("Width"), DesignWidth),
                 RegistryGet(kQueryKey, QStringLiteral("Height"), DesignHeight));
    bounds.setSize(bounds.size().expandedTo(minimumSize()));
    bool onScreen = false;
    for (QScreen* each : QGuiApplication::screens()) {
        onScreen = onScreen || each->availableGeometry().intersects(bounds);
    }
    if (!onScreen) {
        // The screen it was closed on is gone: bring it back where the user can reach it.
        bounds.setSize(bounds.size().boundedTo(available.size()));
        bounds.moveCenter(available.center());
    }
    setGeometry(bounds);
    // A window restored minimized looks as if the program had not started: it opens normal.
    m_restoreMaximized = state == 2;
}

void TMediaIndexForm::WriteWindowState() {
    try {
        const bool maximized = isMaximized();
        const int state = maximized ? 2 : (isMinimized() ? 1 : 0);
        RegistryPut(kQueryKey, QStringLiteral("WindowState"), state);
        if (!maximized) {
            const QRect bounds = geometry();
            RegistryPut(kQueryKey, QStringLiteral("Left"), bounds.left());
            RegistryPut(kQueryKey, QStringLiteral("Top"), bounds.top());
            RegistryPut(kQueryKey, QStringLiteral("Width"), bounds.width());
            RegistryPut(kQueryKey, QStringLiteral("Height"), bounds.height());
        }
    } catch (const std::exception&) {
        // A write error ends the writes; the window goes all the same.
    }
}

void TMediaIndexForm::ShowAsStored() {
    if (m_restoreMaximized) {
        showMaximized();
    } else {
        show();
    }
}

// --- IQueryView --------------------------------------------------------------------------

void TMediaIndexForm::Show() {
    ShowAsStored();
}

int TMediaIndexForm::GetDefinitionViewCount() {
    return m_frame->GetDefinitionViewCount() + 1;
}

IQueryDefinitionView* TMediaIndexForm::GetDefinitionView(int index) {
    if (index == m_frame->GetDefinitionViewCount()) {
        return m_statusBar;
    }
    return m_frame->GetDefinitionView(index);
}

int TMediaIndexForm::GetResultViewCount() {
    return m_frame->GetResultViewCount();
}

IQueryResultView* TMediaIndexForm::GetResultView(int index) {
    return m_frame->GetResultView(index);
}

void TMediaIndexForm::SetTitle(const QString& title) {
    m_frame->SetTitle(title);
    setWindowTitle(QStringLiteral("Velmora Clipwise - ") + m_frame->GetTitle());
}

QString TMediaIndexForm::GetTitle() {
    return m_frame->GetTitle();
}

IQueryController* TMediaIndexForm::GetController() {
    return m_frame->GetController();
}

void TMediaIndexForm::SetController(IQueryController* controller) {
    ApplyHiddenViews();
    m_frame->SetController(controller);
    controller->AddMediaListener(m_statusBar);
    controller->AddMediaListener(this);
    controller->AddHelpListener(this);
    // The pane was opened or closed before the window listened: the divider follows it now.
    if (controller->IsHelpVisible()) {
        HelpShown();
    } else {
        HelpHidden();
    }
    ShowPage(TQueryFrame::kPageClips, QStringLiteral("Reference\\Clips"));
}

IMediaView* TMediaIndexForm::GetMediaView() {
    return m_frame->GetMediaView();
}

IHistoryView* TMediaIndexForm::GetHistoryView() {
    return m_fileMenu;
}

IHelpView* TMediaIndexForm::GetHelpView() {
    return m_helpFrame;
}

// --- Listeners ---------------------------------------------------------------------------

void TMediaIndexForm::TimeChanged(double position, double length) {
    m_updating = true;
    m_timeTrackBar->setMaximum(Seconds(length));
    m_timeTrackBar->setValue(Seconds(position));
    m_updating = false;
}

void TMediaIndexForm::HelpShown() {
    m_helpSplitter->handle(1)->show();
}

void TMediaIndexForm::HelpHidden() {
    m_helpSplitter->handle(1)->hide();
}

// --- Commands ----------------------------------------------------------------------------

std::shared_ptr<IMediaController> TMediaIndexForm::Media() const {
    IMediaView* view = m_frame->GetMediaView();
    return view ? view->GetController() : nullptr;
}

void TMediaIndexForm::ShowPage(int page, const QString& helpContext) {
    m_frame->ShowPage(page);
    if (auto* controller = GetController()) {
        controller->SetHelpContext(helpContext);
    }
}

void TMediaIndexForm::PlayPause() {
    if (auto controller = Media()) {
        if (controller->IsPlaying()) {
            controller->Pause();
        } else {
            controller->Play();
        }
    }
}

void TMediaIndexForm::ToggleHelp() {
    IQueryController* controller = GetController();
    if (!controller) {
        return;
    }
    if (controller->IsHelpVisible()) {
        controller->HideHelp();
        return;
    }
    controller->ShowHelp();
    // The divider goes to the pane's left edge, the pane at its own width.
    const int pane = m_helpFrame->width() > 0 && m_helpFrame->width() < m_helpSplitter->width()
                         ? std::max(m_helpFrame->width(), HelpWidth)
                         : HelpWidth;
    const int total = m_helpSplitter->width() - m_helpSplitter->handleWidth();
    m_helpSplitter->setSizes({std::max(0, total - pane), pane});
}

void TMediaIndexForm::CopyNote() {
    QGuiApplication::clipboard()->setText(m_frame->Note()->toPlainText());
}

void TMediaIndexForm::CopyPicture() {
    QImage frame;
    // Without a captured frame the clipboard keeps what it holds.
    if (m_frame->MediaDisplay()->CaptureFrame(frame) && !frame.isNull()) {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        clipboard->setImage(frame);
    }
}

TSituationSet* TMediaIndexForm::Clips() const {
    const std::shared_ptr<IQueryResultModel> result = m_frame->QueryResultIndex()->GetResultModel();
    return result ? &result->GetSituationSet() : nullptr;
}

void TMediaIndexForm::ExportClips() {
    TSituationSet* clips = Clips();
    IQueryController* controller = GetController();
    if (!m_export || !clips || !controller) {
        return;
    }
    // Videos are looked for where playback looks for them.
    const std::shared_ptr<IOptionsModel> options = controller->GetOptionsModel();
    const QString mediaFolder = options ? options->GetMediaFolder() : QString();
    // The first choice: beside the index, under its name.
    const QFileInfo index(GetTitle());
    const QString suggested =
        index.isFile()
            ? index.absolutePath() + u'/' + index.completeBaseName() + QStringLiteral(".webm")
            : QStringLiteral("Clips.webm");
    m_export->Start(*clips, mediaFolder, suggested);
}

void TMediaIndexForm::StepVolume(int direction) {
    m_volumeTrackBar->setValue(m_volumeTrackBar->value() +
                               direction * m_volumeTrackBar->singleStep());
}

void TMediaIndexForm::SetMuteImage(bool mute) {
    if (mute == m_muteImageMuted) {
        return;
    }
    m_muteImageMuted = mute;
    Action(QStringLiteral("VideoMute"))
        ->setIcon(mute ? Image("audio-volume-muted", QStyle::SP_MediaVolumeMuted)
                       : Image("audio-volume-high", QStyle::SP_MediaVolume));
}

void TMediaIndexForm::SetUserQuestions(std::shared_ptr<IUserQuestions> questions) {
    m_export = questions ? std::make_unique<TReelExport>(this, std::move(questions)) : nullptr;
}

void TMediaIndexForm::OpenDroppedFile(const QString& path) {
    RunCommand([this, path] {
        IQueryController* controller = GetController();
        if (!controller) {
            return;
        }
        IRepositoryController* repository = controller->GetRepositoryController();
        // CloseDocument asks about unsaved changes; a cancel keeps the open document.
        if (repository && repository->CloseDocument()) {
            repository->OpenFile(path);
        }
    });
}

QAction* TMediaIndexForm::Action(const QString& name) const {
    return findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

// --- Update handlers ---------------------------------------------------------------------

void TMediaIndexForm::UpdateActions() {
    const std::shared_ptr<IMediaController> media = Media();
    IQueryController* controller = GetController();
    const int page = m_frame->GetPage();
    const bool clips = page == TQueryFrame::kPageClips;
    const bool playing = media && media->IsPlaying();
    const bool paused = media && media->IsPaused();

    auto set = [this](const char* name, bool enabled) {
        Action(QLatin1String(name))->setEnabled(enabled);
    };
    auto check = [this](const char* name, bool checked) {
        Action(QLatin1String(name))->setChecked(checked);
    };

    check("VideoPlay", playing);
    set("VideoPlay", media && media->CanPlay());
    m_timeTrackBar->setEnabled(media && !media->IsStopped());
    check("VideoPause", paused);
    set("VideoPause", media && media->CanPause());
    check("VideoStop", media && media->IsStopped());
    set("VideoStop", media && media->CanStop());
    set("VideoBackward", media && media->CanPrevious());
    set("VideoNext", media && media->CanNext());
    set("VideoRewind", media && media->CanRewind());
    set("VideoFastForward", media && media->CanFastForward());
    set("FileOpen", true);
    const TSituationSet* result = Clips();
    set("FileExportClips",
        m_export && !m_export->IsRunning() && result && result->SortedCount() > 0);

    check("ViewClips", clips);
    check("ViewFilter", page == TQueryFrame::kPageList);
    check("ViewStatistics", page == TQueryFrame::kPageTable);
    check("ViewGraph", page == TQueryFrame::kPageGraph);
    // Playback belongs to the Clips page: leaving it pauses.
    if (!clips && playing) {
        media->Pause();
    }
    set("ViewFullScreen", clips && (playing || paused));
    SetMuteImage(media && media->GetMute());
    check("HelpBrowser", controller && controller->IsHelpVisible());
    set("EditCopyText", clips);
    set("EditCopyPicture", clips && media && media->IsPaused());
    set("AddClipToPresentation", m_frame->QueryResultIndex()->SelectedSituation() != nullptr);
}

// --- Events ------------------------------------------------------------------------------

bool TMediaIndexForm::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        m_statusBar->ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool TMediaIndexForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && TakesTyping(watched)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Period) {
            // The key goes to the widget as typing, not to the playback shortcut.
            event->accept();
            return true;
        }
    }
    if (event->type() == QEvent::FocusIn &&
        (watched == m_timeTrackBar || watched == m_volumeTrackBar)) {
        // The keyboard always works on the clip list.
        m_frame->QueryResultIndex()->setFocus(Qt::OtherFocusReason);
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMediaIndexForm::closeEvent(QCloseEvent* event) {
    RunCommand([this] {
        if (auto controller = Media()) {
            controller->Stop();
        }
    });
    event->accept();
}

void TMediaIndexForm::dragEnterEvent(QDragEnterEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile() && IsMediaIndexFile(url.toLocalFile())) {
            event->acceptProposedAction();
            return;
        }
    }
}

void TMediaIndexForm::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile() && IsMediaIndexFile(url.toLocalFile())) {
            event->acceptProposedAction();
            OpenDroppedFile(url.toLocalFile());
            return;
        }
    }
}
