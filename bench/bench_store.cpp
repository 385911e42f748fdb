// Loading and indexing the aya store, as the main window does once at start,
// and the lookups a copy makes. Reads build/resources/HAFSUNICODE (or the
// file named by TIRAVEL_STORE_FILE).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "text/AyaStore.h"

namespace {

std::string gStoreBytes;

void BM_LoadAndIndex(benchmark::State& state) {
    for (auto _ : state) {
        TAyaStore store(gStoreBytes);
        benchmark::DoNotOptimize(store.EntryCount());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(gStoreBytes.size()));
}
BENCHMARK(BM_LoadAndIndex)->Unit(benchmark::kMillisecond);

void BM_CopyOfSura2(benchmark::State& state) {
    TAyaStore store(gStoreBytes);
    for (auto _ : state) {
        std::size_t size = 0;
        for (int aya = 1; aya <= 286; ++aya) size += store.GetAyaUnicodeEx(2, aya).size();
        benchmark::DoNotOptimize(size);
    }
}
BENCHMARK(BM_CopyOfSura2)->Unit(benchmark::kMicrosecond);

std::filesystem::path StorePath(const char* argv0) {
    if (const char* file = std::getenv("TIRAVEL_STORE_FILE")) return file;
    // build/native/bin/bench_store -> build/resources/HAFSUNICODE
    return std::filesystem::absolute(argv0).parent_path() / "../../resources/HAFSUNICODE";
}

}  // namespace

int main(int argc, char** argv) {
    const std::filesystem::path path = StorePath(argv[0]);
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "bench_store: cannot open %s\n", path.string().c_str());
        return 1;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    gStoreBytes = bytes.str();
    std::printf("store %s: %zu bytes\n", path.string().c_str(), gStoreBytes.size());

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
