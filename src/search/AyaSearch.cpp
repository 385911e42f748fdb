#include "search/AyaSearch.h"

#include <algorithm>
#include <limits>

#include "text/AyaStore.h"

namespace {

bool IsAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
char16_t UpperAscii(char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c; }

template <class Match>
TSearchOutcome Collect(const TSearchIndex& index, Match match) {
    TSearchOutcome out;
    std::int32_t lastSura = 0;
    for (std::size_t i = 0; i < index.Size(); ++i) {
        const TSearchResult r = index.Entry(i);
        if (!match(r)) continue;
        if (out.Results.empty() || r.Sura != lastSura) ++out.SuraCount;
        lastSura = r.Sura;
        out.Results.push_back(r);
    }
    return out;
}

}  // namespace

TSearchIndex::TSearchIndex(const TAyaStore& store) {
    FEntries.reserve(store.EntryCount());
    for (std::size_t i = 0; i < store.EntryCount(); ++i) {
        const TAyaEntry& e = store.Entry(i);
        FEntries.push_back({e.Sura, e.Aya, e.Page, store.EntryText(i, TAyaForm::afUnicode),
                            store.EntryText(i, TAyaForm::afImlai)});
    }
}

TSearchResult TSearchIndex::Entry(std::size_t i) const {
    const TIndexedAya& e = FEntries[i];
    return {e.Sura, e.Aya, e.Page, e.Unicode, e.Imlai};
}

TSearchOutcome SearchImlai(const TSearchIndex& index, std::u16string_view pattern) {
    if (pattern.empty()) return Collect(index, [](const TSearchResult&) { return true; });
    // Upper-casing changes only letters; a pattern without Latin letters can
    // match only the very same code units, so it is compared as it is.
    if (std::none_of(pattern.begin(), pattern.end(), IsAsciiLetter)) {
        return Collect(index, [&](const TSearchResult& r) { return r.Imlai.find(pattern) != r.Imlai.npos; });
    }
    std::u16string upper(pattern);
    std::transform(upper.begin(), upper.end(), upper.begin(), UpperAscii);
    return Collect(index, [&](const TSearchResult& r) {
        return std::search(r.Imlai.begin(), r.Imlai.end(), upper.begin(), upper.end(),
                           [](char16_t a, char16_t b) { return UpperAscii(a) == b; }) != r.Imlai.end();
    });
}

TSearchOutcome SearchAyaNumber(const TSearchIndex& index, std::int32_t number) {
    return Collect(index, [number](const TSearchResult& r) { return r.Aya == number; });
}

std::u16string TrimSearchText(std::u16string_view text) {
    std::size_t first = 0, last = text.size();
    while (first < last && text[first] <= u' ') ++first;
    while (last > first && text[last - 1] <= u' ') --last;
    return std::u16string(text.substr(first, last - first));
}

std::optional<std::int32_t> ParseAyaNumber(std::u16string_view digits) {
    if (digits.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (char16_t c : digits) {
        if (!IsAsciiDigit(c)) return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    }
    return std::int32_t(value);
}

TSearchOutcome SearchForText(const TSearchIndex& index, std::u16string_view text) {
    const std::u16string pattern = TrimSearchText(text);
    if (pattern.empty()) return {};
    if (std::all_of(pattern.begin(), pattern.end(), IsAsciiDigit)) {
        const auto number = ParseAyaNumber(pattern);
        return number ? SearchAyaNumber(index, *number) : TSearchOutcome{};
    }
    if (pattern.size() < 2) return {};
    return SearchImlai(index, pattern);
}
