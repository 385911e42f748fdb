#include "search/SearchHistory.h"

#include <algorithm>

#include "base/OutsideNames.h"
#include "search/AyaSearch.h"
#include "text/AyaText.h"

std::u16string SearchHistoryKey(std::size_t position) {
    std::u16string key = SearchHistoryKeyPrefix;
    for (char c : std::to_string(position)) key.push_back(char16_t(c));
    return key;
}

std::optional<std::u16string> DecodeCharacterReferences(std::u16string_view value) {
    std::u16string out;
    std::size_t i = 0;
    while (i < value.size()) {
        if (value.substr(i, 2) != u"&#") return std::nullopt;
        i += 2;
        const bool hex = i < value.size() && (value[i] == u'x' || value[i] == u'X');
        if (hex) ++i;
        const std::size_t digitsStart = i;
        std::uint32_t code = 0;
        for (; i < value.size() && value[i] != u';'; ++i) {
            const char16_t c = value[i];
            int digit = -1;
            if (c >= u'0' && c <= u'9') digit = c - u'0';
            else if (hex && c >= u'a' && c <= u'f') digit = c - u'a' + 10;
            else if (hex && c >= u'A' && c <= u'F') digit = c - u'A' + 10;
            if (digit < 0) return std::nullopt;
            code = code * (hex ? 16 : 10) + std::uint32_t(digit);
            if (code > 0x10FFFF) return std::nullopt;
        }
        if (i == digitsStart || i == value.size() || code == 0) return std::nullopt;
        ++i;  // the ';'
        if (code >= 0x10000) {
            code -= 0x10000;
            out.push_back(char16_t(0xD800 + (code >> 10)));
            out.push_back(char16_t(0xDC00 + (code & 0x3FF)));
        } else {
            out.push_back(char16_t(code));
        }
    }
    // Surrogates written one reference each must still pair up.
    for (std::size_t k = 0; k < out.size(); ++k) {
        const char16_t c = out[k];
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (k + 1 >= out.size() || out[k + 1] < 0xDC00 || out[k + 1] > 0xDFFF) return std::nullopt;
            ++k;
        } else if (c >= 0xDC00 && c <= 0xDFFF) {
            return std::nullopt;
        }
    }
    return out;
}

void TSearchHistory::Load(const std::function<std::u16string(std::u16string_view key)>& read) {
    FEntries.clear();
    for (std::size_t i = 0; i < SearchHistoryLength; ++i) {
        auto decoded = DecodeCharacterReferences(read(SearchHistoryKey(i)));
        if (!decoded || decoded->empty()) continue;
        // A file from an earlier build may hold longer texts.
        const std::u16string text = CapSearchHistoryEntry(std::move(*decoded));
        if (std::find(FEntries.begin(), FEntries.end(), text) == FEntries.end()) FEntries.push_back(text);
    }
}

std::u16string CapSearchHistoryEntry(std::u16string text) {
    if (text.size() <= SearchHistoryEntryCap) return text;
    std::size_t keep = SearchHistoryEntryCap;
    // Never half a surrogate pair: the file could not be read back.
    if (text[keep - 1] >= 0xD800 && text[keep - 1] <= 0xDBFF) --keep;
    text.resize(keep);
    return text;
}

bool TSearchHistory::Add(std::u16string_view text) {
    const std::u16string trimmed = CapSearchHistoryEntry(TrimSearchText(text));
    if (trimmed.empty() || std::find(FEntries.begin(), FEntries.end(), trimmed) != FEntries.end()) return false;
    if (FEntries.size() >= SearchHistoryLength) FEntries.resize(SearchHistoryLength - 1);
    FEntries.insert(FEntries.begin(), trimmed);
    return true;
}

std::vector<std::pair<std::u16string, std::u16string>> TSearchHistory::Values() const {
    std::vector<std::pair<std::u16string, std::u16string>> out;
    for (std::size_t i = 0; i < SearchHistoryLength; ++i)
        out.emplace_back(SearchHistoryKey(i), i < FEntries.size() ? ToNumericEntities(FEntries[i]) : u"");
    return out;
}
