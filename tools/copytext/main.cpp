// tiravel-copytext: the document a copy puts on the clipboard, composed by the
// core from the generated resources with the default settings (or those of a
// settings or profile file), written to standard output as the 8-bit
// clipboard text. End-to-end checks compare the clipboard of the running
// program with it.
//
//   tiravel-copytext --page N --view W H --click X Y   (a click at view pixel X, Y)
//   tiravel-copytext --page N --view W H [--click X Y] --keys KEYS
//                    (then Shift+arrows, one letter each: L Left, R Right, D Down, U Up)
//   tiravel-copytext --range SURA AYA1 AYA2            (the copy range dialog)
//   [--data DIR] [--settings FILE] [--imlai] [--html | --text]
//
// --imlai copies in the plain spelling; --html writes the "HTML Format"
// document (UTF-8, its header included) and --text the plain text (as UTF-8;
// the clipboard holds it as UTF-16) instead of the Rich Text.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>

#include "base/ResourceFolder.h"
#include "base/Utf.h"
#include "app/PageViewer.h"
#include "pagemodel/PageResource.h"
#include "settings/Settings.h"
#include "text/AyaStore.h"
#include "text/CopyRangeText.h"
#include "text/HtmlComposition.h"
#include "text/PlainTextComposition.h"
#include "text/RtfComposition.h"
#include "text/SelectionText.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: tiravel-copytext --page N --view W H --click X Y [OPTIONS]\n"
                 "       tiravel-copytext --page N --view W H [--click X Y] --keys LRDU... [OPTIONS]\n"
                 "       tiravel-copytext --range SURA AYA1 AYA2 [OPTIONS]\n"
                 "options: --data DIR, --settings FILE, --imlai, --html or --text\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::filesystem::path data = TIRAVEL_RESOURCES_DIR;
    std::filesystem::path settingsFile;
    std::string keys;
    int page = 0, width = 0, height = 0, x = -1, y = -1, sura = 0, aya1 = 0, aya2 = 0;
    TSpelling spelling = TSpelling::Uthmani;
    enum { fmRtf, fmHtml, fmText } format = fmRtf;
    for (int i = 1; i < argc; ++i) {
        auto next = [&] { return i + 1 < argc ? std::atoi(argv[++i]) : 0; };
        if (!std::strcmp(argv[i], "--page")) page = next();
        else if (!std::strcmp(argv[i], "--view")) width = next(), height = next();
        else if (!std::strcmp(argv[i], "--click")) x = next(), y = next();
        else if (!std::strcmp(argv[i], "--range")) sura = next(), aya1 = next(), aya2 = next();
        else if (!std::strcmp(argv[i], "--keys") && i + 1 < argc) keys = argv[++i];
        else if (!std::strcmp(argv[i], "--data") && i + 1 < argc) data = argv[++i];
        else if (!std::strcmp(argv[i], "--settings") && i + 1 < argc) settingsFile = argv[++i];
        else if (!std::strcmp(argv[i], "--imlai")) spelling = TSpelling::Imlai;
        else if (!std::strcmp(argv[i], "--html")) format = fmHtml;
        else if (!std::strcmp(argv[i], "--text")) format = fmText;
        else return Usage();
    }
    try {
        TResourceFolder resources(data);
        const std::unique_ptr<TAyaStore> storeHeld = LoadAyaStoreResource(resources);
        const TAyaStore& store = *storeHeld;
        TSettings settings;
        if (!settingsFile.empty() && !settings.LoadFromFile(settingsFile)) {
            std::fprintf(stderr, "tiravel-copytext: %s holds no complete settings record\n", settingsFile.string().c_str());
            return 1;
        }
        std::optional<TCopiedText> copy;
        if (sura) {
            copy = CopyRangeCopy(store, settings, sura, aya1, aya2, spelling);
        } else {
            const bool click = x >= 0 && y >= 0;
            if (page < 1 || page > 604 || width < 1 || height < 1 || (!click && keys.empty())) return Usage();
            if (keys.find_first_not_of("LRDU") != std::string::npos) return Usage();
            TPageViewer view(nullptr);
            TPage& p = view.Page();
            ReadPageResource(p, page, resources);
            view.Resize(width, height);
            if (click) {
                view.MouseDown(mbLeft, 0, x, y);
                view.MouseUp(mbLeft, 0, x, y);
            }
            for (char k : keys)
                view.ExtendSelection(k == 'L' ? stNextWord : k == 'R' ? stPreviousWord : k == 'D' ? stNextLine
                                                                                          : stPreviousLine);
            copy = SelectionCopy(p, store, settings, spelling);
        }
        // Nothing selected: nothing is copied.
        std::string text;
        if (copy && format == fmRtf) text = RtfToEightBit(CopiedRtf(*copy));
        if (copy && format == fmHtml) text = CopiedHtml(*copy);
        if (copy && format == fmText) text = Utf16ToUtf8(CopiedPlainText(*copy));
        std::fwrite(text.data(), 1, text.size(), stdout);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tiravel-copytext: %s\n", e.what());
        return 1;
    }
}
