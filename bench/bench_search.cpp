// One keystroke in the search window that matches nearly every aya ("ال"):
// the search over the store (letters folded, the default, or exact), the
// grid model filled with the results, and the heights of the rows around the
// visible ones measured; and the marks of the words of those rows; and the
// opening of the window, with the heap its index holds. The window measures
// with GDI; here a stand-in of the same shape (lines of an average glyph
// width) keeps the count and order of the measurements. Reads
// build/resources/HAFSUNICODE (or the file named by TIRAVEL_STORE_FILE).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "HeapInUse.h"
#include "search/SearchForm.h"
#include "text/AyaStore.h"

namespace {

std::unique_ptr<TAyaStore> gStore;

int EstimatedHeight(std::u16string_view text, int width) {
    constexpr int GlyphWidth = 7, LineHeight = 30;
    const int perLine = std::max(1, width / GlyphWidth);
    return LineHeight * int((text.size() + std::size_t(perLine) - 1) / std::size_t(perLine));
}

// Arg 0: letters folded (the default); 1: exact letters.
void BM_KeystrokeMatchingNearlyEveryAya(benchmark::State& state) {
    TSearchForm form(*gStore, appArabic);
    const TSizeI client = SearchClientSize({});
    const TControlPlace grid = SearchFormPlaces(client.Width, client.Height, {}).Grid;
    form.Grid().SetClientSize(grid.Width, grid.Height);
    form.SetColumnFullWidth(grid.Width);
    form.ChoicesChanged({state.range(0) != 0, false, AllSuras});
    std::size_t hits = 0;
    for (auto _ : state) {
        form.TextChanged(u"\u0627\u0644");
        form.UpdateRowHeights(EstimatedHeight);
        hits = form.Results().size();
        benchmark::DoNotOptimize(form.Grid().RowHeight(1));
    }
    state.counters["hits"] = double(hits);
}
BENCHMARK(BM_KeystrokeMatchingNearlyEveryAya)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The marks of the rows one screen of the grid shows, as its painting asks.
void BM_MarksOfTheMeasuredRows(benchmark::State& state) {
    TSearchForm form(*gStore, appArabic);
    form.TextChanged(u"\u0627\u0644");
    for (auto _ : state)
        for (int row = 1; row <= SearchMeasuredRows; ++row) benchmark::DoNotOptimize(form.MarkedWords(row));
}
BENCHMARK(BM_MarksOfTheMeasuredRows)->Unit(benchmark::kMicrosecond);

// Also the heap an open window's form holds (its index of the store's texts).
void BM_OpeningTheSearchWindow(benchmark::State& state) {
    std::int64_t held = 0;
    for (auto _ : state) {
        const std::int64_t before = HeapInUse();
        TSearchForm form(*gStore, appArabic);
        held = HeapInUse() - before;
        benchmark::DoNotOptimize(form.Grid().RowCount());
    }
    state.counters["held_MB"] = double(held) / 1e6;
}
BENCHMARK(BM_OpeningTheSearchWindow)->Unit(benchmark::kMillisecond);

std::filesystem::path StorePath(const char* argv0) {
    if (const char* file = std::getenv("TIRAVEL_STORE_FILE")) return file;
    return std::filesystem::absolute(argv0).parent_path() / "../../resources/HAFSUNICODE";
}

}  // namespace

int main(int argc, char** argv) {
    const std::filesystem::path path = StorePath(argv[0]);
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "bench_search: cannot open %s\n", path.string().c_str());
        return 1;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    gStore = std::make_unique<TAyaStore>(bytes.str());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
