#include "text/PlainTextComposition.h"

#include <string>

#include "text/CopiedText.h"

namespace {

// The code points that the Quran font draws as ornamental brackets.
constexpr char16_t FirstFontBracket = u'\uFD5A';
constexpr char16_t LastFontBracket = u'\uFD7D';

// 1 to 999 in Arabic-Indic digits, as the citation's font digits show them.
std::u16string AyaNumber(std::int64_t n) {
    if (n < 1 || n > 999) return {};
    std::u16string digits;
    for (char c : std::to_string(n)) digits.push_back(char16_t(u'\u0660' + (c - '0')));
    return digits;
}

}  // namespace

char16_t PlainBracket(char16_t bracket, bool opening) {
    if (bracket < FirstFontBracket || bracket > LastFontBracket) return bracket;
    return opening ? u'\uFD3F' : u'\uFD3E';
}

std::u16string CopiedPlainText(const TCopiedText& c) {
    std::u16string t;
    for (std::u16string_view line : c.OpeningLines) {
        t += line;
        t += u"\r\n";
    }
    if (!c.LeadIn.empty()) {
        t += c.LeadIn;
        t += u' ';
    }
    if (c.HasBrackets) t += PlainBracket(c.OpenBracket, true);
    for (const TTextRun& run : c.Runs) t += run.Text;
    if (c.HasBrackets) t += PlainBracket(c.CloseBracket, false);
    if (c.HasCitation) {
        t += c.CitationOnNewLine ? u"\r\n" : u" ";
        t += PlainBracket(CitationOpenBracket, true);
        t += c.SuraName;
        t += u" : ";
        t += AyaNumber(c.FirstAya);
        if (c.SeveralAyat) {
            t += u" - ";
            t += AyaNumber(c.LastAya);
        }
        t += PlainBracket(CitationCloseBracket, false);
    }
    return t;
}
