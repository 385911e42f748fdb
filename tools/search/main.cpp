// tiravel-search: the search of the search window from the command line, by
// the core over the generated aya store. One line for each aya found, in
// Mushaf order: "SURA:AYA PAGE". Nothing found is no error (exit 0); a bad
// option or sura is (exit 2, with a message); a store that cannot be read
// exits 1.
//
//   tiravel-search [--exact] [--whole-words] [--sura N] [--data DIR] QUERY
//
// QUERY is the last argument, in UTF-8: letters as the search box takes
// them (folded unless --exact), or digits for an aya number.
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "base/ResourceFolder.h"
#include "base/Utf.h"
#include "search/AyaSearch.h"
#include "text/AyaStore.h"

namespace {

int Usage(const char* problem, const char* detail = "") {
    std::fprintf(stderr, "tiravel-search: %s%s\n", problem, detail);
    std::fprintf(stderr, "usage: tiravel-search [--exact] [--whole-words] [--sura N] [--data DIR] QUERY\n");
    return 2;
}

// A sura number 1 to 114 in decimal digits, or 0.
int ReadSura(std::string_view text) {
    const auto number = ParseAyaNumber(Utf8ToUtf16(text));
    return number && *number >= 1 && *number <= 114 ? *number : 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage("no query");
    std::filesystem::path data = TIRAVEL_RESOURCES_DIR;
    TSearchChoices choices;
    const int last = argc - 1;  // the query
    for (int i = 1; i < last; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--exact") {
            choices.ExactLetters = true;
        } else if (arg == "--whole-words") {
            choices.WholeWords = true;
        } else if (arg == "--sura" || arg == "--data") {
            if (i + 1 >= last) return Usage("a value and then the query must follow ", argv[i]);
            if (arg == "--data") {
                data = argv[++i];
                continue;
            }
            choices.Sura = ReadSura(argv[++i]);
            if (!choices.Sura) return Usage("no such sura (1 to 114): ", argv[i]);
        } else {
            return Usage("unknown option ", argv[i]);
        }
    }
    const std::string_view query = argv[last];
    if (query.starts_with("--")) return Usage("the last argument must be the query, not ", argv[last]);
    try {
        const std::unique_ptr<TAyaStore> store = LoadAyaStoreResource(TResourceFolder(data));
        const TSearchIndex index(*store);
        for (const TSearchResult& r : SearchForText(index, Utf8ToUtf16(query), choices).Results)
            std::printf("%d:%d %d\n", int(r.Sura), int(r.Aya), int(r.Page));
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tiravel-search: %s\n", e.what());
        return 1;
    }
}
