// The query engine on generated media indexes: building the statistics and the definition,
// the first evaluation, a click, a change of category and a sort. Each runs under the C
// locale (code-unit order) and under en_US (ICU collation), to show what collation costs.

#include "BenchData.h"
#include "LabelFormat.h"
#include "MatchStatFile.h"
#include "QueryDefinitionModel.h"
#include "QueryModel.h"
#include "QueryResultModel.h"
#include "UntStatistics.h"

#include <QLocale>

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <map>
#include <memory>

namespace {

void UseLocale(const benchmark::State& state) {
    QLocale::setDefault(state.range(1) == 0 ? QLocale::c()
                                            : QLocale(QLocale::English, QLocale::UnitedStates));
}

const char* LocaleName(const benchmark::State& state) {
    return state.range(1) == 0 ? "C" : "en_US";
}

// One loaded document per size, shared by the benchmarks.
const TMatchStatFile& Document(int situations) {
    static std::map<int, std::unique_ptr<TMatchStatFile>> documents;
    std::unique_ptr<TMatchStatFile>& document = documents[situations];
    if (!document) {
        document = std::make_unique<TMatchStatFile>();
        document->LoadFromFile(BenchMediaIndex(situations));
    }
    return *document;
}

// A query window without widgets: the result model observes the definition, as in the viewer,
// with a few observers standing for the views.
class TNullObserver final : public IQueryDefinitionObserver, public IQueryResultObserver {
public:
    void DefinitionRebuilt(IQueryDefinitionModel&) override {}
    void SelectionChanged(IQueryDefinitionModel&) override {}
    void CategoriesChanged(IQueryDefinitionModel&) override {}
    void ClipInserted(TSituation*, int) override {}
    void ClipDeleted(TSituation*, int) override {}
    void ClipUpdated(TSituation*, int) override {}
    void ResultChanged(IQueryResultModel& model) override {
        benchmark::DoNotOptimize(model.GetSituationSet().SortedCount());
    }
    void SortChanged(IQueryResultModel&) override {}
    void ClipMovedDown(int) override {}
    void ClipMovedUp(int) override {}
};

struct TWindow {
    explicit TWindow(const TMatchStatFile& document) : document(&document) {
        for (TNullObserver& view : views) {
            definition.AddObserver(&view);
            result.AddObserver(&view);
        }
        definition.AddObserver(&result);
    }
    // Statistics, the coordinator's hand-over, the rebuild and with it the first evaluation.
    void Open() {
        queryModel.SetDocument(document);
        result.SetQueryModel(queryModel);
        definition.Rebuild(queryModel);
    }
    const TMatchStatFile* document;
    TQueryModel queryModel{TLabelFormat::Fixed()};
    TQueryDefinitionModel definition;
    TQueryResultModel result;
    TNullObserver views[4];
};

void SetLabel(benchmark::State& state) {
    state.SetLabel(LocaleName(state));
    state.counters["situations"] = static_cast<double>(state.range(0));
}

void BM_StatisticsAndRebuild(benchmark::State& state) {
    UseLocale(state);
    const TMatchStatFile& document = Document(static_cast<int>(state.range(0)));
    TQueryModel queryModel{TLabelFormat::Fixed()};
    TQueryDefinitionModel definition;
    for (auto _ : state) {
        queryModel.SetDocument(&document);
        definition.Rebuild(queryModel);
    }
    SetLabel(state);
}

void BM_FirstEvaluation(benchmark::State& state) {
    UseLocale(state);
    const TMatchStatFile& document = Document(static_cast<int>(state.range(0)));
    TWindow window(document);
    for (auto _ : state) {
        state.PauseTiming();
        window.queryModel.SetDocument(&document);
        window.result.SetQueryModel(window.queryModel);
        window.definition.RemoveObserver(&window.result);
        window.definition.Rebuild(window.queryModel);
        window.definition.AddObserver(&window.result);
        state.ResumeTiming();
        window.result.DefinitionRebuilt(window.definition);
    }
    SetLabel(state);
}

// Everything a document goes through before the window shows it.
void BM_DocumentToResult(benchmark::State& state) {
    UseLocale(state);
    const TMatchStatFile& document = Document(static_cast<int>(state.range(0)));
    TWindow window(document);
    for (auto _ : state) {
        window.Open();
    }
    SetLabel(state);
}

void BM_Click(benchmark::State& state) {
    UseLocale(state);
    TWindow window(Document(static_cast<int>(state.range(0))));
    window.Open();
    window.definition.SetPrimaryCategory("Team");
    window.definition.SetSecondaryCategory("Outcome");
    for (auto _ : state) {
        // Selecting and deselecting in turn: a seventh of the situations, then all of them.
        window.definition.ToggleValue("Clip Type", "Attack");
    }
    SetLabel(state);
}

void BM_CategoryChange(benchmark::State& state) {
    UseLocale(state);
    TWindow window(Document(static_cast<int>(state.range(0))));
    window.Open();
    window.definition.SetSecondaryCategory("Time Interval");
    const QString categories[] = {"Team", "Outcome", "Medium", "Zone"};
    int i = 0;
    for (auto _ : state) {
        window.definition.SetPrimaryCategory(categories[i++ % 4]);
    }
    SetLabel(state);
}

void BM_SortBy(benchmark::State& state) {
    UseLocale(state);
    TWindow window(Document(static_cast<int>(state.range(0))));
    window.Open();
    const QString captions[] = {"Team", "From", "Clip Type", "Outcome"};
    int i = 0;
    for (auto _ : state) {
        window.result.SortBy(captions[i++ % 4]);
    }
    SetLabel(state);
}

// The heap that the loaded document and the statistics over it hold, in MB.
void BM_Memory(benchmark::State& state) {
    UseLocale(state);
    const std::string path = BenchMediaIndex(static_cast<int>(state.range(0)));
    double documentMb = 0;
    double statisticsMb = 0;
    for (auto _ : state) {
        const auto before = mallinfo2().uordblks;
        auto document = std::make_unique<TMatchStatFile>();
        document->LoadFromFile(path);
        const auto loaded = mallinfo2().uordblks;
        TWindow window(*document);
        window.Open();
        window.result.SortBy("Team");
        const auto evaluated = mallinfo2().uordblks;
        documentMb = static_cast<double>(loaded - before) / 1e6;
        statisticsMb = static_cast<double>(evaluated - loaded) / 1e6;
    }
    state.counters["document_MB"] = documentMb;
    state.counters["statistics_MB"] = statisticsMb;
    SetLabel(state);
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
    for (int locale : {0, 1}) {
        for (int situations : {10'000, 100'000}) {
            benchmark->Args({situations, locale});
        }
    }
    benchmark->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_StatisticsAndRebuild)->Apply(Sizes);
BENCHMARK(BM_FirstEvaluation)->Apply(Sizes);
BENCHMARK(BM_DocumentToResult)->Apply(Sizes);
BENCHMARK(BM_Click)->Apply(Sizes);
BENCHMARK(BM_CategoryChange)->Apply(Sizes);
BENCHMARK(BM_SortBy)->Apply(Sizes);
BENCHMARK(BM_Memory)->Apply(Sizes)->Iterations(1);

} // namespace
