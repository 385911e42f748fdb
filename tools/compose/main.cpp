// tiravel-compose: sets the 604 Mushaf pages from the aya store and the Quran
// face and writes each as resource SVG_<n> into the output folder.
//
//   tiravel-compose --store HAFSUNICODE --font AmiriQuran.ttf --out DIR --version V
//                   [--pages FIRST-LAST] [--stamp FILE]
//
// `main` only reads the arguments; `Build` does the work.
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "AyaStore.h"
#include "GlyphOutlines.h"
#include "PageComposer.h"
#include "Shaper.h"
#include "pagemodel/PageDataWriter.h"

using namespace compose;

namespace {

struct Options {
    std::string store, font, out, stamp, version;
    int first = 1, last = 604;
    double fontSize = 29.0, baseline = 40.0;
    bool exact = false;
};

// Every option takes a value; an unknown option or one without its value is an error.
bool ParseArgs(int argc, char** argv, Options& o) {
    if (argc % 2 == 0) return false;
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string k = argv[i], v = argv[i + 1];
        if (k == "--store") o.store = v;
        else if (k == "--version") o.version = v;
        else if (k == "--font") o.font = v;
        else if (k == "--out") o.out = v;
        else if (k == "--stamp") o.stamp = v;
        else if (k == "--font-size") o.fontSize = std::atof(v.c_str());
        else if (k == "--baseline") o.baseline = std::atof(v.c_str());
        else if (k == "--exact") o.exact = v == "1";
        else if (k == "--pages") {
            if (std::sscanf(v.c_str(), "%d-%d", &o.first, &o.last) == 1) o.last = o.first;
        } else return false;
    }
    return !o.store.empty() && !o.font.empty() && !o.out.empty() && !o.version.empty() && o.first >= 1 &&
           o.last <= 604 && o.first <= o.last;
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(f);
}

// Composes the pages asked for and writes them; answers the exit code.
int Build(const Options& opt) {
    auto t0 = std::chrono::steady_clock::now();
    std::string err;
    std::vector<AyaEntry> store;
    GlyphOutlines outlines;
    Shaper shaper;
    // Merged pieces stay within this many page units of the font's outline at
    // the largest size a page is set in.
    const double mergeUnits = opt.exact ? 0.0 : 0.045;
    if (!LoadAyaStore(opt.store, store, err) || !shaper.Load(opt.font, err) ||
        !outlines.Load(opt.font, mergeUnits / opt.fontSize, err)) {
        std::fprintf(stderr, "tiravel-compose: %s\n", err.c_str());
        return 1;
    }
    std::map<int, std::vector<const AyaEntry*>> byPage;
    for (const AyaEntry& a : store) byPage[a.page].push_back(&a);

    PageGeometry geometry;
    geometry.fontSize = opt.fontSize;
    geometry.baseline = opt.baseline;
    PageComposer composer(shaper, outlines, geometry);

    std::vector<ComposedPage> pages(605);
    std::vector<size_t> sizes(605, 0);
    std::atomic<int> next{opt.first};
    std::atomic<bool> failed{false};
    auto work = [&] {
        for (int p; (p = next++) <= opt.last;) {
            pages[p] = composer.Compose(p, byPage[p]);
            if (!pages[p].error.empty()) { failed = true; continue; }
            std::vector<uint8_t> bytes = WritePageData(pages[p].words);
            sizes[p] = bytes.size();
            if (!WriteFile(opt.out + "/SVG_" + std::to_string(p), bytes)) {
                pages[p].error = "cannot write";
                failed = true;
            }
        }
    };
    unsigned n = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> threads;
    for (unsigned i = 0; i < n; ++i) threads.emplace_back(work);
    for (auto& t : threads) t.join();

    long words = 0, marks = 0, shapes = 0, segments = 0, misordered = 0;
    size_t total = 0, largest = 0;
    int largestPage = 0;
    double minSize = 1e9, maxSize = 0;
    for (int p = opt.first; p <= opt.last; ++p) {
        const ComposedPage& c = pages[p];
        if (!c.error.empty()) {
            std::fprintf(stderr, "tiravel-compose: page %d: %s\n", p, c.error.c_str());
            continue;
        }
        for (const TWordObject& w : c.words) {
            ++words;
            marks += w.AyaMark;
            shapes += long(w.Glyphs.size());
            for (const auto& g : w.Glyphs) segments += long(g->CounterData.size());
        }
        misordered += c.misorderedWords;
        total += sizes[p];
        if (sizes[p] > largest) { largest = sizes[p]; largestPage = p; }
        minSize = std::min(minSize, c.fontSize);
        maxSize = std::max(maxSize, c.fontSize);
    }
    double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf("tiravel-compose %s: pages %d-%d in %.1f s on %u threads: %ld word objects (%ld aya marks), "
                "%ld glyph shapes, %ld segments, %zu bytes, largest page %d (%zu bytes), "
                "font size %.2f-%.2f, %ld words out of reading order\n",
                opt.version.c_str(), opt.first, opt.last, secs, n, words, marks, shapes, segments, total, largestPage, largest,
                minSize, maxSize, misordered);
    if (std::getenv("TIRAVEL_COMPOSE_SIZES"))
        for (int p = opt.first; p <= opt.last; ++p) std::printf("size %d %.3f\n", p, pages[p].fontSize);
    if (failed) return 1;
    if (!opt.stamp.empty()) std::ofstream(opt.stamp) << "composed " << opt.version << "\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    Options opt;
    if (!ParseArgs(argc, argv, opt)) {
        std::fprintf(stderr, "usage: tiravel-compose --store FILE --font FILE --out DIR --version V "
                             "[--pages A-B] [--stamp FILE]\n");
        return 2;
    }
    return Build(opt);
}
