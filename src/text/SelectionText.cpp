#include "text/SelectionText.h"

#include <cstdint>

#include "pagemodel/Page.h"
#include "text/AyaStore.h"
#include "text/AyaText.h"
#include "text/RtfComposition.h"

namespace {

// A count large enough to take every remaining token of an aya.
constexpr int RestOfAya = 1000;

// The aya `k` after (or before) `aya`. Pages are checked when they are read,
// but the sum is still taken wide: a number beyond int gives 0, an aya that
// no store holds.
int AyaAfter(int aya, int k) {
    const std::int64_t n = std::int64_t(aya) + k;
    return n >= INT32_MIN && n <= INT32_MAX ? int(n) : 0;
}

}  // namespace

std::u16string GetSelectionRTF(const TPage& page, const TAyaStore& store, const TSettings& settings) {
    const int n = page.GetSelectAyaCount();
    if (n == 0) return {};
    const int f = page.GetFirstSelectedWordIndex();
    const int l = page.GetLastSelectedWordIndex();
    if (f < 0 || l < 0) return {};
    const TWordObject& p = *page.WordList[std::size_t(f)];
    const TWordObject& q = *page.WordList[std::size_t(l)];

    std::u16string text;
    int sura, aya1, aya2;
    if (n == 1) {
        text = store.GetAyaSpaceExWords(p.SuraNumber, p.AyaNumber, p.ObjectInayaNumber, page.GetSelectCount());
        sura = p.SuraNumber;
        aya1 = aya2 = p.AyaNumber;
    } else {
        text = store.GetAyaSpaceExWords(p.SuraNumber, p.AyaNumber, p.ObjectInayaNumber, RestOfAya);
        for (int k = 2; k <= n - 1; ++k) {
            text.push_back(u' ');
            text += store.GetAyaUnicodeEx(p.SuraNumber, AyaAfter(p.AyaNumber, k - 1));
        }
        text.push_back(u' ');
        text += store.GetAyaSpaceExWords(q.SuraNumber, q.AyaNumber, 1, q.ObjectInayaNumber);
        sura = q.SuraNumber;
        aya1 = n == 2 ? AyaAfter(q.AyaNumber, -1) : p.AyaNumber;
        aya2 = q.AyaNumber;
    }
    text = JoinWawConjunction(JoinWaqfSigns(text));
    return SelectionRtf(settings, text, sura, aya1, aya2, n, false);
}
