#include <gtest/gtest.h>

#include <cstdint>

#include "settings/Settings.h"
#include "text/RtfComposition.h"

namespace {

std::string Rtf(const TSettings& s, std::u16string_view aya, int sura, int aya1, int count) {
    return RtfToEightBit(SelectionRtf(s, aya, sura, aya1, aya1 + (count - 1), count, false));
}

const std::u16string Allah = u"\u0671\u0644\u0644\u0651\u064E\u0647\u064F";

bool Has(const std::string& doc, const std::string& part) { return doc.find(part) != std::string::npos; }

}  // namespace

TEST(RtfComposition, DefaultDocumentOfOneWord) {
    EXPECT_EQ(Rtf(TSettings(), Allah, 112, 1, 1),
              "{\\rtf1\\fbidis\\ansi\\ansicpg1256\\deff0\\deflang1025{\\fonttbl{\\f0\\fnil\\fcharset178 Harvik HAFS "
              "Uthmanic Script;}{\\f1\\fnil\\fcharset178 Harvik HAFS Uthmanic Script;}}{\\colortbl "
              ";\\red0\\green0\\blue00;\\red0\\green0\\blue00;\\red0\\green0\\blue00;\\red0\\green0\\blue00;\\red0\\gr"
              "een0\\blue00;\\red0\\green0\\blue00;}\\rtlpar\\qr\\f0\\rtlch\\af0\\fs36\\cf1\\uc1\\u64863*\\cf2\\uc1\\u1649*"
              "\\uc1\\u1604*\\uc1\\u1604*\\uc1\\u1617*\\uc1\\u1614*\\uc1\\u1607*\\uc1\\u1615*\\cf1\\uc1\\u64862*\\fs20 "
              " \\cf6\\uc1\\u64861*\\f1\\af1\\uc1\\u1575*\\uc1\\u1604*\\uc1\\u1573*\\uc1\\u1616*\\uc1\\u1582*\\uc1\\u1761*"
              "\\uc1\\u1604*\\uc1\\u1614*\\uc1\\u1575*\\uc1\\u1589* \\uc1\\u58*\\uc1\\u32*\\f0\\af0\\uc1\\u64849*\\f0\\af0\\uc1"
              "\\u64860* }");
}

TEST(RtfComposition, CitationOfSeveralAyatNamesFirstAndLast) {
    std::string doc = Rtf(TSettings(), Allah, 112, 5, 3);
    EXPECT_TRUE(doc.ends_with("\\uc1\\u1589* \\f1\\af1\\uc1\\u58*\\uc1\\u32*\\f0\\af0\\uc1\\u64853*\\f1\\af1\\uc1\\u32*\\uc1\\u45*"
                              "\\uc1\\u32*\\f0\\af0\\uc1\\u64855*\\f0\\af0\\uc1\\u64860* }"))
        << doc;
}

TEST(RtfComposition, SignColoursApplyOnlyWhereTheyDiffer) {
    const std::u16string text = u"\u0628\u06D6\u06D7\u06DA\u06D8\u06DB\u06E9\u06DE";
    TSettings s;
    std::string plain = Rtf(s, text, 1, 1, 1);
    for (const char* absent : {"\\cf3", "\\cf4", "\\cf5", "\\u8204*"}) EXPECT_FALSE(Has(plain, absent)) << absent;

    s.WaqfSignColor = 0x0000FF;
    s.SajdaSignColor = 0x00FF00;
    s.HizbSignColor = 0xFF0000;
    std::string coloured = Rtf(s, text, 1, 1, 1);
    for (const char* waqf : {"1750", "1751", "1754"})
        EXPECT_TRUE(Has(coloured, std::string("\\cf5\\uc1\\u8204*\\uc1\\u") + waqf + "*\\cf2")) << waqf;
    EXPECT_TRUE(Has(coloured, "\\cf2\\uc1\\u1752*\\uc1\\u1755*\\cf3\\uc1\\u1769*\\cf2\\cf4\\uc1\\u1758*\\cf2"));
    EXPECT_TRUE(Has(coloured, "{\\colortbl ;\\red0\\green0\\blue00;\\red0\\green0\\blue00;\\red0\\green255\\blue00;"
                              "\\red0\\green0\\blue0255;\\red255\\green0\\blue00;"));
}

TEST(RtfComposition, OptionsShapeTheDocument) {
    TSettings s;
    s.UseBrackets = false;
    s.UseCitation = false;
    s.QuranFontBold = true;
    std::string doc = Rtf(s, Allah, 1, 1, 1);
    EXPECT_FALSE(Has(doc, "\\cf1"));
    EXPECT_TRUE(doc.ends_with("\\uc1\\u1615*\\b0\\ab0}")) << doc;
    EXPECT_TRUE(Has(doc, "\\cf2\\b\\ab\\uc1\\u1649*"));

    TSettings nl;
    nl.CitationOnNewLine = true;
    EXPECT_TRUE(Has(Rtf(nl, Allah, 1, 1, 1), "\\fs20\\line\\cf6"));

    TSettings qala;
    qala.AdditionQalaTaallah = true;
    EXPECT_TRUE(Has(Rtf(qala, Allah, 1, 1, 1),
                    "\\fs36\\uc1\\u1602*\\uc1\\u1575*\\uc1\\u1604*\\uc1\\u32*\\uc1\\u1578*\\uc1\\u1593*\\uc1\\u1575*"
                    "\\uc1\\u1604*\\uc1\\u1609*\\uc1\\u58* \\cf1"));

    TSettings formulas;
    formulas.AdditionIsteada = true;
    formulas.AdditionBasmala = true;
    std::string withFormulas = Rtf(formulas, Allah, 1, 1, 1);
    EXPECT_TRUE(Has(withFormulas, "\\fs36\\uc1\\u1571*"));
    EXPECT_TRUE(Has(withFormulas, "\\uc1\\u1616*\\line\\uc1\\u1576*"));
    EXPECT_TRUE(Has(withFormulas, "\\uc1\\u32*\\line\\cf1"));
}

TEST(RtfComposition, EmptyTextStillHasBracketsAndCitation) {
    std::string doc = Rtf(TSettings(), u"", 2, 255, 1);
    EXPECT_TRUE(Has(doc, "\\cf1\\uc1\\u64863*\\cf2\\cf1\\uc1\\u64862*\\fs20  \\cf6"));
    EXPECT_TRUE(Has(doc, "\\f0\\af0\\uc1\\u64853*\\uc1\\u64853*\\uc1\\u64850*\\f0\\af0\\uc1\\u64860* }"));
}

TEST(RtfComposition, SuraNameKeepsItsMarks) {
    // Sura 5's name carries a tatweel (U+0640).
    EXPECT_TRUE(Has(Rtf(TSettings(), Allah, 5, 1, 1), "\\uc1\\u1600*"));
}

TEST(RtfComposition, HelpersOnTheirOwn) {
    EXPECT_EQ(EscapeRtfUnicode(u""), u"");
    EXPECT_EQ(EscapeRtfUnicode(u"a \uFFFF"), u"\\uc1\\u97*\\uc1\\u32*\\uc1\\u65535*");
    EXPECT_EQ(BuildRtfColorTable(0x00010203, 0, 0, 0, 0, 0x00FFFFFF),
              u"{\\colortbl ;\\red3\\green2\\blue01;\\red0\\green0\\blue00;\\red0\\green0\\blue00;"
              u"\\red0\\green0\\blue00;\\red0\\green0\\blue00;\\red255\\green255\\blue0255;}");
    EXPECT_EQ(RtfToEightBit(u"{\\f1 Ab\u0639c}"), "{\\f1 Ab?c}");
}

TEST(RtfComposition, CitationFontNameIsWrittenAsTextOfTheFontTable) {
    struct Case {
        const char16_t* Name;
        const char* Entry;  // what follows "{\f1\fnil\fcharset178 "
    } cases[] = {
        {u"Times New Roman", "Times New Roman;}}{\\colortbl"},
        {u"My}{\\par Font", "My\\}\\{\\\\par Font;}}{\\colortbl"},
        {u"\\}}\\rtf1", "\\\\\\}\\}\\\\rtf1;}}{\\colortbl"},
        {u"خط Naskh", "\\uc1\\u1582*\\uc1\\u1591* Naskh;}}{\\colortbl"},
        // What RTF cannot hold in a font name is left out.
        {u"Semi;colon\n\u0085", "Semicolon;}}{\\colortbl"},
    };
    for (const Case& c : cases) {
        TSettings s;
        s.CitationFontName = c.Name;
        const std::string doc = Rtf(s, Allah, 1, 1, 1);
        EXPECT_TRUE(Has(doc, std::string("{\\f1\\fnil\\fcharset178 ") + c.Entry)) << doc;
        EXPECT_EQ(doc.find('?'), std::string::npos) << "7-bit text throughout: " << doc;
    }
}

TEST(RtfComposition, SizesFromAFileBecomeSizesAWordProcessorTakes) {
    // The record keeps any number; the document asks for 1 to 1638 points.
    struct Case {
        std::int32_t Points;
        const char* HalfPoints;
    } cases[] = {
        {18, "36"}, {1, "2"}, {1638, "3276"}, {0, "2"}, {-5, "2"}, {1639, "3276"},
        {INT32_MAX, "3276"}, {INT32_MIN, "2"},
    };
    for (const Case& c : cases) {
        TSettings s;
        s.QuranFontSize = c.Points;
        s.CitationFontSize = c.Points;
        const std::string doc = Rtf(s, Allah, 1, 1, 1);
        const std::string fs = std::string("\\fs") + c.HalfPoints;
        EXPECT_TRUE(Has(doc, "\\af0" + fs + "\\cf1")) << c.Points << ": " << doc;
        EXPECT_TRUE(Has(doc, fs + "  \\cf6")) << c.Points << ": " << doc;
    }
}

TEST(RtfComposition, CitationOutsideTheTablesStaysWithinThem) {
    // A sura beyond the name table and aya numbers at the 32-bit limits: no
    // name, no digits, and nothing read or computed out of range.
    std::string doc = Rtf(TSettings(), Allah, 31753, INT32_MAX, 1);
    EXPECT_TRUE(Has(doc, "\\cf6\\uc1\\u64861*\\f1\\af1 \\uc1\\u58*\\uc1\\u32*\\f0\\af0\\f0\\af0\\uc1\\u64860* }")) << doc;
    doc = RtfToEightBit(SelectionRtf(TSettings(), Allah, 0, INT32_MAX - 1, INT32_MAX, 3, false));
    EXPECT_TRUE(doc.ends_with("\\uc1\\u32*\\uc1\\u45*\\uc1\\u32*\\f0\\af0\\f0\\af0\\uc1\\u64860* }")) << doc;
}
