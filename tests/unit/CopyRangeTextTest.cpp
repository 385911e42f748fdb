#include <gtest/gtest.h>

#include <climits>

#include "settings/Settings.h"
#include "text/AyaStore.h"
#include "text/CopyRangeText.h"
#include "text/RtfComposition.h"

namespace {

// Three ayat of sura 112 with short stand-in texts ("a1", "a2", "a3").
const TAyaStore& Store() {
    static const TAyaStore store(R"(<?xml version="1.0" encoding="utf-8"?>
<ayat version="t">
  <entry sura="112" aya="1" page="604"><unicode/><emlaey/><UnicodeSpace/><unicodeex>a1</unicodeex><UnicodeSpaceex/></entry>
  <entry sura="112" aya="2" page="604"><unicode/><emlaey/><UnicodeSpace/><unicodeex>a2</unicodeex><UnicodeSpaceex/></entry>
  <entry sura="112" aya="3" page="604"><unicode/><emlaey/><UnicodeSpace/><unicodeex>a3</unicodeex><UnicodeSpaceex/></entry>
</ayat>
)");
    return store;
}

std::string Range(int a1, int a2) { return RtfToEightBit(ComposeCopyRange(Store(), TSettings(), 112, a1, a2)); }

std::string Escaped(std::u16string_view s) { return RtfToEightBit(EscapeRtfUnicode(s)); }

}  // namespace

TEST(CopyRangeText, WholeAyatEachAfterOneSpace) {
    std::string doc = Range(1, 3);
    EXPECT_NE(doc.find("\\cf2" + Escaped(u" a1 a2 a3") + "\\cf1"), std::string::npos) << doc;
    // Several ayat: the citation names the first and the last.
    EXPECT_NE(doc.find(Escaped(u"\uFD51") + "\\f1\\af1" + Escaped(u" - ") + "\\f0\\af0" + Escaped(u"\uFD53")),
              std::string::npos);
}

TEST(CopyRangeText, ReversedBoundsGiveTheSameDocument) { EXPECT_EQ(Range(3, 2), Range(2, 3)); }

TEST(CopyRangeText, OneAyaCitesOneNumber) {
    std::string doc = Range(2, 2);
    EXPECT_NE(doc.find(Escaped(u": ") + "\\f0\\af0" + Escaped(u"\uFD52") + "\\f0\\af0"), std::string::npos) << doc;
    EXPECT_EQ(doc.find(Escaped(u" - ")), std::string::npos);
}

TEST(CopyRangeText, AyatMissingFromTheStoreAreEmptyButStillCited) {
    std::string doc = Range(3, 4);  // sura 112 has four ayat; the store holds three
    EXPECT_NE(doc.find("\\cf2" + Escaped(u" a3 ") + "\\cf1"), std::string::npos) << doc;
    EXPECT_NE(doc.find(Escaped(u"\uFD54") + "\\f0\\af0" + Escaped(u"\uFD5C")), std::string::npos);
}

// A damaged store can name any aya number: the text and the citation stop
// at the sura's last aya (112 has four) instead of looking up two thousand
// million ayat.
TEST(CopyRangeText, RangesPastTheSuraStopAtItsLastAya) {
    const struct {
        int Aya1, Aya2;
        std::u16string Text;
    } cases[] = {
        {3, INT_MAX, u" a3 "},
        {INT_MAX, 2, u" a2 a3 "},
        {INT_MIN, 1, u" a1"},
    };
    for (const auto& c : cases) {
        const std::string doc = Range(c.Aya1, c.Aya2);
        EXPECT_NE(doc.find("\\cf2" + Escaped(c.Text) + "\\cf1"), std::string::npos) << c.Aya1 << " " << c.Aya2;
    }
    // The citation names aya 4 as the last: the range as copied.
    EXPECT_EQ(Range(3, INT_MAX), Range(3, 4));
    // No sura, no ayat.
    EXPECT_EQ(RtfToEightBit(ComposeCopyRange(Store(), TSettings(), 0, 1, INT_MAX)).find("a1"), std::string::npos);
}
