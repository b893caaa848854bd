// Loading and saving media indexes, next to pugixml's bare parse and write of the same bytes.

#include "BenchData.h"
#include "MatchStatFile.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <filesystem>

namespace {

void SetBytes(benchmark::State& state, const std::string& path) {
    const auto size = static_cast<std::int64_t>(std::filesystem::file_size(path));
    state.SetBytesProcessed(state.iterations() * size);
    state.counters["file_MB"] = static_cast<double>(size) / 1e6;
}

void BM_PugixmlParse(benchmark::State& state) {
    const std::string path = BenchMediaIndex(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        // pugixml's own file loading: one read into its buffer, parsed in place.
        pugi::xml_document document;
        benchmark::DoNotOptimize(document.load_file(path.c_str()));
    }
    SetBytes(state, path);
}

void BM_PugixmlSave(benchmark::State& state) {
    const std::string path = BenchMediaIndex(static_cast<int>(state.range(0)));
    pugi::xml_document document;
    document.load_file(path.c_str());
    const std::string out = path + ".pugixml-saved";
    for (auto _ : state) {
        benchmark::DoNotOptimize(document.save_file(out.c_str()));
    }
    std::filesystem::remove(out);
    SetBytes(state, path);
}

void BM_Load(benchmark::State& state) {
    const std::string path = BenchMediaIndex(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TMatchStatFile document;
        document.LoadFromFile(path);
        benchmark::DoNotOptimize(document.Matches().Count());
    }
    SetBytes(state, path);
}

void BM_Save(benchmark::State& state) {
    const std::string path = BenchMediaIndex(static_cast<int>(state.range(0)));
    TMatchStatFile document;
    document.LoadFromFile(path);
    const std::string out = path + ".saved";
    for (auto _ : state) {
        document.SaveToFile(out);
    }
    std::filesystem::remove(out);
    SetBytes(state, path);
}

} // namespace

BENCHMARK(BM_PugixmlParse)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PugixmlSave)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
