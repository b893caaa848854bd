// The query window's views on a generated index of 100 000 situations: the whole click path
// (toggle, evaluation, the grids' sort, the clip-list refill, a repaint of what is on screen),
// the clip-list fill for the full result, and the graph's rebuild for 50 x 10 values. The
// yardstick is the same click without views, in the same run.
//
// Widgets need a display: offscreen unless one is given (under xvfb-run the graph also
// hands its bars to OpenGL).

#include "BarChartWidget.h"
#include "BenchData.h"
#include "IncrementalQueryView.h"
#include "LabelFormat.h"
#include "MatchStatFile.h"
#include "QueryDefinitionModel.h"
#include "QueryModel.h"
#include "QueryResultGraphView.h"
#include "QueryResultIndex.h"
#include "QueryResultModel.h"
#include "QueryWindowFixture.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr int kSituations = 100000;

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "clipwise-bench";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) {
        if (!std::getenv("DISPLAY")) {
            setenv("QT_QPA_PLATFORM", "offscreen", 0);
        }
        new QApplication(argc, argv); // lives until the process ends
    }
}

const std::string& IndexPath() {
    static const std::string path = BenchMediaIndex(kSituations);
    return path;
}

// The frame wired through the real query controller over the generated index, showing its
// List page as a user clicking in the grids sees it.
TQueryWindowFixture& Window() {
    static TQueryWindowFixture* window = [] {
        EnsureApplication();
        auto* created = new TQueryWindowFixture;
        created->document.LoadFromFile(IndexPath());
        created->repository.document = &created->document;
        created->controller->SetDocument(&created->document);
        created->frame->resize(1280, 900);
        created->frame->show();
        created->frame->ShowPage(TQueryFrame::kPageList);
        QApplication::processEvents();
        return created;
    }();
    return *window;
}

// Toggles a value where the grid shows it, as a click on its cell does.
void ClickValue(TIncrementalQueryView& grid, const QString& property, const QString& value) {
    for (int column = 0; column < grid.ColumnCount(); ++column) {
        if (grid.Cell(column, 0) != property) {
            continue;
        }
        for (int row = 1; row < grid.RowCount(); ++row) {
            if (grid.Cell(column, row) == value) {
                grid.ClickCell(column, row);
                return;
            }
        }
    }
}

void BM_ClickThroughTheViews(benchmark::State& state) {
    TQueryWindowFixture& window = Window();
    TIncrementalQueryView& general = *window.frame->GeneralProperties();
    TIncrementalQueryView& questions = *window.frame->QuestionProperties();
    for (auto _ : state) {
        // Selecting and deselecting in turn: a part of the situations, then all of them.
        ClickValue(general, "Clip Type", "Attack");
        general.viewport()->repaint();
        questions.viewport()->repaint();
    }
    state.counters["clips"] = window.frame->QueryResultIndex()->RowCount();
}

// The yardstick: the same click on the models alone.
void BM_ClickWithoutViews(benchmark::State& state) {
    EnsureApplication();
    TMatchStatFile document;
    document.LoadFromFile(IndexPath());
    TQueryModel queryModel;
    queryModel.SetDocument(&document);
    TQueryDefinitionModel definition;
    TQueryResultModel result;
    definition.AddObserver(&result);
    result.SetQueryModel(queryModel);
    definition.Rebuild(queryModel);
    for (auto _ : state) {
        definition.ToggleValue("Clip Type", "Attack");
    }
}

void BM_ClipListFill(benchmark::State& state) {
    TQueryWindowFixture& window = Window();
    TQueryResultIndex& list = *window.frame->QueryResultIndex();
    std::shared_ptr<IQueryResultModel> result = list.GetResultModel();
    std::shared_ptr<IQueryDefinitionModel> definition =
        window.frame->GeneralProperties()->GetDefinitionModel();
    if (definition->GetSelectedPropertyCount() > 0) {
        ClickValue(*window.frame->GeneralProperties(), "Clip Type", "Attack");
    }
    for (auto _ : state) {
        list.ResultChanged(*result);
    }
    state.counters["rows"] = list.RowCount();
}

// 50 primary values (matches) by 10 secondary values (clip types and answers).
void BM_GraphRebuild(benchmark::State& state) {
    EnsureApplication();
    auto definition = std::make_shared<TQueryDefinitionModel>();
    for (int p = 0; p < 50; ++p) {
        definition->AddValue("Primary", QStringLiteral("Match %1").arg(p));
    }
    for (int s = 0; s < 10; ++s) {
        definition->AddValue("Secondary", QStringLiteral("Type %1").arg(s));
    }
    definition->SetPrimaryCategory("Primary");
    definition->SetSecondaryCategory("Secondary");
    auto result = std::make_shared<TQueryResultModel>();
    TQueryResultGraphView graph;
    graph.resize(800, 600);
    graph.show();
    graph.SetDefinitionModel(definition);
    graph.SetResultModel(result);
    for (auto _ : state) {
        graph.ResultChanged(*result);
    }
    state.counters["bars"] = 500;
    state.counters["opengl"] = graph.ChartWidget()->HasGraph();
}

} // namespace

BENCHMARK(BM_ClickWithoutViews)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClickThroughTheViews)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClipListFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GraphRebuild)->Unit(benchmark::kMillisecond);
