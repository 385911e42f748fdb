#pragma once
// Search over the aya store: by a piece of the plain (imla'i) spelling, or
// by aya number. The index copies the two text forms a search reads out of
// the XML document once, so that each keystroke only compares code units.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "search/SearchResult.h"

class TAyaStore;

class TSearchIndex {
public:
    explicit TSearchIndex(const TAyaStore& store);
    TSearchIndex(const TSearchIndex&) = delete;
    TSearchIndex& operator=(const TSearchIndex&) = delete;

    std::size_t Size() const { return FEntries.size(); }
    // Entry i in store order, its texts pointing into this index.
    TSearchResult Entry(std::size_t i) const;

private:
    struct TIndexedAya {
        std::int32_t Sura, Aya, Page;
        std::u16string Unicode, Imlai;
    };
    std::vector<TIndexedAya> FEntries;
};

// The hits of one search in Mushaf order, and how many suras they fall in
// (a new sura is counted whenever a hit's sura differs from the one before).
struct TSearchOutcome {
    std::vector<TSearchResult> Results;
    int SuraCount = 0;
};

// Every entry whose plain spelling contains `pattern`. Both sides are
// compared upper-cased, which leaves Arabic as it is: in effect an exact
// match of code units, hamza forms and marks included, across word bounds.
TSearchOutcome SearchImlai(const TSearchIndex& index, std::u16string_view pattern);
// Every entry whose aya number is `number`.
TSearchOutcome SearchAyaNumber(const TSearchIndex& index, std::int32_t number);

// A search text with the characters up to U+0020 trimmed from both ends.
std::u16string TrimSearchText(std::u16string_view text);
// Text of ASCII digits only, read as a 32-bit signed decimal; nothing when
// the value does not fit (such a number is no aya number).
std::optional<std::int32_t> ParseAyaNumber(std::u16string_view digits);

// What a change of the search text runs: nothing for an empty text or a
// single character that is no digit, the aya-number search for digits, the
// spelling search otherwise. `text` is the box's text as typed.
TSearchOutcome SearchForText(const TSearchIndex& index, std::u16string_view text);
