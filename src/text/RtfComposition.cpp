#include "text/RtfComposition.h"

#include <algorithm>
#include <cstdint>

#include "base/OutsideNames.h"
#include "settings/Settings.h"
#include "text/AyaText.h"
#include "text/SuraTables.h"

namespace {

constexpr std::u16string_view IstiadhaText = u"أَعُوذُ بِٱللَّهِ مِنَ ٱلشَّيۡطَٰنِ ٱلرَّجِيمِ";
constexpr std::u16string_view BasmalaText = u"بِسۡمِ ٱللَّهِ ٱلرَّحۡمَٰنِ ٱلرَّحِيمِ ";
constexpr std::u16string_view QalaTaalaText = u"قال تعالى:";
constexpr char16_t CitationOpen = u'\uFD5D';
constexpr char16_t CitationClose = u'\uFD5C';
constexpr char16_t ZeroWidthNonJoiner = u'\u200C';

// Font and weight switches name the associated (right-to-left script) font
// and weight too: word processors such as LibreOffice set Arabic text in the
// associated font and would otherwise show the text, the brackets and the
// aya digits in a default font of their own.
constexpr std::u16string_view QuranFont = u"\\f0\\af0";
constexpr std::u16string_view CitationFont = u"\\f1\\af1";
constexpr std::u16string_view BoldOn = u"\\b\\ab";
constexpr std::u16string_view BoldOff = u"\\b0\\ab0";

void AppendDecimal(std::u16string& out, std::uint32_t v) {
    char16_t digits[10];
    int n = 0;
    do {
        digits[n++] = char16_t(u'0' + v % 10);
        v /= 10;
    } while (v);
    while (n) out.push_back(digits[--n]);
}

void AppendEscaped(std::u16string& out, char16_t c) {
    out += u"\\uc1\\u";
    AppendDecimal(out, c);
    out.push_back(u'*');
}

void AppendEscaped(std::u16string& out, std::u16string_view text) {
    for (char16_t c : text) AppendEscaped(out, c);
}

void AppendControl(std::u16string& out, std::u16string_view word, std::uint32_t n) {
    out += word;
    AppendDecimal(out, n);
}

// The citation font's name comes from the dialog or from a settings or
// profile file, perhaps someone else's: it is written as RTF text, so that no
// name can add a control word or end the font table. Backslash and braces are
// escaped, characters outside ASCII become Unicode escapes (word processors
// read them in a font table as well), and what RTF cannot hold in a name is
// left out: control characters (a file with one in the name is refused when it
// is loaded) and the semicolon, which ends the name whatever escapes it.
void AppendFontName(std::u16string& out, std::u16string_view name) {
    for (char16_t c : name) {
        if (c < u' ' || c == u';' || (c >= 0x7F && c <= 0x9F)) continue;
        if (c == u'\\' || c == u'{' || c == u'}') {
            out.push_back(u'\\');
            out.push_back(c);
        } else if (c < 0x7F) {
            out.push_back(c);
        } else {
            AppendEscaped(out, c);
        }
    }
}

// Sizes from a file can be any number: the document asks for one that word
// processors take, 1 to 1638 points (the range of Word), in half points.
void AppendFontSize(std::u16string& out, std::int32_t points) {
    AppendControl(out, u"\\fs", std::uint32_t(2 * std::clamp(points, MinCopiedFontSize, MaxCopiedFontSize)));
}

// An aya number of the citation, worked out wide by the caller so that no
// number can overflow; outside 1 to 999 there are no aya digits to show.
std::u16string AyaDigits(std::int64_t n) {
    return n >= INT32_MIN && n <= INT32_MAX ? AyaNumberGlyphs(int(n)) : std::u16string();
}

// A sura outside the tables has no name to cite.
std::u16string_view CitedSuraName(int sura) {
    return sura >= 1 && sura <= SuraCount ? SuraNamesTashkeel[std::size_t(sura)] : std::u16string_view();
}

}  // namespace

std::u16string EscapeRtfUnicode(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size() * 12);
    AppendEscaped(out, text);
    return out;
}

std::u16string BuildRtfColorTable(std::uint32_t bracket, std::uint32_t text, std::uint32_t sajda,
                                  std::uint32_t hizb, std::uint32_t waqf, std::uint32_t citation) {
    std::u16string out = u"{\\colortbl ;";
    for (std::uint32_t c : {bracket, text, sajda, hizb, waqf, citation}) {
        AppendControl(out, u"\\red", c & 0xFF);
        AppendControl(out, u"\\green", (c >> 8) & 0xFF);
        AppendControl(out, u"\\blue0", (c >> 16) & 0xFF);
        out.push_back(u';');
    }
    out.push_back(u'}');
    return out;
}

std::u16string SelectionRtf(const TSettings& s, std::u16string_view aya, int sura, int aya1, int aya2,
                            int ayaCount, bool fullAya) {
    std::u16string d;
    d.reserve(600 + aya.size() * 13);
    d += u"{\\rtf1\\fbidis\\ansi\\ansicpg1256\\deff0\\deflang1025{\\fonttbl{\\f0\\fnil\\fcharset178 ";
    d += QuranFontFamily;
    d += u";}{\\f1\\fnil\\fcharset178 ";
    AppendFontName(d, s.CitationFontName);
    d += u";}}";
    d += BuildRtfColorTable(s.BracketColor, s.QuranTextColor, s.SajdaSignColor, s.HizbSignColor,
                            s.WaqfSignColor, s.CitationFontColor);
    // The associated font follows \rtlch, which would reset it.
    d += u"\\rtlpar\\qr\\f0\\rtlch\\af0";
    AppendFontSize(d, s.QuranFontSize);

    if (s.AdditionIsteada) {
        AppendEscaped(d, IstiadhaText);
        d += u"\\line";
    }
    if (s.AdditionBasmala) {
        AppendEscaped(d, BasmalaText);
        d += u"\\line";
    }
    if (s.AdditionQalaTaallah) {
        AppendEscaped(d, QalaTaalaText);
        d.push_back(u' ');
    }

    if (s.UseBrackets) {
        d += u"\\cf1";
        AppendEscaped(d, s.BracketB);
    }
    d += u"\\cf2";
    if (s.QuranFontBold) d += BoldOn;

    const bool colourSajda = s.SajdaSignColor != s.QuranTextColor;
    const bool colourHizb = s.HizbSignColor != s.QuranTextColor;
    const bool colourWaqf = s.WaqfSignColor != s.QuranTextColor;
    for (char16_t c : aya) {
        if (c == u'\u06E9' && colourSajda) {
            d += u"\\cf3";
            AppendEscaped(d, c);
            d += u"\\cf2";
        } else if (c == u'\u06DE' && colourHizb) {
            d += u"\\cf4";
            AppendEscaped(d, c);
            d += u"\\cf2";
        } else if ((c == u'\u06DA' || c == u'\u06D7' || c == u'\u06D6') && colourWaqf) {
            d += u"\\cf5";
            AppendEscaped(d, ZeroWidthNonJoiner);
            AppendEscaped(d, c);
            d += u"\\cf2";
        } else {
            AppendEscaped(d, c);
        }
    }

    if (s.QuranFontBold) d += BoldOff;
    if (s.UseBrackets) {
        d += u"\\cf1";
        AppendEscaped(d, s.BracketA);
    }

    if (s.UseCitation) {
        AppendFontSize(d, s.CitationFontSize);
        d += s.CitationOnNewLine ? u"\\line" : u"  ";
        d += u"\\cf6";
        AppendEscaped(d, CitationOpen);
        d += CitationFont;
        AppendEscaped(d, CitedSuraName(sura));
        d.push_back(u' ');
        if (ayaCount == 1) {
            AppendEscaped(d, u": ");
            d += QuranFont;
            AppendEscaped(d, AyaDigits(aya1));
        } else {
            d += CitationFont;
            AppendEscaped(d, u": ");
            d += QuranFont;
            AppendEscaped(d, AyaDigits(aya1));
            d += CitationFont;
            AppendEscaped(d, u" - ");
            d += QuranFont;
            AppendEscaped(d, AyaDigits(std::int64_t(aya1) + ayaCount - 1));
        }
        d += QuranFont;
        AppendEscaped(d, CitationClose);
        d.push_back(u' ');
    }
    d.push_back(u'}');
    return d;
}

std::string RtfToEightBit(std::u16string_view document) {
    std::string out(document.size(), '?');
    for (std::size_t i = 0; i < document.size(); ++i)
        if (document[i] < 0x80) out[i] = char(document[i]);
    return out;
}
