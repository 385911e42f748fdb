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

std::optional<TCopiedText> SelectionCopy(const TPage& page, const TAyaStore& store, const TSettings& settings,
                                         TSpelling spelling) {
    const int n = page.GetSelectAyaCount();
    if (n == 0) return std::nullopt;
    const int f = page.GetFirstSelectedWordIndex();
    const int l = page.GetLastSelectedWordIndex();
    if (f < 0 || l < 0) return std::nullopt;
    const TWordObject& p = *page.WordList[std::size_t(f)];
    const TWordObject& q = *page.WordList[std::size_t(l)];

    std::u16string text;
    // The citation names aya1 and the ayat after it, n in all.
    int sura, aya1;
    if (n == 1) {
        text = store.AyaWords(p.SuraNumber, p.AyaNumber, p.ObjectInayaNumber, page.GetSelectCount(), spelling);
        sura = p.SuraNumber;
        aya1 = p.AyaNumber;
    } else {
        text = store.AyaWords(p.SuraNumber, p.AyaNumber, p.ObjectInayaNumber, RestOfAya, spelling);
        for (int k = 2; k <= n - 1; ++k) {
            text.push_back(u' ');
            text += store.WholeAya(p.SuraNumber, AyaAfter(p.AyaNumber, k - 1), spelling);
        }
        text.push_back(u' ');
        text += store.AyaWords(q.SuraNumber, q.AyaNumber, 1, q.ObjectInayaNumber, spelling);
        sura = q.SuraNumber;
        aya1 = n == 2 ? AyaAfter(q.AyaNumber, -1) : p.AyaNumber;
    }
    text = JoinWawConjunction(JoinWaqfSigns(text));
    return ComposeCopiedText(settings, text, sura, aya1, n);
}

std::u16string GetSelectionRTF(const TPage& page, const TAyaStore& store, const TSettings& settings) {
    const std::optional<TCopiedText> copy = SelectionCopy(page, store, settings, TSpelling::Uthmani);
    return copy ? CopiedRtf(*copy) : std::u16string();
}
