#include "text/CopyRangeText.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "pagemodel/SuraAyaCounts.h"
#include "text/AyaStore.h"
#include "text/RtfComposition.h"

std::u16string ComposeCopyRange(const TAyaStore& store, const TSettings& settings, int sura, int aya1,
                                int aya2) {
    if (aya2 < aya1) std::swap(aya1, aya2);
    // A damaged store may name any aya: only the sura's own ayat are looked
    // up and cited, and the loop counts in 64 bits so that INT_MAX ends it.
    const int count = sura >= 1 && sura <= SuraCount ? SuraAyaCounts[std::size_t(sura)] : 0;
    const int first = std::max(aya1, 1), last = std::min(aya2, count);
    if (first <= last) aya1 = first, aya2 = last;
    std::u16string text;
    int n = 0;
    for (std::int64_t a = first; a <= last; ++a) {
        text.push_back(u' ');
        text += store.GetAyaUnicodeEx(sura, int(a));
        ++n;
    }
    return SelectionRtf(settings, text, sura, aya1, aya2, n, true);
}
