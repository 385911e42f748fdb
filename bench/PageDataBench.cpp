// Parsing and initialising a synthetic page shaped like the densest real one:
// 208 word records on 13 text lines, about 1,000 glyph shapes, 20,000 segments;
// and a page of 20,000 words on one line, where sorting the line shows.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "pagemodel/PageData.h"
#include "pagemodel/PageDataWriter.h"
#include "pagemodel/Page.h"

namespace {

std::vector<std::uint8_t> DensePageData() {
    constexpr int Words = 208, TextLines = 13, SegmentsPerShape = 19;
    TPage page;
    page.PageNumber = 576;
    int shapes = 0;
    for (int k = 0; k < Words; ++k) {
        const int line = 3 + k % TextLines;  // lines 1 and 2: header and basmalah
        const int column = k / TextLines;    // 16 words a line, right to left
        const float right = 578.0f - column * 36.0f, top = (line - 1) * 62.8f;
        TWordObject& w = page.Line(line).Add();
        page.Line(line).LineType = ltText;
        w.LineNumber = line;
        w.PageNumber = page.PageNumber;
        w.SuraNumber = 2;
        w.AyaNumber = 1 + k / 12;
        w.AyaMark = k % 12 == 11;
        w.ObjectType = w.AyaMark ? otAyaMark : otText;
        const int glyphs = 4 + k % 3;  // 5 on average
        for (int g = 0; g < glyphs; ++g, ++shapes) {
            auto s = std::make_unique<TGlyphShape>();
            s->MoveToPoint = {right - 6.0f * g, top + 20};
            s->CounterData.resize(SegmentsPerShape);
            for (int i = 0; i < SegmentsPerShape; ++i) {
                TLineCurve& c = s->CounterData[i];
                const float x = right - 6.0f * g - (i % 5), y = top + 20 + (i % 7) * 3.0f;
                c.A = {x, y};
                c.B = {x - 1, y + 1};
                c.C = {x - 2, y + 2};
                c.Kind = i == 0 ? lcMove : lcCurve;
            }
            s->LineNumber = line;
            s->PageNumber = page.PageNumber;
            w.Glyphs.push_back(std::move(s));
        }
    }
    return WritePageData(page);
}

// 20,000 one-glyph words on one line, stored left to right: the reverse of
// reading order, so that sorting the line has all the work to do.
std::vector<std::uint8_t> LongLineData() {
    constexpr int Words = 20000;
    TPage page;
    page.PageNumber = 50;
    TLine& line = page.Line(8);
    line.LineType = ltText;
    for (int k = 0; k < Words; ++k) {
        TWordObject& w = line.Add();
        w.LineNumber = 8;
        w.PageNumber = page.PageNumber;
        w.SuraNumber = 2;
        w.AyaNumber = 1 + k / 100;
        w.ObjectType = otText;
        auto s = std::make_unique<TGlyphShape>();
        s->MoveToPoint = {0.03f * k, 400};
        TLineCurve c;
        c.A = c.B = c.C = {0.03f * k + 0.02f, 420};
        c.Kind = lcCurve;
        s->CounterData = {c};
        s->LineNumber = 8;
        s->PageNumber = page.PageNumber;
        w.Glyphs.push_back(std::move(s));
    }
    return WritePageData(page);
}

// Reads and initialises page `pageNumber` from `bytes` once an iteration.
void LoadAndInitialise(benchmark::State& state, const std::vector<std::uint8_t>& bytes, int pageNumber) {
    for (auto _ : state) {
        TPage page;
        page.PageNumber = pageNumber;
        LoadPageData(page, bytes);
        page.InitialLinesData();
        benchmark::DoNotOptimize(page.ShapeList.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
}

void BM_LoadAndInitialisePage(benchmark::State& state) { LoadAndInitialise(state, DensePageData(), 576); }
BENCHMARK(BM_LoadAndInitialisePage)->Unit(benchmark::kMicrosecond);

void BM_LoadAndInitialiseOneLongLine(benchmark::State& state) { LoadAndInitialise(state, LongLineData(), 50); }
BENCHMARK(BM_LoadAndInitialiseOneLongLine)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
