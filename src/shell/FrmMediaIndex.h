#pragma once
// The main window and query window: menus, the media and page tool bars, the query frame, the
// help pane and the status bar. Its commands go to the query controller and the media
// controller; their enabled and checked states follow those controllers whenever the user
// interface is idle.

#include "Agents.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QActionGroup;
class QSlider;
class QSplitter;
class QToolBar;
class THelpFrame;
class THistoryMenu;
class TMediaStatusBar;
class TQueryFrame;
class TReelExport;
class TVelRegistry;

class TMediaIndexForm final : public QMainWindow,
                              public IQueryView,
                              public IMediaListener,
                              public IHelpListener {
    Q_OBJECT
public:
    static constexpr int DesignWidth = 800;
    static constexpr int DesignHeight = 600;
    static constexpr int HelpWidth = 250;

    explicit TMediaIndexForm(QWidget* parent = nullptr);
    // Writes the window state.
    ~TMediaIndexForm() override;

    // IQueryView
    void Show() override;
    int GetDefinitionViewCount() override;
    IQueryDefinitionView* GetDefinitionView(int index) override;
    int GetResultViewCount() override;
    IQueryResultView* GetResultView(int index) override;
    void SetTitle(const QString& title) override;
    QString GetTitle() override;
    IQueryController* GetController() override;
    void SetController(IQueryController* controller) override;
    IMediaView* GetMediaView() override;
    IHistoryView* GetHistoryView() override;
    IHistoryView* GetSecondaryHistoryView() override { return nullptr; }
    IHelpView* GetHelpView() override;

    // IMediaListener
    void ClipChanged(int, int) override {}
    void TimeChanged(double position, double length) override;
    void WindSpeedChanged(double) override {}
    void AudioChanged(bool, int) override {}

    // IHelpListener
    void HelpShown() override;
    void HelpHidden() override;
    void HelpTopicChanged(const QString&) override {}

    // The update handlers of every action; runs whenever the event loop is about to wait.
    void UpdateActions();
    // Where the window's own questions go, File, Export Clips's among them; without them
    // that item stays disabled.
    void SetUserQuestions(std::shared_ptr<IUserQuestions> questions);
    // Shows the window as the stored state says: maximized, or normal.
    void ShowAsStored();
    // Opens a dropped or passed media index as File, Open does, asking about unsaved changes.
    void OpenDroppedFile(const QString& path);
    // "HideTableViewDefault" and "HideGraphViewDefault" of the administrator: 1 hides that
    // page's action with its button, menu item and divider. Part of SetController.
    void ApplyHiddenViews();

    // The action of the given name (VideoPlay, ViewGraph, ...), for the tests and the menus.
    QAction* Action(const QString& name) const;
    TQueryFrame* QueryFrame() const { return m_frame; }
    TMediaStatusBar* StatusBar() const { return m_statusBar; }
    THelpFrame* HelpFrame() const { return m_helpFrame; }
    QSplitter* HelpSplitter() const { return m_helpSplitter; }
    QSlider* TimeTrackBar() const { return m_timeTrackBar; }
    QSlider* VolumeTrackBar() const { return m_volumeTrackBar; }
    QToolBar* PageToolBar() const { return m_pageToolBar; }
    // None before SetUserQuestions.
    TReelExport* ReelExport() const { return m_export.get(); }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    struct TActionEntry;
    QAction* AddAction(const TActionEntry& entry);
    void CreateActions();
    void CreateMenus();
    void CreateToolBars();
    void CreateClientArea();
    void ReadWindowState();
    void WriteWindowState();

    // The media controller of the frame's video pane; none before the wiring.
    std::shared_ptr<IMediaController> Media() const;
    void ShowPage(int page, const QString& helpContext);
    void PlayPause();
    void ToggleHelp();
    void CopyNote();
    void CopyPicture();
    // The situation set of the clip list; none before the wiring.
    TSituationSet* Clips() const;
    void ExportClips();
    void StepVolume(int direction);
    void SetMuteImage(bool mute);

    std::unique_ptr<TVelRegistry> m_registry;
    bool m_updating = false;
    bool m_restoreMaximized = false;
    bool m_muteImageMuted = false;

    TQueryFrame* m_frame = nullptr;
    TMediaStatusBar* m_statusBar = nullptr;
    THelpFrame* m_helpFrame = nullptr;
    QSplitter* m_helpSplitter = nullptr;
    THistoryMenu* m_fileMenu = nullptr;
    QSlider* m_timeTrackBar = nullptr;
    QSlider* m_volumeTrackBar = nullptr;
    QToolBar* m_mediaToolBar = nullptr;
    QToolBar* m_pageToolBar = nullptr;
    QActionGroup* m_pages = nullptr;
    std::unique_ptr<TReelExport> m_export;
};

// Whether a file of this name is a media index that the window accepts by drag and drop.
bool IsMediaIndexFile(const QString& path);
