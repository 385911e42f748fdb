// The search over a small store, the search window's logic and its history.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "base/OutsideNames.h"
#include "base/Utf.h"
#include "search/AyaSearch.h"
#include "search/SearchForm.h"
#include "search/SearchHistory.h"
#include "text/AyaStore.h"
#include "text/AyaText.h"
#include "text/SuraTables.h"

namespace {

std::u16string U(const char* utf8) { return Utf8ToUtf16(utf8); }

struct TFixtureAya {
    int Sura, Aya, Page;
    const char* Imlai;
};

std::string StoreXml(const std::vector<TFixtureAya>& ayat) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<ayat version=\"t\">\n";
    for (const TFixtureAya& a : ayat) {
        const std::string n = std::to_string(a.Sura) + ":" + std::to_string(a.Aya);
        xml += "<entry sura=\"" + std::to_string(a.Sura) + "\" aya=\"" + std::to_string(a.Aya) + "\" page=\"" +
               std::to_string(a.Page) + "\"><unicode>u" + n + "</unicode><" + AyaStoreImlaiForm + ">" + a.Imlai +
               "</" + AyaStoreImlaiForm + "></entry>\n";
    }
    return xml + "</ayat>\n";
}

// Ayat 5 of three suras, the same words in two suras, a page past 999 and
// one entry in Latin letters (the search compares upper-cased).
const std::vector<TFixtureAya> kAyat = {
    {1, 1, 1, "بسم الله الرحمن الرحيم"},
    {1, 5, 1, "اياك نعبد واياك نستعين"},
    {2, 5, 2, "اولئك على هدى من ربهم"},
    {2, 255, 42, "الله لا اله الا هو الحي القيوم"},
    {3, 5, 50, "ان الله لا يخفى عليه شيء"},
    {3, 6, 1000, "هو الذي يصوركم"},
    {4, 1, 77, "Latin abc"},
};

class SearchTest : public testing::Test {
protected:
    TAyaStore Store{StoreXml(kAyat)};
    TSearchIndex Index{Store};

    std::vector<std::string> Found(std::u16string_view text) const {
        std::vector<std::string> keys;
        for (const TSearchResult& r : SearchForText(Index, text).Results)
            keys.push_back(std::to_string(r.Sura) + ":" + std::to_string(r.Aya));
        return keys;
    }
};

using Keys = std::vector<std::string>;

TEST_F(SearchTest, WhatAChangeOfTheTextFinds) {
    struct Case {
        std::u16string text;
        Keys found;
    };
    const Case cases[] = {
        {u"", {}},
        {u" \t ", {}},
        {U("ا"), {}},                        // one letter finds nothing, though it is everywhere
        {U("الله"), {"1:1", "2:255", "3:5"}},
        {U("  الله\t"), {"1:1", "2:255", "3:5"}},  // trimmed
        {U("لا ا"), {"2:255"}},              // across a word boundary
        {U("إله"), {}},                      // no folding of hamza forms
        {U("اللَّه"), {}},                     // vowel marks: the plain spelling has none
        {u"5", {"1:5", "2:5", "3:5"}},       // aya 5 of every sura, in sura order
        {u"005", {"1:5", "2:5", "3:5"}},
        {u" 255 ", {"2:255"}},
        {u"0", {}},
        {u"287", {}},
        {u"2147483647", {}},
        {u"2147483648", {}},                 // past 32 bits: nothing, no wrap to a small number
        {u"4294967301", {}},                 // would wrap to 5
        {u"99999999999999999999999", {}},
        {U("٥"), {}},                         // an Arabic-Indic digit is one letter, not a number
        {u"5 5", {}},                        // not all digits: the spelling search
        {u"AB", {"4:1"}},                    // compared upper-cased
        {u"n a", {"4:1"}},
    };
    for (const Case& c : cases) EXPECT_EQ(Found(c.text), c.found) << Utf16ToUtf8(c.text);
}

TEST_F(SearchTest, SuraCountCountsTheSurasWithHits) {
    EXPECT_EQ(SearchForText(Index, U("الله")).SuraCount, 3);
    EXPECT_EQ(SearchForText(Index, U("هو")).SuraCount, 2);  // 2:255 and 3:6
    EXPECT_EQ(SearchForText(Index, U("اياك")).SuraCount, 1);
    EXPECT_EQ(SearchForText(Index, u"7").SuraCount, 0);
    const TSearchOutcome o = SearchForText(Index, u"6");
    ASSERT_EQ(o.Results.size(), 1u);
    EXPECT_EQ(o.Results[0].Page, 1000);
    EXPECT_EQ(o.Results[0].unicode, u"u3:6");
    EXPECT_EQ(o.Results[0].Imlai, U("هو الذي يصوركم"));
}

TEST(SearchNumbers, ParseAyaNumber) {
    EXPECT_EQ(ParseAyaNumber(u"0"), 0);
    EXPECT_EQ(ParseAyaNumber(u"2147483647"), 2147483647);
    EXPECT_EQ(ParseAyaNumber(u"00000000000000000286"), 286);
    EXPECT_EQ(ParseAyaNumber(u"2147483648"), std::nullopt);
    EXPECT_EQ(ParseAyaNumber(u""), std::nullopt);
    EXPECT_EQ(ParseAyaNumber(u"-5"), std::nullopt);
}

TEST(SearchTexts, CountsLinesKeepTheirSpacing) {
    EXPECT_EQ(SearchCountsText(appArabic, 3, 2), U("عدد الآيات: 3   عدد السور: 2"));
    EXPECT_EQ(SearchCountsText(appEnglish, 3, 2), u"Ayah count: 3   Surah count: 2");
    EXPECT_EQ(SearchCountsText(appEnglish, 0, 0), u"Ayah count: 0   Surah count: 0");
    // Before the first change the English line names the suras first, with four spaces.
    EXPECT_EQ(std::u16string(SearchFormTexts(appEnglish).InitialCounts), u"Surah count: 0    Ayah count: 0");
    EXPECT_EQ(std::u16string(SearchFormTexts(appArabic).InitialCounts), U("عدد الآيات: 0   عدد السور: 0"));
    EXPECT_EQ(std::u16string(SearchFormTexts(appArabic).Caption), U("البحث"));
    EXPECT_EQ(std::u16string(SearchFormTexts(appEnglish).Label), u"Search for");
}

class SearchFormTest : public SearchTest {
protected:
    TSearchForm Form{Store, appEnglish};
};

TEST_F(SearchFormTest, ANewWindowAndEachChangeOfTheText) {
    EXPECT_EQ(Form.CountsLine(), u"Surah count: 0    Ayah count: 0");
    EXPECT_EQ(Form.Grid().RowCount(), 2);
    EXPECT_FALSE(Form.Grid().Select({1, 1}));  // nothing to select yet

    EXPECT_TRUE(Form.TextChanged(U("الله")));
    EXPECT_EQ(Form.CountsLine(), u"Ayah count: 3   Surah count: 3");
    EXPECT_EQ(Form.Grid().RowCount(), 4);
    EXPECT_FALSE(Form.Grid().Select({1, 0}));  // the header row
    EXPECT_TRUE(Form.Grid().Select({1, 2}));
    EXPECT_EQ(Form.SelectedResult()->Sura, 2);

    EXPECT_FALSE(Form.TextChanged(U("ا")));
    EXPECT_EQ(Form.CountsLine(), u"Ayah count: 0   Surah count: 0");
    EXPECT_EQ(Form.Grid().RowCount(), 2);  // the header and one empty row
    EXPECT_EQ(Form.SelectedResult(), nullptr);
    EXPECT_EQ(Form.Cell(2, 1).Text, u"");
    // The English headers stay after every search.
    const std::u16string_view headers[] = {u"", u"surah", u"Ayah", u"Page"};
    for (int col = 0; col < 4; ++col) EXPECT_EQ(Form.HeaderText(col), headers[col]);
}

TEST_F(SearchFormTest, CellsShowRowNumberSuraAyaAndPage) {
    Form.TextChanged(u"5");
    EXPECT_EQ(Form.Cell(0, 3).Text, u"\uFD53");
    EXPECT_EQ(Form.Cell(0, 3).Align, caCentre);
    EXPECT_EQ(Form.Cell(1, 3).Text, SuraNamesAlt[3]);  // "أل عمران", the second spelling
    EXPECT_EQ(Form.Cell(1, 3).Align, caRight);
    EXPECT_EQ(Form.Cell(2, 2).Text, u"u2:5");
    EXPECT_EQ(Form.Cell(3, 3).Text, u"\uFD50\uFD55");  // page 50, last digit first
    Form.TextChanged(u"6");
    EXPECT_EQ(Form.Cell(3, 1).Text, u"");  // page 1000 has no aya digits
    EXPECT_EQ(Form.Cell(0, 2).Text, u"");  // no such row
}

TEST_F(SearchFormTest, ColumnsFillTheGridButTenPixels) {
    Form.SetColumnFullWidth(560);
    const TGridModel& g = Form.Grid();
    EXPECT_EQ(g.ColumnWidth(0), 30);
    EXPECT_EQ(g.ColumnWidth(1), 100);
    EXPECT_EQ(g.ColumnWidth(2), 320);
    EXPECT_EQ(g.ColumnWidth(3), 100);
}

// Thirty hits whose texts grow with the aya number.
std::vector<TFixtureAya> ManyAyat() {
    std::vector<TFixtureAya> out;
    for (int aya = 1; aya <= 30; ++aya) out.push_back({2, aya, 2 + aya / 10, "كلمة"});
    return out;
}

TEST(SearchFormRows, OnlyTheRowsAroundTheVisibleOnesAreMeasured) {
    TAyaStore store(StoreXml(ManyAyat()));
    TSearchForm form(store, appArabic);
    form.Grid().SetClientSize(500, 300);
    form.SetColumnFullWidth(500);
    std::vector<int> widths;
    // 3 pixels for each row number, so row 22 would be the first 66 high.
    auto measure = [&](std::u16string_view text, int width) {
        widths.push_back(width);
        return 3 * std::stoi(Utf16ToUtf8(text.substr(3)));  // "u2:n"
    };
    form.UpdateRowHeights(measure);
    EXPECT_TRUE(widths.empty());  // no results, nothing to measure

    ASSERT_TRUE(form.TextChanged(U("كلمة")));
    form.UpdateRowHeights(measure);
    EXPECT_EQ(widths.size(), 21u);
    EXPECT_EQ(widths.front(), form.Grid().ColumnWidth(2) - 4);
    EXPECT_EQ(form.Grid().RowHeight(1), 21);   // 1 + default 24 - 4
    EXPECT_EQ(form.Grid().RowHeight(7), 22);   // 1 + 21
    EXPECT_EQ(form.Grid().RowHeight(21), 64);
    EXPECT_EQ(form.Grid().RowHeight(22), 24);  // never measured: the default

    widths.clear();
    form.Grid().SetTopRow(25);  // as far as the rows let it
    const int top = form.Grid().TopRow();
    form.UpdateRowHeights(measure);
    EXPECT_EQ(widths.size(), std::size_t(30 - top + 1));  // skipping rows past the last
    EXPECT_EQ(form.Grid().RowHeight(30), 91);

    // A new search starts from the top with default heights.
    form.TextChanged(U("كلمة"));
    EXPECT_EQ(form.Grid().TopRow(), 1);
    EXPECT_EQ(form.Grid().RowHeight(21), 24);
}

// --- history -------------------------------------------------------------

TEST(SearchHistory, SameTextStaysOnceAndKeepsItsPlace) {
    TSearchHistory h;
    EXPECT_TRUE(h.Add(U("الحمد")));
    EXPECT_TRUE(h.Add(u"286"));
    EXPECT_FALSE(h.Add(U(" الحمد ")));  // trimmed, it is there already
    EXPECT_FALSE(h.Add(u"  "));
    EXPECT_EQ(h.Entries(), (std::vector<std::u16string>{u"286", U("الحمد")}));
}

TEST(SearchHistory, TheEleventhTextPushesTheOldestOut) {
    TSearchHistory h;
    for (char16_t c = u'a'; c <= u'k'; ++c) h.Add(std::u16string{u't', c});
    ASSERT_EQ(h.Entries().size(), 10u);
    EXPECT_EQ(h.Entries().front(), u"tk");
    EXPECT_EQ(h.Entries().back(), u"tb");  // "ta" went
}

// A long pasted text is kept, cut to the cap, and reads back whole from the
// file; a cut never splits a surrogate pair, and a text that is the same as
// a kept one once cut is no new entry.
TEST(SearchHistory, LongTextsAreCappedWhenAddedAndWhenRead) {
    const std::u16string letters(100000, u'\u0627');
    TSearchHistory h;
    EXPECT_TRUE(h.Add(letters));
    EXPECT_EQ(h.Entries().front(), letters.substr(0, SearchHistoryEntryCap));
    EXPECT_FALSE(h.Add(letters + u"x"));  // the same once cut

    // An emoji across the cut is dropped whole.
    const std::u16string pairAtCut = std::u16string(SearchHistoryEntryCap - 1, u'a') + u"\U0001F600b";
    EXPECT_TRUE(h.Add(pairAtCut));
    EXPECT_EQ(h.Entries().front(), std::u16string(SearchHistoryEntryCap - 1, u'a'));
    // One that ends at the cut stays.
    const std::u16string pairBeforeCut = std::u16string(SearchHistoryEntryCap - 2, u'c') + u"\U0001F600b";
    EXPECT_TRUE(h.Add(pairBeforeCut));
    EXPECT_EQ(h.Entries().front(), pairBeforeCut.substr(0, SearchHistoryEntryCap));

    // Every value fits the window's 32,768-character read with room to spare.
    for (const auto& [key, value] : h.Values()) EXPECT_LT(value.size(), 32767u / 4) << Utf16ToUtf8(key);

    // A file written by an earlier build with a longer text.
    TSearchHistory earlier;
    earlier.Load([&](std::u16string_view key) {
        return key == u"search0" ? ToNumericEntities(letters) : std::u16string();
    });
    EXPECT_EQ(earlier.Entries(), (std::vector<std::u16string>{letters.substr(0, SearchHistoryEntryCap)}));
}

TEST(SearchHistory, ValuesAreCharacterReferencesAndReadBack) {
    TSearchHistory h;
    h.Add(U("لا إله"));
    h.Add(u"5");
    const auto values = h.Values();
    ASSERT_EQ(values.size(), 10u);
    EXPECT_EQ(values[0], (std::pair<std::u16string, std::u16string>{u"search0", u"&#53;"}));
    EXPECT_EQ(values[1].first, u"search1");
    EXPECT_EQ(values[1].second, u"&#1604;&#1575;&#32;&#1573;&#1604;&#1607;");
    EXPECT_EQ(values[9], (std::pair<std::u16string, std::u16string>{u"search9", u""}));

    std::map<std::u16string, std::u16string, std::less<>> file(values.begin(), values.end());
    TSearchHistory again;
    again.Load([&](std::u16string_view key) { return file[std::u16string(key)]; });
    EXPECT_EQ(again.Entries(), h.Entries());
}

TEST(SearchHistory, EntriesThatAreNotCharacterReferencesAreSkipped) {
    std::map<std::u16string, std::u16string, std::less<>> file = {
        {u"search0", u"&#1575;&#1604;"},
        {u"search1", U("الله")},              // plain text
        {u"search2", u""},
        {u"search3", u"&#x62D;&#x645;&#x62F;"},
        {u"search4", u"&#1575;&#1604;"},       // a repeat
        {u"search5", u"&#1575"},              // unterminated
        {u"search9", u"&#55357;"},            // half a surrogate pair
        {u"search10", u"&#53;"},              // past the ten keys
    };
    TSearchHistory h;
    h.Load([&](std::u16string_view key) {
        auto it = file.find(key);
        return it == file.end() ? std::u16string() : it->second;
    });
    EXPECT_EQ(h.Entries(), (std::vector<std::u16string>{U("ال"), U("حمد")}));
}

TEST(SearchHistory, DecodingCharacterReferences) {
    struct Case {
        std::u16string value;
        std::optional<std::u16string> text;
    };
    const Case cases[] = {
        {u"", u""},
        {u"&#1575;", U("ا")},
        {u"&#x627;&#X628;", U("اب")},
        {u"&#128512;", u"\U0001F600"},
        {u"&#55357;&#56832;", u"\U0001F600"},  // as ToNumericEntities writes it: one per surrogate
        {u"&#0000065;", u"A"},
        {u"abc", std::nullopt},
        {u"&#1575;x", std::nullopt},
        {u"&#1575", std::nullopt},
        {u"&#;", std::nullopt},
        {u"&#x;", std::nullopt},
        {u"&#12a;", std::nullopt},
        {u"&#0;", std::nullopt},
        {u"&#1114112;", std::nullopt},
        {u"&#99999999999999999999;", std::nullopt},
        {u"&#56832;&#55357;", std::nullopt},  // surrogates the wrong way round
        {u"&amp;", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(DecodeCharacterReferences(c.value), c.text) << Utf16ToUtf8(c.value);
    // Whatever ToNumericEntities writes reads back.
    const std::u16string mixed = U("بِسۡمِ ٱللَّهِ ") + u"\uFD50\U0001F600x";
    EXPECT_EQ(DecodeCharacterReferences(ToNumericEntities(mixed)), mixed);
}

}  // namespace
