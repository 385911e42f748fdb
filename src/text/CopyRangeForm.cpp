#include "text/CopyRangeForm.h"

#include "pagemodel/Page.h"
#include "text/SuraTables.h"

TCopyRangePlaces CopyRangePlaces(TScale scale) {
    TCopyRangePlaces p;
    p.Client = {scale(300), scale(200)};
    p.SuraLabel = scale({12, 18, 112, 18});
    p.Sura = scale({132, 10, 156, 300});
    p.FromLabel = scale({12, 64, 112, 18});
    p.Aya1 = scale({132, 60, 156, 244});
    p.ToLabel = scale({12, 104, 112, 18});
    p.Aya2 = scale({132, 100, 156, 204});
    p.Copy = scale({54, 152, 90, 30});
    p.Cancel = scale({156, 152, 90, 30});
    p.SuraItemHeight = scale(30);
    p.FontHeight = scale(-13);
    p.QuranFontHeight = scale(-20);
    return p;
}

TCopyRangeTexts CopyRangeTexts(TAppLanguage language) {
    if (language == appArabic)
        return {u"تحديد نطاق النسخ", u"اسم السورة:", u"من الآية رقم:", u"إلى الآية رقم:", u"نسخ", u"إلغاء"};
    return {u"Copy Range", u"Surah name:", u"From ayah:", u"To ayah:", u"Copy", u"Cancel"};
}

int CopyRangePreselectedSura(const TPage& page) {
    if (page.GetSelectCount() >= 2)
        if (const TWordObject* w = page.GetSelectedWord()) return w->SuraNumber - 1;
    for (const TWordObject* w : page.WordList)  // the first word, or the second when the first is missing
        if (w) return w->SuraNumber - 1;
    return -1;
}

std::vector<std::u16string> CopyRangeAyaItems(int suraItem) {
    std::vector<std::u16string> items;
    if (suraItem < 0 || suraItem >= 114) return items;
    const int count = SuraAyaCounts[std::size_t(suraItem + 1)];
    for (int a = 1; a <= count; ++a) {
        std::string digits = std::to_string(a);
        items.emplace_back(digits.begin(), digits.end());
    }
    return items;
}

namespace {

int DecimalOrOne(std::u16string_view text) {
    if (text.empty() || text.size() > 4) return 1;
    int v = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') return 1;
        v = v * 10 + (c - u'0');
    }
    return v;
}

}  // namespace

TCopyRangeChoice DecideCopyRange(int suraItem, std::u16string_view aya1Text, std::u16string_view aya2Text) {
    return {suraItem + 1, DecimalOrOne(aya1Text), DecimalOrOne(aya2Text)};
}
