#pragma once
// One hit of a search: an aya of the store with its page and two of its
// text forms. The texts are views into the search index that produced the
// hit, which outlives every list of results made from it.
#include <cstdint>
#include <string_view>

struct TSearchResult {
    std::int32_t Sura = 0;
    std::int32_t Aya = 0;
    std::int32_t Page = 0;
    std::u16string_view unicode;  // the vowelled text with its aya number, as the grid shows it
    std::u16string_view Imlai;   // the plain spelling the search matched
};
