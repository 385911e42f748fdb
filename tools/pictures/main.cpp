// tiravel-pictures: draws every picture the viewer shows and writes each into
// the resources folder as a file named exactly as its resource.
//
//   tiravel-pictures --resources DIR --quran-meta HAFS_JS --out DIR --version V
//                    [--stamp FILE] [--sheet FILE.png]
//
// DIR holds the aya store HAFSUNICODE, the two Quran faces and the composed
// opening pages SVG_1 and SVG_2. --sheet also writes a contact sheet of a
// selection of the pictures for a person to look at. `main` only reads the
// arguments; `Build` does the work.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "ArabicWording.h"
#include "ContactSheet.h"
#include "ImageWriters.h"
#include "MushafFacts.h"
#include "PictureDesigns.h"
#include "app/HeaderStrip.h"
#include "base/OutsideNames.h"
#include "base/Utf.h"
#include "pagemodel/Page.h"
#include "pagemodel/PagePictures.h"

using namespace pictures;
namespace fs = std::filesystem;

namespace {

struct TOptions {
    fs::path resources, quranMeta, out, stamp, sheet;
    std::string version;
};

struct TUsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Every option takes a value; an unknown option or one without its value is an error.
TOptions ParseOptions(int argc, char** argv) {
    constexpr char Usage[] = "usage: tiravel-pictures --resources DIR --quran-meta HAFS_JS --out DIR --version V "
                             "[--stamp FILE] [--sheet FILE.png]";
    TOptions o;
    if (argc % 2 == 0) throw TUsageError(std::string(argv[argc - 1]) + " needs a value\n" + Usage);
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string k = argv[i], v = argv[i + 1];
        if (k == "--resources") o.resources = v;
        else if (k == "--quran-meta") o.quranMeta = v;
        else if (k == "--out") o.out = v;
        else if (k == "--stamp") o.stamp = v;
        else if (k == "--sheet") o.sheet = v;
        else if (k == "--version") o.version = v;
        else throw TUsageError("unknown option " + k + "\n" + Usage);
    }
    if (o.resources.empty() || o.quranMeta.empty() || o.out.empty() || o.version.empty()) throw TUsageError(Usage);
    return o;
}

void WriteFile(const fs::path& file, const TBytes& bytes) {
    const fs::path temp = file.string() + ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!out) throw std::runtime_error("cannot write " + temp.string());
    }
    fs::rename(temp, file);
}

// The opening page's text box in the frame picture's pixels: the frame is
// stretched over the whole view, so the place depends on the view; the box
// covers the view of the design size (211 x 340) and a large one (600 x 975).
TBox OpeningTextBox(const TBox& ink) {
    TBox box;
    for (auto [w, h] : {std::pair{211.0, 340.0}, {600.0, 975.0}}) {
        const double scale = TPage::ScaleToFit(TPage::PageHeight, int(h));
        box.Add(TVec{ink.left * scale / w * kOpeningWidth, ink.top * scale / h * kOpeningHeight});
        box.Add(TVec{ink.right * scale / w * kOpeningWidth, ink.bottom * scale / h * kOpeningHeight});
    }
    return box;
}

// Draws and writes every picture.
void Build(const TOptions& opt) {
    const auto started = std::chrono::steady_clock::now();
    const TMushafFacts facts = ReadMushafFacts(opt.resources / "HAFSUNICODE", opt.quranMeta, opt.resources);
    const TFontFace regular((opt.resources / "VerizevuZivoFont18").string());
    const TFontFace bold((opt.resources / "VerizevuZivoBoldFont18").string());
    const TDesignFonts fonts{regular, bold};
    fs::create_directories(opt.out);

    // Every picture is one job; jobs run on all cores.
    std::vector<std::function<void()>> jobs;
    std::mutex sheetLock;
    std::map<std::string, TRgbaImage> forSheet;
    std::atomic<long long> bytesWritten{0};
    std::atomic<int> files{0};
    auto emit = [&](const std::string& name, const TRgbaImage& image, const TBytes& bytes, bool onSheet) {
        WriteFile(opt.out / name, bytes);
        bytesWritten += (long long)bytes.size();
        ++files;
        if (onSheet && !opt.sheet.empty()) {
            std::lock_guard<std::mutex> lock(sheetLock);
            forSheet[name] = image;
        }
    };
    const std::vector<int> sheetPages = {3, 50, 187, 597, 604};
    auto onSheet = [&](int page) { return std::find(sheetPages.begin(), sheetPages.end(), page) != sheetPages.end(); };

    for (int page = 1; page <= kPages; ++page) {
        const std::vector<int>& suras = facts.suraStarts[std::size_t(page)];
        for (std::size_t k = 0; k < suras.size(); ++k) {
            const std::string name = Utf16ToUtf8(FramePictureName(page, k + 1));
            const int sura = suras[k];
            jobs.push_back([&, name, sura, page] {
                TRgbaImage image = page <= 2 ? OpeningPageFrame(fonts, sura, OpeningTextBox(facts.openingText[std::size_t(page)]),
                                                                page == 2 ? facts.basmalah : std::u16string())
                                             : SuraHeaderStrip(fonts, sura);
                // Drawn at twice the size, the frames keep the colour of a thin gold
                // line with half the colour resolution, at a third of the bytes.
                emit(name, image, EncodeJpeg(image, 85, TJpegChroma::Half), page <= 2 || onSheet(page));
            });
        }
        if (page < 3) continue;
        jobs.push_back([&, page] {
            const std::string name = Utf16ToUtf8(JuzNamePictureName(page));
            TRgbaImage image = NamePicture(fonts, JuzName(facts.juz[std::size_t(page)]), true);
            emit(name, image, EncodePng(image, true), onSheet(page));
        });
        jobs.push_back([&, page] {
            const std::string name = Utf16ToUtf8(SuraNamePictureName(page));
            TRgbaImage image = NamePicture(fonts, SuraTitle(facts.firstSura[std::size_t(page)]), false);
            emit(name, image, EncodePng(image, true), onSheet(page));
        });
    }
    for (bool compact : {false, true})
        jobs.push_back([&, compact] {
            TRgbaImage image = BasmalahStrip(fonts, facts.basmalah, compact);
            emit(Utf16ToUtf8(compact ? SecondBasmalaPictureName : BasmalaPictureName), image, EncodePng(image, true), true);
        });
    jobs.push_back([&] {
        TRgbaImage image = WindowFrame();
        emit(Utf16ToUtf8(WindowFramePictureName), image, EncodePng(image, true), true);
    });
    jobs.push_back([&] {
        TRgbaImage image = SplashPicture(fonts);
        emit(Utf16ToUtf8(SplashPictureName), image, EncodePng(image, true), true);
    });
    jobs.push_back([&] {
        constexpr int cellWidth = kNumberCellWidth * PictureSourceScale, cellHeight = kNumberCellHeight * PictureSourceScale;
        TRgbaImage strip(cellWidth, cellHeight * kPages);
        for (int page = 1; page <= kPages; ++page) strip.Paste(PageNumberCell(fonts, page), 0, (page - 1) * cellHeight);
        emit(Utf16ToUtf8(PageNumbersPictureName), strip, EncodePng(strip, false), false);
        if (!opt.sheet.empty()) {
            TRgbaImage part(cellWidth, cellHeight * 6);
            for (int i = 0; i < 6; ++i) {
                const int page = std::vector<int>{1, 2, 3, 50, 187, 604}[std::size_t(i)];
                part.Paste(PageNumberCell(fonts, page), 0, i * cellHeight);
            }
            std::lock_guard<std::mutex> lock(sheetLock);
            forSheet["PageNumbersPNG (1 2 3 50 187 604)"] = part;
        }
    });
    jobs.push_back([&] {
        for (const TCursorArt& c : CursorArt()) emit(c.name, c.image, EncodeCursor(c.image, c.hotX, c.hotY), true);
    });
    jobs.push_back([&] {
        TRgbaImage list = IndexListPicture(), grid = IndexGridPicture();
        emit(Utf16ToUtf8(SuraIndexListBitmap), list, EncodeBmp(list), true);
        emit(Utf16ToUtf8(SuraIndexGridBitmap), grid, EncodeBmp(grid), true);
    });
    jobs.push_back([&] {
        for (const TNamedArt& a : AboutArt(fonts, facts.basmalah)) emit(a.name, a.image, EncodePng(a.image, true), true);
    });
    // The large pictures first, so that no thread is left with one at the end.
    std::reverse(jobs.begin(), jobs.end());

    std::atomic<std::size_t> next{0};
    std::exception_ptr failure;
    std::mutex failureLock;
    auto work = [&] {
        for (std::size_t i; (i = next++) < jobs.size();) {
            try {
                jobs[i]();
            } catch (...) {
                std::lock_guard<std::mutex> lock(failureLock);
                if (!failure) failure = std::current_exception();
            }
        }
    };
    const unsigned threads = std::max(2u, std::thread::hardware_concurrency());
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t) pool.emplace_back(work);
    for (std::thread& t : pool) t.join();
    if (failure) std::rethrow_exception(failure);

    if (!opt.sheet.empty()) WriteFile(opt.sheet, EncodePng(ContactSheet(forSheet, fonts), false));
    if (!opt.stamp.empty()) {
        const std::string stamp = "pictures " + opt.version + "\n";
        WriteFile(opt.stamp, TBytes(stamp.begin(), stamp.end()));
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("tiravel-pictures %s: %d pictures, %.1f MB, in %.1f s on %u threads\n", opt.version.c_str(),
                files.load(), double(bytesWritten.load()) / 1e6, seconds, threads);
}

}  // namespace

int main(int argc, char** argv) {
    try {
        Build(ParseOptions(argc, argv));
        return 0;
    } catch (const TUsageError& e) {
        std::fprintf(stderr, "tiravel-pictures: %s\n", e.what());
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tiravel-pictures: %s\n", e.what());
        return 1;
    }
}
