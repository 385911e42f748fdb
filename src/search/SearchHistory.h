#pragma once
#include "base/OutsideNames.h"
// The last ten search texts that found something the reader used (a jump or
// a copy), newest first. They are kept in "shistory.ini" of the data folder,
// section "SearchForm", keys "search0" … "search9", each text written as
// numeric character references so that the file holds only ASCII. Every
// search window uses that one section, so all of them share one list.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t SearchHistoryLength = 10;
// The longest text kept, in UTF-16 code units: a long pasted text is kept
// cut to this, so the file stays small and every value reads back whole.
inline constexpr std::size_t SearchHistoryEntryCap = 256;

// `text` cut to SearchHistoryEntryCap code units, never inside a surrogate pair.
std::u16string CapSearchHistoryEntry(std::u16string text);

// "search" + position.
std::u16string SearchHistoryKey(std::size_t position);

// The text of a value made only of character references ("&#1575;",
// "&#x627;"), or nothing when it holds anything else: other characters, a
// reference without its ';', a value outside Unicode, NUL, or a surrogate
// without its partner. The empty value gives the empty text.
std::optional<std::u16string> DecodeCharacterReferences(std::u16string_view value);

class TSearchHistory {
public:
    // Reads the ten keys through `read` (key → value, "" when absent).
    // Empty values, values that do not decode and repeated texts are skipped;
    // longer texts are capped.
    void Load(const std::function<std::u16string(std::u16string_view key)>& read);
    const std::vector<std::u16string>& Entries() const { return FEntries; }

    // Puts the trimmed text, capped, at the top. Nothing changes (false) for an empty
    // text or one the list holds already, wherever it stands; a full list
    // drops its oldest text.
    bool Add(std::u16string_view text);

    // Every key with its encoded value; "" for the keys past the list, which
    // the file should no longer hold.
    std::vector<std::pair<std::u16string, std::u16string>> Values() const;

private:
    std::vector<std::u16string> FEntries;
};
