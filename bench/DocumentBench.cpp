// Loading and saving media indexes, next to pugixml's bare parse of the same bytes.

#include "BenchData.h"
#include "MatchStatFile.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void SetBytes(benchmark::State& state, const std::string& path) {
    const auto size = static_cast<std::int64_t>(std::filesystem::file_size(path));
    state.SetBytesProcessed(state.iterations() * size);
    state.counters["file_MB"] = static_cast<double>(size) / 1e6;
}

void BM_PugixmlParse(benchmark::State& state) {
    const std::string path = BenchMediaIndex(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        // Reading the file is part of both this and the real load.
        const std::string bytes = ReadAll(path);
        pugi::xml_document document;
        benchmark::DoNotOptimize(document.load_buffer(bytes.data(), bytes.size()));
    }
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
BENCHMARK(BM_Load)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
