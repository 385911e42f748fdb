// Composing the copied document of a long range, sura 2 ayat 1 to 286, from
// the generated aya store, and converting it to the 8-bit clipboard text; and
// the same copy with its HTML and plain text, in either spelling.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "settings/CopyOptions.h"
#include "settings/Settings.h"
#include "text/AyaStore.h"
#include "text/ClipboardDocument.h"
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

// Argument 0: Uthmani, 1: the plain spelling.
void BM_CopyRangeSura2AllFormats(benchmark::State& state) {
    TSettings settings;
    settings.WaqfSignColor = 0x0000FF;
    const TSpelling spelling = state.range(0) ? TSpelling::Imlai : TSpelling::Uthmani;
    std::size_t size = 0;
    for (auto _ : state) {
        const TClipboardDocument d =
            ClipboardDocument(CopyRangeCopy(*gStore, settings, 2, 1, 286, spelling), {true, spelling});
        const std::string rtf = RtfToEightBit(d.Rtf);
        size = rtf.size() + d.Html->size() + 2 * d.Text->size();
        benchmark::DoNotOptimize(rtf.data());
    }
    state.counters["clipboard_bytes"] = double(size);
}
BENCHMARK(BM_CopyRangeSura2AllFormats)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

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
