// The search over a small store (its rules: the query's letters, folding,
// whole words, one sura; the words it marks), the search window's logic,
// its history and its remembered choices.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "base/OutsideNames.h"
#include "base/Utf.h"
#include "search/AyaSearch.h"
#include "search/SearchChoices.h"
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
    const char* Unicode = nullptr;  // "uSURA:AYA" when not given
};

std::string StoreXml(const std::vector<TFixtureAya>& ayat) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<ayat version=\"t\">\n";
    for (const TFixtureAya& a : ayat) {
        const std::string n = std::to_string(a.Sura) + ":" + std::to_string(a.Aya);
        xml += "<entry sura=\"" + std::to_string(a.Sura) + "\" aya=\"" + std::to_string(a.Aya) + "\" page=\"" +
               std::to_string(a.Page) + "\"><unicode>" + (a.Unicode ? a.Unicode : "u" + n) + "</unicode><" +
               AyaStoreImlaiForm + ">" + a.Imlai + "</" + AyaStoreImlaiForm + "></entry>\n";
    }
    return xml + "</ayat>\n";
}

// Ayat 5 of three suras, the same words in two suras, a page past 999, the
// letters that folding joins (4:1, its spaces and Latin letters left out of
// its plain spelling) and a sura of its own for the names of 14:35.
const std::vector<TFixtureAya> kAyat = {
    {1, 1, 1, "بسم الله الرحمن الرحيم", "بِسْمِ ٱللَّهِ ٱلرَّحْمَـٰنِ ٱلرَّحِيمِ\u00A0١"},
    {1, 5, 1, "اياك نعبد واياك نستعين"},
    {2, 5, 2, "اولئك على هدى من ربهم"},
    {2, 255, 42, "الله لا اله الا هو الحي القيوم"},
    {3, 5, 50, "ان الله لا يخفى عليه شيء"},
    {3, 6, 1000, "هو الذي يصوركم"},
    {4, 1, 77, "  إسماعيل   وآمن  Latin رحمة موسى سئل مؤمن بشيء "},
    {14, 35, 260, "وإذ قال إبراهيم رب اجعل هذا البلد آمنا"},
};

class SearchTest : public testing::Test {
protected:
    TAyaStore Store{StoreXml(kAyat)};
    TSearchIndex Index{Store};

    std::vector<std::string> Found(std::u16string_view text, const TSearchChoices& choices = {}) const {
        std::vector<std::string> keys;
        for (const TSearchResult& r : SearchForText(Index, text, choices).Results)
            keys.push_back(std::to_string(r.Sura) + ":" + std::to_string(r.Aya));
        return keys;
    }
};

using Keys = std::vector<std::string>;
constexpr TSearchChoices Folded{};
constexpr TSearchChoices Exact{true, false, AllSuras};
constexpr TSearchChoices WholeWords{false, true, AllSuras};
constexpr TSearchChoices ExactWholeWords{true, true, AllSuras};

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
        {U("لا   ا"), {"2:255"}},            // the query's spaces made one
        {U("إله"), {"2:255"}},               // folded: "اله"
        {U("اللَّه"), {"1:1", "2:255", "3:5"}},  // vowel marks dropped
        {U("ٱللَّهِ"), {"1:1", "2:255", "3:5"}},  // alif wasla read as alif
        {U("الـله"), {"1:1", "2:255", "3:5"}},  // tatweel dropped
        {U("اَ"), {}},                        // one letter once its mark is gone
        {U("ِ ُ"), {}},                       // marks alone: nothing left to search
        {u"5", {"1:5", "2:5", "3:5"}},       // aya 5 of every sura, in sura order
        {u"005", {"1:5", "2:5", "3:5"}},
        {u" 255 ", {"2:255"}},
        {u"0", {}},
        {u"287", {}},
        {u"2147483647", {}},
        {u"2147483648", {}},                 // past 32 bits: nothing, no wrap to a small number
        {u"4294967301", {}},                 // would wrap to 5
        {u"99999999999999999999999", {}},
        {U("٥"), {}},                         // an Arabic-Indic digit is no number, and no letter
        {u"5 5", {}},                        // not all digits: the spelling search, of nothing
        {u"Latin", {}},                      // Latin letters are no letters of the plain spelling
        {U("وآمن رحمة"), {"4:1"}},           // the aya's runs of spaces are one
    };
    for (const Case& c : cases) EXPECT_EQ(Found(c.text), c.found) << Utf16ToUtf8(c.text);
}

// The index keeps every aya's texts side by side: each must come back whole
// and apart from its neighbours, an empty one among them.
TEST(SearchIndex, HoldsEachAyasTextsApart) {
    const TAyaStore store(StoreXml({{1, 1, 1, "إياك", "إِيَّاكَ"},
                                    {1, 2, 1, "", ""},
                                    {1, 3, 2, "  نعبد  ", "x"},
                                    {1, 4, 2, "ة", ""},
                                    {1, 5, 3, "", "y"}}));
    const TSearchIndex index(store);
    struct Expected {
        int Aya;
        const char* Unicode;
        const char* Imlai;
        const char* Folded;
    };
    const Expected expected[] = {
        {1, "إِيَّاكَ", "إياك", "اياك"},
        {2, "", "", ""},
        {3, "x", "نعبد", "نعبد"},
        {4, "", "ة", "ه"},
        {5, "y", "", ""},
    };
    ASSERT_EQ(index.Size(), std::size(expected));
    for (std::size_t i = 0; i < index.Size(); ++i) {
        const TSearchResult r = index.Entry(i);
        EXPECT_EQ(r.Aya, expected[i].Aya);
        EXPECT_EQ(r.unicode, U(expected[i].Unicode)) << i;
        EXPECT_EQ(r.Imlai, U(expected[i].Imlai)) << i;
        EXPECT_EQ(index.Folded(i), U(expected[i].Folded)) << i;
    }
}

TEST_F(SearchTest, FoldingJoinsTheLettersPeopleTypeOneForAnother) {
    struct Case {
        std::u16string text;
        Keys folded, exact;
    };
    const Case cases[] = {
        {U("اسماعيل"), {"4:1"}, {}},        // hamza below
        {U("إسماعيل"), {"4:1"}, {"4:1"}},
        {U("وامن"), {"4:1"}, {}},           // madda
        {U("امنا"), {"14:35"}, {}},
        {U("رحمه"), {"4:1"}, {}},           // ta marbuta
        {U("موسي"), {"4:1"}, {}},           // alif maqsura
        {U("يخفي"), {"3:5"}, {}},
        {U("سيل"), {"4:1"}, {}},            // ya with hamza
        {U("مومن"), {"4:1"}, {}},           // waw with hamza
        {U("اولىك"), {"2:5"}, {}},          // the folding goes both ways
        {U("شي"), {"3:5", "4:1"}, {"3:5", "4:1"}},  // the lone hamza stays: "شيء" holds "شي"
        {U("بشي"), {"4:1"}, {"4:1"}},
        {U("شيا"), {}, {}},                 // ...and is never an alif
        {U("ابراهيم"), {"14:35"}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Found(c.text, Folded), c.folded) << Utf16ToUtf8(c.text);
        EXPECT_EQ(Found(c.text, Exact), c.exact) << Utf16ToUtf8(c.text);
    }
}

TEST_F(SearchTest, WholeWordsBeginAndEndAtWordBounds) {
    struct Case {
        std::u16string text;
        TSearchChoices choices;
        Keys found;
    };
    const Case cases[] = {
        {U("الله"), WholeWords, {"1:1", "2:255", "3:5"}},
        {U("له"), Folded, {"1:1", "2:255", "3:5"}},
        {U("له"), WholeWords, {}},               // only inside words
        {U("اياك"), WholeWords, {"1:5"}},        // "واياك" does not count, "اياك" does
        {U("لا اله"), WholeWords, {"2:255"}},    // several words
        {U("لا ال"), WholeWords, {}},             // ...ending inside one
        {U("الحي القيوم"), WholeWords, {"2:255"}},  // the aya's last word
        {U("بسم"), WholeWords, {"1:1"}},         // its first
        {U("سماعيل"), WholeWords, {}},
        {U("اسماعيل"), WholeWords, {"4:1"}},     // folded and whole
        {U("اسماعيل"), ExactWholeWords, {}},
        {U("إسماعيل"), ExactWholeWords, {"4:1"}},
    };
    for (const Case& c : cases) EXPECT_EQ(Found(c.text, c.choices), c.found) << Utf16ToUtf8(c.text);
}

TEST_F(SearchTest, OneSuraAlone) {
    EXPECT_EQ(Found(U("الله"), {false, false, 2}), Keys{"2:255"});
    EXPECT_EQ(Found(U("الله"), {false, false, 114}), Keys{});
    EXPECT_EQ(Found(u"5", {false, false, 3}), Keys{"3:5"});  // an aya number within the sura
    EXPECT_EQ(Found(u"5", {false, false, 4}), Keys{});
    EXPECT_EQ(Found(U("ابراهيم"), {false, false, 14}), Keys{"14:35"});
    const TSearchOutcome one = SearchForText(Index, U("الله"), {false, false, 3});
    EXPECT_EQ(one.SuraCount, 1);
    // No such sura: nothing, rather than every sura.
    EXPECT_EQ(Found(U("الله"), {false, false, 115}), Keys{});
}

TEST(SearchRules, TheQueryKeepsItsLettersAndSpaces) {
    struct Case {
        std::u16string text, query;
    };
    const Case cases[] = {
        {U("الْحَمْدُ لِلَّهِ"), U("الحمد لله")},
        {U("ٱلرَّحْمَـٰنِ"), U("الرحمن")},        // wasla, tatweel, dagger alif
        {U("  بسم 	  الله  "), U("بسم الله")},
        {U("بسم ۚ الله"), U("بسم الله")},         // a sign between spaces leaves one space
        {U("إبراهيم"), U("إبراهيم")},             // not folded here
        {u"Latin 12  ", u""},
        {u"", u""},
    };
    for (const Case& c : cases) EXPECT_EQ(SearchQuery(c.text), c.query) << Utf16ToUtf8(c.text);
    EXPECT_EQ(PlainSpelling(U(" بسم  اللهx  ")), U("بسم الله"));
    EXPECT_EQ(PlainSpelling(U("ـ")), U("ـ"));  // the plain spelling keeps all of U+0621..U+064A
}

TEST(SearchRules, FoldLetter) {
    const std::pair<char16_t, char16_t> folds[] = {
        {u'آ', u'ا'}, {u'أ', u'ا'}, {u'إ', u'ا'}, {u'ى', u'ي'},
        {u'ئ', u'ي'}, {u'ة', u'ه'}, {u'ؤ', u'و'},
    };
    for (const auto& [from, to] : folds) EXPECT_EQ(FoldLetter(from), to) << int(from);
    int unchanged = 0;
    for (char16_t c = u'ء'; c <= u'ي'; ++c)
        if (FoldLetter(c) == c) ++unchanged;
    EXPECT_EQ(unchanged, 0x64A - 0x621 + 1 - 7);
    EXPECT_EQ(FoldLetter(u'ء'), u'ء');  // the lone hamza stays
    EXPECT_EQ(FoldLetter(u'ٱ'), u'ٱ');  // wasla is the query's business
}

TEST(SearchMarks, TheWordsThatHoldTheMatch) {
    const std::u16string basmala = U("بِسْمِ ٱللَّهِ ٱلرَّحْمَـٰنِ ٱلرَّحِيمِ") + u" ١";
    const std::u16string basmalaPlain = U("بسم الله الرحمن الرحيم");
    const std::u16string iyyaka = U("إِيَّاكَ نَعْبُدُ وَإِيَّاكَ نَسْتَعِينُ") + u" ٥";
    const std::u16string iyyakaPlain = U("إياك نعبد وإياك نستعين");
    // One Uthmani word where the plain spelling writes two.
    const std::u16string people = U("يَـٰٓأَيُّهَا ٱلنَّاسُ ٱعْبُدُوا۟ رَبَّكُمُ") + u" ٢١";
    const std::u16string peoplePlain = U("يا أيها الناس اعبدوا ربكم");
    using Marks = std::vector<bool>;
    struct Case {
        const std::u16string& unicode;
        const std::u16string& plain;
        std::u16string query;
        TSearchChoices choices;
        Marks marked;
    };
    const Case cases[] = {
        {basmala, basmalaPlain, U("الرحيم"), Folded, {0, 0, 0, 1}},  // the last word, number beside it
        {basmala, basmalaPlain, U("رح"), Folded, {0, 0, 1, 1}},      // every word it stands in
        {basmala, basmalaPlain, U("الله الرحمن"), Folded, {0, 1, 1, 0}},
        {basmala, basmalaPlain, U("م ال"), Folded, {1, 1, 0, 0}},    // the end of one, the start of the next
        {basmala, basmalaPlain, U("رح"), WholeWords, {0, 0, 0, 0}},
        {basmala, basmalaPlain, U(""), Folded, {0, 0, 0, 0}},
        {iyyaka, iyyakaPlain, U("اياك"), Folded, {1, 0, 1, 0}},       // each occurrence, folded
        {iyyaka, iyyakaPlain, U("اياك"), Exact, {0, 0, 0, 0}},
        {iyyaka, iyyakaPlain, U("إياك"), ExactWholeWords, {1, 0, 0, 0}},
        {people, peoplePlain, U("ربكم"), Folded, {1, 1, 1, 1}},       // counts disagree: the whole aya
        {people, peoplePlain, U("موسى"), Folded, {0, 0, 0, 0}},       // ...only when it matches
    };
    for (const Case& c : cases) {
        const TSearchResult hit{1, 1, 1, c.unicode, c.plain};
        EXPECT_EQ(MarkedWords(hit, c.query, c.choices), c.marked) << Utf16ToUtf8(c.query);
    }
    EXPECT_TRUE(SpellingsAgree({1, 1, 1, basmala, basmalaPlain}));
    EXPECT_FALSE(SpellingsAgree({1, 1, 1, people, peoplePlain}));
    // Runs of spaces in the Uthmani text part no more words.
    const std::u16string spaced = U("بِسْمِ  ٱللَّهِ");
    EXPECT_EQ(MarkedWords({1, 1, 1, spaced, U("بسم الله")}, U("الله"), Folded), (Marks{0, 1}));
}

TEST(SearchChoicesFile, TheChoicesAreKeptAndReadBack) {
    const TSearchChoices choices{true, false, 14};
    const auto values = SearchChoiceValues(choices);
    EXPECT_EQ(values, (std::vector<std::pair<std::u16string, std::u16string>>{
                          {SearchExactLettersKey, u"1"}, {SearchWholeWordsKey, u"0"}, {SearchSuraKey, u"14"}}));
    std::map<std::u16string, std::u16string, std::less<>> file(values.begin(), values.end());
    auto read = [&](std::u16string_view key) {
        auto it = file.find(key);
        return it == file.end() ? std::u16string() : it->second;
    };
    EXPECT_EQ(ReadSearchChoices(read), choices);
    // Values that are not ours read as the defaults.
    file = {{SearchExactLettersKey, u"yes"}, {SearchWholeWordsKey, u"1"}, {SearchSuraKey, u"115"}};
    EXPECT_EQ(ReadSearchChoices(read), (TSearchChoices{false, true, AllSuras}));
    for (const char16_t* sura : {u"0", u"-3", u"", u"14a", u"99999999999999"}) {
        file = {{SearchSuraKey, sura}};
        EXPECT_EQ(ReadSearchChoices(read), TSearchChoices{}) << Utf16ToUtf8(sura);
    }
    file.clear();
    EXPECT_EQ(ReadSearchChoices(read), TSearchChoices{});
}

TEST_F(SearchTest, SuraCountCountsTheSurasWithHits) {
    EXPECT_EQ(SearchForText(Index, U("الله")).SuraCount, 3);
    EXPECT_EQ(SearchForText(Index, U("امن")).SuraCount, 2);  // 4:1 and 14:35, folded
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

// Enter opens the selected row's result, or the first one when no row is
// selected: a reader who types "286" and presses Enter means 2:286.
TEST_F(SearchFormTest, EnterOpensTheSelectedResultOrTheFirst) {
    EXPECT_EQ(Form.ResultToOpen(), nullptr);  // a new window
    ASSERT_TRUE(Form.TextChanged(u"5"));
    ASSERT_NE(Form.ResultToOpen(), nullptr);
    EXPECT_EQ(Form.ResultToOpen()->Sura, 1);
    ASSERT_TRUE(Form.Grid().Select({1, 3}));
    EXPECT_EQ(Form.ResultToOpen()->Sura, 3);
    EXPECT_FALSE(Form.TextChanged(u"287"));
    EXPECT_EQ(Form.ResultToOpen(), nullptr);  // nothing found, nothing opened
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
    EXPECT_EQ(Form.Cell(3, 1).Text, u"1000");  // no aya digits past 999: plain ones
    EXPECT_EQ(Form.Cell(0, 2).Text, u"");  // no such row
}

TEST(SearchFormRows, RowNumbersPast999ShowInPlainDigits) {
    std::vector<TFixtureAya> ayat;
    for (int aya = 1; aya <= 1001; ++aya) ayat.push_back({2, aya, 3, "كلمة"});
    TAyaStore store(StoreXml(ayat));
    TSearchForm form(store, appArabic);
    ASSERT_TRUE(form.TextChanged(U("كلمة")));
    EXPECT_EQ(form.Cell(0, 999).Text, u"\uFD59\uFD59\uFD59");
    EXPECT_EQ(form.Cell(0, 1000).Text, u"1000");
    EXPECT_EQ(form.Cell(0, 1001).Text, u"1001");
    EXPECT_EQ(form.Cell(0, 1001).Align, caCentre);
    EXPECT_TRUE(form.Cell(0, 1001).Small);  // four plain digits in the narrow column
    EXPECT_FALSE(form.Cell(0, 999).Small);
    EXPECT_EQ(form.CountsLine(), U("عدد الآيات: 1001   عدد السور: 1"));
}

TEST_F(SearchFormTest, AChangeOfAChoiceSearchesTheTextAgain) {
    EXPECT_FALSE(Form.ChoicesChanged(Exact));  // the remembered choices of a new window
    EXPECT_EQ(Form.CountsLine(), u"Surah count: 0    Ayah count: 0");  // its first line stays
    EXPECT_FALSE(Form.TextChanged(U("اسماعيل")));
    EXPECT_EQ(Form.CountsLine(), u"Ayah count: 0   Surah count: 0");
    EXPECT_TRUE(Form.ChoicesChanged(Folded));
    EXPECT_EQ(Form.Choices(), Folded);
    EXPECT_EQ(Form.CountsLine(), u"Ayah count: 1   Surah count: 1");
    EXPECT_EQ(Form.Grid().RowCount(), 2);

    ASSERT_TRUE(Form.TextChanged(U("امن")));
    EXPECT_EQ(Form.Results().size(), 2u);
    Form.Grid().Select({1, 2});
    ASSERT_TRUE(Form.ChoicesChanged({false, false, 14}));
    ASSERT_EQ(Form.Results().size(), 1u);
    EXPECT_EQ(Form.ResultAt(1)->Sura, 14);
    EXPECT_EQ(Form.SelectedResult(), nullptr);  // a new search, nothing selected
    EXPECT_EQ(Form.CountsLine(), u"Ayah count: 1   Surah count: 1");
}

TEST_F(SearchFormTest, TheAyaColumnMarksTheMatchedWords) {
    ASSERT_TRUE(Form.TextChanged(U("الرحمن")));
    EXPECT_EQ(Form.MarkedWords(1), (std::vector<bool>{false, false, true, false}));
    EXPECT_TRUE(Form.MarkedWords(2).empty());  // no such row
    // An aya number is found by its number, not its words.
    ASSERT_TRUE(Form.TextChanged(u"1"));
    EXPECT_EQ(Form.MarkedWords(1), (std::vector<bool>{false, false, false, false}));
}

TEST(SearchTexts, TheSuraList) {
    EXPECT_EQ(SearchSuraChoiceText(appEnglish, 0), u"all suras");
    EXPECT_EQ(SearchSuraChoiceText(appArabic, 0), U("كل السور"));
    EXPECT_EQ(SearchSuraChoiceText(appArabic, 14), U("14 إبراهيم"));
    EXPECT_EQ(SearchSuraChoiceText(appEnglish, 114), U("114 الناس"));
    EXPECT_EQ(SearchSuraChoiceText(appArabic, 41), U("41 فصلت"));  // without the name's two spaces
    EXPECT_EQ(std::u16string(SearchFormTexts(appArabic).ExactLetters), U("مطابقة الحروف تماماً"));
    EXPECT_EQ(std::u16string(SearchFormTexts(appEnglish).ExactLetters), u"exact letters");
}

// The window's first size is in the table of every window's layouts; here a
// wide window at every scale: the sura list keeps to the far end of its row,
// every control stays in the strip above the grid, apart from the others.
TEST(SearchPlaces, AWideStripHoldsEveryControlApart) {
    for (const int dpi : {96, 120, 144, 192}) {
        const TScale scale{dpi};
        const int width = scale(1200), height = scale(582);
        const TSearchFormPlaces p = SearchFormPlaces(width, height, scale);
        const std::string at = std::to_string(dpi);
        EXPECT_EQ(p.Sura.Right(), width - scale(16)) << at;
        EXPECT_EQ(p.Sura.Width, scale(200)) << at;
        EXPECT_EQ(p.Combo.Right(), width - scale(16)) << at;
        // The combo boxes' heights include their lists: one line of each counts here.
        const int line = scale(24);
        const TControlPlace one[] = {p.Label, {p.Combo.Left, p.Combo.Top, p.Combo.Width, line}, p.ExactLetters,
                                     p.WholeWords, {p.Sura.Left, p.Sura.Top, p.Sura.Width, line}, p.Counts};
        for (std::size_t i = 0; i < std::size(one); ++i) {
            EXPECT_GE(one[i].Left, 0) << at << " " << i;
            EXPECT_LE(one[i].Right(), width) << at << " " << i;
            EXPECT_LE(one[i].Bottom(), p.Grid.Top) << at << " " << i;
            for (std::size_t j = 0; j < i; ++j) {
                const bool apart = one[i].Left >= one[j].Right() || one[j].Left >= one[i].Right() ||
                                   one[i].Top >= one[j].Bottom() || one[j].Top >= one[i].Bottom();
                EXPECT_TRUE(apart) << at << " " << i << " " << j;
            }
        }
        EXPECT_EQ(p.Grid.Bottom(), height) << at;
    }
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
