#include "text/RtfComposition.h"

#include <algorithm>
#include <cstdint>

#include "base/OutsideNames.h"
#include "settings/Settings.h"
#include "text/AyaText.h"
#include "text/CopiedText.h"

namespace {

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

std::u16string SelectionRtf(const TSettings& s, std::u16string_view aya, int sura, int aya1, int /*aya2*/,
                            int ayaCount, bool /*fullAya*/) {
    return CopiedRtf(ComposeCopiedText(s, aya, sura, aya1, ayaCount));
}

std::u16string CopiedRtf(const TCopiedText& c) {
    std::u16string d;
    std::size_t textSize = 0;
    for (const TTextRun& run : c.Runs) textSize += run.Text.size();
    d.reserve(600 + textSize * 13);
    d += u"{\\rtf1\\fbidis\\ansi\\ansicpg1256\\deff0\\deflang1025{\\fonttbl{\\f0\\fnil\\fcharset178 ";
    d += QuranFontFamily;
    d += u";}{\\f1\\fnil\\fcharset178 ";
    AppendFontName(d, c.CitationFontName);
    d += u";}}";
    d += BuildRtfColorTable(c.Colours[ccBracket], c.Colours[ccText], c.Colours[ccSajda], c.Colours[ccHizb],
                            c.Colours[ccWaqf], c.Colours[ccCitation]);
    // The associated font follows \\rtlch, which would reset it.
    d += u"\\rtlpar\\qr\\f0\\rtlch\\af0";
    AppendFontSize(d, c.QuranFontSize);

    // Written before any colour is chosen: the reader's default colour.
    for (std::u16string_view line : c.OpeningLines) {
        AppendEscaped(d, line);
        d += u"\\line";
    }
    if (!c.LeadIn.empty()) {
        AppendEscaped(d, c.LeadIn);
        d.push_back(u' ');
    }

    if (c.HasBrackets) {
        d += u"\\cf1";
        AppendEscaped(d, c.OpenBracket);
    }
    d += u"\\cf2";
    if (c.Bold) d += BoldOn;
    for (const TTextRun& run : c.Runs) {
        switch (run.Kind) {
        case TRunKind::rkText: AppendEscaped(d, run.Text); continue;
        case TRunKind::rkSajda: d += u"\\cf3"; break;
        case TRunKind::rkHizb: d += u"\\cf4"; break;
        case TRunKind::rkWaqf:
            d += u"\\cf5";
            AppendEscaped(d, ColouredWaqfJoiner);
            break;
        }
        AppendEscaped(d, run.Text);
        d += u"\\cf2";
    }
    if (c.Bold) d += BoldOff;
    if (c.HasBrackets) {
        d += u"\\cf1";
        AppendEscaped(d, c.CloseBracket);
    }

    if (c.HasCitation) {
        AppendFontSize(d, c.CitationFontSize);
        // Two spaces on the same line: the first ends the control word.
        d += c.CitationOnNewLine ? u"\\line" : u"  ";
        d += u"\\cf6";
        AppendEscaped(d, CitationOpenBracket);
        d += CitationFont;
        AppendEscaped(d, c.SuraName);
        d.push_back(u' ');
        if (!c.SeveralAyat) {
            AppendEscaped(d, u": ");
            d += QuranFont;
            AppendEscaped(d, AyaDigits(c.FirstAya));
        } else {
            d += CitationFont;
            AppendEscaped(d, u": ");
            d += QuranFont;
            AppendEscaped(d, AyaDigits(c.FirstAya));
            d += CitationFont;
            AppendEscaped(d, u" - ");
            d += QuranFont;
            AppendEscaped(d, AyaDigits(c.LastAya));
        }
        d += QuranFont;
        AppendEscaped(d, CitationCloseBracket);
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
