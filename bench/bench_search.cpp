// One keystroke in the search window that matches nearly every aya ("ال"):
// the search over the store, the grid model filled with the results, and the
// heights of the rows around the visible ones measured. The window measures
// with GDI; here a stand-in of the same shape (lines of an average glyph
// width) keeps the count and order of the measurements. Reads
// build/resources/HAFSUNICODE (or the file named by TIRAVEL_STORE_FILE).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "search/SearchForm.h"
#include "text/AyaStore.h"

namespace {

std::unique_ptr<TAyaStore> gStore;

int EstimatedHeight(std::u16string_view text, int width) {
    constexpr int GlyphWidth = 7, LineHeight = 30;
    const int perLine = std::max(1, width / GlyphWidth);
    return LineHeight * int((text.size() + std::size_t(perLine) - 1) / std::size_t(perLine));
}

void BM_KeystrokeMatchingNearlyEveryAya(benchmark::State& state) {
    TSearchForm form(*gStore, appArabic);
    const TSizeI client = SearchClientSize({});
    const TControlPlace grid = SearchFormPlaces(client.Width, client.Height, {}).Grid;
    form.Grid().SetClientSize(grid.Width, grid.Height);
    form.SetColumnFullWidth(grid.Width);
    std::size_t hits = 0;
    for (auto _ : state) {
        form.TextChanged(u"\u0627\u0644");
        form.UpdateRowHeights(EstimatedHeight);
        hits = form.Results().size();
        benchmark::DoNotOptimize(form.Grid().RowHeight(1));
    }
    state.counters["hits"] = double(hits);
}
BENCHMARK(BM_KeystrokeMatchingNearlyEveryAya)->Unit(benchmark::kMillisecond);

void BM_OpeningTheSearchWindow(benchmark::State& state) {
    for (auto _ : state) {
        TSearchForm form(*gStore, appArabic);
        benchmark::DoNotOptimize(form.Grid().RowCount());
    }
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
