#include "text/SelectionText.h"

#include <cstdint>

#include "pagemodel/PageView.h"
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

std::u16string GetSelectionRTF(const TPageView& page, const TAyaStore& store, const TStettingsData& settings) {
    const int n = page.GetSelectAyaCount();
    if (n == 0) return {};
    const int f = page.GetFirstSelectedWordIndex();
    const int l = page.GetLastSelectedWordIndex();
    if (f < 0 || l < 0) return {};
    const TSimpleSVG& p = *page.WordList[std::size_t(f)];
    const TSimpleSVG& q = *page.WordList[std::size_t(l)];

    std::u16string text;
    int sora, aya1, aya2;
    if (n == 1) {
        text = store.GetAyaSpaceExWords(p.SoraNumber, p.AyaNumber, p.ObjectInayaNumber, page.GetSelectCount());
        sora = p.SoraNumber;
        aya1 = aya2 = p.AyaNumber;
    } else {
        text = store.GetAyaSpaceExWords(p.SoraNumber, p.AyaNumber, p.ObjectInayaNumber, RestOfAya);
        for (int k = 2; k <= n - 1; ++k) {
            text.push_back(u' ');
            text += store.GetAyaUnicodeEx(p.SoraNumber, AyaAfter(p.AyaNumber, k - 1));
        }
        text.push_back(u' ');
        text += store.GetAyaSpaceExWords(q.SoraNumber, q.AyaNumber, 1, q.ObjectInayaNumber);
        sora = q.SoraNumber;
        aya1 = n == 2 ? AyaAfter(q.AyaNumber, -1) : p.AyaNumber;
        aya2 = q.AyaNumber;
    }
    text = JoinWawConjunction(JoinWaqfSigns(text));
    return getRTFString(settings, text, sora, aya1, aya2, n, false);
}
