#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "text/AyaText.h"

namespace {

struct TTakeCase {
    const char16_t* Text;
    int First;
    int Count;
    const char16_t* Expected;
};

class TakeWordsTest : public testing::TestWithParam<TTakeCase> {};

TEST_P(TakeWordsTest, CutsTokens) {
    const TTakeCase& c = GetParam();
    EXPECT_EQ(TakeWords(c.Text, c.First, c.Count), c.Expected)
        << "first " << c.First << " count " << c.Count;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TakeWordsTest,
    testing::Values(
        TTakeCase{u"a b c", 2, 1, u"b"},
        TTakeCase{u"a b c", 2, 0, u"b c"},      // count 0 takes the rest
        TTakeCase{u"a b c", 0, 2, u"a"},        // the missing token 0 uses up one of the count
        TTakeCase{u"a b c", -1, 4, u"a b"},
        TTakeCase{u"a b c", 4, 1, u""},         // past the last token
        TTakeCase{u"a b c", 3, 1000, u"c"},
        TTakeCase{u"a b c", 1, -1, u""},        // a negative count takes nothing
        TTakeCase{u"  a   b  c ", 2, 2, u"b c"},  // doubled and outer spaces are one separator
        TTakeCase{u"a\r\nb\rc\nd", 2, 3, u"b c d"},  // line ends separate too
        TTakeCase{u"a \t b", 2, 1, u"b"},       // a token of blanks only is dropped
        TTakeCase{u"", 1, 5, u""},
        // U+00A0 and U+FEFF are no separators: the aya number stays on the last token.
        TTakeCase{u"\uFEFFbism allah x\u00A0\u0661", 1, 1, u"\uFEFFbism"},
        TTakeCase{u"\uFEFFbism allah x\u00A0\u0661", 3, 1, u"x\u00A0\u0661"}));

TEST(TakeWords, HugeRangesDoNotOverflow) {
    EXPECT_EQ(TakeWords(u"a b", INT_MIN, INT_MAX), u"");
    EXPECT_EQ(TakeWords(u"a b", 2, INT_MAX), u"b");
    EXPECT_EQ(TakeWords(u"a b", INT_MAX, INT_MAX), u"");
}

TEST(JoinWaqfSigns, JoinsTheFourSignsOnly) {
    // رَّبِّهِمۡ ۖ وَ  ->  رَّبِّهِمۡۖ وَ
    EXPECT_EQ(JoinWaqfSigns(u"\u0631\u0651\u064E\u0628\u0651\u0650\u0647\u0650\u0645\u06E1 \u06D6 \u0648\u064E"),
              u"\u0631\u0651\u064E\u0628\u0651\u0650\u0647\u0650\u0645\u06E1\u06D6 \u0648\u064E");
    EXPECT_EQ(JoinWaqfSigns(u"a \u06D6 b \u06D7 c \u06D8 d \u06DA"), u"a\u06D6 b\u06D7 c\u06D8 d\u06DA");
    // The sajda and rub el hizb signs, and the signs that never stand apart, keep their space.
    EXPECT_EQ(JoinWaqfSigns(u"a \u06E9"), u"a \u06E9");
    EXPECT_EQ(JoinWaqfSigns(u"\u06DE a"), u"\u06DE a");
    EXPECT_EQ(JoinWaqfSigns(u"a \u06D9 b \u06DB c \u06DC"), u"a \u06D9 b \u06DB c \u06DC");
    // One space goes per sign; the pass does not rescan what it wrote.
    EXPECT_EQ(JoinWaqfSigns(u"a  \u06D6"), u"a \u06D6");
    EXPECT_EQ(JoinWaqfSigns(u"a \u06DC \u06D7"), u"a \u06DC\u06D7");
}

TEST(JoinWawConjunction, JoinsASeparatedWaw) {
    const std::u16string waw = u"\u0648\u064E";
    // بِٱلۡغَيۡبِ وَ يُقِيمُونَ -> بِٱلۡغَيۡبِ وَيُقِيمُونَ
    EXPECT_EQ(JoinWawConjunction(u"x " + waw + u" y"), u"x " + waw + u"y");
    EXPECT_EQ(JoinWawConjunction(waw + u" y"), waw + u"y");       // at the start
    EXPECT_EQ(JoinWawConjunction(waw + u" "), waw);                // exactly three characters
    EXPECT_EQ(JoinWawConjunction(waw), waw);
    EXPECT_EQ(JoinWawConjunction(u"x " + waw + u" " + waw + u" y"),  // no overlap
              u"x " + waw + waw + u" y");
    EXPECT_EQ(JoinWawConjunction(u"\u06DE " + waw + u" y"), u"\u06DE " + waw + u"y");
}

TEST(JoinWawConjunction, LeavesOtherWawsApart) {
    // وَّ (waw, shadda, fatha) and a waw that ends a word are not conjunctions.
    EXPECT_EQ(JoinWawConjunction(u"x \u0648\u0651\u064E y"), u"x \u0648\u0651\u064E y");
    EXPECT_EQ(JoinWawConjunction(u"x\u0648\u064E y"), u"x\u0648\u064E y");
    EXPECT_EQ(JoinWawConjunction(u"\u0648\u064E\u0627 y"), u"\u0648\u064E\u0627 y");
}

TEST(ToNumericEntities, WritesEveryCodeUnit) {
    EXPECT_EQ(ToNumericEntities(u""), u"");
    EXPECT_EQ(ToNumericEntities(u"A\u0628"), u"&#65;&#1576;");
    EXPECT_EQ(ToNumericEntities(std::u16string(1, u'\0')), u"&#0;");
    EXPECT_EQ(ToNumericEntities(u"\uFFFF"), u"&#65535;");
    EXPECT_EQ(ToNumericEntities(u"\U0001F600"), u"&#55357;&#56832;");  // one per surrogate
}

TEST(AyaNumberGlyphs, WritesDigitsLastFirst) {
    EXPECT_EQ(AyaNumberGlyphs(7), u"\uFD57");
    EXPECT_EQ(AyaNumberGlyphs(10), u"\uFD50\uFD51");
    EXPECT_EQ(AyaNumberGlyphs(12), u"\uFD52\uFD51");
    EXPECT_EQ(AyaNumberGlyphs(286), u"\uFD56\uFD58\uFD52");
    EXPECT_EQ(AyaNumberGlyphs(999), u"\uFD59\uFD59\uFD59");
    for (int n : {0, -1, 1000, INT_MIN, INT_MAX}) EXPECT_EQ(AyaNumberGlyphs(n), u"") << n;
}

}  // namespace
