// The viewer's interactive costs, on the packed resources the executable
// carries (build/packed) and a main window on a 1080-pixel-high screen:
// opening the largest page (unpack, parse, initialise, pictures, first paint)
// and one step of a drag (rebuild the selection, repaint what changed), each
// against a whole repaint of the same page, whose ratios close the report.
// Beside them, the parts that the packed form adds: unpacking the largest
// page, and reading the outline dictionary.
//
//   build/native/bin/bench_viewer --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>
#include <filesystem>
#include <string>

#include "base/ResourceFolder.h"
#include "render/Canvas.h"
#include "app/PageViewer.h"
#include "app/MainWindowGeometry.h"
#include "render/PageRenderer.h"
#include "LargestPage.h"
#include "RatioReporter.h"
#include "render/PaintedPage.h"
#include "pagemodel/OutlineDictionary.h"
#include "pagemodel/PagePictures.h"
#include "pagemodel/PageReadAhead.h"
#include "pagemodel/PageResource.h"
#include "pagemodel/UnpackingResourceSource.h"

namespace {

const std::filesystem::path PackedDir = std::filesystem::path(TIRAVEL_RESOURCES_DIR).parent_path() / "packed";

// The view of the main window's page rectangle.
TRectI ViewRect() {
    const TSizeI window = InitialWindowSize(1080);
    return MushafRect(window.Width, window.Height);
}

double ThreadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// Opens page `number` into a fresh view control as page loading does, then paints it once.
void OpenAndPaint(TPageViewer& view, const TResourceSource& resources, int number, TCanvas& canvas,
                  TBitmap24& bitmap) {
    TPage& page = view.Page();
    const TRectI r = ViewRect();
    view.Resize(r.Width(), r.Height());
    OpenPageResource(page, number, resources);
    view.Resize(r.Width(), r.Height());
    bitmap.Fill(PageBackground);
    DrawAntiAlias(canvas, page);
}

// The resources, the largest page's name and a view bitmap, shared by both benchmarks.
struct TViewerScene {
    TResourceFolder Packed{PackedDir};
    TUnpackingResourceSource Resources{Packed};
    int Number = LargestPageNumber();
    TRectI Rect = ViewRect();
    TBitmap24 Bitmap{Rect.Width(), Rect.Height()};
    TBitmapTarget Target{Bitmap};
    TCanvas Canvas{Target};

    void Open(TPageViewer& view) { OpenAndPaint(view, Resources, Number, Canvas, Bitmap); }
};

void BM_OpenLargestPage(benchmark::State& state) {
    TViewerScene scene;
    for (auto _ : state) {
        TPageViewer view(nullptr);
        scene.Open(view);
        benchmark::DoNotOptimize(scene.Bitmap.Row(0)[0]);
    }
    state.SetLabel("SVG_" + std::to_string(scene.Number) + " into " + std::to_string(scene.Rect.Width()) + "x" +
                   std::to_string(scene.Rect.Height()));
}
BENCHMARK(BM_OpenLargestPage)->Unit(benchmark::kMillisecond);

void BM_UnpackLargestPage(benchmark::State& state) {
    TViewerScene scene;
    const std::u16string name = PageResourceName(scene.Number);
    for (auto _ : state) benchmark::DoNotOptimize(RequireResource(scene.Resources, name).Bytes.data());
}
BENCHMARK(BM_UnpackLargestPage)->Unit(benchmark::kMillisecond);

void BM_ReadOutlineDictionary(benchmark::State& state) {
    const TResourceFolder packed(PackedDir);
    const TResourceBytes stored = RequireResource(packed, OutlineDictionaryName);
    for (auto _ : state) {
        const TOutlineDictionary outlines(stored.Bytes);
        benchmark::DoNotOptimize(outlines.Count());
    }
}
BENCHMARK(BM_ReadOutlineDictionary)->Unit(benchmark::kMillisecond);

// The drag of BM_DragStep, pressed and anchored: from three quarters across
// the first lines down the page, eight pointer positions over and over.
struct TDrag {
    TViewerScene& Scene;
    TPageViewer View{nullptr};
    int X0, Y0, Step = 0;
    explicit TDrag(TViewerScene& scene)
        : Scene(scene), X0(scene.Rect.Width() * 3 / 4), Y0(scene.Rect.Height() / 10) {
        scene.Open(View);
        View.MouseDown(mbLeft, 0, X0, Y0);
        View.MouseMove(ssLeft, X0, Y0);  // the first move only anchors the drag
    }
    void Next() {
        Step = (Step + 1) % 8;
        View.MouseMove(ssLeft, X0 - Step * Scene.Rect.Width() / 12, Y0 + Step * Scene.Rect.Height() / 10);
    }
};

// A whole repaint of the page as the view draws it (on opening, after a
// resize, or when the window asks for it).
void BM_FullPaint(benchmark::State& state) {
    TViewerScene scene;
    TDrag drag(scene);
    drag.Next();
    TPaintedPage painted;
    for (auto _ : state) {
        painted.Invalidate();
        benchmark::DoNotOptimize(painted.Update(drag.View.Page()).size());
    }
}
BENCHMARK(BM_FullPaint)->Unit(benchmark::kMillisecond);

// One step of a drag: the selection rebuilt, and the strips of the words that
// joined or left it drawn again.
void BM_DragStep(benchmark::State& state) {
    TViewerScene scene;
    TDrag drag(scene);
    TPaintedPage painted;
    painted.Update(drag.View.Page());
    for (auto _ : state) {
        drag.Next();
        benchmark::DoNotOptimize(painted.Update(drag.View.Page()).size());
    }
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMillisecond);

// The same steps, each repainting the whole page: the drag before the view
// kept its picture between paints.
void BM_DragStepWholeRepaint(benchmark::State& state) {
    TViewerScene scene;
    TDrag drag(scene);
    for (auto _ : state) {
        drag.Next();
        scene.Bitmap.Fill(PageBackground);
        DrawAntiAlias(scene.Canvas, drag.View.Page());
        benchmark::DoNotOptimize(scene.Bitmap.Row(0)[0]);
    }
}
BENCHMARK(BM_DragStepWholeRepaint)->Unit(benchmark::kMillisecond);

// The first opening of a run, from the end of the splash to the page drawn
// in the view's bitmap, dictionary included: each in a new thread, whose
// renderer buffers (kept per thread) start empty as in a new process, with a
// new source of resources. As in the program, workers read the dictionary
// and the page while the splash shows, here a tenth of its two seconds. Only
// the opening is timed; a worker not done by then would be waited for within
// it. The time is the thread's own; "cpu_ms" is its CPU time.
void BM_FirstOpening(benchmark::State& state) {
    using namespace std::chrono;
    const TResourceFolder packed(PackedDir);
    const int number = LargestPageNumber();
    const TRectI rect = ViewRect();
    double cpuTotal = 0;
    for (auto _ : state) {
        double wall = 0, cpu = 0;
        std::thread run([&] {
            TUnpackingResourceSource resources(packed);
            resources.StartReadingOutlines();
            TPageReadAhead firstPage;
            firstPage.Start(number, resources);
            std::this_thread::sleep_for(milliseconds(200));  // the splash
            const auto start = steady_clock::now();
            const double cpuStart = ThreadCpuSeconds();
            std::unique_ptr<TPage> readAhead = firstPage.Take(number);
            if (!readAhead) {
                state.SkipWithError("the page was not read ahead");
                return;
            }
            TPageViewer view(nullptr, std::move(readAhead));
            view.Resize(rect.Width(), rect.Height());
            AttachPagePictures(view.Page(), resources);
            view.Resize(rect.Width(), rect.Height());
            TPaintedPage painted;
            benchmark::DoNotOptimize(painted.Update(view.Page()).size());
            cpu = ThreadCpuSeconds() - cpuStart;
            wall = duration<double>(steady_clock::now() - start).count();
        });
        run.join();
        state.SetIterationTime(wall);
        cpuTotal += cpu;
    }
    state.counters["cpu_ms"] = benchmark::Counter(cpuTotal * 1000, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FirstOpening)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace

int main(int argc, char** argv) {
    if (!std::filesystem::exists(PackedDir)) {
        std::fprintf(stderr, "bench_viewer: no packed resources in %s (build the native preset)\n",
                     PackedDir.string().c_str());
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    TRatioReporter report;
    report.AddRatio("BM_DragStep", "BM_FullPaint");
    report.AddRatio("BM_DragStepWholeRepaint", "BM_FullPaint");
    report.AddRatio("BM_FirstOpening/manual_time", "BM_FullPaint");
    report.AddRatio("BM_OpenLargestPage", "BM_FullPaint");
    benchmark::RunSpecifiedBenchmarks(&report);
    return 0;
}
