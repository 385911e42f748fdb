// What the program's own data take of the heap, part by part, as the main
// window holds them after six page turns from page 50 (bench/exe_memory.sh):
// each part is loaded with the core's own functions and the heap in use
// (glibc's count) is read before and after. The figures are those of this
// build's allocator, not Wine's, which adds its own rounding and keeps what
// is freed for reuse; they say where the program's anonymous memory goes.
//
//   build/native/bin/memory_breakdown
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "app/HeaderStrip.h"
#include "app/MainWindowGeometry.h"
#include "app/PageViewer.h"
#include "app/WindowPictures.h"
#include "base/PictureResource.h"
#include "base/ResourceFolder.h"
#include "pagemodel/PageResource.h"
#include "pagemodel/UnpackingResourceSource.h"
#include "render/PaintedPage.h"
#include "text/AyaStore.h"
#include "HeapInUse.h"

namespace {

double HeapMegabytes() { return double(HeapInUse()) / 1e6; }

double Part(const char* name, const std::function<void()>& load) {
    const double before = HeapMegabytes();
    load();
    const double taken = HeapMegabytes() - before;
    std::printf("%-50s %6.2f MB\n", name, taken);
    return taken;
}

}  // namespace

int main() {
    const std::filesystem::path packedDir = std::filesystem::path(TIRAVEL_RESOURCES_DIR).parent_path() / "packed";
    TResourceFolder packed{packedDir};
    TUnpackingResourceSource resources{packed};
    const TSizeI window = InitialWindowSize(768);  // the scenarios' 1024 x 768 screen
    const TRectI view = MushafRect(window.Width, window.Height);
    std::printf("main window %d x %d, page view %d x %d\n", window.Width, window.Height, view.Width(), view.Height());

    double total = 0;
    std::unique_ptr<TAyaStore> store;
    total += Part("aya store", [&] { store = LoadAyaStoreResource(resources); });
    // Read by the first packed page, and kept.
    total += Part("outline dictionary", [&] { resources.Find(PageResourceName(1)); });
    std::optional<TWindowPictures> pictures;
    total += Part("window pictures: frame, splash, number strip", [&] {
        pictures.emplace(LoadWindowPictures(resources));
    });
    total += Part("the first frame painted (and the splash freed)", [&] { pictures->Frame(56, window.Width, window.Height); });
    TPageViewer viewer(nullptr);
    total += Part("page 56 (its model and pictures)", [&] {
        viewer.Resize(view.Width(), view.Height());
        OpenPageResource(viewer.Page(), 56, resources);
        viewer.Resize(view.Width(), view.Height());
    });
    TPaintedPage painted;
    total += Part("page view bitmap and the renderer's work buffers", [&] { painted.Update(viewer.Page()); });
    std::unique_ptr<TPicture> juz, sura;
    total += Part("header strip names", [&] {
        juz = LoadPngResource(resources, JuzNamePictureName(56));
        sura = LoadPngResource(resources, SuraNamePictureName(56));
    });
    std::printf("%-50s %6.2f MB\n", "all", total);
}
