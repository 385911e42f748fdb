// Loading and indexing the aya store, as the main window does once at start,
// and the lookups a copy makes; and the heap the loaded store keeps, and the
// most it holds at once while loading. Reads build/resources/HAFSUNICODE (or
// the file named by TIRAVEL_STORE_FILE).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <pugixml.hpp>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <new>
#include <sstream>
#include <string>

#include "HeapInUse.h"
#include "text/AyaStore.h"

// Every block of the heap, through operator new or pugixml, counted while
// it lives, with the most counted at once (glibc: a block's size is its
// malloc_usable_size).
namespace {

std::atomic<std::int64_t> gLiveBytes{0}, gPeakBytes{0};

void* CountedAlloc(std::size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (!p) return nullptr;
    const std::int64_t live = gLiveBytes += std::int64_t(malloc_usable_size(p));
    std::int64_t peak = gPeakBytes.load();
    while (live > peak && !gPeakBytes.compare_exchange_weak(peak, live)) {}
    return p;
}

// Not inlined into operator delete, where GCC would take the free for one
// of a block from operator new.
[[gnu::noinline]] void CountedFree(void* p) {
    if (!p) return;
    gLiveBytes -= std::int64_t(malloc_usable_size(p));
    std::free(p);
}

}  // namespace

void* operator new(std::size_t size) {
    if (void* p = CountedAlloc(size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { CountedFree(p); }
void operator delete(void* p, std::size_t) noexcept { CountedFree(p); }

namespace {

std::string gStoreBytes;

// What loading the store adds to the heap and keeps, and the most it adds at
// any moment of the load; the bytes it is loaded from are not counted. (Its
// time, a load and a free, is no measure: BM_LoadAndIndex's is.)
void BM_HeapOfTheLoadedStore(benchmark::State& state) {
    std::int64_t kept = 0, peak = 0;
    for (auto _ : state) {
        const std::int64_t before = HeapInUse();
        const std::int64_t liveBefore = gLiveBytes.load();
        gPeakBytes = liveBefore;
        auto store = std::make_unique<TAyaStore>(gStoreBytes);
        kept = HeapInUse() - before;
        peak = gPeakBytes.load() - liveBefore;
        benchmark::DoNotOptimize(store->EntryCount());
    }
    state.counters["kept_MB"] = double(kept) / 1e6;
    state.counters["peak_MB"] = double(peak) / 1e6;
}
BENCHMARK(BM_HeapOfTheLoadedStore)->Unit(benchmark::kMillisecond)->Iterations(3);

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

    pugi::set_memory_management_functions(CountedAlloc, CountedFree);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
