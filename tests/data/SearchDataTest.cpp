// The search window's logic over the generated aya store.
#include <gtest/gtest.h>

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
    EXPECT_GT(hits, 4500);  // 4904 in the generated store
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

TEST(SearchData, ThePlainSpellingIsMatchedExactly) {
    const TSearchIndex index(Store());
    const TSearchOutcome plain = SearchForText(index, U("الحمد لله"));
    ASSERT_FALSE(plain.Results.empty());
    EXPECT_EQ(plain.Results[0].Sura, 1);
    EXPECT_EQ(plain.Results[0].Aya, 2);
    // With vowel marks nothing matches: the plain spelling carries none.
    EXPECT_TRUE(SearchForText(index, U("الْحَمْدُ")).Results.empty());
    // Every hit contains the pattern in its plain spelling.
    for (const TSearchResult& r : SearchForText(index, U("رحيم")).Results)
        EXPECT_NE(r.Imlai.find(U("رحيم")), std::u16string_view::npos);
}

}  // namespace
