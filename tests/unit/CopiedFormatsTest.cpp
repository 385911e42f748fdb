#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "PageFixtures.h"
#include "base/Utf.h"
#include "settings/Settings.h"
#include "text/AyaStore.h"
#include "text/ClipboardDocument.h"
#include "text/CopyRangeText.h"
#include "text/HtmlComposition.h"
#include "text/PlainTextComposition.h"
#include "text/RtfComposition.h"
#include "text/SelectionText.h"

namespace {

// Sura 112 in both spellings. Ayat 1, 3 and 4 split into as many tokens in
// both; aya 2 has one token more in the plain spelling. Aya 3 carries a
// separated waqf sign, aya 4 a split conjunction, in both.
const TAyaStore& Store() {
    static const TAyaStore store(R"(<?xml version="1.0" encoding="utf-8"?>
<ayat version="t">
  <entry sura="112" aya="1" page="604"><unicodeex>قُلۡ هُوَ ٱللَّهُ أَحَدٌ&#xA0;١</unicodeex><UnicodeSpaceex>قُلۡ هُوَ ٱللَّهُ أَحَدٌ&#xA0;١</UnicodeSpaceex><EmlaeySpaceex>قُل هُوَ اللَّهُ أَحَدٌ&#xA0;١</EmlaeySpaceex></entry>
  <entry sura="112" aya="2" page="604"><unicodeex>ٱللَّهُ ٱلصَّمَدُ&#xA0;٢</unicodeex><UnicodeSpaceex>ٱللَّهُ ٱلصَّمَدُ&#xA0;٢</UnicodeSpaceex><EmlaeySpaceex>اللَّهُ ال صَّمَدُ&#xA0;٢</EmlaeySpaceex></entry>
  <entry sura="112" aya="3" page="604"><unicodeex>لَمۡ يَلِدۡۖ وَلَمۡ&#xA0;٣</unicodeex><UnicodeSpaceex>لَمۡ يَلِدۡ ۖ وَ لَمۡ&#xA0;٣</UnicodeSpaceex><EmlaeySpaceex>لَم يَلِد ۖ وَ لَم&#xA0;٣</EmlaeySpaceex></entry>
  <entry sura="112" aya="4" page="604"><unicodeex>وَلَمۡ يَكُن&#xA0;٤</unicodeex><UnicodeSpaceex>وَ لَمۡ يَكُن&#xA0;٤</UnicodeSpaceex><EmlaeySpaceex>وَ لَم يَكُن&#xA0;٤</EmlaeySpaceex></entry>
</ayat>
)");
    return store;
}

// Words per aya on the page, each aya followed by its mark: the Uthmani token counts.
class CopiedFormats : public PageScaleOne {
protected:
    void SetUp() override {
        PageScaleOne::SetUp();
        FPage.PageNumber = 604;
        const int tokens[] = {4, 2, 5, 3};
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
    std::u16string PlainCopy(int first, int last, TSpelling spelling) {
        Select(first, last);
        return CopiedPlainText(*SelectionCopy(FPage, Store(), FSettings, spelling));
    }

    TPage FPage;
    TSettings FSettings;
};

// --- what a reader of each format sees -----------------------------------------

bool IsLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

// The text a word processor shows of our Rich Text: \uN escapes (their "*"
// fallback skipped), literal characters, \line as a line break; the font and
// colour tables skipped.
std::u16string RtfShownText(std::u16string_view d) {
    std::u16string out;
    int depth = 0, skipDepth = 0;
    for (std::size_t i = 0; i < d.size(); ++i) {
        const char16_t c = d[i];
        if (c == u'{') {
            ++depth;
            if (d.substr(i + 1).starts_with(u"\\fonttbl") || d.substr(i + 1).starts_with(u"\\colortbl"))
                skipDepth = depth;
            continue;
        }
        if (c == u'}') {
            if (depth-- == skipDepth) skipDepth = 0;
            continue;
        }
        if (c != u'\\') {
            if (!skipDepth) out.push_back(c);
            continue;
        }
        std::size_t j = i + 1;
        while (j < d.size() && IsLetter(d[j])) ++j;
        const std::u16string_view word = d.substr(i + 1, j - i - 1);
        std::uint32_t n = 0;
        bool number = false;
        while (j < d.size() && d[j] >= u'0' && d[j] <= u'9') n = n * 10 + (d[j++] - u'0'), number = true;
        if (j < d.size() && d[j] == u' ') ++j;  // the delimiter
        if (!skipDepth && word == u"u" && number) {
            out.push_back(char16_t(n));
            if (j < d.size() && d[j] == u'*') ++j;
        }
        if (!skipDepth && word == u"line") out.push_back(u'\n');
        i = j - 1;
    }
    return out;
}

// The text a browser shows of the HTML fragment: tags gone, <br> a line break.
std::u16string HtmlShownText(std::string_view h) {
    std::string out;
    for (std::size_t i = 0; i < h.size(); ++i) {
        if (h[i] == '<') {
            const std::size_t end = h.find('>', i);
            if (h.substr(i, end - i + 1) == "<br>") out.push_back('\n');
            i = end;
        } else if (h[i] == '&') {
            const std::size_t end = h.find(';', i);
            const std::string_view entity = h.substr(i, end - i + 1);
            out += entity == "&amp;" ? "&" : entity == "&lt;" ? "<" : entity == "&gt;" ? ">" : "\"";
            i = end;
        } else {
            out.push_back(h[i]);
        }
    }
    return Utf8ToUtf16(out);
}

// The words shown, in a form the three formats share: the font's brackets and
// the standard ornate parentheses alike as "|", the font's aya digits (written
// last digit first) as Arabic-Indic digits, the joiner of coloured signs
// dropped, CR LF as a line break.
std::vector<std::u16string> Words(std::u16string_view shown) {
    std::u16string t;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const char16_t c = shown[i];
        if (c >= u'\uFD50' && c <= u'\uFD59') {
            std::size_t j = i;
            while (j < shown.size() && shown[j] >= u'\uFD50' && shown[j] <= u'\uFD59') ++j;
            for (std::size_t k = j; k-- > i;) t.push_back(char16_t(u'\u0660' + (shown[k] - u'\uFD50')));
            i = j - 1;
        } else if ((c >= u'\uFD5A' && c <= u'\uFD7D') || c == u'\uFD3E' || c == u'\uFD3F') {
            t += u" | ";
        } else if (c == u'\u200C' || c == u'\r') {
        } else if (c == u'\n') {
            t += u" \n ";
        } else {
            t.push_back(c);
        }
    }
    std::vector<std::u16string> words;
    std::u16string w;
    for (char16_t c : t + u' ') {
        if (c == u' ' || c == u'\u00A0') {
            if (!w.empty()) words.push_back(w);
            w.clear();
        } else {
            w.push_back(c);
        }
    }
    return words;
}

// The fragment of a clipboard HTML document, found through its header's offsets.
struct THtmlHeader {
    std::size_t StartHtml = 0, EndHtml = 0, StartFragment = 0, EndFragment = 0;
};
THtmlHeader ReadHeader(const std::string& d) {
    THtmlHeader h;
    std::size_t* fields[] = {&h.StartHtml, &h.EndHtml, &h.StartFragment, &h.EndFragment};
    const char* names[] = {"\r\nStartHTML:", "\r\nEndHTML:", "\r\nStartFragment:", "\r\nEndFragment:"};
    for (int i = 0; i < 4; ++i) {
        const std::size_t at = d.find(names[i]);
        EXPECT_NE(at, std::string::npos) << names[i];
        if (at != std::string::npos) *fields[i] = std::stoul(d.substr(at + std::strlen(names[i]), 10));
    }
    return h;
}

}  // namespace

TEST_F(CopiedFormats, TheThreeFormatsShowTheSameWords) {
    struct TSelection {
        const char* What;
        int First, Last;  // WordList positions; -1: the whole sura as a copy range
        const char16_t* Uthmani;  // a word the copy holds, in each spelling
        const char16_t* Imlai;
    } selections[] = {
        {"one word", 2, 2, u"ٱللَّهُ", u"اللَّهُ"},
        {"a partial aya", 1, 3, u"هُوَ", u"هُوَ"},
        {"two ayat cut at both ends", 6, 9, u"ٱلصَّمَدُ", u"صَّمَدُ"},
        {"the whole sura", -1, -1, u"يَكُن", u"يَكُن"},
    };
    struct TOptions {
        const char* What;
        void (*Apply)(TSettings&);
    } options[] = {
        {"defaults", [](TSettings&) {}},
        {"no citation", [](TSettings& s) { s.UseCitation = false; }},
        {"citation on a new line", [](TSettings& s) { s.CitationOnNewLine = true; }},
        {"no brackets, bold", [](TSettings& s) { s.UseBrackets = false, s.QuranFontBold = true; }},
        {"both formulas", [](TSettings& s) { s.AdditionIsteada = s.AdditionBasmala = true; }},
        {"qala ta'ala and coloured signs",
         [](TSettings& s) { s.AdditionQalaTaallah = true, s.WaqfSignColor = 0xFF, s.HizbSignColor = 0xFF00; }},
    };
    for (TSpelling spelling : {TSpelling::Uthmani, TSpelling::Imlai})
        for (const TSelection& sel : selections)
            for (const TOptions& o : options) {
                SCOPED_TRACE(std::string(sel.What) + ", " + o.What);
                TSettings s;
                o.Apply(s);
                FSettings = s;
                TCopiedText copy;
                if (sel.First < 0) {
                    copy = CopyRangeCopy(Store(), s, 112, 1, 4, spelling);
                } else {
                    Select(sel.First, sel.Last);
                    copy = *SelectionCopy(FPage, Store(), s, spelling);
                }
                const TClipboardDocument d = ClipboardDocument(copy, {true, spelling});
                const THtmlHeader h = ReadHeader(*d.Html);
                const auto fragment = d.Html->substr(h.StartFragment, h.EndFragment - h.StartFragment);
                const std::vector<std::u16string> rtf = Words(RtfShownText(d.Rtf));
                EXPECT_EQ(Words(HtmlShownText(fragment)), rtf);
                EXPECT_EQ(Words(*d.Text), rtf);
                // Not three empty copies: the words of the aya and, if wanted, the citation.
                const std::u16string text = *d.Text;
                EXPECT_NE(text.find(spelling == TSpelling::Uthmani ? sel.Uthmani : sel.Imlai), std::u16string::npos);
                EXPECT_EQ(text.find(u"الإِخۡلَاص") != std::u16string::npos, s.UseCitation);
            }
}

TEST_F(CopiedFormats, WithBothChoicesOffOnlyTheRichTextIsOffered) {
    Select(1, 3);
    const TClipboardDocument d = ClipboardDocument(*SelectionCopy(FPage, Store(), FSettings, TSpelling::Uthmani), {});
    EXPECT_FALSE(d.Html);
    EXPECT_FALSE(d.Text);
    EXPECT_EQ(d.Rtf, GetSelectionRTF(FPage, Store(), FSettings));
}

TEST_F(CopiedFormats, TheHtmlHeaderCountsBytesToTheFragment) {
    FSettings.AdditionBasmala = true;  // much Arabic: bytes and characters differ
    Select(0, 16);
    const std::string d = CopiedHtml(*SelectionCopy(FPage, Store(), FSettings, TSpelling::Uthmani));
    ASSERT_TRUE(d.starts_with("Version:0.9\r\nStartHTML:")) << d.substr(0, 40);
    const THtmlHeader h = ReadHeader(d);
    EXPECT_EQ(d.compare(h.StartHtml, 6, "<html>"), 0);
    EXPECT_EQ(h.EndHtml, d.size());
    EXPECT_TRUE(d.substr(0, h.StartFragment).ends_with("<!--StartFragment-->"));
    EXPECT_EQ(d.compare(h.EndFragment, 18, "<!--EndFragment-->"), 0);
    EXPECT_TRUE(d.substr(h.EndFragment).ends_with("</body></html>\r\n"));
    const std::string fragment = d.substr(h.StartFragment, h.EndFragment - h.StartFragment);
    EXPECT_TRUE(fragment.starts_with("<div dir=\"rtl\"")) << fragment.substr(0, 40);
    EXPECT_TRUE(fragment.ends_with("</div>"));
    EXPECT_NE(fragment.find(Utf16ToUtf8(u"ٱللَّهُ")), std::string::npos);
}

TEST(HtmlComposition, TheDocumentCarriesTheFontSizesColoursAndEscapes) {
    TSettings s;
    s.QuranFontSize = 24;
    s.QuranFontBold = true;
    s.QuranTextColor = 0x00112233;  // 0x00BBGGRR
    s.WaqfSignColor = 0x000000FF;
    s.SajdaSignColor = 0x0000FF00;
    s.HizbSignColor = 0x00FF0000;
    s.BracketColor = 0x00808080;
    s.CitationFontSize = 5000;  // beyond what word processors take
    s.CitationFontColor = 0x00010203;
    s.CitationFontName = u"A'B\"C<D>;}E\\F";  // from someone else's profile
    s.BracketB = u'<';
    s.BracketA = u'&';
    const std::string h = CopiedHtmlFragment(ComposeCopiedText(s, u"\u06DEب\u06D6ت\u06E9", 2, 255, 3));
    for (const char* part : {
             "font-family:'Harvik HAFS Uthmanic Script';font-size:24pt",
             "<span style=\"color:#808080\">&lt;</span>",
             "<span style=\"color:#332211;font-weight:bold\">",
             "<span style=\"color:#0000ff\">\xDB\x9E</span>",                   // U+06DE in the hizb colour
             "<span style=\"color:#ff0000\">\xE2\x80\x8C\xDB\x96</span>",       // joiner and U+06D6
             "<span style=\"color:#00ff00\">\xDB\xA9</span>",                   // U+06E9
             "<span style=\"color:#808080\">&amp;</span>",
             "<span style=\"font-size:1638pt;color:#030201\"> ",
             "font-family:'A\\27 B\\22 C\\3C D\\3E \\3B \\7D E\\5C F'",
             "\xEF\xB5\x95\xEF\xB5\x95\xEF\xB5\x92",                          // 255 as the font's digits
             "\xEF\xB5\x97\xEF\xB5\x95\xEF\xB5\x92",                          // 257
         })
        EXPECT_NE(h.find(part), std::string::npos) << part << "\n" << h;
    EXPECT_EQ(h.find("A'B"), std::string::npos);
}

TEST(PlainTextComposition, PlainCharactersThatNeedNoFont) {
    TSettings s;
    s.AdditionIsteada = true;
    s.CitationOnNewLine = true;
    s.WaqfSignColor = 0xFF;  // colours leave no joiner behind
    const std::u16string t = CopiedPlainText(ComposeCopiedText(s, u"بۖ ت\u00A0٢٥٥", 2, 255, 3));
    EXPECT_EQ(t, u"أَعُوذُ بِٱللَّهِ مِنَ ٱلشَّيۡطَٰنِ ٱلرَّجِيمِ\r\n\uFD3Fبۖ ت\u00A0٢٥٥\uFD3E\r\n"
                 u"\uFD3Fالبَقَرَةِ : ٢٥٥ - ٢٥٧\uFD3E");
    EXPECT_EQ(PlainBracket(u'\uFD7C', false), u'\uFD3E');
    EXPECT_EQ(PlainBracket(u'\uFD5B', true), u'\uFD3F');
    EXPECT_EQ(PlainBracket(u'(', true), u'(') << "a bracket of no font stays";
    TSettings beyond;
    EXPECT_EQ(CopiedPlainText(ComposeCopiedText(beyond, u"ب", 2, 999, 2)), u"\uFD3Fب\uFD3E \uFD3Fالبَقَرَةِ : ٩٩٩ - \uFD3E")
        << "no aya number beyond 999, as in the Rich Text";
}

TEST_F(CopiedFormats, ThePlainSpellingTakesTheSameWordsOrTheWholeAya) {
    struct Case {
        const char* What;
        int First, Last;
        const char16_t* Text;  // between the brackets
    } cases[] = {
        {"one word of an aya split alike", 2, 2, u"اللَّهُ"},
        {"the rest of an aya, with its number", 1, 4, u"هُوَ اللَّهُ أَحَدٌ\u00A0١"},
        {"an aya split otherwise is taken whole", 5, 5, u"اللَّهُ ال صَّمَدُ\u00A0٢"},
        {"signs and conjunctions joined as in the Uthmani copy", 9, 12, u"يَلِدۖ وَلَم\u00A0٣"},
        {"ayat between taken whole", 3, 13, u"أَحَدٌ\u00A0١ اللَّهُ ال صَّمَدُ\u00A0٢ لَم يَلِدۖ وَلَم\u00A0٣"},
    };
    for (const Case& c : cases) {
        const std::u16string t = PlainCopy(c.First, c.Last, TSpelling::Imlai);
        EXPECT_EQ(t.substr(0, t.find(u'\uFD3E') + 1), u"\uFD3F" + std::u16string(c.Text) + u"\uFD3E") << c.What;
    }
    // The citation is the Uthmani copy's.
    const std::u16string uthmani = PlainCopy(3, 13, TSpelling::Uthmani);
    const std::u16string imlai = PlainCopy(3, 13, TSpelling::Imlai);
    EXPECT_EQ(uthmani.substr(uthmani.find(u"\uFD3E")), imlai.substr(imlai.find(u"\uFD3E")));
    EXPECT_EQ(CopiedPlainText(CopyRangeCopy(Store(), FSettings, 112, 4, 3, TSpelling::Imlai)),
              u"\uFD3F لَم يَلِدۖ وَلَم\u00A0٣ وَلَم يَكُن\u00A0٤\uFD3E \uFD3Fالإِخۡلَاص : ٣ - ٤\uFD3E");
}
