// Page rendering speed: a dense page (about 1000 glyph shapes, 20000 curve
// segments) drawn anti-aliased into a 600 x 975 view; beside it, cairo
// filling the same paths anti-aliased at 1x into an image surface of the
// same size, and the memory floor of the plain procedure (filling the 3x work
// bitmap white and reading it once). The report closes with the renderer's
// time as a ratio of cairo's, on each page.
//
//   build/native/bin/bench_render --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>
#include <cstring>
#include <memory>
#include <random>

#include "render/Canvas.h"
#include "render/PageRenderer.h"
#include "LargestPage.h"
#include "RatioReporter.h"
#include "base/ResourceFolder.h"
#include "pagemodel/PageData.h"
#include "pagemodel/PageResource.h"
#include "pagemodel/PageScale.h"
#include "pagemodel/Page.h"

namespace {
constexpr int ViewWidth = 600, ViewHeight = 975;

void AddBlob(TGlyphShape& shape, std::mt19937& random, float cx, float cy, float rx, float ry, int curves,
             bool first) {
    // A closed, wobbly loop of cubic curves around (cx, cy): glyph-like.
    std::uniform_real_distribution<float> wobble(0.7f, 1.3f);
    auto point = [&](double angle, float k) {
        return TXYPoint{cx + float(std::cos(angle)) * rx * k, cy + float(std::sin(angle)) * ry * k};
    };
    const double step = 2 * 3.14159265358979 / curves;
    TLineCurve move;
    move.Kind = lcMove;
    move.A = point(0, 1);
    if (first) shape.MoveToPoint = move.A;
    shape.CounterData.push_back(move);
    for (int i = 0; i < curves; ++i) {
        TLineCurve c;
        c.Kind = lcCurve;
        c.A = point(step * (i + 0.33), wobble(random));
        c.B = point(step * (i + 0.66), wobble(random));
        c.C = point(step * (i + 1), i + 1 == curves ? 1.0f : wobble(random));
        if (i + 1 == curves) c.C = move.A;
        shape.CounterData.push_back(c);
    }
}

// Fifteen lines of glyph-like shapes about the size of the Mushaf's letters
// (8 x 14 page units, about 16% of the page inked): a body of 15 curves,
// most with a dot of 5 curves above or below, every tenth an aya mark.
std::unique_ptr<TPage> DensePage() {
    auto page = std::make_unique<TPage>();
    page->PageNumber = 100;
    std::mt19937 random(11);
    std::uniform_real_distribution<float> jitter(-2, 2);
    for (int line = 1; line <= 15; ++line) {
        TLine& l = page->Line(line);
        l.LineType = ltText;
        const float baseline = 62.875f * line - 22;
        for (int k = 0; k < 67; ++k) {
            TWordObject& word = l.Add();
            word.LineNumber = line;
            word.SuraNumber = 2;
            word.AyaNumber = line * 10 + k / 10;
            const bool mark = k % 10 == 9;
            word.AyaMark = mark;
            auto shape = std::make_unique<TGlyphShape>();
            shape->AyaMark = mark;
            const float cx = 574 - 8.5f * k, cy = baseline + jitter(random);
            AddBlob(*shape, random, cx, cy, 4, 7, 15, true);
            if (k % 3 != 0) AddBlob(*shape, random, cx + jitter(random), cy + (k % 2 ? 12 : -12), 2, 1.5f, 5, false);
            word.Glyphs.push_back(std::move(shape));
        }
    }
    page->InitialLinesData();
    return page;
}

struct TPageFixture {
    std::unique_ptr<TPage> Page = DensePage();
    std::size_t Shapes = 0, Segments = 0;
    TPageFixture() {
        for (auto* shape : Page->ShapeList) {
            ++Shapes;
            Segments += shape->CounterData.size();
        }
        Page->FitToView(ViewWidth, ViewHeight);
    }
};

TPageFixture& Fixture() {
    static TPageFixture fixture;
    return fixture;
}

void Count(benchmark::State& state) {
    state.counters["shapes"] = double(Fixture().Shapes);
    state.counters["segments"] = double(Fixture().Segments);
}

void DrawAntiAliasPage(benchmark::State& state, TPage& page) {
    TBitmap24 view(ViewWidth, ViewHeight);
    TBitmapTarget target(view);
    TCanvas canvas(target);
    for (auto _ : state) {
        view.Fill(PageBackground);
        DrawAntiAlias(canvas, page);
        benchmark::DoNotOptimize(view.Row(ViewHeight / 2)[0]);
    }
}

void BM_DrawAntiAlias(benchmark::State& state) {
    DrawAntiAliasPage(state, *Fixture().Page);
    Count(state);
}
BENCHMARK(BM_DrawAntiAlias)->Unit(benchmark::kMillisecond);

// The same outlines, filled by cairo with its own anti-aliasing at 1x.
void CairoFillPage(benchmark::State& state, const TPage& page) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, ViewWidth, ViewHeight);
    cairo_t* cr = cairo_create(surface);
    const double s = PageScale;
    for (auto _ : state) {
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_paint(cr);
        cairo_set_source_rgb(cr, 0, 0, 0);
        for (const TGlyphShape* shape : page.ShapeList) {
            cairo_new_path(cr);
            cairo_move_to(cr, shape->MoveToPoint.x * s, shape->MoveToPoint.y * s);
            for (const TLineCurve& c : shape->CounterData) {
                if (c.Kind == lcMove) {
                    cairo_close_path(cr);
                    cairo_move_to(cr, c.A.x * s, c.A.y * s);
                } else if (c.Kind == lcLine) {
                    cairo_line_to(cr, c.A.x * s, c.A.y * s);
                } else if (c.Kind == lcCurve) {
                    cairo_curve_to(cr, c.A.x * s, c.A.y * s, c.B.x * s, c.B.y * s, c.C.x * s, c.C.y * s);
                }
            }
            cairo_close_path(cr);
            cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
            cairo_fill(cr);
        }
        cairo_surface_flush(surface);
        benchmark::DoNotOptimize(cairo_image_surface_get_data(surface)[0]);
    }
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

void BM_CairoFill1x(benchmark::State& state) {
    CairoFillPage(state, *Fixture().Page);
    Count(state);
}
BENCHMARK(BM_CairoFill1x)->Unit(benchmark::kMillisecond);

// What the plain procedure cannot go below: the 3x work bitmap filled white
// and read once.
void BM_MemoryFloor3x(benchmark::State& state) {
    TBitmap24 work(3 * ViewWidth, 3 * ViewHeight);
    for (auto _ : state) {
        work.Fill(PageBackground);
        std::uint64_t sum = 0;
        for (int y = 0; y < work.Height(); ++y) {
            const std::uint8_t* row = work.Row(y);
            for (std::size_t i = 0; i < work.Stride(); i += 8) {
                std::uint64_t v;
                std::memcpy(&v, row + i, 8);
                sum += v;
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["bytes"] = double(work.Stride() * std::size_t(work.Height()));
}
BENCHMARK(BM_MemoryFloor3x)->Unit(benchmark::kMillisecond);
// The largest composed page, when the build has made the pages: the same two
// drawings on real glyph outlines.
std::unique_ptr<TPage> LargestComposedPage(std::string& name) {
    const int number = LargestPageNumber();
    if (number == 0) return nullptr;
    auto page = std::make_unique<TPage>();
    ReadPageResource(*page, number, TResourceFolder(TIRAVEL_RESOURCES_DIR));
    page->FitToView(ViewWidth, ViewHeight);
    name = "SVG_" + std::to_string(number);
    return page;
}
}  // namespace

int main(int argc, char** argv) {
    TRatioReporter report;
    report.AddRatio("BM_DrawAntiAlias", "BM_CairoFill1x");
    std::string name;
    std::unique_ptr<TPage> composed = LargestComposedPage(name);
    if (composed) {
        const double shapes = double(composed->ShapeList.size());
        double segments = 0;
        for (const TGlyphShape* s : composed->ShapeList) segments += double(s->CounterData.size());
        auto count = [=](benchmark::State& state) {
            state.counters["shapes"] = shapes;
            state.counters["segments"] = segments;
        };
        benchmark::RegisterBenchmark(("BM_DrawAntiAlias/" + name).c_str(), [&, count](benchmark::State& st) {
            DrawAntiAliasPage(st, *composed);
            count(st);
        })->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_CairoFill1x/" + name).c_str(), [&, count](benchmark::State& st) {
            CairoFillPage(st, *composed);
            count(st);
        })->Unit(benchmark::kMillisecond);
        report.AddRatio("BM_DrawAntiAlias/" + name, "BM_CairoFill1x/" + name);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks(&report);
    return 0;
}
