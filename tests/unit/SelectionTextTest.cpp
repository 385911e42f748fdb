#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "PageFixtures.h"
#include "settings/Settings.h"
#include "text/AyaStore.h"
#include "text/RtfComposition.h"
#include "text/SelectionText.h"

namespace {

// Sura 112 with real text in aya 1 and stand-in tokens elsewhere; aya 3 has
// a separated waqf sign, aya 4 a split conjunction.
const TAyaStore& Store() {
    static const TAyaStore store(R"(<?xml version="1.0" encoding="utf-8"?>
<ayat version="t">
  <entry sura="112" aya="1" page="604"><unicode/><emlaey/><UnicodeSpace/><unicodeex>قُلۡ هُوَ ٱللَّهُ أَحَدٌ ١</unicodeex><UnicodeSpaceex>قُلۡ هُوَ ٱللَّهُ أَحَدٌ ١</UnicodeSpaceex></entry>
  <entry sura="112" aya="2" page="604"><unicode/><emlaey/><UnicodeSpace/><unicodeex>a2 b2 ٢</unicodeex><UnicodeSpaceex>a2 b2 ٢</UnicodeSpaceex></entry>
  <entry sura="112" aya="3" page="604"><unicode/><emlaey/><UnicodeSpace/><unicodeex>a3ۖ b3 c3 ٣</unicodeex><UnicodeSpaceex>a3 ۖ b3 c3 ٣</UnicodeSpaceex></entry>
  <entry sura="112" aya="4" page="604"><unicode/><emlaey/><UnicodeSpace/><unicodeex>وَd4 e4 ٤</unicodeex><UnicodeSpaceex>وَ d4 e4 ٤</UnicodeSpaceex></entry>
</ayat>
)");
    return store;
}

// Words per aya on the page: 4, 2, 4 and 3 tokens, each aya followed by its mark.
class SelectionText : public PageScaleOne {
protected:
    void SetUp() override {
        PageScaleOne::SetUp();
        FPage.PageNumber = 604;
        const int tokens[] = {4, 2, 4, 3};
        int line = 1;
        for (int aya = 1; aya <= 4; ++aya, ++line) {
            float right = 570;
            for (int t = 0; t <= tokens[aya - 1]; ++t, right -= 40)
                AddWord(FPage, {line, {right - 30, line * 50.f, right, line * 50.f + 30}, 112, aya,
                                t == tokens[aya - 1]});
        }
        FPage.InitialLinesData();
    }

    // Selects WordList entries first … last (0-based), as the view control does.
    void Select(int first, int last) {
        FPage.ClearSelect();
        for (int i = first; i <= last; ++i) {
            TWordObject* w = FPage.WordList[std::size_t(i)];
            w->SetSelected(true);
            FPage.Line(w->LineNumber).SetSelected(true);
            FPage.SetSelected(true);
        }
    }
    std::u16string Copy() const { return GetSelectionRTF(FPage, Store(), FSettings); }
    std::u16string Expected(std::u16string_view text, int aya1, int aya2, int n) const {
        return SelectionRtf(FSettings, text, 112, aya1, aya2, n, false);
    }

    TPage FPage;
    TSettings FSettings;
};

}  // namespace

// WordList: aya 1 = 0..4 (mark 4), aya 2 = 5..7 (mark 7), aya 3 = 8..12 (mark 12), aya 4 = 13..16.
TEST_F(SelectionText, SelectionsBecomeTheirAyatCutAtTheSelectedWords) {
    // Each aya's number hangs on its last word by a no-break space.
    struct Case {
        const char* What;
        int First, Last;  // WordList positions selected
        const char16_t* Text;
        int Aya1, Aya2, Count;  // the citation
    } cases[] = {
        {"the rest of one aya carries its number", 1, 4, u"هُوَ ٱللَّهُ أَحَدٌ\u00A0١", 1, 1, 1},
        {"one word", 2, 2, u"ٱللَّهُ", 1, 1, 1},
        {"a separated waqf sign joins its word again", 8, 10, u"a3ۖ b3", 3, 3, 1},
        {"two ayat cut at both ends", 6, 8, u"b2\u00A0٢ a3", 2, 3, 2},
        {"starting on an aya mark takes that aya whole", 7, 10, u"a2 b2\u00A0٢ a3ۖ b3", 2, 3, 2},
        {"the ayat between are taken whole", 6, 14, u"b2\u00A0٢ a3ۖ b3 c3\u00A0٣ وَd4", 2, 4, 3},
    };
    for (const Case& c : cases) {
        Select(c.First, c.Last);
        EXPECT_EQ(Copy(), Expected(c.Text, c.Aya1, c.Aya2, c.Count)) << c.What;
    }
}

TEST_F(SelectionText, NothingSelectedGivesNothing) {
    FPage.ClearSelect();
    EXPECT_EQ(Copy(), u"");
}

TEST_F(SelectionText, AyaNumbersAtThe32BitLimitsCopyWithoutOverflow) {
    // Pages are checked when they are read; a page built in memory can still
    // hold such numbers, and the arithmetic must not overflow on them.
    struct Case {
        const char* What;
        std::vector<int> Ayat;  // one word each, on lines 1, 2, ...
    } cases[] = {
        {"the ayat between follow the largest number", {INT32_MAX, INT32_MIN, 2}},
        {"the citation's first aya is one before the smallest", {2, INT32_MIN}},
        {"the citation's last aya is beyond the largest", {INT32_MAX - 1, INT32_MAX, 1}},
    };
    for (const Case& c : cases) {
        FPage.Clear();
        for (std::size_t i = 0; i < c.Ayat.size(); ++i) {
            const int line = int(i) + 1;
            AddWord(FPage, {line, {500, line * 50.f, 560, line * 50.f + 30}, 112, c.Ayat[i]});
        }
        FPage.InitialLinesData();
        Select(0, int(c.Ayat.size()) - 1);
        const std::u16string doc = Copy();
        EXPECT_EQ(doc.rfind(u"{\\rtf1", 0), 0u) << c.What;
        // Aya 2's first word comes with the selection wherever aya 2 is in it.
        const bool withAya2 = std::find(c.Ayat.begin(), c.Ayat.end(), 2) != c.Ayat.end();
        EXPECT_EQ(doc.find(EscapeRtfUnicode(u"a2")) != std::u16string::npos, withAya2) << c.What;
    }
}
