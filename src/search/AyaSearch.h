#pragma once
// Search over the aya store: by a piece of the plain (imla'i) spelling, or
// by aya number. The index keeps the texts a search reads out of the store
// once, in UTF-16 and in one block, the plain spelling also with its letters
// folded, so that each keystroke only compares code units.
//
// A typed text is read as a reader means it: its letters and spaces alone
// (SearchQuery), by default with the letters that people type one for
// another folded together (FoldLetter), optionally as whole words and within
// one sura (TSearchChoices).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "search/SearchResult.h"

class TAyaStore;

inline constexpr std::int32_t AllSuras = 0;

// How a text is searched: the three choices of the search window.
struct TSearchChoices {
    // Off (the default): both sides are compared with FoldLetter applied.
    bool ExactLetters = false;
    // A match must begin at the start of a word and end at the end of one.
    bool WholeWords = false;
    // 1 to 114: that sura's ayat alone; AllSuras: every aya.
    std::int32_t Sura = AllSuras;
    bool operator==(const TSearchChoices&) const = default;
};

// The letter a forgiving search compares: alif with madda or hamza is alif,
// ya with hamza and alif maqsura are ya, ta marbuta is ha, waw with hamza is
// waw. Every other letter, the lone hamza among them, stays as it is.
char16_t FoldLetter(char16_t c);
std::u16string FoldLetters(std::u16string_view text);

// The plain spelling of an aya as the search reads it: its letters
// U+0621 to U+064A, with each run of spaces (anything up to U+0020) made one
// and both ends trimmed.
std::u16string PlainSpelling(std::u16string_view imlai);

// What a typed text searches for: its letters U+0621 to U+064A, tatweel
// dropped and U+0671 (alif wasla) read as U+0627, and its spaces, made one
// and trimmed as in the plain spelling; vowel marks and every other sign
// are dropped. Not folded.
std::u16string SearchQuery(std::u16string_view text);

class TSearchIndex {
public:
    explicit TSearchIndex(const TAyaStore& store);
    TSearchIndex(const TSearchIndex&) = delete;
    TSearchIndex& operator=(const TSearchIndex&) = delete;

    std::size_t Size() const { return FEntries.size(); }
    // Entry i in store order, its texts pointing into this index.
    TSearchResult Entry(std::size_t i) const;
    // The plain spelling of entry i with its letters folded.
    std::u16string_view Folded(std::size_t i) const {
        const TIndexedAya& e = FEntries[i];
        return std::u16string_view(FTexts).substr(e.Imlai + e.PlainLength, e.PlainLength);
    }

private:
    // Where the texts of an aya lie in FTexts: its `unicode` form, then its
    // plain spelling, then the same folded, which is as long.
    struct TIndexedAya {
        std::int32_t Sura, Aya, Page;
        std::uint32_t Unicode, Imlai, PlainLength;
    };
    std::vector<TIndexedAya> FEntries;
    std::u16string FTexts;  // the texts of every aya, one after the other
};

// The hits of one search in Mushaf order, and how many suras they fall in
// (a new sura is counted whenever a hit's sura differs from the one before).
struct TSearchOutcome {
    std::vector<TSearchResult> Results;
    int SuraCount = 0;
};

// Every entry of the chosen sura(s) whose plain spelling contains `query`
// (a SearchQuery, not yet folded), under the choices. An empty query finds
// nothing.
TSearchOutcome SearchImlai(const TSearchIndex& index, std::u16string_view query, const TSearchChoices& choices);
// Every entry of the chosen sura(s) whose aya number is `number`.
TSearchOutcome SearchAyaNumber(const TSearchIndex& index, std::int32_t number, std::int32_t sura = AllSuras);

// A search text with the characters up to U+0020 trimmed from both ends.
std::u16string TrimSearchText(std::u16string_view text);
// Text of ASCII digits only, read as a 32-bit signed decimal; nothing when
// the value does not fit (such a number is no aya number).
std::optional<std::int32_t> ParseAyaNumber(std::u16string_view digits);

// What a change of the search text runs: the aya-number search when the
// trimmed text is all ASCII digits; otherwise the spelling search for its
// SearchQuery, when that holds at least two code units (one letter would
// match nearly everything), and nothing else. `text` is the box's text as
// typed.
TSearchOutcome SearchForText(const TSearchIndex& index, std::u16string_view text,
                             const TSearchChoices& choices = {});
// The query SearchForText would look for in the plain spelling: empty when
// the text is an aya number or too short to search.
std::u16string SpellingQuery(std::u16string_view text);

// Where `query` stands in `plain` (both as compared: folded or not): the
// start of each occurrence, left to right, overlapping ones included; with
// `wholeWords` only those bounded by a space or an end on both sides.
std::vector<std::size_t> MatchStarts(std::u16string_view plain, std::u16string_view query, bool wholeWords);

// The words of a hit's Uthmani text (`unicode`: words between spaces, the
// aya number joined to the last by a no-break space) that hold a match of
// `query` (a SearchQuery) under `choices`: one flag a word, in text order.
// The Uthmani words are paired with the plain words one to one where both
// spellings have as many words; where they disagree (the plain spelling
// writes "يا أيها" for one Uthmani word) every word is marked rather than a
// wrong one. No query marks nothing.
std::vector<bool> MarkedWords(const TSearchResult& hit, std::u16string_view query, const TSearchChoices& choices);
// Whether the two spellings of a hit have as many words.
bool SpellingsAgree(const TSearchResult& hit);
