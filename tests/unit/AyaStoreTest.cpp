#include <gtest/gtest.h>

#include <string>

#include "base/Utf.h"
#include "text/AyaStore.h"

namespace {

// A few entries in the store's layout, with the irregularities a lookup must
// handle: a duplicate key, an entry without numbers, a missing form and a
// child that is not an entry.
const char* const kStore = R"(<?xml version="1.0" encoding="utf-8"?>
<!-- notice -->
<ayat version="1.0">
  <entry sura="1" aya="1" page="1">
    <unicode>u-1-1</unicode>
    <emlaey>e-1-1</emlaey>
    <UnicodeSpace>s-1-1</UnicodeSpace>
    <unicodeex>x-1-1</unicodeex>
    <UnicodeSpaceex>&#xFEFF;w1 w2&#xA0;&#x661;</UnicodeSpaceex>
  </entry>
  <entry sura="2" aya="286" page="49">
    <unicodeex>first</unicodeex>
  </entry>
  <entry sura="2" aya="286" page="50">
    <unicodeex>second</unicodeex>
  </entry>
  <note sura="3" aya="1" page="50"><unicodeex>not an entry</unicodeex></note>
  <entry sura="x" aya="1" page="1"><unicodeex>no number</unicodeex></entry>
  <entry sura="112" aya="1" page="604">
    <unicodeex>ex</unicodeex>
    <UnicodeSpaceex>قُلۡ هُوَ ٱللَّهُ أَحَدٌ&#xA0;١</UnicodeSpaceex>
  </entry>
</ayat>
)";

class AyaStoreTest : public testing::Test {
protected:
    TAyaStore Store{kStore};
};

TEST_F(AyaStoreTest, ReadsEntriesInDocumentOrder) {
    EXPECT_EQ(Store.Version(), u"1.0");
    ASSERT_EQ(Store.EntryCount(), 5u);  // the <note> is not an entry
    EXPECT_EQ(Store.Entry(0).Sura, 1);
    EXPECT_EQ(Store.Entry(2).Page, 50);
    EXPECT_EQ(Store.Entry(3).Sura, 0);  // "x" is no number
    EXPECT_EQ(Store.EntryText(0, TAyaForm::afImlai), u"e-1-1");
    EXPECT_EQ(Store.EntryText(1, TAyaForm::afImlai), u"");
}

TEST_F(AyaStoreTest, LooksUpEachForm) {
    EXPECT_EQ(Store.AyaText(1, 1, TAyaForm::afUnicode), u"u-1-1");
    EXPECT_EQ(Store.AyaText(1, 1, TAyaForm::afImlai), u"e-1-1");
    EXPECT_EQ(Store.AyaText(1, 1, TAyaForm::afUnicodeSpace), u"s-1-1");
    EXPECT_EQ(Store.AyaText(1, 1, TAyaForm::afUnicodeEx), u"x-1-1");
    EXPECT_EQ(Store.AyaText(1, 1, TAyaForm::afUnicodeSpaceEx), u"\uFEFFw1 w2\u00A0\u0661");
    EXPECT_EQ(Store.GetAyaUnicodeEx(1, 1), u"x-1-1");
    EXPECT_EQ(Store.AyaPage(112, 1), 604);
}

TEST_F(AyaStoreTest, TheLastOfEqualKeysDecides) {
    EXPECT_EQ(Store.GetAyaUnicodeEx(2, 286), u"second");
    EXPECT_EQ(Store.AyaPage(2, 286), 50);
}

TEST_F(AyaStoreTest, MissingAyatGiveEmptyText) {
    const int missing[][2] = {{2, 287}, {1, 0}, {0, 0}, {0, 1}, {115, 1}, {3, 1}, {-1, 1}};
    for (const auto& k : missing) {
        EXPECT_EQ(Store.GetAyaUnicodeEx(k[0], k[1]), u"") << k[0] << ":" << k[1];
        EXPECT_EQ(Store.GetAyaSpaceExWords(k[0], k[1], 1, 0), u"") << k[0] << ":" << k[1];
        EXPECT_EQ(Store.AyaPage(k[0], k[1]), 0);
    }
    EXPECT_EQ(Store.AyaText(2, 286, TAyaForm::afUnicode), u"");  // the form is missing
}

TEST_F(AyaStoreTest, CutsWordsOfUnicodeSpaceEx) {
    // Every word of 112:1: the last token carries the aya number.
    EXPECT_EQ(Store.GetAyaSpaceExWords(112, 1, 1, 0),
              Utf8ToUtf16("قُلۡ هُوَ ٱللَّهُ أَحَدٌ\u00A0١"));
    EXPECT_EQ(Store.GetAyaSpaceExWords(112, 1, 2, 4), Utf8ToUtf16("هُوَ ٱللَّهُ أَحَدٌ\u00A0١"));
    EXPECT_EQ(Store.GetAyaSpaceExWords(112, 1, 1, 3), Utf8ToUtf16("قُلۡ هُوَ ٱللَّهُ"));
    // U+FEFF is no separator and stays with the first word.
    EXPECT_EQ(Store.GetAyaSpaceExWords(1, 1, 1, 1), u"\uFEFFw1");
}

TEST(AyaStoreLoading, MovesWithItsIndex) {
    TAyaStore a(kStore);
    TAyaStore b(std::move(a));
    EXPECT_EQ(b.GetAyaUnicodeEx(2, 286), u"second");
}

struct TBadStore {
    const char* Name;
    std::string Xml;
    const char* Problem;  // part of the message
};

TEST(AyaStoreLoading, RejectsAStoreItCannotUse) {
    const std::string store = kStore;
    const TBadStore cases[] = {
        {"empty", "", "empty"},
        {"cut short", store.substr(0, store.size() / 2), "not well-formed"},
        {"mismatched tag", "<ayat><entry></ayat>", "not well-formed"},
        {"no element", "<?xml version=\"1.0\"?>\n", "not well-formed"},
        {"text only", "hafsunicode", "not well-formed"},
        {"other root", "<entries><entry sura=\"1\" aya=\"1\"/></entries>", "<entries>, not <ayat>"},
    };
    for (const TBadStore& c : cases) {
        try {
            TAyaStore s(c.Xml);
            ADD_FAILURE() << c.Name << ": loaded";
        } catch (const TStoreError& e) {
            EXPECT_NE(std::string(e.what()).find(c.Problem), std::string::npos)
                << c.Name << ": " << e.what();
            EXPECT_EQ(e.Record(), "aya store");
        }
    }
}

TEST(AyaStoreLoading, NamesWhereTheXmlBreaks) {
    const std::string xml = "<ayat>\n  <entry sura=\"1\" aya=\"1\">\n  </entyr>\n</ayat>";
    try {
        TAyaStore s(xml);
        FAIL() << "loaded";
    } catch (const TStoreError& e) {
        EXPECT_GE(e.Offset(), xml.find("</entyr>"));
        EXPECT_LE(e.Offset(), xml.find("</entyr>") + 8);
        EXPECT_NE(std::string(e.what()).find("end tag"), std::string::npos) << e.what();
    }
}

}  // namespace
