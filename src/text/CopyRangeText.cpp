#include "text/CopyRangeText.h"

#include <utility>

#include "text/AyaStore.h"
#include "text/RtfComposition.h"

std::u16string ComposeCopyRange(const TAyaStore& store, const TStettingsData& settings, int sora, int aya1,
                                int aya2) {
    if (aya2 < aya1) std::swap(aya1, aya2);
    std::u16string text;
    int n = 0;
    for (int a = aya1; a <= aya2; ++a) {
        text.push_back(u' ');
        text += store.GetAyaUnicodeEx(sora, a);
        ++n;
    }
    return getRTFString(settings, text, sora, aya1, aya2, n, true);
}
