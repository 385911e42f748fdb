// The search history file: the values of its ten keys (the input as UTF-16
// code units, one value a line, as the profile API hands them over) read and
// decoded; what is kept survives being written and read again.
#include <string>
#include <vector>

#include "support/FuzzSupport.h"
#include "search/SearchHistory.h"

namespace {

std::vector<std::u16string> Lines(const std::uint8_t* data, std::size_t size) {
    std::vector<std::u16string> lines(1);
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const char16_t c = char16_t(data[i] | data[i + 1] << 8);
        if (c == u'\n') lines.emplace_back();
        else lines.back().push_back(c);
    }
    return lines;
}

// Reads the file that `values` would write.
TSearchHistory Reread(const TSearchHistory& history) {
    const auto values = history.Values();
    TSearchHistory again;
    again.Load([&](std::u16string_view key) {
        for (const auto& [k, v] : values)
            if (k == key) return v;
        return std::u16string();
    });
    return again;
}

// Text a window can hold: well-formed UTF-16 without NUL.
bool WindowText(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == 0) return false;
        if (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF)
            ++i;
        else if (text[i] >= 0xD800 && text[i] <= 0xDFFF)
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::u16string> lines = Lines(data, size);
    TSearchHistory history;
    history.Load([&](std::u16string_view key) {
        for (std::size_t i = 0; i < SearchHistoryLength && i < lines.size(); ++i)
            if (key == SearchHistoryKey(i)) return lines[i];
        return std::u16string();
    });
    FUZZ_REQUIRE(history.Entries().size() <= SearchHistoryLength);
    // Every entry within the cap, so every value fits the window's read.
    const auto kept = [&] {
        for (const std::u16string& entry : history.Entries())
            FUZZ_REQUIRE(!entry.empty() && entry.size() <= SearchHistoryEntryCap && WindowText(entry));
        for (const auto& [key, value] : history.Values()) FUZZ_REQUIRE(value.size() < 32767);
    };
    kept();
    FUZZ_REQUIRE(Reread(history).Entries() == history.Entries());

    // A line past the ten keys is a text the reader searched for and used.
    if (lines.size() > SearchHistoryLength && WindowText(lines[SearchHistoryLength])) {
        history.Add(lines[SearchHistoryLength]);
        kept();
        FUZZ_REQUIRE(Reread(history).Entries() == history.Entries());
    }
    return 0;
}
