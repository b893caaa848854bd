#pragma once
// The content of the query window: four pages (Clips, List, Table, Graph), one visible at a
// time, holding every view of the window and the video pane; the note of the selected clip;
// the fit of the video pane to its panel.

#include "Agents.h"

#include "VideoZoom.h"

#include <QWidget>

class QFrame;
class QSplitter;
class QTextEdit;
class TCategorySelectionComboBox;
class TIncrementalQueryView;
class TMediaDisplay;
class TQueryResultGraphView;
class TQueryResultIndex;
class TQueryResultTable;

class TQueryFrame final : public QWidget, public IQueryView {
    Q_OBJECT
public:
    static constexpr int kPageClips = 1;
    static constexpr int kPageList = 2;
    static constexpr int kPageTable = 3;
    static constexpr int kPageGraph = 4;

    explicit TQueryFrame(QWidget* parent = nullptr);
    ~TQueryFrame() override;

    // IQueryView
    void Show() override {}
    int GetDefinitionViewCount() override { return 9; }
    IQueryDefinitionView* GetDefinitionView(int index) override;
    int GetResultViewCount() override { return 5; }
    IQueryResultView* GetResultView(int index) override;
    void SetTitle(const QString& title) override { m_title = title; }
    QString GetTitle() override { return m_title; }
    IQueryController* GetController() override { return m_controller; }
    // Registers the clip list with the media controller and applies the administrator's
    // hidden columns; called once, before the first document.
    void SetController(IQueryController* controller) override;
    IMediaView* GetMediaView() override { return m_mediaView; }
    IHistoryView* GetHistoryView() override { return nullptr; }
    IHistoryView* GetSecondaryHistoryView() override { return nullptr; }
    IHelpView* GetHelpView() override { return nullptr; }

    // 1 Clips, 2 List, 3 Table, 4 Graph; another number hides all four.
    void ShowPage(int page);
    int GetPage() const { return m_page; }
    void SetMediaView(IMediaView* view) { m_mediaView = view; }

    // Handlers of the components' events.
    void QueryResultIndexSelectSituation(TSituation* situation);
    void HorizontalVideoSplitterMoved();
    void VerticalVideoSplitterMoved();
    void MediaDisplayOpenComplete();

    TMediaDisplay* MediaDisplay() const { return m_mediaDisplay; }
    TQueryResultIndex* QueryResultIndex() const { return m_queryResultIndex; }
    TIncrementalQueryView* GeneralProperties() const { return m_generalProperties; }
    TIncrementalQueryView* QuestionProperties() const { return m_questionProperties; }
    TQueryResultTable* QueryResultTable() const { return m_queryResultTable; }
    TQueryResultGraphView* QueryResultGraph() const { return m_queryResultGraph; }
    TCategorySelectionComboBox* PrimaryCategory() const { return m_primaryCategory; }
    TCategorySelectionComboBox* SecondaryCategory() const { return m_secondaryCategory; }
    TCategorySelectionComboBox* TablePrimaryCategory() const { return m_tablePrimaryCategory; }
    TCategorySelectionComboBox* TableSecondarySelection() const {
        return m_tableSecondarySelection;
    }
    QTextEdit* Note() const { return m_note; }

private:
    QWidget* BuildClipsPage();
    QWidget* BuildListPage();
    QWidget* BuildTablePage();
    QWidget* BuildGraphPage();
    // A panel of two category selectors under a header strip with their captions.
    QWidget* BuildSelectorPanel(const QString& name, int height, const QString& stripName,
                                const QString& first, const QString& second,
                                TCategorySelectionComboBox*& primary,
                                TCategorySelectionComboBox*& secondary, const QString& primaryName,
                                const QString& secondaryName);
    void FitVideo(std::optional<TVideoZoom> zoom);
    QSize PictureSize() const;

    QWidget* m_pages[4] = {};
    int m_page = 0;
    QString m_title;
    IQueryController* m_controller = nullptr;
    IMediaView* m_mediaView = nullptr;

    QSplitter* m_clipsSplitter = nullptr; // VideoTopPanel over the clip list
    QSplitter* m_videoTopPanel = nullptr; // VideoPanel beside Panel4
    QFrame* m_videoPanel = nullptr;
    TMediaDisplay* m_mediaDisplay = nullptr;
    QTextEdit* m_note = nullptr;
    TQueryResultIndex* m_queryResultIndex = nullptr;
    TIncrementalQueryView* m_generalProperties = nullptr;
    TIncrementalQueryView* m_questionProperties = nullptr;
    TQueryResultTable* m_queryResultTable = nullptr;
    TQueryResultGraphView* m_queryResultGraph = nullptr;
    TCategorySelectionComboBox* m_primaryCategory = nullptr;
    TCategorySelectionComboBox* m_secondaryCategory = nullptr;
    TCategorySelectionComboBox* m_tablePrimaryCategory = nullptr;
    TCategorySelectionComboBox* m_tableSecondarySelection = nullptr;
};
