#include "text/CopyRangeText.h"

#include <utility>

#include "text/AyaStore.h"
#include "text/RtfComposition.h"

std::u16string ComposeCopyRange(const TAyaStore& store, const TSettings& settings, int sura, int aya1,
                                int aya2) {
    if (aya2 < aya1) std::swap(aya1, aya2);
    std::u16string text;
    int n = 0;
    for (int a = aya1; a <= aya2; ++a) {
        text.push_back(u' ');
        text += store.GetAyaUnicodeEx(sura, a);
        ++n;
    }
    return SelectionRtf(settings, text, sura, aya1, aya2, n, true);
}
