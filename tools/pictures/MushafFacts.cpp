#include "MushafFacts.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "base/ResourceFolder.h"
#include "pagemodel/PageResource.h"
#include "pagemodel/Page.h"
#include "text/AyaStore.h"

namespace pictures {

namespace {

std::string ReadAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool IsDigitToken(std::u16string_view t) {
    if (t.empty()) return false;
    for (char16_t c : t)
        if (c < u'\u0660' || c > u'\u0669') return false;
    return true;
}

}  // namespace

std::vector<int> ReadJuzStarts(const std::string& bundleText) {
    const std::string key = "const JuzList$1 = [";
    const std::size_t begin = bundleText.find(key);
    const std::size_t end = begin == std::string::npos ? begin : bundleText.find(']', begin);
    if (end == std::string::npos) throw std::runtime_error("quran-meta: JuzList not found");
    std::vector<int> all;
    int value = -1;
    for (std::size_t i = begin + key.size(); i <= end; ++i) {
        const char c = bundleText[i];
        if (c >= '0' && c <= '9') {
            value = (value < 0 ? 0 : value * 10) + (c - '0');
        } else {
            if (value >= 0) all.push_back(value);
            value = -1;
        }
    }
    // A 0 in front and the sentinel 6237 behind the 30 starts.
    if (all.size() != 32 || all.front() != 0 || all.back() != 6237 || all[1] != 1)
        throw std::runtime_error("quran-meta: JuzList of " + std::to_string(all.size()) + " items");
    for (std::size_t i = 2; i < all.size(); ++i)
        if (all[i] <= all[i - 1]) throw std::runtime_error("quran-meta: JuzList out of order");
    return {all.begin() + 1, all.end() - 1};
}

TBox PageInk(const TPage& page) {
    TBox box;
    for (const TWordObject* word : page.WordList) {
        const TExtents e = word->Extents();
        box.Add(TVec{e.MinX, e.MinY});
        box.Add(TVec{e.MaxX, e.MaxY});
    }
    return box;
}

TMushafFacts ReadMushafFacts(const std::filesystem::path& store, const std::filesystem::path& quranMeta,
                             const std::filesystem::path& pages) {
    TMushafFacts f;
    const TAyaStore ayat(ReadAll(store));
    const std::vector<int> juzStarts = ReadJuzStarts(ReadAll(quranMeta));
    if (ayat.EntryCount() != 6236) throw std::runtime_error("aya store: not 6236 ayat");
    int lastPage = 0;
    for (std::size_t i = 0; i < ayat.EntryCount(); ++i) {
        const TAyaEntry& e = ayat.Entry(i);
        if (e.Page < 1 || e.Page > kPages || e.Page < lastPage) throw std::runtime_error("aya store: pages out of order");
        if (e.Aya == 1) f.suraStarts[std::size_t(e.Page)].push_back(e.Sura);
        if (e.Page != lastPage) {
            const int id = int(i) + 1;
            int juz = 0;
            while (juz < int(juzStarts.size()) && juzStarts[std::size_t(juz)] <= id) ++juz;
            f.firstSura[std::size_t(e.Page)] = e.Sura;
            f.juz[std::size_t(e.Page)] = juz;
        }
        lastPage = e.Page;
    }
    for (int p = 1; p <= kPages; ++p)
        if (f.juz[std::size_t(p)] == 0) throw std::runtime_error("aya store: page " + std::to_string(p) + " has no aya");

    // The basmalah: the text of 1:1 before its number (set off by a space or
    // a no-break space).
    std::u16string first = ayat.AyaText(1, 1, TAyaForm::afUnicode);
    auto isSpace = [](char16_t c) { return c == u' ' || c == u'\u00A0'; };
    while (!first.empty() && isSpace(first.back())) first.pop_back();
    std::size_t cut = first.size();
    while (cut > 0 && !isSpace(first[cut - 1])) --cut;
    if (cut > 0 && IsDigitToken(std::u16string_view(first).substr(cut))) first.resize(cut);
    while (!first.empty() && isSpace(first.back())) first.pop_back();
    f.basmalah = first;
    if (f.basmalah.empty()) throw std::runtime_error("aya store: no basmalah in 1:1");

    const TResourceFolder folder(pages);
    for (int p = 1; p <= 2; ++p) {
        TPage page;
        ReadPageResource(page, p, folder);
        f.openingText[std::size_t(p)] = PageInk(page);
    }
    return f;
}

} // namespace pictures
