// The search window's logic over the generated aya store.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "base/Utf.h"
#include "search/AyaSearch.h"
#include "search/SearchForm.h"
#include "text/AyaStore.h"
#include "text/SuraTables.h"

namespace {

const TAyaStore& Store() {
    static const std::unique_ptr<TAyaStore> store = [] {
        std::ifstream in(TIRAVEL_RESOURCES_DIR "/HAFSUNICODE", std::ios::binary);
        if (!in) throw std::runtime_error("cannot open " TIRAVEL_RESOURCES_DIR "/HAFSUNICODE");
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return std::make_unique<TAyaStore>(bytes.str());
    }();
    return *store;
}

std::u16string U(const char* utf8) { return Utf8ToUtf16(utf8); }

TEST(SearchData, OneLetterFindsNothingAndTwoFindNearlyEveryAya) {
    TSearchForm form(Store(), appArabic);
    EXPECT_FALSE(form.TextChanged(U("ا")));
    EXPECT_EQ(form.CountsLine(), U("عدد الآيات: 0   عدد السور: 0"));
    EXPECT_EQ(form.Grid().RowCount(), 2);

    ASSERT_TRUE(form.TextChanged(U("ال")));
    const int hits = int(form.Results().size());
    EXPECT_GT(hits, 4500);  // 5153 with the letters folded, 4904 exact
    EXPECT_LT(hits, 6236);
    EXPECT_EQ(form.Grid().RowCount(), hits + 1);
    EXPECT_EQ(form.CountsLine(), U("عدد الآيات: ") + Utf8ToUtf16(std::to_string(hits)) + U("   عدد السور: 114"));
}

TEST(SearchData, AnAyaNumberListsThatAyaOfEverySuraLongEnough) {
    const TSearchIndex index(Store());
    const TSearchOutcome five = SearchForText(index, u"5");
    std::vector<int> expected;
    for (int s = 1; s <= 114; ++s)
        if (SuraAyaCounts[std::size_t(s)] >= 5) expected.push_back(s);
    std::vector<int> suras;
    for (const TSearchResult& r : five.Results) {
        EXPECT_EQ(r.Aya, 5);
        suras.push_back(r.Sura);
    }
    EXPECT_EQ(suras, expected);  // in sura order
    EXPECT_EQ(five.SuraCount, int(expected.size()));

    for (const char16_t* nothing : {u"0", u"287", u"4294967301", u"99999999999999999999"})
        EXPECT_TRUE(SearchForText(index, nothing).Results.empty()) << Utf16ToUtf8(nothing);

    const TSearchOutcome last = SearchForText(index, u"286");
    ASSERT_EQ(last.Results.size(), 1u);
    EXPECT_EQ(last.Results[0].Sura, 2);
    EXPECT_EQ(last.Results[0].Page, 49);
    EXPECT_EQ(last.Results[0].unicode.substr(last.Results[0].unicode.size() - 4), u"\u00A0\u0662\u0668\u0666");
}

TEST(SearchData, ThePlainSpellingIsMatched) {
    const TSearchIndex index(Store());
    const TSearchOutcome plain = SearchForText(index, U("الحمد لله"));
    ASSERT_FALSE(plain.Results.empty());
    EXPECT_EQ(plain.Results[0].Sura, 1);
    EXPECT_EQ(plain.Results[0].Aya, 2);
    // Every hit contains the pattern in its plain spelling.
    for (const TSearchResult& r : SearchForText(index, U("رحيم"), {true, false, AllSuras}).Results)
        EXPECT_NE(r.Imlai.find(U("رحيم")), std::u16string_view::npos);
}

// The counts below were found by reading the store by hand under the rules
// of the search (letters and spaces of the query, the folded letters, whole
// words between spaces, one sura), not by this program.
TEST(SearchData, CountsOfQueriesUnderEachChoice) {
    const TSearchIndex index(Store());
    constexpr TSearchChoices F{false, false, AllSuras}, E{true, false, AllSuras}, W{false, true, AllSuras},
        EW{true, true, AllSuras};
    // The longest plain spelling, 2:282, and one word more.
    const std::u16string longest = std::u16string(SearchForText(index, u"282", {false, false, 2}).Results.at(0).Imlai);
    struct Case {
        std::u16string text;
        TSearchChoices choices;
        int ayat, suras;
    };
    const Case cases[] = {
        {U("اسماعيل"), F, 12, 8},      // typed without its hamza
        {U("اسماعيل"), E, 0, 0},
        {U("إسماعيل"), E, 12, 8},
        {U("اسماعيل"), W, 3, 3},
        {U("إسماعيل"), EW, 3, 3},
        {U("موسي"), F, 131, 34},       // with a dotted ya
        {U("موسي"), E, 0, 0},
        {U("موسى"), E, 131, 34},
        {U("موسى"), W, 124, 32},
        {U("رحمه"), E, 3, 3},
        {U("رحمة"), E, 73, 33},
        {U("رحمه"), F, 75, 33},        // both spellings, and "رحمه" itself
        {U("رحمة"), F, 75, 33},
        {U("رحمة"), EW, 34, 20},
        {U("رحمه"), EW, 1, 1},
        {U("يس"), E, 458, 85},
        {U("يس"), F, 497, 86},
        {U("يس"), W, 1, 1},            // 36:1 alone
        {U("ال"), E, 4904, 114},
        {U("ال"), F, 5153, 114},
        {U("ال"), W, 22, 15},          // "آل" folded
        {U("ال"), EW, 0, 0},
        {U("اله"), F, 284, 75},
        {U("اله"), E, 134, 53},
        {U("اله"), W, 67, 33},
        {U("سئل"), F, 7, 7},
        {U("سئل"), E, 3, 3},
        {U("سئل"), EW, 1, 1},
        {U("يا ايها"), W, 142, 35},
        {U("يا أيها"), E, 142, 35},
        {U("ن ال"), F, 1689, 99},       // across a word bound
        {U("الْحَمْدُ لِلَّهِ"), F, 23, 17},  // vowel marks dropped
        {U("الْحَمْدُ لِلَّهِ"), EW, 21, 16},
        {U("ٱلرَّحْمَـٰنِ"), F, 48, 18},     // wasla, tatweel and dagger alif
        {U("ٱلرَّحْمَـٰنِ"), W, 45, 17},
        {U("ءامن"), F, 0, 0},          // the lone hamza is no alif
        {U("ءا"), F, 9, 8},
        {u"   ", F, 0, 0},            // a query of spaces
        {u"َِ", F, 0, 0},    // of marks
        {longest, E, 1, 1},
        {longest, W, 1, 1},
        {longest + U(" و"), F, 0, 0},  // longer than any aya
        {U("ابراهيم"), {false, false, 14}, 1, 1},  // 14:35
        {U("ابراهيم"), {true, false, 14}, 0, 0},
        {U("ابراهيم"), F, 63, 25},
        {U("ابراهيم"), W, 56, 22},
        {U("الناس"), {false, false, 114}, 5, 1},  // sura 114 alone
        {U("الناس"), {false, true, 114}, 4, 1},
        {U("ال"), {false, false, 114}, 6, 1},
        {U("ال"), {false, true, 114}, 0, 0},
        {u"5", {false, false, 2}, 1, 1},          // an aya number within one sura
        {u"286", {false, false, 3}, 0, 0},
    };
    for (const Case& c : cases) {
        const TSearchOutcome o = SearchForText(index, c.text, c.choices);
        EXPECT_EQ(int(o.Results.size()), c.ayat) << Utf16ToUtf8(c.text) << " sura " << c.choices.Sura;
        EXPECT_EQ(o.SuraCount, c.suras) << Utf16ToUtf8(c.text) << " sura " << c.choices.Sura;
        if (c.choices.Sura == AllSuras) continue;
        for (const TSearchResult& r : o.Results) EXPECT_EQ(r.Sura, c.choices.Sura);
    }
    EXPECT_EQ(longest.size(), 679u);
}

TEST(SearchData, MarksFallOnTheMatchedWordsOrTheWholeAya) {
    const TSearchIndex index(Store());
    // Ayat whose Uthmani and plain spellings part words differently (366,
    // counted by hand): their matches mark the whole aya.
    int disagreeing = 0;
    for (std::size_t i = 0; i < index.Size(); ++i)
        if (!SpellingsAgree(index.Entry(i))) ++disagreeing;
    EXPECT_EQ(disagreeing, 366);

    // Every hit marks at least one word; an aya that agrees marks as many
    // words as the plain spelling has matched ones, never all of a long aya.
    for (const char* query : {"اسماعيل", "الله", "رحمة", "يا ايها"}) {
        for (const TSearchResult& r : SearchForText(index, U(query)).Results) {
            const std::vector<bool> marks = MarkedWords(r, U(query), {});
            EXPECT_NE(std::find(marks.begin(), marks.end(), true), marks.end()) << query << " " << r.Sura << ":" << r.Aya;
        }
    }
    // 2:125, "وعهدنا إلى إبراهيم وإسماعيل": the one word of Ismail.
    const TSearchOutcome o = SearchForText(index, U("اسماعيل"), {false, false, 2});
    ASSERT_FALSE(o.Results.empty());
    const std::vector<bool> marks = MarkedWords(o.Results[0], U("اسماعيل"), {});
    EXPECT_EQ(std::count(marks.begin(), marks.end(), true), 1);
}

}  // namespace
