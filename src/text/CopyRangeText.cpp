#include "text/CopyRangeText.h"

#include <utility>

#include "text/AyaStore.h"
#include "text/RtfComposition.h"

TCopiedText CopyRangeCopy(const TAyaStore& store, const TSettings& settings, int sura, int aya1, int aya2,
                          TSpelling spelling) {
    if (aya2 < aya1) std::swap(aya1, aya2);
    std::u16string text;
    int n = 0;
    for (int a = aya1; a <= aya2; ++a) {
        text.push_back(u' ');
        text += store.WholeAya(sura, a, spelling);
        ++n;
    }
    return ComposeCopiedText(settings, text, sura, aya1, n);
}

std::u16string ComposeCopyRange(const TAyaStore& store, const TSettings& settings, int sura, int aya1,
                                int aya2) {
    return CopiedRtf(CopyRangeCopy(store, settings, sura, aya1, aya2, TSpelling::Uthmani));
}
