#pragma once
// The clip list: one row per situation of the current result in the result's sort order,
// with the match, the times, the team and the clip type, and a column per question that the
// listed situations answer. Selecting a row hands the clip to the media controller; the
// controller moves the selection as it plays on. A header click sorts by that column.

#include "Agents.h"

#include <QHash>
#include <QTreeView>

#include <functional>
#include <memory>

class TClipListModel;

using TSelectSituationEvent = std::function<void(TSituation* aSituation)>;

class TQueryResultIndex final : public QTreeView,
                                public IQueryResultView,
                                public IQueryResultObserver,
                                public IMediaListener {
    Q_OBJECT
public:
    explicit TQueryResultIndex(QWidget* parent = nullptr);
    // Leaves the result model and the media controller it listens to.
    ~TQueryResultIndex() override;

    // Told of every change of the selected row, with its situation or none.
    TSelectSituationEvent OnSelectSituation;

    bool ShowMediaColumns() const;
    void SetShowMediaColumns(bool show);
    bool ShowTeamColumns() const;
    // Once false, the "Team 1", "Team 2" and "Clip Team" columns are gone for good.
    void SetShowTeamColumns(bool show);

    // The situation of the selected row, or none.
    TSituation* SelectedSituation() const;
    int RowCount() const;
    QStringList Captions() const;
    QString Text(int row, int column) const;
    TSituation* Situation(int row) const;

    // IQueryResultView
    void SetResultModel(std::shared_ptr<IQueryResultModel> model) override;
    std::shared_ptr<IQueryResultModel> GetResultModel() override { return m_result; }
    void QueryModelChanged(IQueryModel& queryModel) override;
    void SetMediaController(std::shared_ptr<IMediaController> mediaController) override;
    // IQueryResultObserver
    void ClipInserted(TSituation* situation, int index) override;
    void ClipDeleted(TSituation* item, int index) override;
    void ClipUpdated(TSituation* situation, int index) override;
    void ResultChanged(IQueryResultModel& model) override { Fill(model); }
    void SortChanged(IQueryResultModel& model) override { Fill(model); }
    void ClipMovedDown(int index) override;
    void ClipMovedUp(int index) override;
    // IMediaListener
    void ClipChanged(int index, int count) override;
    void TimeChanged(double, double) override {}
    void WindSpeedChanged(double) override {}
    void AudioChanged(bool, int) override {}

private:
    void Fill(IQueryResultModel& model);
    void SelectQuietly(int row);
    void UserSelected(int row);
    void HeaderClicked(int column);
    void LayColumns();
    void WidenColumns(int firstRow, int lastRow);

    std::shared_ptr<IQueryResultModel> m_result;
    std::shared_ptr<IMediaController> m_mediaController;
    TClipListModel* m_rows;
    std::vector<int> m_grownWidths; // per column, as grown so far
    int TextWidth(const QString& text);
    QHash<QString, int> m_textWidths; // measured once per document
    int m_quiet = 0;                  // the user-selection reaction is off while above 0
};
