// Composing the copied document of a long range, sura 2 ayat 1 to 286, from
// the generated aya store, and converting it to the 8-bit clipboard text.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "settings/Settings.h"
#include "text/AyaStore.h"
#include "text/CopyRangeText.h"
#include "text/RtfComposition.h"

namespace {

const TAyaStore* gStore = nullptr;

void BM_CopyRangeSura2(benchmark::State& state) {
    TSettings settings;
    settings.WaqfSignColor = 0x0000FF;  // colour runs make the document longer
    std::size_t size = 0;
    for (auto _ : state) {
        std::string rtf = RtfToEightBit(ComposeCopyRange(*gStore, settings, 2, 1, 286));
        size = rtf.size();
        benchmark::DoNotOptimize(rtf.data());
    }
    state.counters["document_bytes"] = double(size);
}
BENCHMARK(BM_CopyRangeSura2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    std::ifstream in(TIRAVEL_RESOURCES_DIR "/HAFSUNICODE", std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "bench_copy: no aya store in %s\n", TIRAVEL_RESOURCES_DIR);
        return 1;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    TAyaStore store(bytes.str());
    gStore = &store;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
