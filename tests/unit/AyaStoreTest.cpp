#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <stdexcept>
#include <utility>
#include <string>
#include <vector>

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

// The six forms of one entry in TAyaForm order, as the document writes them.
using TForms = std::array<const char*, 6>;

std::string EntryXml(int sura, int aya, const TForms& forms) {
    std::string xml = "<entry sura=\"" + std::to_string(sura) + "\" aya=\"" + std::to_string(aya) + "\">";
    for (std::size_t f = 0; f < forms.size(); ++f) {
        const std::string name(AyaFormElementName(TAyaForm(f)));
        xml += "<" + name + ">" + forms[f] + "</" + name + ">";
    }
    return xml + "</entry>\n";
}

// Entries whose forms are all different, all equal, equal in some pairs
// only, or equal but for one character; each form must come back as it was
// written, however the store keeps the forms it finds equal.
const TForms kFormSets[] = {
    {"ا", "ب", "ت", "ث", "ج", "ح"},
    {"same", "same", "same", "same", "same", "same"},
    {"قُلۡ", "قل", "قُلۡ", "قُلۡ", "قُلۡ ١", "قل"},
    {"abc", "abd", "abc ", "ab", "abc", "Abc"},
    {"x", "y", "x", "y", "x", "y"},
};

TEST(AyaStoreForms, EachFormComesBackAsWritten) {
    std::string xml = "<ayat version=\"2\">\n";
    for (int i = 0; i < int(std::size(kFormSets)); ++i) xml += EntryXml(1, i + 1, kFormSets[i]);
    const TAyaStore store(xml + "</ayat>");
    ASSERT_EQ(store.EntryCount(), std::size(kFormSets));
    for (int i = 0; i < int(std::size(kFormSets)); ++i)
        for (std::size_t f = 0; f < 6; ++f) {
            const std::u16string expected = Utf8ToUtf16(kFormSets[i][f]);
            EXPECT_EQ(store.AyaText(1, i + 1, TAyaForm(f)), expected) << "entry " << i << " form " << f;
            EXPECT_EQ(store.EntryText(std::size_t(i), TAyaForm(f)), expected) << "entry " << i << " form " << f;
        }
}

// A store whose texts use more characters than a byte can name (here 300,
// and one outside the Basic Multilingual Plane) keeps them as they are, and
// each form still comes back as written.
TEST(AyaStoreForms, TextsOfManyCharactersComeBackAsWritten) {
    std::string many;
    for (char32_t c = 0x4E00; c < 0x4E00 + 300; ++c) many += Utf16ToUtf8(std::u16string(1, char16_t(c)));
    const std::string beyond = "\xF0\x9D\x84\x9E";  // U+1D11E
    const std::string plain = "ab";
    const TForms forms{many.c_str(), plain.c_str(), beyond.c_str(), many.c_str(), plain.c_str(), "c"};
    const TAyaStore store("<ayat>" + EntryXml(3, 1, forms) + EntryXml(3, 2, kFormSets[2]) + "</ayat>");
    for (std::size_t f = 0; f < 6; ++f) EXPECT_EQ(store.AyaText(3, 1, TAyaForm(f)), Utf8ToUtf16(forms[f])) << f;
    for (std::size_t f = 0; f < 6; ++f) EXPECT_EQ(store.AyaText(3, 2, TAyaForm(f)), Utf8ToUtf16(kFormSets[2][f])) << f;
}

// The texts as the parser gives them: entities and character references
// resolved, CDATA kept as written, an element's first text alone.
TEST(AyaStoreForms, ReadsTheTextOfEachFormElement) {
    const TAyaStore store(R"(<ayat>
  <entry sura="1" aya="1">
    <unicode>a &amp; b &#x661;</unicode>
    <emlaey><![CDATA[<x> & y]]></emlaey>
    <UnicodeSpace>first<b/>second</UnicodeSpace>
    <unicodeex></unicodeex>
    <UnicodeSpaceex/>
    <EmlaeySpaceex>  spaced  </EmlaeySpaceex>
  </entry>
</ayat>)");
    EXPECT_EQ(store.AyaText(1, 1, TAyaForm::afUnicode), u"a & b \u0661");
    EXPECT_EQ(store.AyaText(1, 1, TAyaForm::afImlai), u"<x> & y");
    EXPECT_EQ(store.AyaText(1, 1, TAyaForm::afUnicodeSpace), u"first");
    EXPECT_EQ(store.AyaText(1, 1, TAyaForm::afUnicodeEx), u"");
    EXPECT_EQ(store.AyaText(1, 1, TAyaForm::afUnicodeSpaceEx), u"");
    EXPECT_EQ(store.AyaText(1, 1, TAyaForm::afImlaiSpaceEx), u"  spaced  ");
    EXPECT_EQ(store.Version(), u"");  // no version attribute
}

// The same texts whatever the order of the forms in an entry and whatever
// the document's encoding.
TEST(AyaStoreForms, ReadsFormsInAnyOrderAndEncoding) {
    const std::string inOrder = "<ayat version=\"٣\">" + EntryXml(2, 1, kFormSets[2]) + EntryXml(2, 2, kFormSets[3]) +
                                "</ayat>";
    std::string reversed = "<ayat version=\"٣\">";
    for (int aya = 1; aya <= 2; ++aya) {
        const TForms& forms = kFormSets[aya + 1];
        reversed += "<entry sura=\"2\" aya=\"" + std::to_string(aya) + "\">";
        for (std::size_t f = forms.size(); f-- > 0;) {
            const std::string name(AyaFormElementName(TAyaForm(f)));
            reversed += "<" + name + ">" + forms[f] + "</" + name + ">";
        }
        reversed += "</entry>";
    }
    reversed += "</ayat>";
    // UTF-16 with its byte order mark, little-endian as both hosts are.
    const std::u16string wide = u"\uFEFF" + Utf8ToUtf16(inOrder);
    const std::string utf16(reinterpret_cast<const char*>(wide.data()), wide.size() * 2);

    const std::pair<const char*, std::string> documents[] = {
        {"in order", inOrder}, {"reversed", reversed}, {"UTF-16", utf16}};
    for (const auto& [name, xml] : documents) {
        const TAyaStore store(xml);
        EXPECT_EQ(store.Version(), u"\u0663") << name;
        for (int aya = 1; aya <= 2; ++aya)
            for (std::size_t f = 0; f < 6; ++f)
                EXPECT_EQ(store.AyaText(2, aya, TAyaForm(f)), Utf8ToUtf16(kFormSets[aya + 1][f]))
                    << name << " aya " << aya << " form " << f;
    }
}

// A later entry of the same aya replaces the earlier one whole: the forms it
// lacks read "", not the earlier entry's.
TEST(AyaStoreForms, TheLastEntryOfAnAyaDecidesEveryForm) {
    const TAyaStore store(R"(<ayat>
  <entry sura="9" aya="3" page="10"><unicode>old</unicode><emlaey>old plain</emlaey></entry>
  <entry sura="9" aya="4" page="10"><unicode>next</unicode></entry>
  <entry sura="9" aya="3" page="11"><emlaey>new plain</emlaey></entry>
</ayat>)");
    EXPECT_EQ(store.AyaText(9, 3, TAyaForm::afUnicode), u"");
    EXPECT_EQ(store.AyaText(9, 3, TAyaForm::afImlai), u"new plain");
    EXPECT_EQ(store.AyaPage(9, 3), 11);
    EXPECT_EQ(store.AyaText(9, 4, TAyaForm::afUnicode), u"next");
    EXPECT_EQ(store.EntryText(0, TAyaForm::afUnicode), u"old");  // still there in document order
}

// The store keeps its texts: the bytes it was made from may go.
TEST(AyaStoreForms, OutlivesTheBytesItWasMadeFrom) {
    auto xml = std::make_unique<std::string>(kStore);
    const TAyaStore store(*xml);
    xml->assign(xml->size(), '#');
    xml.reset();
    EXPECT_EQ(store.Version(), u"1.0");
    EXPECT_EQ(store.AyaText(1, 1, TAyaForm::afUnicodeSpace), u"s-1-1");
    EXPECT_EQ(store.GetAyaSpaceExWords(112, 1, 4, 1), Utf8ToUtf16("أَحَدٌ\u00A0١"));
    EXPECT_THROW(store.EntryText(store.EntryCount(), TAyaForm::afUnicode), std::out_of_range);
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
