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
    std::u16string text;
    int n = 0;
    // A damaged store may name any aya: only the sura's own ayat are looked
    // up, and the loop counts in 64 bits so that INT_MAX ends it.
    const std::int64_t last = std::min<std::int64_t>(
        aya2, sura >= 1 && sura <= SuraCount ? SuraAyaCounts[std::size_t(sura)] : 0);
    for (std::int64_t a = std::max(aya1, 1); a <= last; ++a) {
        text.push_back(u' ');
        text += store.GetAyaUnicodeEx(sura, int(a));
        ++n;
    }
    return SelectionRtf(settings, text, sura, aya1, aya2, n, true);
}
